// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "runtime/host/Keys.h"

namespace diruvari {

// What every key does, for every toolkit:
// - an arrow moves the focus to the neighbouring card in its direction and
//   stops at the board's edges;
// - Activate clicks the focused card once per physical press: a repeat (a
//   down for a key already down, a down the toolkit marks as a repeat, or a
//   down at the time of that key's last up) never clicks, and a down with no
//   time after an up is a fresh press;
// - while a box stands no key reaches the board; Activate and Escape answer
//   the box as they are let go, when their press came fresh while it stood,
//   so that a key held into the box, or its repeats, never answer it (and
//   a box that went at the press would lose the release to the window
//   behind it);
// - while no card has the focus, an arrow puts it back on the card that had
//   it last, so that the board is never lost to a player who cannot see it;
// - every other key, and every key but the arrows while no card has the
//   focus, is the toolkit's own (Tab, the menu's keys).
// Held keys are forgotten when the window loses the focus, since their ups
// then go elsewhere.
class KeyPolicy final {
  public:
    // What the window looks like when a key arrives.
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
