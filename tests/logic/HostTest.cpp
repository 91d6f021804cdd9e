// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <functional>

#include "Board.h"
#include "FakeGame.h"
#include "runtime/Fault.h"

namespace diruvari::test {
namespace {

const std::string deadBox = "Sorry, there are no more moves.";
const std::string wonBox = "Wow! You beat level 1!";
// Pairs at 0-1 only.
const std::string onePair = "RRBG GBRB BRGR RBRB";

// What the player sees of the board and what the rules hold.
struct Snapshot {
    std::string board;
    bool frame;
    std::string tag, cards;
    int lvl, cardsleft;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const FakeGame& game) {
    return {game.board(),
            game.controls.frame.visible(),
            game.controls.frame.tag(),
            game.controls.cards.caption(),
            game.form.lvl,
            game.form.cardsleft};
}

class HostPolicy : public testing::Test {
  protected:
    void SetUp() override { game.load(onePair); }

    // Makes the next click on card 1, with card 0 selected, win level 1 and
    // deal `next` for level 2.
    void lastPairOfTheLevel(const std::string& next) {
        game.form.cardsleft = 1;
        game.click(0);
        game.random.scriptDraws({0}, 3);
        game.random.scriptDraws(boardDraws(next), 3);
    }

    FakeGame game;
};

TEST_F(HostPolicy, CardZeroHasTheFocusAtStart) {
    EXPECT_EQ(game.toolkit.focus, 0);
    EXPECT_EQ(game.toolkit.shows, 1);
}

TEST_F(HostPolicy, EveryEventWhileABoxStandsIsRefused) {
    const std::function<void(Host&)> events[] = {
        [](Host& host) { host.cardClicked(0); },
        [](Host& host) { host.cardClicked(1); },
        [](Host& host) { host.resetChosen(); },
    };
    game.random.scriptDraws(boardDraws(onePair), 3);
    game.setBoard("RGBR GBRG BRGB RGBR");
    int refused = 0;
    game.toolkit.whileBoxOpen = [&](const std::string&) {
        const Snapshot before = snapshot(game);
        for (const auto& event : events) {
            event(game.host);
            EXPECT_EQ(snapshot(game), before) << "event " << refused << " reached the rules";
            ++refused;
        }
    };
    game.click(5);
    EXPECT_EQ(refused, 3);
    EXPECT_EQ(game.prompts(), std::vector<std::string>{deadBox}) << "no box from a refused event";
    EXPECT_EQ(game.rebuilds(), 1) << "only the dead board's restart";
}

TEST_F(HostPolicy, AModalBoxOfTheToolkitsOwnBlocksTheBoardToo) {
    game.toolkit.boxStanding = true;
    const Snapshot before = snapshot(game);
    game.click(0);
    game.reset();
    EXPECT_EQ(snapshot(game), before);
    game.toolkit.boxStanding = false;
    game.click(0);
    EXPECT_TRUE(game.controls.frame.visible()) << "the board answers once the box has gone";
}

TEST_F(HostPolicy, TheFocusGoesBackToItsCardAfterABoxAndAfterARebuild) {
    game.toolkit.focus = 11;
    game.random.scriptDraws(boardDraws(onePair), 3);
    game.reset();
    EXPECT_EQ(game.toolkit.focus, 11) << "after Reset";
    game.setBoard("RGBR GBRG BRGB RGBR");
    game.random.scriptDraws(boardDraws(onePair), 3);
    game.toolkit.focus = 6;
    game.click(6);
    EXPECT_EQ(game.prompts(), std::vector<std::string>{deadBox});
    EXPECT_EQ(game.toolkit.focus, 6) << "after the box and the restart";
    game.toolkit.focus = 1;
    lastPairOfTheLevel(onePair);
    game.click(1);
    EXPECT_EQ(game.form.lvl, 2);
    EXPECT_EQ(game.toolkit.focus, 1) << "after the won level's box and rebuild";
}

TEST_F(HostPolicy, ScreenReadersAreToldOfEachPairAndEachNewDealOnce) {
    const auto newsOf = [this](const std::function<void()>& event) {
        game.toolkit.news.clear();
        event();
        return game.toolkit.news;
    };
    using News = std::vector<std::string>;
    const News deal{"Level: 1. Cards: 15. Colors: 3."};
    EXPECT_EQ(newsOf([&] { game.click(0); }), News{}) << "a selection is the card's own state";
    game.random.scriptDraws({0}, 3);
    EXPECT_EQ(newsOf([&] { game.click(1); }), News{"Cards: 14. Red card, row 1, column 1."});
    EXPECT_EQ(newsOf([&] { game.click(1); }), News{}) << "a selection again";
    EXPECT_EQ(newsOf([&] { game.click(1); }), News{}) << "a click that undoes it";
    game.random.scriptDraws(boardDraws(onePair), 3);
    EXPECT_EQ(newsOf([&] { game.reset(); }), deal) << "Reset";
    game.setBoard("RGBR GBRG BRGB RGBR");
    game.random.scriptDraws(boardDraws(onePair), 3);
    EXPECT_EQ(newsOf([&] { game.click(6); }), deal) << "a dead board's restart";
    lastPairOfTheLevel(onePair);
    EXPECT_EQ(newsOf([&] { game.click(1); }), News{"Level: 2. Cards: 25. Colors: 3."})
        << "the next level's deal, not the winning pair";
    game.toolkit.boxStanding = true;
    EXPECT_EQ(newsOf([&] { game.reset(); }), News{}) << "a refused event";
}

TEST_F(HostPolicy, TheEndClosesOnceAndEveryLaterEventIsRefused) {
    game.form.lvl = 0;
    game.form.cardsleft = 1;
    game.click(0);
    game.random.scriptDraws({0}, 6);
    EXPECT_TRUE(game.click(1));
    game.host.windowClosed();
    EXPECT_EQ(game.toolkit.quits, 1) << "the window closing after the end closes nothing more";
    EXPECT_EQ(game.rebuilds(), 0);
    const Snapshot after = snapshot(game);
    game.click(0);
    game.reset();
    EXPECT_EQ(snapshot(game), after);
    EXPECT_EQ(game.prompts().size(), 2U) << "no box after the end";
}

TEST_F(HostPolicy, ClosingWhileABoxStandsEndsTheGameInsideThatEvent) {
    lastPairOfTheLevel(onePair);
    game.toolkit.whileBoxOpen = [this](const std::string&) { game.host.windowClosed(); };
    EXPECT_TRUE(game.click(1));
    EXPECT_TRUE(game.host.closed());
    EXPECT_EQ(game.prompts(), std::vector<std::string>{wonBox});
    EXPECT_EQ(game.rebuilds(), 0) << "no rebuild after the close";
    EXPECT_EQ(game.controls.cards.caption(), "Cards: 0");
    EXPECT_EQ(game.toolkit.quits, 1) << "the box's close and the end close the window once";
    game.click(0);
    EXPECT_EQ(game.controls.cards.caption(), "Cards: 0");
}

// A toolkit whose box has no loop of its own reports OK later: the event
// waits in the host, the board stands still behind the box, and OK, or a
// close, decides what comes next.
TEST_F(HostPolicy, ABoxAnsweredLaterHoldsItsEventUntilOKOrTheClose) {
    game.toolkit.answersAtOnce = false;
    lastPairOfTheLevel(onePair);
    game.click(1);
    EXPECT_TRUE(game.host.boxStanding());
    EXPECT_EQ(game.controls.cards.caption(), "Cards: 0") << "the pair shows while the box stands";
    const Snapshot behind = snapshot(game);
    game.click(5);
    game.reset();
    EXPECT_EQ(snapshot(game), behind) << "an event reached the board behind the box";
    EXPECT_EQ(game.rebuilds(), 0) << "the rebuild comes after OK";
    game.toolkit.answerBox();
    EXPECT_EQ(game.form.lvl, 2);
    EXPECT_EQ(game.rebuilds(), 1);
    // The final win: two boxes one after the other, then the end, once.
    game.form.lvl = 0;
    lastPairOfTheLevel(onePair);
    game.click(1);
    game.toolkit.answerBox();
    EXPECT_EQ(game.prompts().back(), "Cool, you beat Level 0! You win!");
    EXPECT_FALSE(game.host.ended()) << "the end came before the second box's OK";
    game.toolkit.answerBox();
    EXPECT_TRUE(game.host.ended());
    EXPECT_EQ(game.toolkit.quits, 1);
    EXPECT_EQ(game.prompts().size(), 3U) << "a scan after the end";
    // A close while a box stands drops its event: no rebuild after it.
    FakeGame closing;
    closing.load(onePair);
    closing.toolkit.answersAtOnce = false;
    closing.form.cardsleft = 1;
    closing.click(0);
    closing.random.scriptDraws({0}, 3);
    closing.click(1);
    closing.host.windowClosed();
    closing.toolkit.answerBox();
    EXPECT_EQ(closing.rebuilds(), 0);
    EXPECT_EQ(closing.toolkit.quits, 1);
    EXPECT_TRUE(closing.host.ended());
}

TEST_F(HostPolicy, ClosingTheWindowRefusesWhatComesAfter) {
    game.host.windowClosed();
    game.host.windowClosed();
    EXPECT_EQ(game.toolkit.quits, 1) << "a close is asked of the toolkit once";
    EXPECT_FALSE(game.host.ended());
    game.click(3);
    game.reset();
    EXPECT_FALSE(game.controls.frame.visible());
    EXPECT_EQ(game.rebuilds(), 0);
}

TEST(HostSetUp, NeedsASourceOfRandomNumbers) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    FakeToolkit toolkit;
    EXPECT_EXIT(Host(toolkit, nullptr), testing::ExitedWithCode(faultStatus),
                "needs a source of random numbers");
}

// An impossible state stops the program with one line on standard error,
// whichever event meets it.
TEST(HostFaults, AnImpossibleStateStopsTheProgramWithAClearLine) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const struct {
        const char* what;
        std::function<void(FakeGame&)> fault;
        const char* says;
    } cases[] = {
        {"a frame whose tag names no card",
         [](FakeGame& game) {
             game.controls.frame.setVisible(true);
             game.controls.frame.setTag("16");
             game.click(4);
         },
         "internal error: the selection frame shows, but its tag \"16\" names no card"},
        {"a level outside the table",
         [](FakeGame& game) {
             game.form.lvl = 11;
             game.reset();
         },
         "internal error: level number outside 0-9"},
        {"a click on no card", [](FakeGame& game) { game.host.cardClicked(16); },
         "internal error: a click on card 16, which is none"},
        {"a second start", [](FakeGame& game) { game.host.start(); },
         "internal error: the game was started twice"},
    };
    for (const auto& c : cases) {
        EXPECT_EXIT(
            {
                FakeGame game;
                game.load(onePair);
                c.fault(game);
            },
            testing::ExitedWithCode(faultStatus), c.says)
            << c.what;
    }
}

}  // namespace
}  // namespace diruvari::test
