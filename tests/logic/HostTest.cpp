// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <stdexcept>

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
            game.controls.Frame().visible(),
            game.controls.Frame().tag(),
            game.controls.Cards().caption(),
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
    EXPECT_EQ(game.view.focus, 0);
    EXPECT_EQ(game.view.shows, 1);
}

// While the box stands, no event reaches the rules; a key answers it only
// as a fresh press is let go, and OK resumes the event that waits.
TEST_F(HostPolicy, EveryEventWhileABoxStandsIsRefusedAndAKeyAnswersIt) {
    game.random.scriptDraws(boardDraws(onePair), 3);
    game.setBoard("RGBR GBRG BRGB RGBR");
    game.click(5);
    ASSERT_TRUE(game.host.boxStanding());
    const Snapshot before = snapshot(game);
    game.click(0);
    game.click(1);
    game.reset();
    EXPECT_EQ(snapshot(game), before) << "an event reached the rules behind the box";
    EXPECT_EQ(game.prompts(), std::vector<std::string>{deadBox}) << "no box from a refused event";
    EXPECT_EQ(game.rebuilds(), 0) << "the restart comes after OK";
    const KeyEvent enter{Key::Activate, 13, 100};
    EXPECT_EQ(game.host.keyDown(enter), KeyAnswer{KeyAnswer::Act::Swallow});
    EXPECT_EQ(game.host.keyUp(enter), KeyAnswer{KeyAnswer::Act::Answer});
    game.view.answerBox();
    EXPECT_FALSE(game.host.boxStanding());
    EXPECT_EQ(game.rebuilds(), 1) << "only the dead board's restart";
}

TEST_F(HostPolicy, TheFocusGoesBackToItsCardAfterABoxAndAfterARebuild) {
    game.view.focus = 11;
    game.random.scriptDraws(boardDraws(onePair), 3);
    game.reset();
    EXPECT_EQ(game.view.focus, 11) << "after Reset";
    game.setBoard("RGBR GBRG BRGB RGBR");
    game.random.scriptDraws(boardDraws(onePair), 3);
    game.view.focus = 6;
    game.clickThrough(6);
    EXPECT_EQ(game.prompts(), std::vector<std::string>{deadBox});
    EXPECT_EQ(game.view.focus, 6) << "after the box and the restart";
    game.view.focus = 1;
    lastPairOfTheLevel(onePair);
    game.clickThrough(1);
    EXPECT_EQ(game.form.lvl, 2);
    EXPECT_EQ(game.view.focus, 1) << "after the won level's box and rebuild";
}

