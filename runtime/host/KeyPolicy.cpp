// SPDX-License-Identifier: MIT
#include "runtime/host/KeyPolicy.h"

#include <algorithm>

#include "window/Controls.h"
#include "window/Grid.h"

namespace diruvari {

namespace {

constexpr KeyAnswer native{KeyAnswer::Act::Native, -1};
constexpr KeyAnswer swallow{KeyAnswer::Act::Swallow, -1};

// The arrows come first among the keys, in the order of the steps.
Step stepFor(Key arrow) {
    constexpr auto same = [](Key k, Step s) { return static_cast<int>(k) == static_cast<int>(s); };
    static_assert(same(Key::Left, Step::Left) && same(Key::Right, Step::Right) &&
                  same(Key::Up, Step::Up) && same(Key::Down, Step::Down));
    return static_cast<Step>(arrow);
}

bool isArrow(Key key) {
    return key == Key::Left || key == Key::Right || key == Key::Up || key == Key::Down;
}

bool isBoardKey(Key key) {
    return isArrow(key) || key == Key::Activate;
}

// With Ctrl, Alt or Meta (the Windows key) held a key is a shortcut, the
// toolkit's and never the board's; Shift is no chord.
Key boardKey(const KeyEvent& event) {
    return (event.modifiers & (Ctrl | Alt | Meta)) != 0 ? Key::Other : event.key;
}

bool onACard(const KeyPolicy::Window& window) {
    return window.focusedCard >= 0 && window.focusedCard < Controls::cardCount;
}

}  // namespace

KeyPolicy::State& KeyPolicy::state(int code) {
    const auto found =
        std::find_if(keys_.begin(), keys_.end(), [code](const State& s) { return s.code == code; });
    if (found != keys_.end()) {
        return *found;
    }
    return keys_.emplace_back(State{code, false, false, false, 0});
}

KeyAnswer KeyPolicy::down(const KeyEvent& event, const Window& window) {
    State& key = state(event.code);
    // A down without a time of its own cannot be matched to an up: only
    // the key's being down, or the toolkit's own mark, makes it a repeat.
    const bool sameTimeAsUp = event.time != noKeyTime && key.released && key.lastUp == event.time;
    const bool repeat = event.repeat || (!event.marksRepeats && (key.down || sameTimeAsUp));
    key.down = true;
    const Key what = boardKey(event);
    if (!window.boxOpen || !repeat) {
        key.forBox = window.boxOpen && (what == Key::Activate || what == Key::Escape);
    }
    if (window.boxOpen) {
        return key.forBox || repeat ? swallow : native;
    }
    return onBoard(what, repeat, window);
}

KeyAnswer KeyPolicy::up(const KeyEvent& event, const Window& window) {
    State& key = state(event.code);
    key.down = false;
    key.released = true;
    key.lastUp = event.time;
    // A repeat that the toolkit marks comes as an up and a down: its up is
    // no release.
    const bool answers = window.boxOpen && key.forBox && !event.repeat;
    key.forBox = key.forBox && event.repeat;
    if (answers) {
        return {KeyAnswer::Act::Answer, -1};
    }
    // The card was clicked on the press: its up has nothing left to do.
    const bool onBoard = isBoardKey(boardKey(event)) && onACard(window);
    return !window.boxOpen && onBoard ? swallow : native;
}

KeyAnswer KeyPolicy::onBoard(Key key, bool repeat, const Window& window) {
    if (!onACard(window) && isArrow(key) && !window.refusing && window.lastCard >= 0 &&
        window.lastCard < Controls::cardCount) {
        return {KeyAnswer::Act::Focus, window.lastCard};
    }
    if (!isBoardKey(key) || !onACard(window)) {
        return native;
    }
    if (window.refusing) {
        return swallow;
    }
    if (isArrow(key)) {
        // A held arrow keeps stepping, as arrows do.
        const int target = neighbourCard(window.focusedCard, stepFor(key));
        return target >= 0 ? KeyAnswer{KeyAnswer::Act::Focus, target} : swallow;
    }
    return repeat ? swallow : KeyAnswer{KeyAnswer::Act::Click, window.focusedCard};
}

void KeyPolicy::forgetHeldKeys() {
    for (State& key : keys_) {
        key.down = false;
    }
}

}  // namespace diruvari
