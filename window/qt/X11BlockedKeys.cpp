// SPDX-License-Identifier: MIT
#include "window/qt/X11BlockedKeys.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>
#include <utility>

namespace diruvari {

namespace {

QWindow* windowWithId(xcb_window_t id) {
    for (QWindow* window : QGuiApplication::allWindows()) {
        if (window->handle() != nullptr && window->winId() == id) {
            return window;
        }
    }
    return nullptr;
}

// As Qt decides it: an application-modal window blocks every other window,
// a window-modal one the windows it stands over.
bool blocks(const QWindow& modal, const QWindow* window) {
    if (window == nullptr || window == &modal) {
        return false;
    }
    if (modal.modality() == Qt::ApplicationModal) {
        return true;
    }
    for (const QWindow* parent = modal.transientParent(); parent != nullptr;
         parent = parent->transientParent()) {
        if (parent == window) {
            return true;
        }
    }
    return false;
}

}  // namespace

X11BlockedKeys::X11BlockedKeys(Released released) : released_(std::move(released)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11BlockedKeys::~X11BlockedKeys() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool X11BlockedKeys::nativeEventFilter(const QByteArray& eventType, void* message,
                                       qintptr* /*result*/) {
    const QWindow* modal = QGuiApplication::modalWindow();
    if (eventType != "xcb_generic_event_t" || modal == nullptr) {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_KEY_RELEASE) {
        return false;
    }
    // Qt hands a key to the focus window, else to the server's; a release
    // told of twice does no harm.
    const auto* key = static_cast<const xcb_key_release_event_t*>(message);
    if (blocks(*modal, QGuiApplication::focusWindow()) ||
        blocks(*modal, windowWithId(key->event))) {
        released_(key->detail, key->time);
    }
    return false;
}

}  // namespace diruvari
