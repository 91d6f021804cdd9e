// SPDX-License-Identifier: MIT
// The game in a browser. The page calls diruvari_main once the runtime is up
// (pre.js) and the runtime lives on: a returning C main would throw its exit.
#include <emscripten.h>

#include "runtime/Generator.h"
#include "window/web/WebGame.h"

extern "C" EMSCRIPTEN_KEEPALIVE void diruvari_main() {
    EM_ASM(performance.mark('main-start'));
    diruvari::startWebGame(std::make_unique<diruvari::Generator>(diruvari::pageClock));
    EM_ASM(performance.mark('main-end'));
}
