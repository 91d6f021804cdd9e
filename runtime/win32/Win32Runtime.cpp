#include "runtime/win32/Win32Runtime.h"

namespace diruvari {

void Win32Runtime::messageBox(const std::string& prompt) {
    MessageBoxW(window_.hwnd(), widen(prompt).c_str(), L"Diruvari", MB_OK);
    // The player closed the window while the box was open.
    if (window_.closed()) {
        end();
    }
}

void Win32Runtime::rebuildWindow() {
    window_.unloadForm();
    window_.showForm();
}

void Win32Runtime::end() {
    throw ProgramEnd{};
}

}  // namespace diruvari
