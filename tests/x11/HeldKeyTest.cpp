// SPDX-License-Identifier: MIT
// The Qt window on a real X server: a key held down repeats as the server
// repeats it. The game asks for the repeats as presses alone; a server that
// refuses sends a release and a press per repeat, both already sent before
// the game has seen either. Each test runs both ways.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <array>
#include <functional>
#include <thread>

#include <xcb/xcb.h>

#include "window/Palette.h"
#include "window/qt/CardButton.h"
#include "window/qt/QtGame.h"
#include "window/qt/X11KeyRepeat.h"
#include "x11/ReturnPresses.h"

namespace diruvari::test {
namespace {

// A player's machine is busy with more than the game: two threads spin
// while the object lives. That is when the release and the press of an
// autorepeat reach the game apart, and a toolkit's guess at repeats fails.
struct BusyMachine {
    static std::jthread spin() {
        return std::jthread([](const std::stop_token& stop) {
            while (!stop.stop_requested()) {
            }
        });
    }
    std::array<std::jthread, 2> spinners{spin(), spin()};
};

class HeldKey : public testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        ASSERT_EQ(setDetectableAutoRepeat(GetParam()), GetParam());
        game.start();
        window().activateWindow();
    }
    MainWindow& window() { return game.window(); }

    // Level 1 with every card red, so that a pair leaves pairs; card 0 is
    // selected and the focus is on its neighbour, card 1.
    void selectPair(int cardsleft) {
        game.form().lvl = 1;
        game.form().cardsleft = static_cast<std::int16_t>(cardsleft);
        for (int k = 0; k < 16; ++k) {
            game.controls().Card(k).setBackColor(palette[0]);
        }
        game.controls().Frame().setVisible(false);
        game.host().cardClicked(0);
        // A box that just closed hands the keyboard back a moment later.
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        window().cardButton(1)->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), window().cardButton(1));
    }

    // Return held on card 1 for 1.5 s through XTest, as a player's keyboard
    // holds it; `afterwards` runs 200 ms after its release, inside a box if
    // one stands.
    void holdReturn(int cardsleft, const std::function<void()>& afterwards) {
        selectPair(cardsleft);
        presses.count = 0;
        QProcess hold;
        QObject::connect(&hold, &QProcess::finished, [&] {
            QTest::qWait(200);
            afterwards();
        });
        hold.start("xdotool", {"keydown", "Return", "sleep", "1.5", "keyup", "Return"});
        ASSERT_TRUE(QTest::qWaitFor([&] { return hold.state() == QProcess::NotRunning; }, 10000));
        ASSERT_GE(presses.count, 10) << "the server did not repeat the held key";
    }

    QtGame game{std::make_unique<Generator>([] { return std::uint64_t{2024}; })};
    ReturnPresses presses;
    BusyMachine busy;
};

// Each repeat is a race: more than one hold a run.
constexpr int holds = 2;

TEST_P(HeldKey, AReturnHeldOnANeighbourPairsOnce) {
    for (int i = 0; i < holds; ++i) {
        holdReturn(15, [] {});
        EXPECT_EQ(game.form().cardsleft, 14) << "hold " << i << " did not pair exactly once";
        EXPECT_FALSE(game.controls().Frame().visible()) << "hold " << i << ": a repeat clicked";
    }
}

TEST_P(HeldKey, AReturnHeldOnTheWinningPairLeavesTheBoxStandingForAFreshPress) {
    for (int i = 0; i < holds; ++i) {
        ReturnAnswersBox fresh;
        holdReturn(1, [&] { fresh.start(); });
        EXPECT_TRUE(QTest::qWaitFor([&] { return game.form().lvl == 2; }, 10000))
            << "hold " << i << ": the fresh press left the box";
        EXPECT_EQ(fresh.prompt, "Wow! You beat level 1!")
            << "hold " << i << ": a repeat of the held Return answered the box";
        EXPECT_FALSE(fresh.unanswered)
            << "hold " << i << ": the fresh press did not answer the box";
    }
}

// The box has shown, but the server still sends the keyboard to the window
// behind it when the winning Return is released: the key is up all the same,
// and the next press answers the box.
TEST_P(HeldKey, AReleaseSentBehindTheBoxStillReleasesTheKey) {
    selectPair(1);
    const auto box = [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); };
    ASSERT_EQ(QProcess::execute("xdotool", {"keydown", "Return"}), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return box() != nullptr && box()->isActiveWindow(); }));
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_set_input_focus(x11->connection(), XCB_INPUT_FOCUS_PARENT,
                        static_cast<xcb_window_t>(window().winId()), XCB_CURRENT_TIME);
    xcb_flush(x11->connection());
    QTest::qWait(100);
    ASSERT_EQ(QProcess::execute("xdotool", {"keyup", "Return"}), 0);
    QTest::qWait(100);
    ReturnAnswersBox fresh;
    fresh.start();
    box()->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return game.form().lvl == 2; }, 10000));
    EXPECT_FALSE(fresh.unanswered) << "the release behind the box was lost";
}

INSTANTIATE_TEST_SUITE_P(Repeats, HeldKey, testing::Bool(), [](const auto& run) {
    return run.param ? "PressesAlone" : "ReleaseAndPress";
});

}  // namespace
}  // namespace diruvari::test
