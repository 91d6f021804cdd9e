// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "FakeGame.h"

namespace diruvari::test {
namespace {

using Act = KeyAnswer::Act;

// Plays a script of what a toolkit reports on the host's key policy, and
// checks each answer. A step is written `[!]<what><key><time>=<answer>`:
// - `!`: a box stands (and has the focus); otherwise card 6 has it;
// - what: `d` down, `u` up; `lost` the window lost the focus; `closed`;
//   `marks`: from here on the toolkit marks each of its repeats (Wayland);
// - key: R Return and S Space (both Activate), E Escape, T Tab, L Left,
//   each its own physical key;
// - time: the toolkit's time, 0 for none (a screen reader's copy);
// - `*`: the toolkit marks the event as a repeat of its own making;
// - answer: N native, W swallowed, C card 6 clicked, A the box answered.
void play(const std::string& what, const std::string& script) {
    KeyPolicy policy;
    std::istringstream steps(script);
    bool marks = false;
    bool closed = false;
    for (std::string step; steps >> step;) {
        if (step == "marks" || step == "closed") {
            (step == "marks" ? marks : closed) = true;
            continue;
        }
        if (step == "lost") {
            policy.forgetHeldKeys();
            continue;
        }
        const bool box = step.front() == '!';
        const KeyPolicy::Window window{box ? -1 : 6, 6, box, closed};
        const std::string s = step.substr(box ? 1 : 0);
        const auto code = static_cast<int>(std::string("RSETL").find(s[1]));
        const Key keys[] = {Key::Activate, Key::Activate, Key::Escape, Key::Other, Key::Left};
        const bool marked = s.find("*=") != std::string::npos;
        const KeyEvent event{keys[code], code, std::stoll(s.substr(2, s.find('=') - 2)), marked,
                             marks};
        const KeyAnswer answer =
            s[0] == 'd' ? policy.down(event, window) : policy.up(event, window);
        const std::map<char, KeyAnswer> answers = {
            {'N', {}}, {'W', {Act::Swallow, -1}}, {'C', {Act::Click, 6}}, {'A', {Act::Answer, -1}}};
        EXPECT_EQ(answer, answers.at(s.back())) << what << ", at " << step;
    }
}

TEST(KeyPolicy, ActivateClicksOncePerPhysicalPressAndOnlyAFreshPressAnswersABox) {
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
        {"a fresh press answers the box as it is let go; the board then takes keys",
         "dR10=C uR50=W !dR900=W !dR930=W !uR950=A dR990=C"},
        {"Space and Escape answer it too; Tab and the arrows are the box's own",
         "!dS10=W !uS20=A !dE30=W !uE40=A !dT50=N !uT60=N !dL70=N"},
        {"Escape held into the box cannot answer it either",
         "dE10=N !dE700=W !uE800=N !dE900=W !uE950=A"},
        {"a press for the box that it outlives answers nothing", "!dR10=W uR20=W dR30=C"},
        {"a key let go while the window had lost the focus is not down", "dR10=C lost dR5000=C"},
        {"Tab and the other keys are the toolkit's", "dT10=N uT20=N dE30=N uE40=N"},
        {"after the window was closed no key clicks", "closed dR10=W"},
        // A screen reader attached: every key is a copy with no time.
        {"with no time, every fresh press after a release acts",
         "dR0=C uR0=W dR0=C uR0=W dS0=C uS0=W dR0=C"},
        {"with no time, a key held as downs without ups clicks once",
         "dR0=C dR0=W dR0=W uR0=W dR0=C"},
        {"with no time, a key held into the box never answers it; a fresh one does",
         "dR0=C !dR0=W !dR0=W !uR0=N !dR0=W !uR0=A"},
        {"a down with a time after an up with none is fresh", "dR0=C uR0=W dR70=C"},
        // Qt on Wayland repeats with an up and a down of the first press's
        // time, both marked, and so do a reader's copies of them, timeless.
        {"Wayland: marked repeats never click",
         "marks dR10=C uR10*=W dR10*=W uR10*=W dR10*=W uR90=W dR95=C"},
        {"Wayland with a reader: marked repeats with no time never click",
         "marks dR0=C uR0*=W dR0*=W uR0*=W dR0*=W uR0=W dR0=C"},
        {"Wayland: a marked repeat never answers the box, nor does its up",
         "marks dR10=C uR10*=W !dR10*=W !uR10=N !dR30=W !uR40*=N !dR40*=W !uR60=A"},
        {"Wayland: a press whose up the box swallowed, then a fresh one that answers it",
         "marks dR10=C !dR900=W !uR950=A"},
    };
    for (const auto& c : cases) {
        play(c.what, c.script);
    }
}

TEST(KeyPolicy, CtrlAltOrMetaMakeAShortcutOnEveryToolkitShiftDoesNot) {
    FakeGame game;
    game.load("RRBG GBRB BRGR RBRB");
    game.view.focus = 6;
    KeyTime t = 10;
    for (const unsigned held : {+Ctrl, +Alt, +Meta, Ctrl | Shift, Alt | Meta}) {
        for (const Key key : {Key::Activate, Key::Left}) {
            const KeyEvent event{key, 1, t += 10, false, false, held};
            EXPECT_EQ(game.host.keyDown(event), KeyAnswer{}) << held;
            EXPECT_EQ(game.host.keyUp(event), KeyAnswer{}) << held;
        }
    }
    EXPECT_FALSE(game.controls.Frame().visible());
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
            game.view.focus = k;
            const int to = arrow.to[k];
            const KeyAnswer wanted = to >= 0 ? KeyAnswer{Act::Focus, to} : KeyAnswer{Act::Swallow};
            const KeyEvent event{arrow.key, 40, 10 * k};
            EXPECT_EQ(game.host.keyDown(event), wanted) << k << " " << static_cast<int>(arrow.key);
            EXPECT_EQ(game.host.keyDown(event), wanted) << "a held arrow keeps stepping";
            EXPECT_EQ(game.host.keyUp(event), KeyAnswer{Act::Swallow});
        }
    }
    game.view.focus = -1;
    EXPECT_EQ(game.host.keyDown({Key::Activate, 1, 400}), KeyAnswer{}) << "no card focused";
    EXPECT_EQ(game.host.keyDown({Key::Other, 2, 400}), KeyAnswer{}) << "no card focused";
    EXPECT_EQ(game.host.keyDown({Key::Up, 42, 400}), (KeyAnswer{Act::Focus, 15}))
        << "an arrow with no card focused goes back to the card that had it last";
}

}  // namespace
}  // namespace diruvari::test
