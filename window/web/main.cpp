// SPDX-License-Identifier: MIT
// The game in a browser: the same rules on a window that is part of a page.
#include <emscripten.h>

#include "runtime/Generator.h"
#include "window/web/WebGame.h"

int main() {
    // For the benchmark of the time to the first board.
    EM_ASM(performance.mark('main-start'));
    diruvari::startWebGame(std::make_unique<diruvari::Generator>(diruvari::pageClock));
    EM_ASM(performance.mark('main-end'));
    // The page goes on handling the player's events.
    emscripten_exit_with_live_runtime();
}
