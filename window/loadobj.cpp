// SPDX-License-Identifier: MIT
#include "window/loadobj.h"

#include "window/Grid.h"

namespace diruvari {

void loadobj(Controls& controls) {
    for (int col = 0; col < gridSize; ++col) {
        for (int row = 0; row < gridSize; ++row) {
            const int k = cardIndex(col, row);
            if (k > 0) {
                controls.loadCard(k);
            }
            CardControl& card = controls.Card(k);
            card.setTop(cardMargin + gridPitch * static_cast<Twips>(row));
            card.setLeft(cardMargin + gridPitch * static_cast<Twips>(col));
            card.setVisible(true);
        }
    }
}

}  // namespace diruvari
