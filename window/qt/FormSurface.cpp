// SPDX-License-Identifier: MIT
#include "window/qt/FormSurface.h"

#include <QPainter>
#include <QPainterPath>

#include "window/Design.h"
#include "window/Grid.h"
#include "window/qt/QtColor.h"
#include "window/qt/TwipScale.h"

namespace diruvari {

namespace {

constexpr Twips frameSize = gridPitch;

}  // namespace

void SelectionFrame::selectionChanged() {
    if (changed) {
        changed();
    }
}

QRect SelectionFrame::square() const {
    return twipRect(left(), top(), frameSize, frameSize);
}

void SelectionFrame::repaint() const {
    const int reach = ringOutside + 1;
    surface_.update(square().adjusted(-reach, -reach, reach, reach));
}

void SelectionFrame::paint(QPainter& painter) const {
    if (!visible()) {
        return;
    }
    const QRectF outer =
        QRectF(square()).adjusted(-ringOutside, -ringOutside, ringOutside + 1, ringOutside + 1);
    QPainterPath ring;
    ring.addRect(outer);
    ring.addRect(outer.adjusted(ringWidth, ringWidth, -ringWidth, -ringWidth));
    painter.fillPath(ring, toQColor(frameColor));
}

FormSurface::FormSurface(QWidget* parent) : QWidget(parent) {
    setFixedSize(toPixels(clientWidth), toPixels(clientHeight));
}

void FormSurface::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(backgroundColor));
    frame_.paint(painter);
}

}  // namespace diruvari
