// SPDX-License-Identifier: MIT
#include "window/web/WebGame.h"

#include <emscripten.h>

#include "runtime/host/Keys.h"

// clang-format off
EM_JS(double, js_clock_ms, (), { return Date.now() + performance.now(); });
// clang-format on

namespace diruvari {

namespace {

std::unique_ptr<WebGame>& theGame() {
    static std::unique_ptr<WebGame> game;
    return game;
}

}  // namespace

std::uint64_t pageClock() {
    return static_cast<std::uint64_t>(js_clock_ms() * 1e6);
}

WebGame& startWebGame(std::unique_ptr<RandomSource> random) {
    theGame() = std::make_unique<WebGame>(std::move(random));
    theGame()->host.start();
    return *theGame();
}

}  // namespace diruvari

// What the page's script calls, one event at a time.
extern "C" {

EMSCRIPTEN_KEEPALIVE void diruvari_card_clicked(int k) {
    if (auto& game = diruvari::theGame()) {
        game->window.cardClicked(k);
    }
}

EMSCRIPTEN_KEEPALIVE void diruvari_reset_chosen() {
    if (auto& game = diruvari::theGame()) {
        game->window.resetChosen();
    }
}

// A key down or up: `key` is a diruvari::Key, `time` the event's time in
// microseconds. The answer is what the page does: its act times 16 plus the
// card it names.
EMSCRIPTEN_KEEPALIVE int diruvari_key(int down, int key, int code, double time) {
    auto& game = diruvari::theGame();
    if (!game || key < 0 || key > static_cast<int>(diruvari::Key::Other)) {
        return 0;
    }
    const diruvari::KeyEvent event{static_cast<diruvari::Key>(key), code,
                                   static_cast<diruvari::KeyTime>(time)};
    const diruvari::KeyAnswer answer = game->window.key(down != 0, event);
    return static_cast<int>(answer.act) * 16 + (answer.card >= 0 ? answer.card : 0);
}

EMSCRIPTEN_KEEPALIVE void diruvari_focus_lost() {
    if (auto& game = diruvari::theGame()) {
        game->window.focusLost();
    }
}

}  // extern "C"
