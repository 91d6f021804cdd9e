// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

#include "runtime/ColorValue.h"
#include "window/Design.h"
#include "window/View.h"

namespace diruvari {

class Controls;

// Sets a property; true when that changed it.
template <typename T>
bool change(T& property, const T& value) {
    if (property == value) {
        return false;
    }
    property = value;
    return true;
}

class CardControl {
  public:
    ColorValue backColor() const { return color_; }
    void setBackColor(ColorValue color) { set(color_, color, ColorChanged); }
    void setLeft(Twips left) { set(left_, left, PlaceChanged); }
    void setTop(Twips top) { set(top_, top, PlaceChanged); }
    void setVisible(bool visible) { set(visible_, visible, VisibilityChanged); }

    Twips left() const { return left_; }
    Twips top() const { return top_; }
    bool visible() const { return visible_; }
    // The frame marks it, for screen readers.
    bool selected() const;

  private:
    friend class Controls;
    CardControl() = default;
    template <typename T>
    void set(T& property, const T& value, unsigned what) {
        if (change(property, value)) {
            changed(what);
        }
    }
    void changed(unsigned changes) const;

    Controls* controls_ = nullptr;
    int index_ = 0;
    ColorValue color_ = cardDesignColor;
    Twips left_ = 0;
    Twips top_ = 0;
    bool visible_ = false;
    bool loaded_ = false;
};

// Visible exactly while a card is selected, whose index is its tag.
class FrameControl {
  public:
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    void setLeft(Twips left) { moveTo(left, top_); }
    void setTop(Twips top) { moveTo(left_, top); }
    const std::string& tag() const { return tag_; }
    void setTag(const std::string& tag);

    Twips left() const { return left_; }
    Twips top() const { return top_; }

  private:
    friend class Controls;
    explicit FrameControl(Controls& controls) : controls_(controls) {}
    void moveTo(Twips left, Twips top);

    Controls& controls_;
    bool visible_ = false;
    Twips left_ = 0;
    Twips top_ = 0;
    std::string tag_;
};

class LabelControl {
  public:
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);

  private:
    friend class Controls;
    LabelControl() = default;

    Controls* controls_ = nullptr;
    int index_ = 0;
    std::string caption_;
};

// The main window's controls, which hold the board's state; each change is
// told to the view. Unloading hides what loading showed: a rebuild never
// deletes the widget whose click it serves.
class Controls {
  public:
    static constexpr int cardCount = 16;

    explicit Controls(View& view);
    Controls(const Controls&) = delete;
    Controls& operator=(const Controls&) = delete;

    // Card k (1-15) as card 0 is designed, hidden; a second load faults.
    void loadCard(int k);
    // Cards 1-15 go; the rest returns to its design.
    void unload();

    // A card that does not exist is a fault.
    CardControl& Card(int k);
    const CardControl& Card(int k) const;
    FrameControl& Frame() { return frame_; }
    const FrameControl& Frame() const { return frame_; }
    LabelControl& Level() { return labels_[0]; }
    LabelControl& Cards() { return labels_[1]; }
    LabelControl& Colors() { return labels_[2]; }
    const LabelControl& label(int i) const { return labels_.at(static_cast<std::size_t>(i)); }

    // The card the visible frame's tag names, or -1.
    int selectedCard() const;

  private:
    friend class CardControl;
    friend class FrameControl;
    friend class LabelControl;

    static void resetToDesign(CardControl& card, bool visible);
    void markSelection();

    View& view_;
    std::array<CardControl, cardCount> cards_{};
    FrameControl frame_{*this};
    std::array<LabelControl, labelCount> labels_{};
    int marked_ = -1;
};

}  // namespace diruvari
