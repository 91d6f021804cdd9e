// SPDX-License-Identifier: MIT
// The page for the browser tests: the shipped game, with random numbers a
// test can queue and a way to set the form's level. The shipped site does
// not contain it.
#include <emscripten.h>

#include <deque>
#include <memory>

#include "runtime/Generator.h"
#include "window/Palette.h"
#include "window/web/WebGame.h"

namespace {

// `?red` in the page's address: every draw that nothing queued is Red, so
// that a player who cannot see the board knows it.
EM_JS(int, js_all_red, (), { return new URLSearchParams(location.search).has('red') ? 1 : 0; });

// Queued numbers first, then the steady draw or the generator.
class QueuedRandom final : public diruvari::RandomSource {
  public:
    void reseed() override { generator_.reseed(); }
    float next() override {
        if (queue.empty()) {
            return allRed_ ? 0.0F : generator_.next();
        }
        const float u = queue.front();
        queue.pop_front();
        return u;
    }

    std::deque<float> queue;

  private:
    diruvari::Generator generator_;
    bool allRed_ = js_all_red() != 0;
};

QueuedRandom* queued = nullptr;
diruvari::WebGame* game = nullptr;

}  // namespace

extern "C" {

// The next draw gives palette index r out of n colours.
EMSCRIPTEN_KEEPALIVE void diruvari_test_queue_draw(int r, int n) {
    queued->queue.push_back((static_cast<float>(r) + 0.5F) / static_cast<float>(n));
}

EMSCRIPTEN_KEEPALIVE void diruvari_test_set_level(int lvl, int cardsleft) {
    game->host.form().lvl = static_cast<std::int16_t>(lvl);
    game->host.form().cardsleft = static_cast<std::int16_t>(cardsleft);
}

// Paints card k in palette colour r, as a deal would, and shows it.
EMSCRIPTEN_KEEPALIVE void diruvari_test_paint(int k, int r) {
    game->host.controls().Card(k).setBackColor(diruvari::palette.at(static_cast<std::size_t>(r)));
    game->window.flush();
}

}  // extern "C"

extern "C" EMSCRIPTEN_KEEPALIVE void diruvari_main() {
    auto random = std::make_unique<QueuedRandom>();
    queued = random.get();
    game = &diruvari::startWebGame(std::move(random));
}