TEST_F(HostPolicy, ScreenReadersAreToldOfEachPairAndEachNewDealOnce) {
    const auto newsOf = [this](const std::function<void()>& event) {
        game.view.news.clear();
        event();
        game.answer();
        return game.view.news;
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
    EXPECT_EQ(newsOf([&] {
                  game.click(6);
                  game.reset();
              }),
              deal)
        << "a dead board's restart, and nothing of a Reset refused behind its box";
    lastPairOfTheLevel(onePair);
    EXPECT_EQ(newsOf([&] { game.click(1); }), News{"Level: 2. Cards: 25. Colors: 3."})
        << "the next level's deal, not the winning pair";
}

TEST_F(HostPolicy, TheEndClosesOnceAndEveryLaterEventIsRefused) {
    game.form.lvl = 0;
    game.form.cardsleft = 1;
    game.click(0);
    game.random.scriptDraws({0}, 6);
    EXPECT_TRUE(game.clickThrough(1));
    game.host.windowClosed();
    EXPECT_EQ(game.view.quits, 1) << "the window closing after the end closes nothing more";
    EXPECT_EQ(game.rebuilds(), 0);
    const Snapshot after = snapshot(game);
    game.click(0);
    game.reset();
    EXPECT_EQ(snapshot(game), after);
    EXPECT_EQ(game.prompts().size(), 2U) << "no box after the end";
}

// The event waits in the host while its box stands, the board still
// behind it; OK, or a close, decides what comes next.
TEST_F(HostPolicy, ABoxHoldsItsEventUntilOKOrTheClose) {
    lastPairOfTheLevel(onePair);
    game.click(1);
    EXPECT_TRUE(game.host.boxStanding());
    EXPECT_EQ(game.controls.Cards().caption(), "Cards: 0") << "the pair shows while the box stands";
    game.view.answerBox();
    EXPECT_EQ(game.form.lvl, 2);
    EXPECT_EQ(game.rebuilds(), 1);
    // The final win: two boxes one after the other, then the end, once.
    game.form.lvl = 0;
    lastPairOfTheLevel(onePair);
    game.click(1);
    game.view.answerBox();
    EXPECT_EQ(game.prompts().back(), "Cool, you beat Level 0! You win!");
    EXPECT_FALSE(game.host.ended()) << "the end came before the second box's OK";
    game.view.answerBox();
    EXPECT_TRUE(game.host.ended());
    EXPECT_EQ(game.view.quits, 1);
    EXPECT_EQ(game.prompts().size(), 3U) << "a scan after the end";
    // A close while a box stands drops its event: no rebuild after it.
    FakeGame closing;
    closing.load(onePair);
    closing.form.cardsleft = 1;
    closing.click(0);
    closing.random.scriptDraws({0}, 3);
    closing.click(1);
    closing.host.windowClosed();
    EXPECT_FALSE(closing.view.answerBox()) << "the close took the box down";
    EXPECT_EQ(closing.prompts(), std::vector<std::string>{wonBox});
    EXPECT_EQ(closing.rebuilds(), 0);
    EXPECT_EQ(closing.view.quits, 1) << "the box's close and the end close the window once";
    EXPECT_TRUE(closing.host.ended());
    closing.click(0);
    EXPECT_EQ(closing.controls.Cards().caption(), "Cards: 0");
}

TEST_F(HostPolicy, ClosingTheWindowRefusesWhatComesAfter) {
    game.host.windowClosed();
    game.host.windowClosed();
    EXPECT_EQ(game.view.quits, 1) << "a close is asked of the toolkit once";
    EXPECT_FALSE(game.host.ended());
    game.click(3);
    game.reset();
    EXPECT_FALSE(game.controls.Frame().visible());
    EXPECT_EQ(game.rebuilds(), 0);
}

TEST(HostSetUp, NeedsASourceOfRandomNumbers) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    RecordingView view;
    EXPECT_EXIT(Host(view, nullptr), testing::ExitedWithCode(faultStatus),
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
        {"a card that does not exist",
         [](FakeGame& game) {
             game.controls.unload();
             game.controls.Card(5).setBackColor(0);
         },
         "internal error: card 5 does not exist"},
        {"a card created twice", [](FakeGame& game) { game.controls.loadCard(3); },
         "internal error: card 3 was created again"},
        {"an event resumed that waits for nothing", [](FakeGame&) { Task().resume(); },
         "internal error: an event was resumed that waits for nothing"},
        {"an exception out of a rule",
         [](FakeGame&) {
             const Task rule = []() -> Task {
                 throw std::runtime_error("a rule threw");
                 co_return;
             }();
         },
         "internal error: a rule threw"},
        {"an exception of no standard type out of an event",
         [](FakeGame&) { faultOnThrow([]() -> int { throw 7; }); },
         "internal error: an exception of unknown type"},
        {"a toolkit's own stop",
         [](FakeGame&) {
             setFaultStop([](const char* what) {
                 std::fprintf(stderr, "the page says: %s\n", what);
                 std::_Exit(faultStatus);
             });
             fault("stopped");
         },
         "the page says: stopped"},
        {"a frame whose tag names no card",
         [](FakeGame& game) {
             game.controls.Frame().setVisible(true);
             game.controls.Frame().setTag("16");
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
