// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QColor>

namespace diruvari {

class CardControl;

// A card: a push button painted from the drawing's rectangles, since some
// styles tint or ignore palettes. Readers hear its name ("Red card, row 1,
// column 2") and its selection as its checked state.
class CardButton final : public QAbstractButton {
    Q_OBJECT

  public:
    CardButton(int index, QWidget* parent);

    int index() const { return index_; }
    void follow(const CardControl& card, unsigned changes);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Only the rules select: a click never toggles it.
    void nextCheckState() override {}

  private:
    int index_;
    QColor face_;
};

}  // namespace diruvari
