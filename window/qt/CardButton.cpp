// SPDX-License-Identifier: MIT
#include "window/qt/CardButton.h"

#include <QPainter>

#include "window/CardName.h"
#include "window/Design.h"
#include "window/qt/QtColor.h"
#include "window/qt/TwipScale.h"

namespace diruvari {

namespace {

// Two one-pixel lines along the top and left edges of a rectangle, and two
// along the bottom and right, in logical pixels so that they scale.
void paintEdge(QPainter& painter, const QRectF& r, const QColor& topLeft,
               const QColor& bottomRight) {
    painter.fillRect(QRectF(r.left(), r.top(), r.width(), 1), topLeft);
    painter.fillRect(QRectF(r.left(), r.top(), 1, r.height()), topLeft);
    painter.fillRect(QRectF(r.left(), r.bottom() - 1, r.width(), 1), bottomRight);
    painter.fillRect(QRectF(r.right() - 1, r.top(), 1, r.height()), bottomRight);
}

}  // namespace

CardButton::CardButton(int index, QWidget* parent) : QAbstractButton(parent), CardState(index) {
    setFocusPolicy(Qt::StrongFocus);
    // Checked while selected: the state screen readers speak at once on
    // the focused card. Only the rules select: a click never toggles it.
    setCheckable(true);
    setGeometry(twipRect(left(), top(), cardSize, cardSize));
    updateAccessibleName();
}

void CardButton::updateAccessibleName() {
    setAccessibleName(QString::fromStdString(cardName(index(), backColor())));
}

void CardButton::selectionMarked() {
    setChecked(selected());
}

void CardButton::nextCheckState() {}

void CardButton::recoloured() {
    updateAccessibleName();
    update();
}

void CardButton::moved() {
    move(toPixels(left()), toPixels(top()));
}

void CardButton::setVisible(bool visible) {
    QAbstractButton::setVisible(visible);
}

QSize CardButton::sizeHint() const {
    return {toPixels(cardSize), toPixels(cardSize)};
}

void CardButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(backColor()));
    paintBevel(painter);
    if (hasFocus()) {
        paintFocus(painter);
    }
}

void CardButton::paintBevel(QPainter& painter) const {
    const QRectF outer(rect());
    const QRectF inner = outer.adjusted(1, 1, -1, -1);
    const QColor outerLight = toQColor(bevelOuterLight);
    const QColor outerShadow = toQColor(bevelOuterShadow);
    const QColor innerLight = toQColor(bevelInnerLight);
    const QColor innerShadow = toQColor(bevelInnerShadow);
    if (isDown()) {
        paintEdge(painter, outer, outerShadow, outerLight);
        paintEdge(painter, inner, innerShadow, innerLight);
    } else {
        paintEdge(painter, outer, outerLight, outerShadow);
        paintEdge(painter, inner, innerLight, innerShadow);
    }
}

void CardButton::paintFocus(QPainter& painter) const {
    QPen pen(Qt::black, 1, Qt::DotLine);
    pen.setCosmetic(false);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // Centred on the pixels focusInset - 1/2 in from each edge.
    const qreal in = focusInset - 0.5;
    painter.drawRect(QRectF(rect()).adjusted(in, in, -in - 1, -in - 1));
}

}  // namespace diruvari
