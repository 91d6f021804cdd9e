#pragma once

#include <QLabel>

#include "window/Controls.h"

namespace diruvari {

// A text label in the window's blackletter face, at a fixed place.
class CaptionLabel final : public QLabel, public LabelControl {
    Q_OBJECT

  public:
    CaptionLabel(const QString& designCaption, QRect geometry, QWidget* parent);

    void setCaption(const std::string& caption) override;
    // Back to the caption the window was designed with.
    void resetCaption();

  private:
    QString designCaption_;
};

// The labels' face: "Rothenburg Decorative" where it is installed, otherwise
// the bundled Blankenburg, so the labels never fall back to a plain face.
QFont labelFont();

}  // namespace diruvari
