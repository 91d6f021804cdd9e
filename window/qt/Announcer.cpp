// SPDX-License-Identifier: MIT
#include "window/qt/Announcer.h"

#include <QAccessibleWidget>

namespace diruvari {

namespace {

QAccessibleInterface* notificationFor(const QString& key, QObject* object) {
    if (key == QLatin1String(Announcer::staticMetaObject.className()) && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(notificationFor);
        return true;
    }();
    (void)installed;
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void Announcer::say(const QString& news) {
    // Hidden first, so that each news is a notification that appears, even
    // when it repeats the last.
    hide();
    setAccessibleName(news);
    show();
}

}  // namespace diruvari
