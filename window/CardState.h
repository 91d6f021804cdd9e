// SPDX-License-Identifier: MIT
#pragma once

#include "window/Controls.h"
#include "window/Design.h"
#include "window/Grid.h"

namespace diruvari {

// A card as a window keeps it: its index, colour and place, white at the
// first grid place as designed. The window shows it and is told of changes.
class CardState : public CardControl {
  public:
    explicit CardState(int index) : index_(index) {}

    int index() const { return index_; }
    ColorValue backColor() const final { return color_; }
    void setBackColor(ColorValue color) final;
    void setLeft(Twips left) final;
    void setTop(Twips top) final;

    Twips left() const { return left_; }
    Twips top() const { return top_; }

    // Whether the selection frame marks this card, for screen readers.
    bool selected() const { return selected_; }
    void markSelected(bool selected);

  protected:
    // The card was painted in another colour: its face and name follow.
    virtual void recoloured() = 0;
    virtual void moved() = 0;
    // The card was marked selected or no longer is: the toolkit tells
    // screen readers in its own terms.
    virtual void selectionMarked() = 0;

  private:
    int index_;
    ColorValue color_ = cardDesignColor;
    Twips left_ = cardMargin;
    Twips top_ = cardMargin;
    bool selected_ = false;
};

}  // namespace diruvari
