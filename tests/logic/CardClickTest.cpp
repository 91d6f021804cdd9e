// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "Board.h"
#include "FakeGame.h"
#include "runtime/Fault.h"

namespace diruvari::test {
namespace {

// 3-7, 6-7, 11-15 and 14-15 are pairs; 3 and 4 share a colour across the row
// end; 5 and 10 sit diagonally, 4 and 6 two apart in a row and 1 and 9 two
// apart in a column, each with its partner's colour.
const std::string board = "YGCB BRBB MGRY CMYY";
const std::string wonBox = "Wow! You beat level 1!";
const std::string deadBox = "Sorry, there are no more moves.";

class CardClick : public testing::Test {
  protected:
    void SetUp() override {
        game.load("RRGB GBRG BRGB RGBR");
        game.setBoard(board);
    }

    void expectSelected(int k) {
        EXPECT_TRUE(game.controls.Frame().visible()) << k;
        EXPECT_EQ(game.controls.Frame().tag(), std::to_string(k));
        EXPECT_EQ(game.controls.Frame().left(), 495 * (k % 4)) << k;
        EXPECT_EQ(game.controls.Frame().top(), 495 * (k / 4)) << k;
    }
    void pair(int selected, int clicked, int newColour) {
        game.controls.Frame().setVisible(false);
        game.click(selected);
        game.random.scriptDraws({newColour}, 3);
        game.click(clicked);
    }

    FakeGame game;
};

TEST_F(CardClick, FirstClickSelectsOnTheCardsGridCellAndCountsNothing) {
    for (const int k : {0, 5, 15, 3, 12}) {
        game.controls.Frame().setVisible(false);
        game.click(k);
        expectSelected(k);
    }
    EXPECT_EQ(game.form.cardsleft, 15);
    EXPECT_TRUE(game.prompts().empty());
}

TEST_F(CardClick, ClicksThatMakeNoPairMoveTheSelectionAndCountNothing) {
    const std::pair<int, int> cases[] = {
        {5, 5},   // the selected card itself
        {5, 10},  // diagonal
        {4, 6},   // two apart in a row
        {1, 9},   // two apart in a column
        {5, 6},   // neighbours of different colours
        {3, 4},   // the end of one row and the start of the next
    };
    for (const auto& [selected, clicked] : cases) {
        game.controls.Frame().setVisible(false);
        game.click(selected);
        game.click(clicked);
        expectSelected(clicked);
        EXPECT_EQ(game.form.cardsleft, 15) << selected << " with " << clicked;
        EXPECT_EQ(game.board(), board);
    }
    EXPECT_EQ(game.controls.Cards().caption(), "Cards: 15");
}

TEST_F(CardClick, APairRepaintsTheSelectedCardHidesTheFrameAndCountsDown) {
    pair(3, 7, 1);
    EXPECT_FALSE(game.controls.Frame().visible());
    EXPECT_EQ(game.board(), "YGCG BRBB MGRY CMYY") << "3 repainted green, 7 kept";
    EXPECT_EQ(game.form.cardsleft, 14);
    EXPECT_EQ(game.controls.Cards().caption(), "Cards: 14");
    game.click(7);
    game.click(3);
    EXPECT_EQ(game.form.cardsleft, 14) << "3 and 7 no longer match";
    expectSelected(3);
}

TEST_F(CardClick, TheClickAfterAPairSelectsWhateverItHits) {
    pair(14, 15, 0);
    game.click(11);
    expectSelected(11);
    EXPECT_EQ(game.form.cardsleft, 14);
}

TEST_F(CardClick, ARepaintInTheSameColourLetsTheSamePairCountAgain) {
    game.random.scriptDraws({3, 3}, 4);  // yellow, out of four colours
    game.form.lvlcolors.at(1) = 4;
    game.click(14);
    game.click(15);
    game.click(15);
    game.click(14);
    EXPECT_EQ(game.form.cardsleft, 13);
    EXPECT_EQ(game.board(), board);
}

TEST_F(CardClick, TheWinningPairLeavesCardsZeroOnScreenThenScansTheNextBoard) {
    game.form.cardsleft = 1;
    game.click(14);
    game.random.scriptDraws({0}, 3);
    game.random.scriptDraws(boardDraws("RGBR GBRG BRGB RGBR"), 3);  // level 2, dead
    game.random.scriptDraws(boardDraws("RRBR GBRG BRGB RGBR"), 3);  // level 2 again
    game.click(15);
    EXPECT_EQ(game.controls.Cards().caption(), "Cards: 0") << "while the box stands";
    EXPECT_EQ(game.answer(), 2);
    EXPECT_EQ(game.prompts(), (std::vector<std::string>{wonBox, deadBox}));
    EXPECT_EQ(game.form.lvl, 2);
    EXPECT_EQ(game.form.cardsleft, 25);
    EXPECT_EQ(game.board(), "RRBR GBRG BRGB RGBR");
    EXPECT_FALSE(game.controls.Frame().visible());
}

TEST_F(CardClick, TheFinalPairEndsTheGameWithNoScanAfterIt) {
    game.form.lvl = 0;
    game.form.cardsleft = 1;
    game.setBoard("RRBR GBRG BRGB RGBR");
    game.click(0);
    game.random.scriptDraws({2}, 6);  // leaves a dead board that a scan would report
    EXPECT_TRUE(game.clickThrough(1));
    const std::vector<std::string> expected = {"Wow! You beat level 0!",
                                               "Cool, you beat Level 0! You win!"};
    EXPECT_EQ(game.prompts(), expected);
    EXPECT_TRUE(game.host.ended());
    EXPECT_EQ(game.rebuilds(), 0);
    EXPECT_EQ(game.controls.Cards().caption(), "Cards: 0");
}

TEST_F(CardClick, AFirstClickOnADeadDealSelectsThenRestartsTheLevel) {
    game.setBoard("RGBR GBRG BRGB RGBR");
    game.random.scriptDraws(boardDraws("RRGB GBRG BRGB RGBR"), 3);
    game.clickThrough(6);
    EXPECT_EQ(game.prompts(), std::vector<std::string>{deadBox});
    EXPECT_FALSE(game.controls.Frame().visible()) << "the restart clears the selection";
    EXPECT_EQ(game.form.lvl, 1);
    EXPECT_EQ(game.board(), "RRGB GBRG BRGB RGBR");
}

TEST_F(CardClick, AFrameWhoseTagNamesNoCardIsAFaultNotAFreshSelection) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const std::string tag : {"", "x", "16", "-1", "2.5"}) {
        game.controls.Frame().setVisible(true);
        game.controls.Frame().setTag(tag);
        EXPECT_EXIT(game.click(6), testing::ExitedWithCode(faultStatus),
                    "its tag \"" + tag + "\" names no card");
    }
}

}  // namespace
}  // namespace diruvari::test
