// SPDX-License-Identifier: MIT
// The Qt window on a real X server: a key held down repeats as the server
// repeats it, with the release and press of each repeat already sent before
// the game has seen either.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <array>
#include <atomic>
#include <thread>

#include "XServer.h"
#include "window/Palette.h"
#include "window/qt/CardButton.h"
#include "window/qt/QtGame.h"

namespace diruvari::test {
namespace {

// A player's machine is busy with more than the game: two threads spin
// while the object lives. That is when the release and the press of an
// autorepeat reach the game apart, and a toolkit's guess at repeats fails.
class BusyMachine {
  public:
    BusyMachine() {
        for (auto& thread : spinners_) {
            thread = std::thread([this] {
                while (!stop_) {
                }
            });
        }
    }
    ~BusyMachine() {
        stop_ = true;
        for (auto& thread : spinners_) {
            thread.join();
        }
    }
    BusyMachine(const BusyMachine&) = delete;
    BusyMachine& operator=(const BusyMachine&) = delete;

  private:
    std::atomic<bool> stop_{false};
    std::array<std::thread, 2> spinners_;
};

// Counts the presses of Return that reach the application.
class PressCounter final : public QObject {
  public:
    PressCounter() { QCoreApplication::instance()->installEventFilter(this); }
    ~PressCounter() override { QCoreApplication::instance()->removeEventFilter(this); }
    int presses = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched->isWindowType() && event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return) {
            ++presses;
        }
        return false;
    }
};

class HeldKey : public testing::Test {
  protected:
    void SetUp() override {
        game.start();
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }

    // Level 1 with every card red, so that a pair leaves pairs; card 0 is
    // selected and the focus is on its neighbour, card 1.
    void arrange(int cardsleft) {
        game.form().lvl = 1;
        game.form().cardsleft = static_cast<std::int16_t>(cardsleft);
        for (int k = 0; k < 16; ++k) {
            window().Card(k).setBackColor(palette[0]);
        }
        window().Frame().setVisible(false);
        game.host().cardClicked(0);
        ASSERT_EQ(window().Frame().tag(), "0");
        window().cardButton(1)->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), window().cardButton(1));
        counter.presses = 0;
    }

    MainWindow& window() { return game.window(); }

    // Real key events through XTest, as a player's keyboard makes them.
    static void xdotool(QProcess& process, const QStringList& arguments) {
        process.start(QStringLiteral("xdotool"), arguments);
    }

    static bool finished(QProcess& process) {
        return QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 10000);
    }

    QtGame game{std::make_unique<Generator>([] { return std::uint64_t{2024}; })};
    PressCounter counter;
    BusyMachine busy;
};

const QStringList holdReturn = {"keydown", "Return", "sleep", "1.5", "keyup", "Return"};
// Each repeat is a race: more than one hold a run.
constexpr int holds = 2;

TEST_F(HeldKey, AReturnHeldOnANeighbourPairsOnce) {
    for (int i = 0; i < holds; ++i) {
        arrange(15);
        QProcess hold;
        xdotool(hold, holdReturn);
        ASSERT_TRUE(finished(hold));
        QTest::qWait(200);
        ASSERT_GE(counter.presses, 10) << "the server did not repeat the held key";
        EXPECT_EQ(game.form().cardsleft, 14) << "hold " << i << " did not pair exactly once";
        EXPECT_FALSE(window().Frame().visible()) << "hold " << i << ": a repeat clicked";
    }
}

TEST_F(HeldKey, AReturnHeldOnTheWinningPairLeavesTheBoxStanding) {
    for (int i = 0; i < holds; ++i) {
        arrange(1);
        QProcess hold;
        QProcess fresh;
        bool stood = false;
        QString text;
        // Runs inside the box's own loop once the hold is over; a fresh
        // press then answers the box.
        QObject::connect(&hold, &QProcess::finished, [&] {
            QTest::qWait(200);
            const auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            stood = box != nullptr && box->isVisible();
            text = box != nullptr ? box->text() : QString();
            xdotool(fresh, {"key", "Return"});
        });
        // Should the box never close, it is closed here so that the test ends.
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                box->done(QMessageBox::Ok);
            }
        });
        watchdog.start(15000);
        xdotool(hold, holdReturn);
        ASSERT_TRUE(finished(hold));
        ASSERT_TRUE(finished(fresh));
        EXPECT_TRUE(
            QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }, 5000));
        ASSERT_GE(counter.presses, 10) << "the server did not repeat the held key";
        EXPECT_TRUE(stood) << "hold " << i << ": a repeat of the held Return answered the box";
        EXPECT_EQ(text, "Wow! You beat level 1!");
        EXPECT_EQ(game.form().lvl, 2) << "hold " << i << ": the fresh press left the box";
    }
}

}  // namespace
}  // namespace diruvari::test

int main(int argc, char* argv[]) {
    const diruvari::test::XServer server;
    if (server.display().empty()) {
        std::fprintf(stderr, "Xvfb or xset failed to start\n");
        return 1;
    }
    qputenv("DISPLAY", QByteArray::fromStdString(server.display()));
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Diruvari"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
