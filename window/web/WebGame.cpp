// SPDX-License-Identifier: MIT
#include "window/web/WebGame.h"

#include <emscripten.h>

#include "window/Grid.h"

namespace diruvari {

namespace {

std::unique_ptr<WebGame>& theGame() {
    static std::unique_ptr<WebGame> game;
    return game;
}

}  // namespace

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

// The card an arrow key leads to from card k, or -1 past the board's edge.
EMSCRIPTEN_KEEPALIVE int diruvari_neighbour(int k, int step) {
    if (k < 0 || k >= diruvari::Controls::cardCount || step < 0 || step > 3) {
        return -1;
    }
    return diruvari::neighbourCard(k, static_cast<diruvari::Step>(step));
}

}  // extern "C"
