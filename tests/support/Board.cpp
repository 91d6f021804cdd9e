// SPDX-License-Identifier: MIT
#include "Board.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "window/Palette.h"

namespace diruvari::test {

namespace {

constexpr std::string_view letters = "RGBYMC";

}  // namespace

std::vector<int> boardDraws(const std::string& board) {
    std::vector<int> draws;
    for (const char c : board) {
        if (c == ' ') {
            continue;
        }
        const auto r = letters.find(c);
        EXPECT_NE(r, std::string_view::npos) << "not a card colour: " << c;
        draws.push_back(static_cast<int>(r));
    }
    EXPECT_EQ(draws.size(), 16U) << board;
    return draws;
}

std::vector<ColorValue> boardColors(const std::string& board) {
    std::vector<ColorValue> colors;
    for (const int r : boardDraws(board)) {
        colors.push_back(palette.at(static_cast<std::size_t>(r)));
    }
    return colors;
}

std::string boardText(const std::vector<ColorValue>& colors) {
    std::string text;
    for (std::size_t k = 0; k < colors.size(); ++k) {
        if (k > 0 && k % 4 == 0) {
            text += ' ';
        }
        char letter = '?';
        for (std::size_t r = 0; r < palette.size(); ++r) {
            if (palette.at(r) == colors[k]) {
                letter = letters[r];
            }
        }
        if (colors[k] == rgbValue(255, 255, 255)) {
            letter = 'W';
        }
        text += letter;
    }
    return text;
}

const std::vector<std::pair<int, int>>& neighbourPairs() {
    static const auto pairs = [] {
        std::vector<std::pair<int, int>> all;
        for (int a = 0; a < 16; ++a) {
            for (int b = a + 1; b < 16; ++b) {
                if (std::abs(a / 4 - b / 4) + std::abs(a % 4 - b % 4) == 1) {
                    all.emplace_back(a, b);
                }
            }
        }
        return all;
    }();
    return pairs;
}

int movesOn(const std::vector<ColorValue>& colors) {
    int count = 0;
    for (const auto& [a, b] : neighbourPairs()) {
        count += colors.at(a) == colors.at(b) ? 1 : 0;
    }
    return count;
}

}  // namespace diruvari::test
