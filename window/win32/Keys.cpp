// SPDX-License-Identifier: MIT
#include "window/win32/Keys.h"

namespace diruvari {

namespace {

Key keyOf(WPARAM vk) {
    switch (vk) {
        case VK_LEFT:
            return Key::Left;
        case VK_RIGHT:
            return Key::Right;
        case VK_UP:
            return Key::Up;
        case VK_DOWN:
            return Key::Down;
        case VK_SPACE:
        case VK_RETURN:
            return Key::Activate;
        case VK_ESCAPE:
            return Key::Escape;
        default:
            return Key::Other;
    }
}

// Which of them make a key a shortcut is the host's to decide.
unsigned modifiersHeld() {
    const auto held = [](int vk) { return GetKeyState(vk) < 0; };
    return (held(VK_CONTROL) ? Ctrl : 0U) | (held(VK_MENU) ? Alt : 0U) |
           (held(VK_LWIN) || held(VK_RWIN) ? Meta : 0U) | (held(VK_SHIFT) ? Shift : 0U);
}

}  // namespace

KeyEvent keyEventOf(const MSG& msg) {
    const bool extended = (HIWORD(msg.lParam) & KF_EXTENDED) != 0;
    const int code = static_cast<int>(msg.wParam) | (extended ? keypadCode : 0);
    return {keyOf(msg.wParam), code, static_cast<KeyTime>(msg.time), false, false, modifiersHeld()};
}

}  // namespace diruvari
