// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <optional>

#include "window/Drawing.h"

namespace diruvari {

class FrameControl;

// The client area: the background, then the ring, beneath the cards.
class FormSurface final : public QWidget {
    Q_OBJECT

  public:
    explicit FormSurface(QWidget* parent);

    void follow(const FrameControl& frame);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void repaint(const std::optional<Ring>& ring);

    std::optional<Ring> ring_;
};

}  // namespace diruvari
