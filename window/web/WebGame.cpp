// SPDX-License-Identifier: MIT
#include "window/web/WebGame.h"

#include <emscripten.h>
#include <emscripten/eventloop.h>

#include <cmath>
#include <optional>

#include "runtime/Fault.h"
#include "runtime/host/Keys.h"
#include "window/web/Dom.h"

// clang-format off
EM_JS(double, js_clock_ms, (), { return Date.now() + performance.now(); });
// clang-format on

namespace diruvari {

namespace {

std::unique_ptr<WebGame>& theGame() {
    static std::unique_ptr<WebGame> game;
    return game;
}

// The page's script is outside code: a time it hands over is taken only when
// it is a whole number of microseconds that a KeyTime holds (converting NaN
// or one out of range would be undefined).
std::optional<KeyTime> keyTime(double time) {
    constexpr double limit = 9.0e18;  // below 2^63, and exact as a double
    if (!std::isfinite(time) || time < 0 || time >= limit || time != std::floor(time)) {
        return std::nullopt;
    }
    return static_cast<KeyTime>(time);
}

}  // namespace

std::uint64_t pageClock() {
    return static_cast<std::uint64_t>(js_clock_ms() * 1e6);
}

// A fault on the page: its line is in the console already; the page tells
// the player, and the call that met the fault unwinds to the browser, which
// then calls the program no more.
[[noreturn]] void stopThePage(const char* /*what*/) {
    dom::endWindow(true);
    emscripten_unwind_to_js_event_loop();
}

WebGame& startWebGame(std::unique_ptr<RandomSource> random) {
    setFaultStop(stopThePage);
    theGame() = std::make_unique<WebGame>(std::move(random));
    theGame()->host.start();
    return *theGame();
}

}  // namespace diruvari

// What the page's script calls, one event at a time.
extern "C" {

EMSCRIPTEN_KEEPALIVE void diruvari_card_clicked(int k) {
    if (auto& game = diruvari::theGame()) {
        game->host.cardClicked(k);
    }
}

EMSCRIPTEN_KEEPALIVE void diruvari_box_answered() {
    if (auto& game = diruvari::theGame()) {
        game->host.boxAnswered();
    }
}

EMSCRIPTEN_KEEPALIVE void diruvari_reset_chosen() {
    if (auto& game = diruvari::theGame()) {
        game->host.resetChosen();
    }
}

EMSCRIPTEN_KEEPALIVE void diruvari_layout() {
    if (auto& game = diruvari::theGame()) {
        game->window.layout();
    }
}

// A key down (1) or up (0): `key` is a diruvari::Key, `code` the physical
// key, `time` the event's time in whole microseconds, `modifiers` the
// diruvari::Modifier bits held. What it cannot take is left to the page to
// handle natively. The answer is what the page does, as dom::pageAnswer
// writes it.
EMSCRIPTEN_KEEPALIVE int diruvari_key(int down, int key, int code, double time, int modifiers) {
    using diruvari::KeyAnswer;
    auto& game = diruvari::theGame();
    const auto at = diruvari::keyTime(time);
    if (!game || (down != 0 && down != 1) || key < 0 ||
        key > static_cast<int>(diruvari::Key::Other) || !at) {
        return diruvari::dom::pageAnswer({KeyAnswer::Act::Native});
    }
    constexpr unsigned held = diruvari::Ctrl | diruvari::Alt | diruvari::Meta | diruvari::Shift;
    const diruvari::KeyEvent event{static_cast<diruvari::Key>(key),        code, *at, false, false,
                                   static_cast<unsigned>(modifiers) & held};
    return diruvari::dom::pageAnswer(down != 0 ? game->host.keyDown(event)
                                               : game->host.keyUp(event));
}

EMSCRIPTEN_KEEPALIVE void diruvari_focus_lost() {
    if (auto& game = diruvari::theGame()) {
        game->host.focusLost();
    }
}

}  // extern "C"
