// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace diruvari {

// Where the window tells screen readers of a change that the focused card
// does not show. Qt 6.4 has no announcement of its own, and its AT-SPI
// bridge sends a name or description change in a form that Orca cannot
// speak; what readers do speak is a notification that appears. So this is
// an empty widget that screen readers see as a notification, named with the
// news and shown anew for each.
class Announcer final : public QWidget {
    Q_OBJECT

  public:
    explicit Announcer(QWidget* parent);

    void say(const QString& news);
};

}  // namespace diruvari
