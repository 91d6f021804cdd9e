// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace diruvari {

// A text label in the window's blackletter face, at the place of label i
// (0 Level, 1 Cards, 2 Colors).
class CaptionLabel final : public QLabel {
    Q_OBJECT

  public:
    CaptionLabel(int i, QWidget* parent);
};

// The labels' face: the designed one where it is installed, otherwise the
// bundled blackletter.
QFont labelFont();

// The family of the face added from `file`; empty where it does not load.
QString loadLabelFace(const QString& file);

}  // namespace diruvari
