// SPDX-License-Identifier: MIT
// The game in a browser: the same rules on a window that is part of a page.
#include <emscripten.h>

#include "runtime/Generator.h"
#include "window/web/WebGame.h"

int main() {
    // For whoever measures where the time to the first board goes.
    EM_ASM(performance.mark('main-start'));
    diruvari::startWebGame(std::make_unique<diruvari::Generator>(diruvari::pageClock));
    EM_ASM(performance.mark('main-end'));
    // The page goes on handling the player's events: main leaves with the
    // runtime alive, and no exit status is reported.
    emscripten_exit_with_live_runtime();
}
