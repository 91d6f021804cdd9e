// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractNativeEventFilter>
#include <functional>

namespace diruvari {

// Qt drops every key that reaches a window a modal box blocks. The X server
// still sends the keyboard there for a moment after the box has shown,
// until the box has taken it: a key released in that moment would never be
// released for the game, which would then take the player's next press of
// it for a repeat. While it lives, this tells of each such release, by the
// key's X keycode and the server's time. Other platforms send it nothing.
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
