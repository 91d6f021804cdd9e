// SPDX-License-Identifier: MIT
#include "window/qt/X11KeyRepeat.h"

// The XKB protocol header names a member `explicit`, a keyword in C++.
#define explicit explicit_member
#include <xcb/xkb.h>
#undef explicit

#include <QGuiApplication>
#include <cstdlib>
#include <memory>

namespace diruvari {

bool setDetectableAutoRepeat(bool on) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return false;
    }
    // Qt has already enabled XKB on its connection; a server without XKB
    // answers with an error, and the reply is null.
    constexpr auto flag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    const std::unique_ptr<xcb_xkb_per_client_flags_reply_t, decltype(&std::free)> reply(
        xcb_xkb_per_client_flags_reply(connection,
                                       xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD,
                                                                flag, on ? flag : 0, 0, 0, 0),
                                       nullptr),
        &std::free);
    return reply != nullptr && (reply->value & flag) != 0;
}

}  // namespace diruvari
