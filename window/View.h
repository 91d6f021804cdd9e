// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace diruvari {

class CardControl;
class FrameControl;
class LabelControl;

enum CardChange : unsigned {
    ColorChanged = 1U,
    PlaceChanged = 2U,
    VisibilityChanged = 4U,
    SelectionChanged = 8U,  // the frame came to mark it, or left it
    AllChanged = 15U,
};

// A toolkit's window: told what changed by the controls and asked for the
// window, a box, news and the focus by the host, it shows them with native
// widgets, keeps no state of the game's, and reports input with no policy.
class View {
  public:
    virtual ~View() = default;

    virtual void cardChanged(int k, const CardControl& card, unsigned changes) = 0;
    virtual void frameChanged(const FrameControl& frame) = 0;
    // Label 0 is Level, 1 Cards, 2 Colors.
    virtual void captionChanged(int i, const LabelControl& label) = 0;

    virtual void showWindow() = 0;
    // A modal box titled with the application's name and one OK button; its
    // dismissal reaches the host later, from the event loop.
    virtual void showBox(const std::string& prompt) = 0;
    // Tells screen readers, politely, what the focused card does not show.
    virtual void announce(const std::string& news) = 0;
    // Keyboard focus on card k, and the card that has it (-1 for none).
    virtual void focusCard(int k) = 0;
    virtual int focusedCard() const = 0;
    // Closes the window and any box; the program ends with status 0.
    virtual void closeAndQuit() = 0;

  protected:
    View() = default;
    View(const View&) = default;
    View& operator=(const View&) = default;
};

}  // namespace diruvari
