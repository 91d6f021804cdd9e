// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <random>

#include "Board.h"
#include "FakeGame.h"
#include "Seed.h"

namespace diruvari::test {
namespace {

const std::string noMoves = "Sorry, there are no more moves.";

// Scans the board on a loaded level-1 game, after a click that selects a
// card; true when the scan found a move.
bool scanFindsAMove(FakeGame& game, const std::string& board) {
    game.setBoard(board);
    game.controls.Frame().setVisible(false);
    game.view.prompts.clear();
    game.forgetRebuilds();
    game.click(0);
    const bool found = game.prompts().empty();
    game.answer();
    return found;
}

class MoveScan : public testing::Test {
  protected:
    void SetUp() override {
        game.load("RGBR GBRG BRGB RGBR");
        game.random.useGenerator(Generator([] { return std::uint64_t{5}; }));
    }
    FakeGame game;
};

TEST_F(MoveScan, RowEndsAndStartsOfTheNextRowAreNoPair) {
    // 3 and 4 are yellow, 7 and 8 blue, 11 and 12 green; nothing else matches.
    EXPECT_FALSE(scanFindsAMove(game, "RGBY YRGB BYRG GBYR"));
    EXPECT_EQ(game.prompts(), std::vector<std::string>{noMoves});
}

TEST_F(MoveScan, ASinglePairAnywhereIsAMove) {
    // The checkerboard has none; each case adds exactly one pair to it.
    ASSERT_FALSE(scanFindsAMove(game, "RGRG GRGR RGRG GRGR"));
    EXPECT_TRUE(scanFindsAMove(game, "RRRG GRGR RGRG GRGR")) << "row 0, columns 0-1";
    EXPECT_TRUE(scanFindsAMove(game, "RGRG GRGR RGRG GRGG")) << "last row, last columns";
    EXPECT_TRUE(scanFindsAMove(game, "RGRG GRGR RGRG GRBB")) << "last row, columns 2-3";
    EXPECT_TRUE(scanFindsAMove(game, "RGRB GRGB RGRG GRGR")) << "last column, rows 0-1";
    EXPECT_TRUE(scanFindsAMove(game, "RGRG GRGR RGRB GRGB")) << "last column, rows 2-3";
    EXPECT_TRUE(scanFindsAMove(game, "RGRG GRGR BGRG BRGR")) << "first column, rows 2-3";
}

TEST_F(MoveScan, ADeadBoardIsAnnouncedOnceAndItsLevelRestarts) {
    game.form.lvl = 5;
    EXPECT_FALSE(scanFindsAMove(game, "RGBY GBYR BYRG YRGB"));
    EXPECT_EQ(game.prompts(), std::vector<std::string>{noMoves});
    EXPECT_EQ(game.rebuilds(), 1);
    EXPECT_EQ(game.form.lvl, 5);
    EXPECT_EQ(game.controls.Level().caption(), "Level: 5");
    EXPECT_EQ(game.form.cardsleft, 50);
}

TEST_F(MoveScan, ABoardWithMovesIsLeftAlone) {
    const std::string board = "RRRR RRRR RRRR RRRR";
    EXPECT_TRUE(scanFindsAMove(game, board));
    EXPECT_EQ(game.rebuilds(), 0);
    EXPECT_EQ(game.board(), board);
}

TEST_F(MoveScan, VerdictMatchesAnIndependentCountOnRandomBoards) {
    const auto seed = testSeed();
    SCOPED_TRACE(seedNote(seed));
    std::mt19937 random(seed);
    int dead = 0;
    for (int i = 0; i < 20000; ++i) {
        const int n = 3 + i % 4;
        std::string board;
        for (int k = 0; k < 16; ++k) {
            board += "RGBYMC"[std::uniform_int_distribution<int>(0, n - 1)(random)];
        }
        const bool expectMove = movesOn(boardColors(board)) > 0;
        dead += expectMove ? 0 : 1;
        ASSERT_EQ(scanFindsAMove(game, board), expectMove) << board;
    }
    EXPECT_GT(dead, 0) << "the run met no dead board";
}

}  // namespace
}  // namespace diruvari::test
