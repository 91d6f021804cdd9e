// SPDX-License-Identifier: MIT
#include "window/qt/KeyRouter.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>

#include "runtime/host/Host.h"
#include "window/qt/X11KeyRepeat.h"

namespace diruvari {

KeyRouter::KeyRouter(CardAction focus, CardAction click, BoxAction answer)
    : focus_(std::move(focus)),
      click_(std::move(click)),
      answer_(std::move(answer)),
      ownRepeatMark_(QGuiApplication::platformName() == QLatin1String("wayland")),
      blockedKeys_(
          [this](unsigned keycode, unsigned long time) { releasedBehindBox(keycode, time); }) {
    // Where the server refuses, a held key's release and press share their
    // time, and the host tells repeats by that.
    setDetectableAutoRepeat(true);
    QCoreApplication::instance()->installEventFilter(this);
}

KeyRouter::~KeyRouter() {
    QCoreApplication::instance()->removeEventFilter(this);
}

unsigned KeyRouter::modifiersOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers held = event.modifiers();
    return (held.testFlag(Qt::ControlModifier) ? Ctrl : 0U) |
           (held.testFlag(Qt::AltModifier) ? Alt : 0U) |
           (held.testFlag(Qt::MetaModifier) ? Meta : 0U) |
           (held.testFlag(Qt::ShiftModifier) ? Shift : 0U);
}

Key KeyRouter::keyOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Left:
            return Key::Left;
        case Qt::Key_Right:
            return Key::Right;
        case Qt::Key_Up:
            return Key::Up;
        case Qt::Key_Down:
            return Key::Down;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return Key::Activate;
        case Qt::Key_Escape:
            return Key::Escape;
        default:
            return Key::Other;
    }
}

bool KeyRouter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (host_ != nullptr && type == QEvent::ApplicationStateChange &&
        QGuiApplication::applicationState() != Qt::ApplicationActive) {
        host_->focusLost();
    }
    // Decided where it enters its window, it is seen exactly once.
    if (host_ == nullptr || !watched->isWindowType() ||
        (type != QEvent::KeyPress && type != QEvent::KeyRelease)) {
        return QObject::eventFilter(watched, event);
    }
    return route(*static_cast<QKeyEvent*>(event));
}

bool KeyRouter::route(const QKeyEvent& event) {
    // A screen reader's copy of a key has timestamp 0: the host's "none".
    const KeyEvent key{keyOf(event),
                       event.key(),
                       static_cast<KeyTime>(event.timestamp()),
                       ownRepeatMark_ && event.isAutoRepeat(),
                       ownRepeatMark_,
                       modifiersOf(event)};
    const bool press = event.type() == QEvent::KeyPress;
    if (const unsigned keycode = event.nativeScanCode(); press && keycode != 0) {
        down_.insert_or_assign(keycode, key);
    } else {
        down_.erase(keycode);
    }
    return carryOut(press ? host_->keyDown(key) : host_->keyUp(key), focus_, click_, answer_);
}

void KeyRouter::releasedBehindBox(unsigned keycode, unsigned long time) {
    const auto found = down_.find(keycode);
    if (found == down_.end() || host_ == nullptr) {
        return;
    }
    KeyEvent key = found->second;
    down_.erase(found);
    key.time = static_cast<KeyTime>(time);
    key.repeat = false;
    host_->keyUp(key);
}

}  // namespace diruvari
