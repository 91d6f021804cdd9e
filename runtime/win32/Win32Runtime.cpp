#include "runtime/win32/Win32Runtime.h"

namespace diruvari {

void Win32Runtime::showMessageBox(const std::string& prompt) {
    MessageBoxW(window_.hwnd(), widen(prompt).c_str(), L"Diruvari", MB_OK);
}

}  // namespace diruvari
