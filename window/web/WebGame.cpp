// SPDX-License-Identifier: MIT
#include "window/web/WebGame.h"

#include <emscripten.h>
#include <emscripten/eventloop.h>

#include <cmath>
#include <optional>
#include <type_traits>

#include "runtime/Fault.h"
#include "runtime/host/Keys.h"

// clang-format off
EM_JS(double, js_clock_ms, (), { return Date.now() + performance.now(); });
// clang-format on

// The page's library (page.js).
extern "C" void js_end_window(int stopped);

namespace diruvari {

namespace {

std::unique_ptr<WebGame>& theGame() {
    static std::unique_ptr<WebGame> game;
    return game;
}

// The page's time is taken only as whole microseconds that a KeyTime holds
// (converting NaN or one out of range would be undefined).
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

// A fault's line is in the console: the page tells the player, and the
// call unwinds to the browser, which calls the program no more.
[[noreturn]] void stopThePage(const char* /*what*/) {
    js_end_window(1);
    emscripten_unwind_to_js_event_loop();
}

WebGame& startWebGame(std::unique_ptr<RandomSource> random) {
    setFaultStop(stopThePage);
    theGame() = std::make_unique<WebGame>(std::move(random));
    theGame()->host.start();
    return *theGame();
}

}  // namespace diruvari

namespace {

// An event on the game as it stands; the page then shows what it changed.
template <typename Event>
auto onGame(Event&& event) {
    auto& game = diruvari::theGame();
    if constexpr (std::is_void_v<decltype(event(*game))>) {
        if (game) {
            event(*game);
            game->window.flush();
        }
    } else {
        const auto answer = event(*game);
        game->window.flush();
        return answer;
    }
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void diruvari_card_clicked(int k) {
    onGame([k](diruvari::WebGame& game) { game.host.cardClicked(k); });
}

EMSCRIPTEN_KEEPALIVE void diruvari_box_answered() {
    onGame([](diruvari::WebGame& game) { game.host.boxAnswered(); });
}

EMSCRIPTEN_KEEPALIVE void diruvari_reset_chosen() {
    onGame([](diruvari::WebGame& game) { game.host.resetChosen(); });
}

EMSCRIPTEN_KEEPALIVE void diruvari_focus_lost() {
    onGame([](diruvari::WebGame& game) { game.host.focusLost(); });
}

EMSCRIPTEN_KEEPALIVE void diruvari_layout(double width, double height, int touch) {
    onGame([=](diruvari::WebGame& game) { game.window.layout(width, height, touch != 0); });
}

// A key down (1) or up (0), its time in microseconds; what it cannot take
// is the page's own. The answer is pageAnswer's.
EMSCRIPTEN_KEEPALIVE int diruvari_key(int down, int key, int code, double time, int modifiers) {
    const auto at = diruvari::keyTime(time);
    if (!diruvari::theGame() || (down != 0 && down != 1) || key < 0 ||
        key > static_cast<int>(diruvari::Key::Other) || !at) {
        return diruvari::pageAnswer({diruvari::KeyAnswer::Act::Native});
    }
    constexpr unsigned held = diruvari::Ctrl | diruvari::Alt | diruvari::Meta | diruvari::Shift;
    const diruvari::KeyEvent event{static_cast<diruvari::Key>(key),        code, *at, false, false,
                                   static_cast<unsigned>(modifiers) & held};
    return onGame([&](diruvari::WebGame& game) {
        return diruvari::pageAnswer(down != 0 ? game.host.keyDown(event) : game.host.keyUp(event));
    });
}

}  // extern "C"
