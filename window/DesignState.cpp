// SPDX-License-Identifier: MIT
#include "window/DesignState.h"

#include "window/Design.h"
#include "window/Grid.h"

namespace diruvari {

void resetCardToDesign(CardControl& card, bool visible) {
    card.setVisible(visible);
    card.setBackColor(cardDesignColor);
    card.setLeft(cardMargin);
    card.setTop(cardMargin);
}

void returnToDesign(Controls& controls) {
    for (int k = 1; k < Controls::cardCount; ++k) {
        controls.unloadCard(k);
    }
    resetCardToDesign(controls.Card(0), true);
    FrameControl& frame = controls.Frame();
    frame.setVisible(false);
    frame.setLeft(0);
    frame.setTop(0);
    frame.setTag("");
    controls.Level().setCaption(labelDesigns[0].caption);
    controls.Cards().setCaption(labelDesigns[1].caption);
    controls.Colors().setCaption(labelDesigns[2].caption);
}

}  // namespace diruvari
