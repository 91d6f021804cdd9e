// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractNativeEventFilter>
#include <functional>

namespace diruvari {

// Qt drops keys that reach a window a modal box blocks, and X sends them
// there until the box has the keyboard: a release lost so would make the
// next press a repeat. This tells of each such release (X keycode, server
// time); other platforms send it nothing.
class X11BlockedKeys final : public QAbstractNativeEventFilter {
  public:
    using Released = std::function<void(unsigned keycode, unsigned long time)>;

    explicit X11BlockedKeys(Released released);
    ~X11BlockedKeys() override;
    X11BlockedKeys(const X11BlockedKeys&) = delete;
    X11BlockedKeys& operator=(const X11BlockedKeys&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    Released released_;
};

}  // namespace diruvari
