// The game as a native Windows program: the same rules on a window made
// with the Windows API.
#include <windows.h>

#include "game/Form1.h"
#include "runtime/win32/Win32Runtime.h"
#include "window/win32/Win32MainWindow.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*command*/,
                    int /*show*/) {
    using namespace diruvari;
    // The form comes first so that the window can be handed it; it only
    // keeps references to the window and runtime until they are used.
    struct Game {
        Form1 form;
        Win32MainWindow window;
        Win32Runtime runtime;
        Game() : form(window, runtime), window(form), runtime(window) {}
    } game;
    if (!game.window.create()) {
        return 1;
    }
    game.window.showForm();
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (game.window.translateKey(msg) || IsDialogMessageW(game.window.hwnd(), &msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
