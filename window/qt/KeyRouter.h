// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <functional>
#include <map>

#include "runtime/host/Keys.h"
#include "window/qt/X11BlockedKeys.h"

class QKeyEvent;

namespace diruvari {

class Host;

// Hands every key down and up on the application's windows, the boxes'
// included, to the host, and does what it answers. It watches the events
// where they enter a window, before any widget sees them, so each one is
// decided once. It also tells the host when the application loses the
// keyboard, so that a key released elsewhere does not stay down. On X11 it
// asks the server to send a held key as presses without releases, and tells
// the host of a release that the server sent to the window a box blocks.
class KeyRouter final : public QObject {
  public:
    // Moves the focus to card k, or clicks it; answers the box that stands.
    using CardAction = std::function<void(int)>;
    using BoxAction = std::function<void()>;

    KeyRouter(CardAction focus, CardAction click, BoxAction answer);
    ~KeyRouter() override;
    KeyRouter(const KeyRouter&) = delete;
    KeyRouter& operator=(const KeyRouter&) = delete;

    void attach(Host* host) { host_ = host; }

    static Key keyOf(const QKeyEvent& event);
    static unsigned modifiersOf(const QKeyEvent& event);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool route(const QKeyEvent& event);
    void releasedBehindBox(unsigned keycode, unsigned long time);

    CardAction focus_;
    CardAction click_;
    BoxAction answer_;
    // Qt marks the repeats it makes itself on Wayland; on X11 its mark is a
    // guess from what is already queued, and is never asked.
    bool ownRepeatMark_;
    // The keys down, by their X keycode, as the host was told of them.
    std::map<unsigned, KeyEvent> down_;
    X11BlockedKeys blockedKeys_;
    Host* host_ = nullptr;
};

}  // namespace diruvari
