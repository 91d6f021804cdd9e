// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>

#include "window/CardState.h"

namespace diruvari {

// A card: a push button that paints its whole face in its colour inside a
// classic raised bevel. It paints itself because style sheets and palettes
// are tinted or ignored by some styles. Screen readers hear its colour and
// place ("Red card, row 1, column 2") and whether it is selected. Space and
// Enter click it; the arrow keys ask for focus to move to a neighbour.
class CardButton final : public QAbstractButton, public CardState {
    Q_OBJECT

  public:
    CardButton(int index, QWidget* parent);

    void setVisible(bool visible) override;

    // Whether the selection frame marks this card, for screen readers.
    void setSelected(bool selected);

    QSize sizeHint() const override;

  signals:
    // An arrow key asks for focus on the neighbouring card `target`.
    void focusMoveRequested(int target);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void recoloured() override;
    void moved() override;
    void paintBevel(class QPainter& painter) const;
    void paintFocus(class QPainter& painter) const;
    void updateAccessibleName();
};

}  // namespace diruvari
