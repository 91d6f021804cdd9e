// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QColor>

namespace diruvari {

class CardControl;

// A card: a push button that paints its whole face in its colour inside a
// classic raised bevel, from the rectangles that the window's drawing works
// out. It paints itself because style sheets and palettes are tinted or
// ignored by some styles. Screen readers hear its colour and place ("Red
// card, row 1, column 2") and whether it is selected, as its checked state.
// Its keys are the host's: the window routes them.
class CardButton final : public QAbstractButton {
    Q_OBJECT

  public:
    CardButton(int index, QWidget* parent);

    int index() const { return index_; }
    // Shows what changed on its card.
    void follow(const CardControl& card, unsigned changes);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Only the rules select: a click never toggles it.
    void nextCheckState() override {}

  private:
    int index_;
    QColor face_;
};

}  // namespace diruvari
