#pragma once

#include <QAbstractButton>

#include "window/Controls.h"

namespace diruvari {

// A card: a push button that paints its whole face in its colour inside a
// classic raised bevel. It paints itself because style sheets and palettes
// are tinted or ignored by some styles.
class CardButton final : public QAbstractButton, public CardControl {
    Q_OBJECT

  public:
    CardButton(int index, QWidget* parent);

    int index() const { return index_; }

    ColorValue backColor() const override { return color_; }
    void setBackColor(ColorValue color) override;
    void setLeft(Twips left) override;
    void setTop(Twips top) override;
    void setVisible(bool visible) override;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void paintBevel(class QPainter& painter) const;
    void paintFocus(class QPainter& painter) const;

    int index_;
    ColorValue color_;
    Twips left_;
    Twips top_;
};

}  // namespace diruvari
