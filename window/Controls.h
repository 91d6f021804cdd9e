// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

#include "runtime/ColorValue.h"
#include "window/Design.h"
#include "window/View.h"

namespace diruvari {

class Controls;

// One element of the card array.
class CardControl {
  public:
    ColorValue backColor() const { return color_; }
    void setBackColor(ColorValue color);
    void setLeft(Twips left);
    void setTop(Twips top);
    void setVisible(bool visible);

    Twips left() const { return left_; }
    Twips top() const { return top_; }
    bool visible() const { return visible_; }
    // The frame marks it, for screen readers.
    bool selected() const;

  private:
    friend class Controls;
    CardControl() = default;
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
    void setLeft(Twips left);
    void setTop(Twips top);
    const std::string& tag() const { return tag_; }
    void setTag(const std::string& tag);

    Twips left() const { return left_; }
    Twips top() const { return top_; }

  private:
    friend class Controls;
    explicit FrameControl(Controls& controls) : controls_(controls) {}

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
    std::array<LabelControl, 3> labels_{};
    int marked_ = -1;
};

}  // namespace diruvari
