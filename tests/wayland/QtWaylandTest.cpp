// SPDX-License-Identifier: MIT
// The Qt window as a native Wayland client of weston (tests/wayland/
// on-weston.sh), played with real input: XTest clicks and keys into weston's
// window reach the game as wl_pointer and wl_keyboard events, and a held key
// repeats as the compositor repeats it. What the compositor shows is read
// back from the X display that weston draws into.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QProcess>
#include <QTest>
#include <optional>

#include "window/Palette.h"
#include "window/qt/CardButton.h"
#include "window/qt/FormSurface.h"
#include "window/qt/QtGame.h"
#include "x11/ReturnPresses.h"

namespace diruvari::test {
namespace {

// The whole X display, as weston has drawn its output into it.
QImage screenshot() {
    QProcess import;
    import.start("import", {"-window", "root", "png:-"});
    import.waitForFinished(10000);
    return QImage::fromData(import.readAllStandardOutput(), "PNG")
        .convertToFormat(QImage::Format_RGB32);
}

// Whether `part` shows at x0, y0 of `screen`, colour for colour (alpha aside).
bool showsAt(const QImage& screen, const QImage& part, int x0, int y0) {
    for (int y = 0; y < part.height(); ++y) {
        for (int x = 0; x < part.width(); ++x) {
            if (((screen.pixel(x0 + x, y0 + y) ^ part.pixel(x, y)) & RGB_MASK) != 0) {
                return false;
            }
        }
    }
    return true;
}

// Where `part` shows on `screen` pixel for pixel, if it does anywhere.
std::optional<QPoint> find(const QImage& screen, const QImage& part) {
    for (int y = 0; y + part.height() <= screen.height(); ++y) {
        for (int x = 0; x + part.width() <= screen.width(); ++x) {
            if (showsAt(screen, part, x, y)) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

class OnWayland : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), "wayland");
        game.start();
        // A client cannot ask for the keyboard on Wayland: weston gives it
        // to a new window.
        ASSERT_TRUE(QTest::qWaitFor([this] { return window().isActiveWindow(); }, 5000));
        allRed();
    }
    // Every card red: any two neighbours make a pair.
    void allRed() {
        for (int k = 0; k < 16; ++k) {
            game.controls().Card(k).setBackColor(palette[0]);
        }
    }
    MainWindow& window() { return game.window(); }

    // The client area as the compositor shows it: found on the screen by the
    // pixels that Qt paints for it, so exactly those or nowhere.
    std::optional<QPoint> clientOnScreen() {
        // weston draws the pointer into its output: it waits in a corner.
        xdotool({"mousemove", "0", "0"});
        QTest::qWait(300);  // the compositor's next frame
        return find(screenshot(),
                    window().surface()->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }

    // Runs xdotool and waits for it, handling the game's events meanwhile.
    static void xdotool(const QStringList& arguments) {
        QProcess run;
        run.start("xdotool", arguments);
        ASSERT_TRUE(QTest::qWaitFor([&] { return run.state() == QProcess::NotRunning; }, 10000));
    }

    // A click of the real pointer at `point` of the client area.
    void click(QPoint client, QPoint point) {
        const QPoint at = client + point * window().devicePixelRatio();
        xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
        QTest::qWait(100);
    }
    QPoint cardCentre(int k) { return window().cardButton(k)->geometry().center(); }

    QtGame game{std::make_unique<Generator>([] { return std::uint64_t{2024}; })};
    ReturnPresses presses;
};

TEST_F(OnWayland, ShowsTheWindowToThePixelAndPlaysByPointerAndMenu) {
    const auto client = clientOnScreen();
    ASSERT_TRUE(client) << "the client area is not on the screen as Qt painted it";
    click(*client, cardCentre(5));
    ASSERT_TRUE(game.controls().Frame().visible()) << "the click did not select card 5";
    EXPECT_EQ(clientOnScreen(), client) << "the frame is not on the screen as painted";
    click(*client, cardCentre(6));
    EXPECT_EQ(game.form().cardsleft, 14);
    EXPECT_FALSE(game.controls().Frame().visible());
    // The menu bar is the window's too: its place is known from the client's.
    const QMenuBar* bar = window().menuBar();
    const QPoint reset =
        bar->mapTo(&window(), bar->actionGeometry(window().resetAction()).center()) -
        window().surface()->mapTo(&window(), QPoint(0, 0));
    click(*client, reset);
    EXPECT_EQ(game.form().cardsleft, 15) << "Reset from the menu";
    EXPECT_EQ(clientOnScreen(), client);
}

TEST_F(OnWayland, AReturnHeldOnANeighbourPairsOnceAndAWinIsAnsweredByAKey) {
    game.form().lvl = 1;
    game.form().cardsleft = 15;
    window().cardButton(0)->setFocus();
    xdotool({"key", "space", "Right"});
    ASSERT_TRUE(game.controls().Frame().visible()) << "Space did not select card 0";
    presses.count = 0;
    xdotool({"keydown", "Return", "sleep", "1.5", "keyup", "Return"});
    QTest::qWait(200);
    EXPECT_GE(presses.count, 10) << "the compositor did not repeat the held key";
    EXPECT_EQ(game.form().cardsleft, 14) << "the held Return did not pair exactly once";
    EXPECT_FALSE(game.controls().Frame().visible()) << "a repeat clicked";

    // The winning pair: the box is answered by a key as soon as it is the
    // window with the keyboard.
    game.form().cardsleft = 1;
    allRed();
    ReturnAnswersBox answer;
    answer.start();
    xdotool({"key", "Left", "space", "Right", "Return"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return game.form().lvl == 2; }, 10000));
    EXPECT_FALSE(answer.unanswered) << "Return did not answer the box";
    EXPECT_EQ(answer.prompt, "Wow! You beat level 1!");
}

}  // namespace
}  // namespace diruvari::test
