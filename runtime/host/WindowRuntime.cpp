// SPDX-License-Identifier: MIT
#include "runtime/host/WindowRuntime.h"

#include <stdexcept>
#include <utility>

namespace diruvari {

WindowRuntime::WindowRuntime(FormWindow& window, std::unique_ptr<RandomSource> random)
    : window_(window), random_(std::move(random)) {
    if (!random_) {
        throw std::invalid_argument("the window runtime needs a source of random numbers");
    }
}

void WindowRuntime::messageBox(const std::string& prompt) {
    window_.showBox(prompt);
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
