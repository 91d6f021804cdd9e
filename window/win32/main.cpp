// SPDX-License-Identifier: MIT
// The game as a native Windows program: the same rules on a window made
// with the Windows API.
#include <windows.h>

#include "runtime/host/Host.h"
#include "window/win32/Win32MainWindow.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*command*/,
                    int /*show*/) {
    using namespace diruvari;
    // The window is made whole before the host that plays on it.
    Win32MainWindow window;
    if (!window.create()) {
        return 1;
    }
    Host host(window);
    host.start();
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (window.translateKey(msg) || IsDialogMessageW(window.hwnd(), &msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
