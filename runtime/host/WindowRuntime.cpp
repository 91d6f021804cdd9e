// SPDX-License-Identifier: MIT
#include "runtime/host/WindowRuntime.h"

#include <utility>

#include "runtime/Fault.h"

namespace diruvari {

WindowRuntime::WindowRuntime(FormWindow& window, std::unique_ptr<RandomSource> random)
    : window_(window), random_(std::move(random)) {
    if (!random_) {
        fault("the window runtime needs a source of random numbers");
    }
}

void WindowRuntime::rebuildWindow() {
    window_.unloadForm();
    window_.showForm();
}

}  // namespace diruvari
