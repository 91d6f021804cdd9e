// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "runtime/host/Keys.h"

namespace diruvari {

// What every key does, for every toolkit (docs/accessibility.md):
// - an arrow moves the focus to the next card its way, stopping at the edge;
//   with no card focused it brings the focus back to the last one;
// - Activate clicks the focused card once per physical press: a down for a
//   key already down, marked as a repeat or stamped with its last up's time
//   is a repeat;
// - while a box stands no key reaches the board; Activate and Escape answer
//   it on release, if pressed afresh while it stood, so that a held key
//   never answers it and its release never reaches the window behind;
// - every other key is the toolkit's own (Tab, the menu's keys).
// Held keys are forgotten when the window loses the focus.
class KeyPolicy final {
  public:
    struct Window {
        int focusedCard;  // -1 for none
        int lastCard;     // the card that last had the focus, -1 for none
        bool boxOpen;
        bool refusing;  // the game has ended or the window was closed
    };

    KeyAnswer down(const KeyEvent& event, const Window& window);
    KeyAnswer up(const KeyEvent& event, const Window& window);
    void forgetHeldKeys();

  private:
    struct State {
        int code;
        bool down;
        bool released;  // `lastUp` holds the time of an up
        bool forBox;    // pressed afresh while the box stood
        KeyTime lastUp;
    };
    State& state(int code);
    static KeyAnswer onBoard(Key key, bool repeat, const Window& window);

    std::vector<State> keys_;
};

}  // namespace diruvari
