// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QObject>
#include <QProcess>
#include <QTimer>

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

// From start() on, answers the next message box by a real Return press as
// soon as the box has the keyboard, and keeps its text. Should the press
// leave the box standing, the box is closed after 5 s and counted as
// unanswered.
class ReturnAnswersBox final : public QObject {
  public:
    ReturnAnswersBox() {
        connect(&poll_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isActiveWindow() || !prompt.isEmpty()) {
                return;
            }
            prompt = box->text();
            QProcess::startDetached("xdotool", {"key", "Return"});
            QTimer::singleShot(5000, box, [this, box] {
                unanswered = true;
                box->done(QMessageBox::Ok);
            });
        });
    }
    void start() { poll_.start(50); }

    QString prompt;
    bool unanswered = false;

  private:
    QTimer poll_;
};

}  // namespace diruvari::test
