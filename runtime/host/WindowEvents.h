// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/host/Keys.h"

namespace diruvari {

// What the window system reports to the host, translated by a toolkit from
// its own events. Nothing else of the window reaches the game.
class WindowEvents {
  public:
    virtual ~WindowEvents() = default;
    virtual void cardClicked(int k) = 0;
    virtual void resetChosen() = 0;
    // The player dismissed the box that stands: by OK, or by a key or a
    // close that the box takes as OK.
    virtual void boxAnswered() = 0;
    // The player asks to close the window (its close button, Alt+F4, the
    // system menu), perhaps while a box stands; the host answers, and the
    // toolkit closes nothing of its own accord. A toolkit that reports the
    // close it was asked to make is harmless: the window closes once.
    virtual void windowClosed() = 0;
    // Every key down and up on the window and on its boxes; the toolkit
    // then does what the answer says.
    virtual KeyAnswer keyDown(const KeyEvent& event) = 0;
    virtual KeyAnswer keyUp(const KeyEvent& event) = 0;
    // The window lost the keyboard to another program (not to its own box).
    virtual void focusLost() = 0;

  protected:
    WindowEvents() = default;
    WindowEvents(const WindowEvents&) = default;
    WindowEvents& operator=(const WindowEvents&) = default;
};

}  // namespace diruvari
