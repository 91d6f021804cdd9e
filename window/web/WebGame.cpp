// SPDX-License-Identifier: MIT
#include "window/web/WebGame.h"

#include <emscripten.h>

#include <cmath>
#include <optional>

#include "runtime/host/Keys.h"
#include "window/Controls.h"
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

WebGame& startWebGame(std::unique_ptr<RandomSource> random) {
    theGame() = std::make_unique<WebGame>(std::move(random));
    theGame()->host.start();
    return *theGame();
}

}  // namespace diruvari

// What the page's script calls, one event at a time.
extern "C" {

EMSCRIPTEN_KEEPALIVE void diruvari_card_clicked(int k) {
    if (auto& game = diruvari::theGame(); game && k >= 0 && k < diruvari::Controls::cardCount) {
        game->window.cardClicked(k);
    }
}

EMSCRIPTEN_KEEPALIVE void diruvari_reset_chosen() {
    if (auto& game = diruvari::theGame()) {
        game->window.resetChosen();
    }
}

// A key down (1) or up (0): `key` is a diruvari::Key, `code` the physical
// key, `time` the event's time in whole microseconds, `modifiers` the
// diruvari::Modifier bits held. What it cannot take is left to the page
// (answer 0). The answer is what the page does: its act times
// dom::answerBase plus the card it names.
EMSCRIPTEN_KEEPALIVE int diruvari_key(int down, int key, int code, double time, int modifiers) {
    auto& game = diruvari::theGame();
    const auto at = diruvari::keyTime(time);
    if (!game || (down != 0 && down != 1) || key < 0 ||
        key > static_cast<int>(diruvari::Key::Other) || !at) {
        return 0;
    }
    const diruvari::KeyEvent event{static_cast<diruvari::Key>(key),       code, *at, false, false,
                                   static_cast<unsigned>(modifiers) & 15U};
    const diruvari::KeyAnswer answer = game->window.key(down != 0, event);
    return static_cast<int>(answer.act) * diruvari::dom::answerBase +
           (answer.card >= 0 ? answer.card : 0);
}

EMSCRIPTEN_KEEPALIVE void diruvari_focus_lost() {
    if (auto& game = diruvari::theGame()) {
        game->window.focusLost();
    }
}

}  // extern "C"
