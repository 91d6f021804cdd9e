// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "window/Controls.h"

namespace diruvari {

class WindowEvents;

// All that a window layer supplies to the host: the main window's controls,
// its modal box, its focus, and the way it closes. It adds nothing of its own
// to the game: every policy about events, focus and the end is the host's.
class Toolkit {
  public:
    virtual ~Toolkit() = default;

    // Where the toolkit reports the window's events; null detaches it, and
    // a detached toolkit reports nothing.
    virtual void attach(WindowEvents* events) = 0;

    virtual Controls& controls() = 0;
    // Shows the main window; it does nothing once the window is shown.
    virtual void showWindow() = 0;
    // Opens a modal box with the prompt, titled with the application's
    // name, with one OK button, and reports its dismissal through
    // WindowEvents::boxAnswered, whether before it returns (a box with a
    // loop of its own) or later (a box that is only shown).
    virtual void showBox(const std::string& prompt) = 0;
    // True while any modal box of the toolkit's stands.
    virtual bool boxOpen() const = 0;
    // Closes the window and takes down any box on it; the program then ends
    // through the toolkit's normal teardown, with status 0. The host asks
    // once.
    virtual void closeAndQuit() = 0;

    // Tells screen readers, once and politely, of a change that the focused
    // control does not show: a pair's new count, a new deal.
    virtual void announce(const std::string& news) = 0;

    // Keyboard focus on card k, and the card that has it (-1 for none).
    virtual void focusCard(int k) = 0;
    virtual int focusedCard() const = 0;

  protected:
    Toolkit() = default;
    Toolkit(const Toolkit&) = default;
    Toolkit& operator=(const Toolkit&) = default;
};

}  // namespace diruvari
