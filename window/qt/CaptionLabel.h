// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

#include "window/Controls.h"

namespace diruvari {

// A text label in the window's blackletter face, at a fixed place.
class CaptionLabel final : public QLabel, public LabelControl {
    Q_OBJECT

  public:
    CaptionLabel(QRect geometry, QWidget* parent);

    void setCaption(const std::string& caption) override;
    std::string caption() const override { return text().toStdString(); }
};

// The labels' face where it is installed, otherwise the bundled
// blackletter, so the labels never fall back to a plain face.
QFont labelFont();

}  // namespace diruvari
