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
// blackletter. Only a bundled face that fails to load (a broken build) leaves
// the labels in the default face, and that is reported.
QFont labelFont();

// Adds the face in `file` to the application's fonts and returns its family;
// empty, after a critical message, when it cannot be loaded.
QString loadLabelFace(const QString& file);

}  // namespace diruvari
