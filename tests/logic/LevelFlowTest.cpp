// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <set>

#include "Board.h"
#include "FakeGame.h"

namespace diruvari::test {
namespace {

// A game whose current level is `level`, loaded on a board of that level.
void playLevel(FakeGame& game, int level) {
    game.load("RGBR GBRG BRGB RGBR");
    game.form.lvl = static_cast<std::int16_t>(level == 0 ? 9 : level - 1);
    game.random.scriptDraws(std::vector<int>(16, 0), 3);
    game.host.rebuildWindow();
    ASSERT_EQ(game.form.lvl, level);
    game.forgetRebuilds();
}

// Makes the level's last pair, cards 0 and 1, and answers the box.
void winLevel(FakeGame& game, const std::string& next) {
    game.setBoard("RRBR GBRG BRGB RGBR");
    game.form.cardsleft = 1;
    game.click(0);
    game.random.scriptDraws({2}, game.form.lvlcolors.at(game.form.lvl));
    if (!next.empty()) {
        game.random.scriptDraws(boardDraws(next), game.form.lvlcolors.at((game.form.lvl + 1) % 10));
    }
    game.click(1);
    EXPECT_EQ(game.rebuilds(), 0) << "the next level before the box's OK";
    game.answer();
}

TEST(NextLevel, AnnouncesTheWonLevelAndDealsTheNextOneLevelNineLeadingToZero) {
    const struct {
        int won;
        std::string deal;
        std::vector<std::string> labels;
    } cases[] = {
        {3, "RRBY YBGR RGBY YBGR", {"Level: 4", "Cards: 25", "Colors: 4"}},
        {9, "CCYB GRCM YBGR CMYB", {"Level: 0", "Cards: 100", "Colors: 6"}},
    };
    for (const auto& c : cases) {
        FakeGame game;
        playLevel(game, c.won);
        winLevel(game, c.deal);
        EXPECT_EQ(game.prompts(),
                  std::vector<std::string>{"Wow! You beat level " + std::to_string(c.won) + "!"});
        EXPECT_EQ(game.rebuilds(), 1);
        const std::vector<std::string> labels = {game.controls.Level().caption(),
                                                 game.controls.Cards().caption(),
                                                 game.controls.Colors().caption()};
        EXPECT_EQ(labels, c.labels) << "after level " << c.won;
        EXPECT_EQ(game.form.cardsleft, game.form.lvlcards.at((c.won + 1) % 10));
        EXPECT_EQ(game.board(), c.deal);
    }
}

TEST(NextLevel, WinningLevelZeroShowsBothMessagesInOrderThenEndsWithNoRebuild) {
    FakeGame game;
    playLevel(game, 0);
    winLevel(game, "");
    EXPECT_TRUE(game.host.ended());
    const std::vector<std::string> expected = {"Wow! You beat level 0!",
                                               "Cool, you beat Level 0! You win!"};
    EXPECT_EQ(game.prompts(), expected);
    EXPECT_EQ(game.rebuilds(), 0);
    EXPECT_EQ(game.board(), "BRBR GBRG BRGB RGBR") << "card 0 repainted, and no deal after";
}

TEST(Reset, RestartsTheSameLevelOnEveryLevel) {
    for (int level = 0; level <= 9; ++level) {
        FakeGame game;
        playLevel(game, level);
        const std::string label = game.controls.Level().caption();
        game.random.scriptDraws(std::vector<int>(16, 1), game.form.lvlcolors.at(level));
        game.form.mnuReset_Click();
        EXPECT_EQ(game.form.lvl, level);
        EXPECT_EQ(game.controls.Level().caption(), label);
        EXPECT_EQ(game.form.cardsleft, game.form.lvlcards.at(level));
        EXPECT_EQ(game.board(), "GGGG GGGG GGGG GGGG") << "a fresh deal";
        EXPECT_EQ(game.rebuilds(), 1);
        EXPECT_TRUE(game.prompts().empty());
    }
}

TEST(Reset, ClearsTheSelectionAndTheCountAndReseeds) {
    FakeGame game;
    game.load("RRBR GBRG BRGB RGBR");
    game.random.scriptDraws({0}, 3);
    game.click(0);
    game.click(1);
    game.click(2);
    ASSERT_TRUE(game.controls.Frame().visible());
    ASSERT_EQ(game.form.cardsleft, 14);
    game.random.scriptDraws(std::vector<int>(16, 2), 3);
    game.form.mnuReset_Click();
    EXPECT_FALSE(game.controls.Frame().visible());
    EXPECT_EQ(game.controls.Frame().tag(), "");
    EXPECT_EQ(game.form.cardsleft, 15);
    EXPECT_EQ(game.controls.Cards().caption(), "Cards: 15");
    EXPECT_EQ(game.random.reseeds, 2);
}

TEST(Reset, DealsAfreshAtTheSameClockReading) {
    FakeGame game;
    game.random.useGenerator(Generator([] { return std::uint64_t{99}; }));
    game.host.start();
    std::set<std::string> boards{game.board()};
    for (int i = 0; i < 20; ++i) {
        game.form.mnuReset_Click();
        boards.insert(game.board());
    }
    EXPECT_EQ(boards.size(), 21U);
}

}  // namespace
}  // namespace diruvari::test
