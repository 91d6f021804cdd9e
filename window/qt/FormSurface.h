// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <optional>

#include "window/Drawing.h"

namespace diruvari {

class FrameControl;

// The window's client area. It paints the background and then the
// selection frame's ring, so the ring lies beneath the cards and only its
// parts outside them show.
class FormSurface final : public QWidget {
    Q_OBJECT

  public:
    explicit FormSurface(QWidget* parent);

    // Shows the frame as it now stands: its ring where it is, or none.
    void follow(const FrameControl& frame);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void repaint(const std::optional<Ring>& ring);

    std::optional<Ring> ring_;
};

}  // namespace diruvari
