// SPDX-License-Identifier: MIT
#include "WidgetSupport.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QWidget>

namespace diruvari::test {

QColor qcolor(ColorValue c) {
    return {redOf(c), greenOf(c), blueOf(c)};
}

QImage grabImage(QWidget& widget) {
    QImage image = widget.grab().toImage();
    image.setDevicePixelRatio(1);
    return image.scaled(widget.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

QPoint gridPlace(int k) {
    return {33 * (k % 4), 33 * (k / 4)};
}

QPoint cardCentre(int k) {
    return gridPlace(k) + QPoint(18, 18);
}

// The player answers the boxes that a key or a click on the game opened
// (BoxDismisser) before going on. The game goes on from the event loop once
// a box has gone, and may open the next.
void boxesAnswered(QWidget& target) {
    if (qobject_cast<QMessageBox*>(&target) == nullptr) {
        EXPECT_TRUE(QTest::qWaitFor(
            [] {
                QCoreApplication::processEvents();
                if (QApplication::activeModalWidget() != nullptr) {
                    return false;
                }
                // The host hears of OK by a queued call, which may open the next box.
                QCoreApplication::sendPostedEvents();
                return QApplication::activeModalWidget() == nullptr;
            },
            5000))
            << "a box was left standing";
    }
}

// Events of the window system carry its clock in milliseconds: each one
// waits that long, so that no two share a time, as no two real ones do.
void pressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::qWait(2);
    QTest::keyPress(window.windowHandle(), key, modifiers);
    boxesAnswered(window);
}

void releaseKey(QWidget& window, Qt::Key key) {
    QTest::qWait(2);
    QTest::keyRelease(window.windowHandle(), key);
}

void typeKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::qWait(2);
    QTest::keyPress(window.windowHandle(), key, modifiers);
    QTest::qWait(2);
    QTest::keyRelease(window.windowHandle(), key, modifiers);
    boxesAnswered(window);
}

}  // namespace diruvari::test

namespace diruvari::test {

BoxDismisser::BoxDismisser() {
    timer_.setInterval(2);
    connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
    timer_.start();
}

void BoxDismisser::poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) {
        return;
    }
    texts.push_back(box->text().toStdString());
    if (whileOpen) {
        whileOpen(*box);
    }
    if (!box->isVisible()) {
        return;  // closed from inside whileOpen
    }
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
}

}  // namespace diruvari::test
