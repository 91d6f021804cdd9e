// SPDX-License-Identifier: MIT
#include "window/qt/FormSurface.h"

#include <QPainter>

#include "window/Controls.h"
#include "window/qt/QtConvert.h"

namespace diruvari {

FormSurface::FormSurface(QWidget* parent) : QWidget(parent) {
    setFixedSize(toQRect(Drawing().client()).size());
}

void FormSurface::follow(const FrameControl& frame) {
    repaint(ring_);
    ring_.reset();
    if (frame.visible()) {
        ring_ = Drawing().ring(frame.left(), frame.top());
    }
    repaint(ring_);
}

void FormSurface::repaint(const std::optional<Ring>& ring) {
    if (ring) {
        update(toQRect(ring->outer));
    }
}

void FormSurface::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(backgroundColor));
    if (ring_) {
        for (const PixelRect& side : ring_->sides()) {
            painter.fillRect(toQRect(side), toQColor(frameColor));
        }
    }
}

}  // namespace diruvari
