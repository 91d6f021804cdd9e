// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "Board.h"
#include "FakeGame.h"
#include "runtime/NumberText.h"
#include "window/Palette.h"

namespace diruvari::test {
namespace {

// No two neighbours share a colour on this board, in any level's colours.
const std::string deadDeal = "RGBR GBRG BRGB RGBR";
// Pairs at 0-1 and 4-5 only.
const std::string liveDeal = "RRBG GGRB BRGR RBRB";

struct Pair {
    int selected;
    int clicked;
};

// The first same-coloured neighbours on the board, looking at it as a player.
std::optional<Pair> findPair(const FakeGame& game) {
    for (int a = 0; a < 16; ++a) {
        for (const int b : {a + 1, a + 4}) {
            const bool inGrid = b < 16 && (b == a + 4 || a % 4 != 3);
            if (inGrid && game.controls.Card(a).backColor() == game.controls.Card(b).backColor()) {
                return Pair{a, b};
            }
        }
    }
    return std::nullopt;
}

// Plays the whole game with scripted numbers: every third level opens on a
// dead deal that the first click's scan restarts, every repaint keeps the
// pair's colour, and every pair is found by looking at the board.
TEST(WholeGame, AScriptedPlayerWinsAllTenLevelsInOrder) {
    FakeGame game;
    game.load(deadDeal);
    std::vector<std::string> expectedBoxes;
    int pairs = 0;
    int restarts = 0;
    const auto scriptLevelStart = [&](int level) {
        if (level % 3 == 0) {
            game.random.scriptDraws(boardDraws(deadDeal), 3);
            expectedBoxes.push_back("Sorry, there are no more moves.");
            ++restarts;
        }
        game.random.scriptDraws(boardDraws(liveDeal), 3);
    };
    // The first load's dead deal: the first click selects and the scan restarts.
    game.random.scriptDraws(boardDraws(liveDeal), 3);
    expectedBoxes.push_back("Sorry, there are no more moves.");
    ASSERT_FALSE(game.clickThrough(7));
    ++restarts;
    const int levels[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0};
    for (std::size_t i = 0; i < std::size(levels); ++i) {
        const int level = levels[i];
        ASSERT_EQ(game.form.lvl, level);
        ASSERT_EQ(game.controls.Level().caption(), "Level:" + numberText(level));
        while (true) {
            const auto pair = findPair(game);
            ASSERT_TRUE(pair) << "no move on level " << level << ": " << game.board();
            ASSERT_FALSE(game.clickThrough(pair->selected));
            const ColorValue kept = game.controls.Card(pair->clicked).backColor();
            const auto colour = std::find(palette.begin(), palette.end(), kept) - palette.begin();
            game.random.scriptDraws({static_cast<int>(colour)}, game.form.lvlcolors.at(level));
            const bool wins = game.form.cardsleft == 1;
            if (wins) {
                expectedBoxes.push_back("Wow! You beat level" + numberText(level) + "!");
                if (level != 0) {
                    scriptLevelStart(levels[i + 1]);
                }
            }
            const bool ended = game.clickThrough(pair->clicked);
            ++pairs;
            if (wins) {
                EXPECT_EQ(ended, level == 0);
                break;
            }
        }
    }
    expectedBoxes.push_back("Cool, you beat Level 0! You win!");
    EXPECT_EQ(pairs, 455);
    EXPECT_GE(restarts, 4);
    EXPECT_EQ(game.prompts(), expectedBoxes);
    EXPECT_TRUE(game.host.ended());
    EXPECT_TRUE(game.random.script.empty()) << "every scripted number was used";
}

}  // namespace
}  // namespace diruvari::test
