// SPDX-License-Identifier: MIT
// The game in a browser: the same rules on a window that is part of a page.
// The page calls diruvari_main once the program's runtime is up (pre.js);
// the runtime then lives on, handling the player's events. Returning from a
// C main would end in a thrown exit status, whose unwinding costs the first
// board a millisecond and more.
#include <emscripten.h>

#include "runtime/Generator.h"
#include "window/web/WebGame.h"

extern "C" EMSCRIPTEN_KEEPALIVE void diruvari_main() {
    // For the benchmark of the time to the first board.
    EM_ASM(performance.mark('main-start'));
    diruvari::startWebGame(std::make_unique<diruvari::Generator>(diruvari::pageClock));
    EM_ASM(performance.mark('main-end'));
}
