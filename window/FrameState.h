// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "window/Controls.h"

namespace diruvari {

// The card that a frame marks: the one its tag names while it is visible,
// otherwise -1.
int markedCard(const FrameControl& frame);

// The selection frame as a window keeps it: its visibility, place and tag.
// The window draws it and is told what to repaint.
class FrameState : public FrameControl {
  public:
    bool visible() const final { return visible_; }
    void setVisible(bool visible) final;
    void setLeft(Twips left) final;
    void setTop(Twips top) final;
    std::string tag() const final { return tag_; }
    void setTag(const std::string& tag) final;

    Twips left() const { return left_; }
    Twips top() const { return top_; }
    // The card that the frame marks, or -1 while it is hidden.
    int selectedCard() const;

  protected:
    // The area the frame covers at its place needs painting again.
    virtual void repaint() const = 0;
    // The selection changed: the frame was shown or hidden, or its tag set.
    virtual void selectionChanged() {}

  private:
    bool visible_ = false;
    Twips left_ = 0;
    Twips top_ = 0;
    std::string tag_;
};

}  // namespace diruvari
