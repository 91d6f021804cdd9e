#include "window/qt/FormSurface.h"

#include <QPainter>
#include <QPainterPath>

#include "window/Design.h"
#include "window/Grid.h"
#include "window/qt/TwipScale.h"

namespace diruvari {

namespace {

constexpr Twips frameSize = gridPitch;
// The outline is five pixels wide, centred on the frame's square: two pixels
// outside it, the square's own edge, and two inside.
constexpr qreal outlineOutside = 2;
constexpr qreal outlineWidth = 5;

}  // namespace

void SelectionFrame::reset() {
    setVisible(false);
    left_ = 0;
    top_ = 0;
    tag_.clear();
}

void SelectionFrame::setVisible(bool visible) {
    if (visible != visible_) {
        visible_ = visible;
        repaint();
        if (changed) {
            changed();
        }
    }
}

void SelectionFrame::setTag(const std::string& tag) {
    tag_ = tag;
    if (changed) {
        changed();
    }
}

void SelectionFrame::setLeft(Twips left) {
    repaint();
    left_ = left;
    repaint();
}

void SelectionFrame::setTop(Twips top) {
    repaint();
    top_ = top;
    repaint();
}

QRect SelectionFrame::square() const {
    return twipRect(left_, top_, frameSize, frameSize);
}

void SelectionFrame::repaint() const {
    surface_.update(square().adjusted(-3, -3, 3, 3));
}

void SelectionFrame::paint(QPainter& painter) const {
    if (!visible_) {
        return;
    }
    const QRectF outer = QRectF(square()).adjusted(-outlineOutside, -outlineOutside,
                                                   outlineOutside + 1, outlineOutside + 1);
    QPainterPath ring;
    ring.addRect(outer);
    ring.addRect(outer.adjusted(outlineWidth, outlineWidth, -outlineWidth, -outlineWidth));
    painter.fillPath(ring, Qt::black);
}

const QColor FormSurface::backgroundColor(255, 192, 128);

FormSurface::FormSurface(QWidget* parent) : QWidget(parent) {
    setFixedSize(toPixels(clientWidth), toPixels(clientHeight));
}

void FormSurface::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), backgroundColor);
    frame_.paint(painter);
}

}  // namespace diruvari
