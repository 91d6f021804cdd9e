// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

#include "runtime/ColorValue.h"

#include <QString>
#include <ostream>

class QWidget;

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace diruvari::test {

QColor qcolor(ColorValue c);
// The widget as it paints, in logical pixels.
QImage grabImage(QWidget& widget);
// The top left corner of card k's grid square in the client area, and the
// card's centre, in logical pixels.
QPoint gridPlace(int k);
QPoint cardCentre(int k);
// A key pressed, or released, as the window system delivers it: through
// the window, with a time of its own. A press or a whole key on the game's
// window returns once every box it opened has been answered.
void pressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = {});
void releaseKey(QWidget& window, Qt::Key key);
void typeKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = {});
void boxesAnswered(QWidget& target);

}  // namespace diruvari::test

#include <QObject>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

class QMessageBox;

namespace diruvari::test {

// Presses OK on every message box that opens while it lives, as a player
// would, after recording its text and letting a test look at it.
class BoxDismisser final : public QObject {
  public:
    BoxDismisser();

    std::vector<std::string> texts;
    // Called while the box is open, before OK is pressed.
    std::function<void(QMessageBox&)> whileOpen;

  private:
    void poll();

    QTimer timer_;
};

}  // namespace diruvari::test
