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
    RecordingView view;
    Controls controls(view);
    view.log.clear();
    loadobj(controls);
    const std::vector<std::string> created = {
        "show 4", "show 8",  "show 12", "show 1", "show 5", "show 9",  "show 13", "show 2",
        "show 6", "show 10", "show 14", "show 3", "show 7", "show 11", "show 15"};
    EXPECT_EQ(view.log, created);
    for (int k = 0; k < 16; ++k) {
        const CardControl& card = controls.Card(k);
        EXPECT_TRUE(card.visible()) << k;
        EXPECT_EQ(card.left(), 45 + 495 * (k % 4)) << k;
        EXPECT_EQ(card.top(), 45 + 495 * (k / 4)) << k;
    }
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
    EXPECT_EQ(game.controls.Level().caption(), "Level: 1");
    EXPECT_EQ(game.controls.Cards().caption(), "Cards: 15");
    EXPECT_EQ(game.controls.Colors().caption(), "Colors: 3");
    EXPECT_EQ(game.board(), "RGBR GBRG BRGB RGBB");
    EXPECT_FALSE(game.controls.Frame().visible());
    EXPECT_EQ(game.random.reseeds, 1);
    EXPECT_TRUE(game.prompts().empty()) << "the load runs no scan";
}

TEST(FormLoad, ReseedsThenBuildsThenWritesLabelsCardsColorsLevelBeforeTheDeal) {
    FakeGame game;
    game.random.scriptDraws(std::vector<int>(16, 0), 3);
    game.view.log.clear();
    game.host.start();
    const auto& log = game.view.log;
    const auto at = [&log](const std::string& entry) {
        return std::find(log.begin(), log.end(), entry) - log.begin();
    };
    EXPECT_LT(at("show 15"), at("caption Cards: 15"));
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
        game.host.rebuildWindow();
        EXPECT_EQ(game.form.lvl, row.level);
        EXPECT_EQ(game.controls.Level().caption(), "Level: " + std::to_string(row.level));
        EXPECT_EQ(game.controls.Cards().caption(), "Cards: " + std::to_string(row.cards));
        EXPECT_EQ(game.controls.Colors().caption(), "Colors: " + std::to_string(row.colors));
        std::set<ColorValue> seen;
        for (int k = 0; k < 16; ++k) {
            seen.insert(game.controls.Card(k).backColor());
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
    EXPECT_EQ(game.controls.Level().caption(), "Level: 0");
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
