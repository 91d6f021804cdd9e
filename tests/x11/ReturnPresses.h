// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QKeyEvent>
#include <QObject>

namespace diruvari::test {

// Counts the presses of Return that reach the application's windows, a
// display's repeats included, while it lives.
class ReturnPresses final : public QObject {
  public:
    ReturnPresses() { QCoreApplication::instance()->installEventFilter(this); }
    ReturnPresses(const ReturnPresses&) = delete;
    ReturnPresses& operator=(const ReturnPresses&) = delete;
    ~ReturnPresses() override { QCoreApplication::instance()->removeEventFilter(this); }

    int count = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        count += watched->isWindowType() && event->type() == QEvent::KeyPress &&
                 static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return;
        return false;
    }
};

}  // namespace diruvari::test
