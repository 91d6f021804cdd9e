#include "runtime/WindowRuntime.h"

namespace diruvari {

void WindowRuntime::messageBox(const std::string& prompt) {
    showMessageBox(prompt);
    // Closing the window makes an open box return: the program is ending.
    if (window_.closed()) {
        end();
    }
}

void WindowRuntime::rebuildWindow() {
    window_.unloadForm();
    window_.showForm();
}

void WindowRuntime::end() {
    throw ProgramEnd{};
}

}  // namespace diruvari
