// SPDX-License-Identifier: MIT
#include "FakeGame.h"

#include "Board.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "runtime/NumberText.h"
#include "window/Grid.h"
#include "window/Palette.h"

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
    for (int k = 0; k < Controls::cardCount; ++k) {
        colors.push_back(controls.Card(k).backColor());
    }
    return boardText(colors);
}

bool FakeGame::click(int index) {
    host.cardClicked(index);
    return host.ended();
}

bool FakeGame::clickThrough(int index) {
    click(index);
    answer();
    return host.ended();
}

int FakeGame::answer() {
    int answered = 0;
    while (view.answerBox()) {
        ++answered;
    }
    return answered;
}

const Form1::LevelRow& levelRow(int lvl) {
    return *std::find_if(Form1::levelRows.begin(), Form1::levelRows.end(),
                         [lvl](const Form1::LevelRow& row) { return row.level == lvl; });
}

std::string brokenInvariant(const Form1& form, const Controls& controls) {
    if (form.lvl < 0 || form.lvl > 9) {
        return "a level outside 0 to 9";
    }
    const Form1::LevelRow& row = levelRow(form.lvl);
    if (form.cardsleft < 1 || form.cardsleft > row.cards) {
        return "a count outside the level's quota";
    }
    if (controls.label(0).caption() != "Level:" + numberText(form.lvl) ||
        controls.label(1).caption() != "Cards:" + numberText(form.cardsleft) ||
        controls.label(2).caption() != "Colors:" + numberText(row.colors)) {
        return "a label that says another level, count or number of colours";
    }
    const auto* end = palette.begin() + row.colors;
    for (int k = 0; k < Controls::cardCount; ++k) {
        if (std::find(palette.begin(), end, controls.Card(k).backColor()) == end) {
            return "a card of another colour";
        }
    }
    const FrameControl& frame = controls.Frame();
    if (frame.visible()) {
        const auto k = textToInt16(frame.tag());
        if (!k || *k < 0 || *k >= Controls::cardCount ||
            frame.left() != gridPitch * cardColumn(*k) || frame.top() != gridPitch * cardRow(*k)) {
            return "the frame off its card";
        }
    }
    return "";
}

}  // namespace diruvari::test
