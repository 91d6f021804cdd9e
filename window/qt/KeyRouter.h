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

// Hands every key down and up on the application's windows, boxes
// included, to the host where it enters a window, and does what it answers;
// tells the host when the keyboard goes elsewhere. On X11 it asks for held
// keys without releases, and reports releases sent behind a box.
class KeyRouter final : public QObject {
  public:
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
    // On Wayland Qt marks its own repeats; on X11 its mark is a guess.
    bool ownRepeatMark_;
    // By X keycode.
    std::map<unsigned, KeyEvent> down_;
    X11BlockedKeys blockedKeys_;
    Host* host_ = nullptr;
};

}  // namespace diruvari
