// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace diruvari {

class CardControl;
class FrameControl;
class LabelControl;

// What changed on a card, as bits of one report.
enum CardChange : unsigned {
    ColorChanged = 1U,
    PlaceChanged = 2U,
    VisibilityChanged = 4U,
    SelectionChanged = 8U,  // the frame came to mark it, or left it
    AllChanged = 15U,
};

// A toolkit's window as the controls and the host see it. The controls tell
// it what changed, and it shows that with its native widgets, keeping no
// state of the game's beyond what a widget needs to show it; the host asks
// it for the window, a box, news and the focus. It reports the player's
// input to the host, and adds no policy of its own.
class View {
  public:
    virtual ~View() = default;

    virtual void cardChanged(int k, const CardControl& card, unsigned changes) = 0;
    // The frame was shown, hidden or moved.
    virtual void frameChanged(const FrameControl& frame) = 0;
    // Label 0 is Level, 1 Cards, 2 Colors.
    virtual void captionChanged(int i, const LabelControl& label) = 0;

    // Shows the main window; nothing once it is shown.
    virtual void showWindow() = 0;
    // Opens a modal box with the prompt, titled with the application's name,
    // with one OK button. Its dismissal reaches the host later, from the
    // toolkit's event loop, never from inside this call.
    virtual void showBox(const std::string& prompt) = 0;
    // Tells screen readers, once and politely, of a change that the focused
    // card does not show: a pair's new count, a new deal.
    virtual void announce(const std::string& news) = 0;
    // Keyboard focus on card k, and the card that has it (-1 for none).
    virtual void focusCard(int k) = 0;
    virtual int focusedCard() const = 0;
    // Closes the window and takes down any box on it; the program then ends
    // through the toolkit's normal teardown, with status 0. The host asks
    // once; a close that the toolkit reports back is harmless.
    virtual void closeAndQuit() = 0;

  protected:
    View() = default;
    View(const View&) = default;
    View& operator=(const View&) = default;
};

}  // namespace diruvari
