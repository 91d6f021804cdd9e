// SPDX-License-Identifier: MIT
#include "FakeGame.h"

#include "Board.h"

#include <gtest/gtest.h>

namespace diruvari::test {

void FakeGame::load(const std::string& board) {
    const auto draws = boardDraws(board);
    for (const int r : draws) {
        EXPECT_LT(r, 3) << "level 1 deals red, green and blue only: " << board;
    }
    random.scriptDraws(draws, 3);
    host.start();
}

void FakeGame::setBoard(const std::string& board) {
    const auto colors = boardColors(board);
    for (std::size_t k = 0; k < colors.size(); ++k) {
        controls.Card(static_cast<int>(k)).setBackColor(colors[k]);
    }
}

std::string FakeGame::board() const {
    std::vector<ColorValue> colors;
    for (const FakeCard& c : controls.card) {
        colors.push_back(c.backColor());
    }
    return boardText(colors);
}

bool FakeGame::click(int index) {
    host.cardClicked(index);
    return host.ended();
}

}  // namespace diruvari::test
