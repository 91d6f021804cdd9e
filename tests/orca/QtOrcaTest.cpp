// SPDX-License-Identifier: MIT
// The Qt window played by keyboard alone with the Orca screen reader
// attached (tests/orca/with-orca.sh), as a blind player plays it: every key
// pressed through XTest passes through Orca first, and what Orca says is read
// back from its log.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QTest>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <functional>
#include <regex>
#include <string>
#include <thread>

#include "window/Palette.h"
#include "window/qt/QtGame.h"

namespace diruvari::test {
namespace {

// Every card the same colour, so that every pair leaves pairs, until the
// player asks for another draw.
class SteadyRandom final : public RandomSource {
  public:
    explicit SteadyRandom(const std::atomic<float>& u) : u_(u) {}
    void reseed() override {}
    float next() override { return u_; }

  private:
    const std::atomic<float>& u_;
};

// What Orca has said, utterance by utterance, from where the last wait
// stopped. One for the whole run, as Orca's log is.
class OrcaSpeech {
  public:
    static OrcaSpeech& log() {
        static OrcaSpeech speech;
        return speech;
    }

    // Waits for an utterance that matches; true when one came. Each
    // utterance is heard once: a later wait starts after it, with what Orca
    // said after it still to be heard.
    bool waitFor(const std::string& pattern, int ms = 10000) {
        const std::regex wanted(pattern);
        for (int tries = 0; tries < ms / 50; ++tries) {
            read();
            while (!unheard_.empty()) {
                const std::string said = unheard_.front();
                unheard_.pop_front();
                if (std::regex_search(said, wanted)) {
                    return true;
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }
    const std::string& heard() const { return heard_; }

  private:
    // Takes in the whole lines that Orca has added to its log since the
    // last read.
    void read() {
        static const std::regex speech("SPEECH OUTPUT: '(.*)' ?\\{");
        std::ifstream log(log_);
        log.seekg(read_);
        std::smatch match;
        for (std::string line; std::getline(log, line) && !log.eof();) {
            read_ += static_cast<std::streamoff>(line.size() + 1);
            if (std::regex_search(line, match, speech)) {
                unheard_.push_back(match[1]);
                heard_ += match[1].str() + "\n";
            }
        }
    }

    std::string log_ = qEnvironmentVariable("ORCA_LOG").toStdString();
    std::streamoff read_ = 0;
    std::deque<std::string> unheard_;
    std::string heard_;
};

// The player: presses keys through XTest and listens, on a thread of its
// own, so that the game's boxes may run their own event loops meanwhile.
class WithOrca : public testing::Test {
  protected:
    void SetUp() override {
        static const bool running = orca.waitFor("^Screen reader on");
        ASSERT_TRUE(running) << "Orca is not running";
        game.start();
        game.window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&game.window()));
    }

    // Runs the player's script while the game runs its event loop as the
    // program does, answering Orca's questions at once, until it is over.
    void play(const std::function<void()>& script) {
        QEventLoop loop;
        std::jthread player([&] {
            script();
            // A box that a failed script left standing would hold the loop.
            QMetaObject::invokeMethod(
                &loop,
                [&loop] {
                    if (QWidget* box = QApplication::activeModalWidget()) {
                        box->close();
                    }
                    loop.quit();
                },
                Qt::QueuedConnection);
        });
        loop.exec();
    }

    // Presses `key` and waits for Orca to say `said`.
    void expectSpoken(const std::string& key, const std::string& said) {
        EXPECT_EQ(std::system(("xdotool key " + key).c_str()), 0);
        EXPECT_TRUE(orca.waitFor(said))
            << "after " << key << ", Orca did not say /" << said << "/; it said:\n"
            << orca.heard();
    }

    std::atomic<float> u = 0;  // every draw Red
    QtGame game{std::make_unique<SteadyRandom>(u)};
    OrcaSpeech& orca = OrcaSpeech::log();
};

TEST_F(WithOrca, LevelOneIsWonByKeysAloneAndEveryChangeIsSpoken) {
    play([this] {
        ASSERT_TRUE(orca.waitFor("^Red card, row 1, column 1 check box not checked"))
            << "the focused card at start";
        // Space and Return in turn: select on one card, pair on its neighbour.
        for (int pair = 1; pair <= 15; ++pair) {
            const bool even = pair % 2 == 0;
            const std::string column = even ? "1" : "2";
            expectSpoken(even ? "Return" : "space", "^checked");
            expectSpoken(even ? "Left" : "Right", "^Red card, row 1, column " + column);
            if (pair < 15) {
                expectSpoken(even ? "space" : "Return",
                             "^notification Cards: " + std::to_string(15 - pair) +
                                 "\\. Red card, row 1, column " + (even ? "2" : "1") + "\\.");
            }
        }
        expectSpoken("Return", "Wow! You beat level 1!");
        // The player answers once the box has the keyboard, and says so.
        ASSERT_TRUE(orca.waitFor("^OK push button"));
        expectSpoken("Return", "Level: 2\\. Cards: 25\\. Colors: 3\\.");
    });
    EXPECT_EQ(game.form().lvl, 2);
}

TEST_F(WithOrca, TheDeadBoardsBoxIsReadAndTheRestartSpoken) {
    // One pair, at cards 0 and 1; card 0 then turns Blue, which leaves none.
    const std::string board = "RRBGGBRBBRGRRBRB";
    for (int k = 0; k < 16; ++k) {
        const std::size_t r = std::string("RGB").find(board[static_cast<std::size_t>(k)]);
        game.controls().Card(k).setBackColor(palette.at(r));
    }
    play([this] {
        ASSERT_TRUE(orca.waitFor("^Red card, row 1, column 1"));
        expectSpoken("space", "^checked");
        expectSpoken("Right", "^Red card, row 1, column 2");
        // The pair draws Blue, and so does the deal after the box.
        u = 0.9F;
        expectSpoken("Return", "Sorry, there are no more moves\\.");
        ASSERT_TRUE(orca.waitFor("^OK push button"));
        expectSpoken("Return", "Level: 1\\. Cards: 15\\. Colors: 3\\.");
    });
    EXPECT_EQ(game.form().cardsleft, 15);
}

TEST_F(WithOrca, AReturnHeldThroughTheScreenReaderPairsOnce) {
    play([this] {
        ASSERT_TRUE(orca.waitFor("^Red card, row 1, column 1"));
        expectSpoken("space", "^checked");
        expectSpoken("Right", "^Red card, row 1, column 2");
        // The keyboard repeats it 25 times a second after 660 ms.
        EXPECT_EQ(std::system("xdotool keydown Return sleep 1.5 keyup Return"), 0);
        EXPECT_TRUE(orca.waitFor("^notification Cards: 14\\."));
        EXPECT_FALSE(orca.waitFor("^checked|Cards: 13", 2000)) << "a repeat clicked:\n"
                                                               << orca.heard();
    });
    EXPECT_EQ(game.form().cardsleft, 14);
    EXPECT_FALSE(game.controls().Frame().visible());
}

}  // namespace
}  // namespace diruvari::test
