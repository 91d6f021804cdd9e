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
    for (const FakeCard& c : controls.card) {
        colors.push_back(c.backColor());
    }
    return boardText(colors);
}

bool FakeGame::click(int index) {
    host.cardClicked(index);
    return host.ended();
}

const Form1::LevelRow& levelRow(int lvl) {
    return *std::find_if(Form1::levelRows.begin(), Form1::levelRows.end(),
                         [lvl](const Form1::LevelRow& row) { return row.level == lvl; });
}

std::string brokenInvariant(const Form1& form, const FakeControls& controls) {
    if (form.lvl < 0 || form.lvl > 9) {
        return "a level outside 0 to 9";
    }
    const Form1::LevelRow& row = levelRow(form.lvl);
    if (form.cardsleft < 1 || form.cardsleft > row.cards) {
        return "a count outside the level's quota";
    }
    if (controls.level.caption() != "Level:" + numberText(form.lvl) ||
        controls.cards.caption() != "Cards:" + numberText(form.cardsleft) ||
        controls.colors.caption() != "Colors:" + numberText(row.colors)) {
        return "a label that says another level, count or number of colours";
    }
    const auto* end = palette.begin() + row.colors;
    for (const FakeCard& card : controls.card) {
        if (std::find(palette.begin(), end, card.backColor()) == end) {
            return "a card of another colour";
        }
    }
    if (controls.frame.visible()) {
        const auto k = textToInt16(controls.frame.tag());
        if (!k || *k < 0 || *k >= Controls::cardCount ||
            controls.frame.left() != gridPitch * cardColumn(*k) ||
            controls.frame.top() != gridPitch * cardRow(*k)) {
            return "the frame off its card";
        }
    }
    return "";
}

}  // namespace diruvari::test
