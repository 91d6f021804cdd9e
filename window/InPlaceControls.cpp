// SPDX-License-Identifier: MIT
#include "window/InPlaceControls.h"

#include "window/DesignState.h"

namespace diruvari {

void InPlaceControls::loadCard(int k) {
    resetCardToDesign(Card(k), false);
}

void InPlaceControls::unloadCard(int k) {
    Card(k).setVisible(false);
}

void InPlaceControls::markSelection() {
    const int selected = Frame().selectedCard();
    for (int k = 0; k < cardCount; ++k) {
        Card(k).markSelected(k == selected);
    }
}

}  // namespace diruvari
