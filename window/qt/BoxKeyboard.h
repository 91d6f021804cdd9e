// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QMessageBox;

namespace diruvari {

// How the box holds the keyboard. Return, Enter and Escape answer it as
// they are let go, as Space does on a button: a box that went at the press
// would lose the release, which the window system still sends to it and Qt
// drops for a window hidden meanwhile, and the host would then take the key
// for held and its next press for a repeat. And a box that the window
// system activates once it has gone hands the keyboard back to the window.
class BoxKeyboard final : public QObject {
  public:
    explicit BoxKeyboard(QMessageBox& box);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QMessageBox& box_;
    int pressed_ = 0;  // the key whose press the box took
};

}  // namespace diruvari
