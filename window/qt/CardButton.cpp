// SPDX-License-Identifier: MIT
#include "window/qt/CardButton.h"

#include <QPainter>

#include "window/CardName.h"
#include "window/Controls.h"
#include "window/Drawing.h"
#include "window/Grid.h"
#include "window/qt/QtConvert.h"

namespace diruvari {

CardButton::CardButton(int index, QWidget* parent) : QAbstractButton(parent), index_(index) {
    setFocusPolicy(Qt::StrongFocus);
    // Checked while selected: the state screen readers speak at once on
    // the focused card.
    setCheckable(true);
}

void CardButton::follow(const CardControl& card, unsigned changes) {
    if ((changes & ColorChanged) != 0) {
        face_ = toQColor(card.backColor());
        setAccessibleName(QString::fromStdString(cardName(index_, card.backColor())));
        update();
    }
    if ((changes & PlaceChanged) != 0) {
        setGeometry(toQRect(Drawing().card(card.left(), card.top())));
    }
    if ((changes & VisibilityChanged) != 0) {
        setVisible(card.visible());
    }
    if ((changes & SelectionChanged) != 0) {
        setChecked(card.selected());
    }
}

QSize CardButton::sizeHint() const {
    return toQRect(Drawing().card(0, 0)).size();
}

// In logical pixels, which Qt scales to the screen.
void CardButton::paintEvent(QPaintEvent* /*event*/) {
    const Drawing drawing;
    const PixelRect face{0, 0, width(), height()};
    QPainter painter(this);
    painter.fillRect(rect(), face_);
    for (const Band& band : drawing.bevel(face, isDown())) {
        painter.fillRect(QRectF(toQRect(band.rect)), toQColor(band.color));
    }
    if (hasFocus()) {
        QPen pen(Qt::black, drawing.line(), Qt::DotLine);
        pen.setCosmetic(false);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        // A pen's line is centred on its path: the path runs through the
        // middle of the rectangle's first pixels.
        const qreal middle = drawing.line() / 2.0;
        painter.drawRect(QRectF(toQRect(drawing.focus(face))).translated(-middle, -middle));
    }
}

}  // namespace diruvari
