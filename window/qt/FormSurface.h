#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "window/Controls.h"

namespace diruvari {

// The selection frame, a shape drawn on the window's client area.
class SelectionFrame final : public FrameControl {
  public:
    explicit SelectionFrame(QWidget& surface) : surface_(surface) {}

    // Called whenever the frame's visibility or tag changes.
    std::function<void()> changed;

    bool visible() const override { return visible_; }
    void setVisible(bool visible) override;
    void setLeft(Twips left) override;
    void setTop(Twips top) override;
    std::string tag() const override { return tag_; }
    void setTag(const std::string& tag) override;

    // The frame's square in logical pixels.
    QRect square() const;
    void paint(class QPainter& painter) const;

  private:
    void repaint() const;

    QWidget& surface_;
    bool visible_ = false;
    Twips left_ = 0;
    Twips top_ = 0;
    std::string tag_;
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
