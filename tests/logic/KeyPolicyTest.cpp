// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "FakeGame.h"

namespace diruvari::test {
namespace {

using Act = KeyAnswer::Act;

// Plays a script of what a toolkit reports, on the real host, and checks
// each answer. A step is written `[!]<what><key><time>=<answer>`:
// - `!`: a box stands (and has the focus); otherwise card 6 has it;
// - what: `d` down, `u` up; `lost` the window lost the focus; `closed`;
//   `marks`: from here on the toolkit marks each of its repeats (Wayland);
// - key: R Return and S Space (both Activate), E Escape, T Tab (both Other),
//   each its own physical key;
// - time: the toolkit's time, 0 for none (a screen reader's copy);
// - `*`: the toolkit marks the event as a repeat of its own making;
// - answer: N native, W swallowed, C card 6 clicked.
void play(const std::string& what, const std::string& script) {
    FakeGame game;
    game.load("RRBG GBRB BRGR RBRB");
    std::istringstream steps(script);
    bool marks = false;
    for (std::string step; steps >> step;) {
        if (step == "marks") {
            marks = true;
            continue;
        }
        const bool box = step.front() == '!';
        game.toolkit.boxStanding = box;
        game.toolkit.focus = box ? -1 : 6;
        if (step == "lost" || step == "closed") {
            step == "lost" ? game.host.focusLost() : game.host.windowClosed();
            continue;
        }
        const std::string s = step.substr(box ? 1 : 0);
        const auto code = static_cast<int>(std::string("RSET").find(s[1]));
        const bool marked = s.find("*=") != std::string::npos;
        const KeyEvent event{code < 2 ? Key::Activate : Key::Other, code,
                             std::stoll(s.substr(2, s.find('=') - 2)), marked, marks};
        const KeyAnswer answer = s[0] == 'd' ? game.host.keyDown(event) : game.host.keyUp(event);
        const char expect = s.back();
        const KeyAnswer wanted = expect == 'C'   ? KeyAnswer{Act::Click, 6}
                                 : expect == 'W' ? KeyAnswer{Act::Swallow, -1}
                                                 : KeyAnswer{};
        EXPECT_EQ(answer, wanted) << what << ", at " << step;
    }
    EXPECT_FALSE(game.controls.frame.visible()) << what << ": the host itself clicks nothing";
}

TEST(KeyPolicy, ActivateClicksOncePerPhysicalPressAndRepeatsNeverAnswerABox) {
    const struct {
        const char* what;
        const char* script;
    } cases[] = {
        {"a fresh press clicks, its up is swallowed", "dR10=C uR20=W dR30=C uR40=W dS50=C"},
        {"a down for a key already down is a repeat", "dR10=C dR40=W dR80=W uR90=W dR95=C"},
        {"a down at the time of its key's last up is a repeat (X11)",
         "dR10=C uR670=W dR670=W uR710=W dR710=W uR900=W dR901=C"},
        {"another physical key is no repeat of the one held", "dR10=C dS20=C"},
        {"a key held into the box never answers it", "dR10=C !dR700=W !uR740=N !dR740=W !uR800=N"},
        {"a fresh press answers the box; the board then takes keys",
         "dR10=C uR50=W !dR900=N "
         "!uR950=N dR990=C"},
        {"Escape held into the box cannot answer it either", "dE10=N !dE700=W !uE800=N !dE900=N"},
        {"a key let go while the window had lost the focus is not down", "dR10=C lost dR5000=C"},
        {"Tab and the other keys are the toolkit's", "dT10=N uT20=N"},
        {"after the window was closed no key clicks", "closed dR10=W"},
        // A screen reader attached: every key is a copy with no time.
        {"with no time, every fresh press after a release acts",
         "dR0=C uR0=W dR0=C uR0=W dS0=C uS0=W dR0=C"},
        {"with no time, a key held as downs without ups clicks once",
         "dR0=C dR0=W dR0=W uR0=W dR0=C"},
        {"with no time, a key held into the box never answers it; a fresh one does",
         "dR0=C !dR0=W !dR0=W !uR0=N !dR0=N"},
        {"a down with a time after an up with none is fresh", "dR0=C uR0=W dR70=C"},
        // Qt on Wayland repeats with an up and a down of the first press's
        // time, both marked, and so do a reader's copies of them, timeless.
        {"Wayland: marked repeats never click",
         "marks dR10=C uR10*=W dR10*=W uR10*=W dR10*=W uR90=W dR95=C"},
        {"Wayland with a reader: marked repeats with no time never click",
         "marks dR0=C uR0*=W dR0*=W uR0*=W dR0*=W uR0=W dR0=C"},
        {"Wayland: a marked repeat never answers the box",
         "marks dR10=C uR10*=W !dR10*=W !uR10=N !dR30=N"},
        {"Wayland: a press whose up the box swallowed, then a fresh one that answers it",
         "marks dR10=C !dR900=N !uR950=N"},
    };
    for (const auto& c : cases) {
        play(c.what, c.script);
    }
}

TEST(KeyPolicy, CtrlAltOrMetaMakeAShortcutOnEveryToolkitShiftDoesNot) {
    FakeGame game;
    game.load("RRBG GBRB BRGR RBRB");
    game.toolkit.focus = 6;
    KeyTime t = 10;
    for (const unsigned held : {+Ctrl, +Alt, +Meta, Ctrl | Shift, Alt | Meta}) {
        for (const Key key : {Key::Activate, Key::Left}) {
            const KeyEvent event{key, 1, t += 10, false, false, held};
            EXPECT_EQ(game.host.keyDown(event), KeyAnswer{}) << held;
            EXPECT_EQ(game.host.keyUp(event), KeyAnswer{}) << held;
        }
    }
    EXPECT_FALSE(game.controls.frame.visible());
    EXPECT_EQ(game.host.keyDown({Key::Activate, 1, t + 10, false, false, Shift}),
              (KeyAnswer{Act::Click, 6}));
}

TEST(KeyPolicy, ArrowsStepToTheNeighbourAndStopAtEveryEdge) {
    // For every card, where each arrow leads; -1 where it meets an edge.
    const struct {
        Key key;
        int to[16];
    } arrows[] = {
        {Key::Left, {-1, 0, 1, 2, -1, 4, 5, 6, -1, 8, 9, 10, -1, 12, 13, 14}},
        {Key::Right, {1, 2, 3, -1, 5, 6, 7, -1, 9, 10, 11, -1, 13, 14, 15, -1}},
        {Key::Up, {-1, -1, -1, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        {Key::Down, {4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, -1, -1, -1, -1}},
    };
    FakeGame game;
    game.load("RRBG GBRB BRGR RBRB");
    for (const auto& arrow : arrows) {
        for (int k = 0; k < 16; ++k) {
            game.toolkit.focus = k;
            const int to = arrow.to[k];
            const KeyAnswer wanted = to >= 0 ? KeyAnswer{Act::Focus, to} : KeyAnswer{Act::Swallow};
            const KeyEvent event{arrow.key, 40, 10 * k};
            EXPECT_EQ(game.host.keyDown(event), wanted) << k << " " << static_cast<int>(arrow.key);
            EXPECT_EQ(game.host.keyDown(event), wanted) << "a held arrow keeps stepping";
            EXPECT_EQ(game.host.keyUp(event), KeyAnswer{Act::Swallow});
        }
    }
    game.toolkit.focus = -1;
    EXPECT_EQ(game.host.keyDown({Key::Activate, 1, 400}), KeyAnswer{}) << "no card focused";
    EXPECT_EQ(game.host.keyDown({Key::Other, 2, 400}), KeyAnswer{}) << "no card focused";
    EXPECT_EQ(game.host.keyDown({Key::Up, 42, 400}), (KeyAnswer{Act::Focus, 15}))
        << "an arrow with no card focused goes back to the card that had it last";
    game.toolkit.boxStanding = true;
    EXPECT_EQ(game.host.keyDown({Key::Left, 41, 500}), KeyAnswer{}) << "the box's own keys";
}

}  // namespace
}  // namespace diruvari::test
