// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeGame.h"

namespace diruvari::test {
namespace {

using Act = KeyAnswer::Act;
const KeyAnswer native{};
const KeyAnswer swallow{Act::Swallow, -1};
KeyAnswer clicks(int k) {
    return {Act::Click, k};
}
KeyAnswer focuses(int k) {
    return {Act::Focus, k};
}

// Codes of physical keys, as a toolkit tells them apart.
constexpr int returnKey = 1;
constexpr int spaceKey = 2;
constexpr int escapeKey = 3;

// One thing the toolkit reports, in the window as it then stands, and the
// answer it must get.
struct Step {
    enum { Down, Up, FocusLost, Closed } what;
    Key key = Key::Activate;
    int code = returnKey;
    KeyTime time = 0;
    bool box = false;
    KeyAnswer expect{};
};
Step down(KeyTime t, KeyAnswer expect, bool box = false, Key key = Key::Activate,
          int code = returnKey) {
    return {Step::Down, key, code, t, box, expect};
}
Step up(KeyTime t, KeyAnswer expect, bool box = false, Key key = Key::Activate,
        int code = returnKey) {
    return {Step::Up, key, code, t, box, expect};
}
const Step lost{Step::FocusLost};
const Step closed{Step::Closed};

struct Case {
    const char* what;
    std::vector<Step> steps;
    int focused = 6;
};

TEST(KeyPolicy, ActivateClicksOncePerPhysicalPressAndRepeatsNeverAnswerABox) {
    const Case cases[] = {
        {"a fresh press clicks, its up is swallowed, the next press clicks again",
         {down(10, clicks(6)), up(20, swallow), down(30, clicks(6)), up(40, swallow)}},
        {"Space clicks on its press as Return does", {down(10, clicks(6), false, Key::Activate,
                                                           spaceKey)}},
        {"a down for a key already down is a repeat (Windows, the DOM)",
         {down(10, clicks(6)), down(40, swallow), down(80, swallow), up(90, swallow),
          down(95, clicks(6))}},
        {"a down at the time of the key's last up is a repeat (X11 autorepeat)",
         {down(10, clicks(6)), up(670, swallow), down(670, swallow), up(710, swallow),
          down(710, swallow), up(900, swallow), down(901, clicks(6))}},
        {"another physical key is no repeat of the one held",
         {down(10, clicks(6)), down(20, clicks(6), false, Key::Activate, spaceKey)}},
        {"a key held since before the box opened never answers it",
         {down(10, clicks(6)), down(700, swallow, true), up(740, native, true),
          down(740, swallow, true), up(800, native, true)}},
        {"a fresh press answers the box, and the board then takes keys again",
         {down(10, clicks(6)), up(50, swallow), down(900, native, true), up(950, native, true),
          down(990, clicks(6))}},
        {"any key held into the box, Escape too, cannot answer it by repeating",
         {down(10, native, false, Key::Other, escapeKey),
          down(700, swallow, true, Key::Other, escapeKey),
          up(800, native, true, Key::Other, escapeKey),
          down(900, native, true, Key::Other, escapeKey)}},
        {"no key reaches the board while a box stands", {down(10, native, true, Key::Left)}},
        {"a key released while the window had lost the focus is not down for ever",
         {down(10, clicks(6)), lost, down(5000, clicks(6))}},
        {"other keys and Tab are the toolkit's own",
         {down(10, native, false, Key::Other, 9), up(20, native, false, Key::Other, 9)}},
        {"with no card focused, even Return is the toolkit's (the menu bar)",
         {down(10, native), up(20, native)},
         -1},
        {"after the window was closed no key clicks",
         {closed, down(10, swallow), down(20, swallow, false, Key::Right)}},
    };
    for (const Case& c : cases) {
        FakeGame game;
        game.load("RRBG GBRB BRGR RBRB");
        int n = 0;
        for (const Step& step : c.steps) {
            game.toolkit.boxStanding = step.box;
            game.toolkit.focus = step.box ? -1 : c.focused;
            const KeyEvent event{step.key, step.code, step.time};
            KeyAnswer answer = step.expect;
            if (step.what == Step::Down) {
                answer = game.host.keyDown(event);
            } else if (step.what == Step::Up) {
                answer = game.host.keyUp(event);
            } else if (step.what == Step::FocusLost) {
                game.host.focusLost();
            } else {
                game.host.windowClosed();
            }
            EXPECT_EQ(answer, step.expect) << c.what << ", step " << n;
            ++n;
        }
        EXPECT_FALSE(game.controls.frame.visible()) << c.what << ": the host itself clicks nothing";
    }
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
            const KeyEvent event{arrow.key, 40 + static_cast<int>(arrow.key), 10 * k};
            EXPECT_EQ(game.host.keyDown(event), to >= 0 ? focuses(to) : swallow)
                << "card " << k << ", arrow " << static_cast<int>(arrow.key);
            // Held, an arrow keeps stepping.
            EXPECT_EQ(game.host.keyDown(event), to >= 0 ? focuses(to) : swallow);
            EXPECT_EQ(game.host.keyUp(event), swallow);
        }
    }
}

}  // namespace
}  // namespace diruvari::test
