// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "window/FrameState.h"

namespace diruvari {

// The selection frame, a shape drawn on the window's client area.
class SelectionFrame final : public FrameState {
  public:
    explicit SelectionFrame(QWidget& surface) : surface_(surface) {}

    // Called whenever the frame's visibility or tag changes.
    std::function<void()> changed;

    // The frame's square in logical pixels.
    QRect square() const;
    void paint(class QPainter& painter) const;

  private:
    void repaint() const override;
    void selectionChanged() override;

    QWidget& surface_;
};

// The window's client area. It paints the background and then the frame, so
// the frame lies beneath the cards and only its outline outside them shows.
class FormSurface final : public QWidget {
    Q_OBJECT

  public:
    explicit FormSurface(QWidget* parent);

    SelectionFrame& frame() { return frame_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    SelectionFrame frame_{*this};
};

}  // namespace diruvari
