// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace diruvari {

// The window's news for screen readers. Qt 6.4 has no announcement, and
// Orca cannot speak its bridge's name changes, but speaks a notification
// that appears: an empty widget of that role, named with the news and shown
// anew for each.
class Announcer final : public QWidget {
    Q_OBJECT

  public:
    explicit Announcer(QWidget* parent);

    void say(const QString& news);
};

}  // namespace diruvari
