// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>

#include "window/CardState.h"

namespace diruvari {

// A card: a push button that paints its whole face in its colour inside a
// classic raised bevel. It paints itself because style sheets and palettes
// are tinted or ignored by some styles. Screen readers hear its colour and
// place ("Red card, row 1, column 2") and whether it is selected, as its
// checked state. Its keys
// are the host's: the window routes them.
class CardButton final : public QAbstractButton, public CardState {
    Q_OBJECT

  public:
    CardButton(int index, QWidget* parent);

    void setVisible(bool visible) override;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void nextCheckState() override;

  private:
    void recoloured() override;
    void moved() override;
    void selectionMarked() override;
    void paintBevel(class QPainter& painter) const;
    void paintFocus(class QPainter& painter) const;
    void updateAccessibleName();
};

}  // namespace diruvari
