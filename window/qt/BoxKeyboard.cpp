// SPDX-License-Identifier: MIT
#include "window/qt/BoxKeyboard.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMessageBox>
#include <utility>

namespace diruvari {

BoxKeyboard::BoxKeyboard(QMessageBox& box) : QObject(&box), box_(box) {
    box.installEventFilter(this);
    box.button(QMessageBox::Ok)->installEventFilter(this);
}

bool BoxKeyboard::eventFilter(QObject* /*watched*/, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::WindowActivate && !box_.isVisible()) {
        box_.parentWidget()->activateWindow();
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) {
        return false;
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape) {
        return false;
    }
    if (type == QEvent::KeyPress) {
        pressed_ = key;
    } else if (std::exchange(pressed_, 0) == key) {
        box_.button(QMessageBox::Ok)->click();
    }
    return true;
}

}  // namespace diruvari
