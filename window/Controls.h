// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "runtime/ColorValue.h"

namespace diruvari {

// Positions and sizes of the window's layout, 1/1440 inch.
using Twips = float;

// One element of the card array: a push button whose face shows its
// background colour.
class CardControl {
  public:
    virtual ~CardControl() = default;
    virtual ColorValue backColor() const = 0;
    virtual void setBackColor(ColorValue color) = 0;
    virtual void setLeft(Twips left) = 0;
    virtual void setTop(Twips top) = 0;
    virtual void setVisible(bool visible) = 0;
};

// The selection frame: visible exactly while a card is selected, its tag
// holding that card's index as text.
class FrameControl {
  public:
    virtual ~FrameControl() = default;
    virtual bool visible() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void setLeft(Twips left) = 0;
    virtual void setTop(Twips top) = 0;
    virtual std::string tag() const = 0;
    virtual void setTag(const std::string& tag) = 0;
};

class LabelControl {
  public:
    virtual ~LabelControl() = default;
    virtual void setCaption(const std::string& caption) = 0;
    virtual std::string caption() const = 0;
};

// The controls of the main window, as the rules see them.
class Controls {
  public:
    static constexpr int cardCount = 16;

    virtual ~Controls() = default;

    // Creates card k (1-15) with card 0's design properties, hidden. The
    // window is rebuilt before cards are created again, so k is never loaded.
    virtual void loadCard(int k) = 0;
    // Destroys card k (1-15), as unloading the window does. A window that
    // keeps its buttons across rebuilds hides it instead.
    virtual void unloadCard(int k) = 0;
    virtual CardControl& Card(int k) = 0;
    virtual FrameControl& Frame() = 0;
    virtual LabelControl& Level() = 0;
    virtual LabelControl& Cards() = 0;
    virtual LabelControl& Colors() = 0;
};

}  // namespace diruvari
