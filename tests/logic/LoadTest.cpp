// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "Board.h"
#include "FakeGame.h"
#include "runtime/Fault.h"
#include "window/Palette.h"
#include "window/loadobj.h"

namespace diruvari::test {
namespace {

TEST(Loadobj, CreatesCardsColumnByColumnAndPlacesAllSixteenOnTheGrid) {
    FakeControls controls;
    loadobj(controls);
    std::vector<std::string> created;
    for (const auto& entry : controls.log.entries) {
        created.push_back(entry);
    }
    const std::vector<std::string> expected = {
        "load 4", "load 8",  "load 12", "load 1", "load 5", "load 9",  "load 13", "load 2",
        "load 6", "load 10", "load 14", "load 3", "load 7", "load 11", "load 15"};
    EXPECT_EQ(created, expected);
    for (int k = 0; k < 16; ++k) {
        const FakeCard& card = controls.card.at(k);
        EXPECT_TRUE(card.isVisible()) << k;
        EXPECT_EQ(card.left(), 45 + 495 * (k % 4)) << k;
        EXPECT_EQ(card.top(), 45 + 495 * (k / 4)) << k;
    }
    EXPECT_EQ(controls.card.at(15).left(), 45 + 3 * 495);
    EXPECT_EQ(controls.card.at(12).top(), 45 + 3 * 495);
}

// The level table as the game is designed: level, quota, colours.
struct LevelRow {
    int level;
    int cards;
    int colors;
};
constexpr LevelRow levelTable[] = {{1, 15, 3}, {2, 25, 3}, {3, 15, 4},  {4, 25, 4}, {5, 50, 4},
                                   {6, 25, 5}, {7, 50, 5}, {8, 100, 5}, {9, 50, 6}, {0, 100, 6}};

TEST(LevelTable, HoldsEveryLevelsQuotaAndColours) {
    FakeGame game;
    game.form.setlvlvar();
    for (const LevelRow& row : levelTable) {
        EXPECT_EQ(game.form.lvlcards.at(row.level), row.cards) << "level " << row.level;
        EXPECT_EQ(game.form.lvlcolors.at(row.level), row.colors) << "level " << row.level;
    }
}

TEST(FormLoad, FirstLoadIsLevelOneWithItsLabelsAndAThreeColourDeal) {
    FakeGame game;
    game.load("RGBR GBRG BRGB RGBB");
    EXPECT_EQ(game.form.lvl, 1);
    EXPECT_EQ(game.form.cardsleft, 15);
    EXPECT_EQ(game.controls.level.caption(), "Level: 1");
    EXPECT_EQ(game.controls.cards.caption(), "Cards: 15");
    EXPECT_EQ(game.controls.colors.caption(), "Colors: 3");
    EXPECT_EQ(game.board(), "RGBR GBRG BRGB RGBB");
    EXPECT_FALSE(game.controls.frame.visible());
    EXPECT_EQ(game.random.reseeds, 1);
    EXPECT_TRUE(game.toolkit.prompts.empty()) << "the load runs no scan";
}

TEST(FormLoad, ReseedsThenBuildsThenWritesLabelsCardsColorsLevelBeforeTheDeal) {
    FakeGame game;
    game.random.scriptDraws(std::vector<int>(16, 0), 3);
    game.host.start();
    const auto& log = game.controls.log.entries;
    const auto at = [&log](const std::string& entry) {
        return std::find(log.begin(), log.end(), entry) - log.begin();
    };
    EXPECT_LT(at("load 15"), at("caption Cards: 15"));
    EXPECT_LT(at("caption Cards: 15"), at("caption Colors: 3"));
    EXPECT_LT(at("caption Colors: 3"), at("caption Level: 1"));
    EXPECT_LT(at("caption Level: 1"), at("color 0"));
    std::vector<std::string> paints;
    std::copy_if(log.begin(), log.end(), std::back_inserter(paints),
                 [](const std::string& e) { return e.rfind("color ", 0) == 0; });
    ASSERT_EQ(paints.size(), 16U);
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(paints.at(k), "color " + std::to_string(k)) << "cards are dealt in index order";
    }
}

TEST(FormLoad, EachLevelDealsFromItsOwnColoursOnly) {
    for (const LevelRow& row : levelTable) {
        FakeGame game;
        game.random.scriptDraws(std::vector<int>(16, 0), 3);
        game.host.start();
        game.form.lvl = static_cast<std::int16_t>(row.level == 0 ? 9 : row.level - 1);
        // The deal walks through every colour of the level, largest number last.
        for (int k = 0; k < 15; ++k) {
            game.random.script.push_back(drawFor(k % row.colors, row.colors));
        }
        game.random.script.push_back(std::nextafter(1.0F, 0.0F));
        game.host.runtime().rebuildWindow();
        EXPECT_EQ(game.form.lvl, row.level);
        EXPECT_EQ(game.controls.level.caption(), "Level: " + std::to_string(row.level));
        EXPECT_EQ(game.controls.cards.caption(), "Cards: " + std::to_string(row.cards));
        EXPECT_EQ(game.controls.colors.caption(), "Colors: " + std::to_string(row.colors));
        std::set<ColorValue> seen;
        for (const FakeCard& card : game.controls.card) {
            seen.insert(card.backColor());
        }
        const std::set<ColorValue> expected(palette.begin(), palette.begin() + row.colors);
        EXPECT_EQ(seen, expected) << "level " << row.level;
    }
}

TEST(FormLoad, AStartAfterLevelNineWrapsToLevelZero) {
    FakeGame game;
    game.form.setlvlvar();
    game.form.lvl = 9;
    game.random.scriptDraws(std::vector<int>(16, 5), 6);
    game.host.start();
    EXPECT_EQ(game.form.lvl, 0);
    EXPECT_EQ(game.form.cardsleft, 100);
    EXPECT_EQ(game.controls.level.caption(), "Level: 0");
    EXPECT_EQ(game.board(), "CCCC CCCC CCCC CCCC");
}

TEST(FormLoad, ALevelOutsideTheTableIsAFaultNotReadPastIt) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    FakeGame game;
    game.form.setlvlvar();
    for (const int level : {-3, 11, 300}) {
        game.form.lvl = static_cast<std::int16_t>(level);
        EXPECT_EXIT(game.form.start(), testing::ExitedWithCode(faultStatus),
                    "level number outside 0-9")
            << level;
    }
}

}  // namespace
}  // namespace diruvari::test
