// SPDX-License-Identifier: MIT
#include "window/CardState.h"

namespace diruvari {

void CardState::setBackColor(ColorValue color) {
    if (color != color_) {
        color_ = color;
        recoloured();
    }
}

void CardState::setLeft(Twips left) {
    left_ = left;
    moved();
}

void CardState::setTop(Twips top) {
    top_ = top;
    moved();
}

void CardState::markSelected(bool selected) {
    if (selected != selected_) {
        selected_ = selected;
        selectionMarked();
    }
}

}  // namespace diruvari
