// SPDX-License-Identifier: MIT
#include "window/CardName.h"

#include "window/Design.h"
#include "window/Grid.h"
#include "window/Palette.h"

namespace diruvari {

namespace {

std::string colourName(ColorValue color) {
    for (std::size_t r = 0; r < palette.size(); ++r) {
        if (palette.at(r) == color) {
            return paletteNames.at(r);
        }
    }
    // Cards are white only as designed, before the first deal.
    return color == cardDesignColor ? "White" : "Unpainted";
}

}  // namespace

std::string cardName(int k, ColorValue color) {
    return colourName(color) + " card, row " + std::to_string(cardRow(k) + 1) + ", column " +
           std::to_string(cardColumn(k) + 1);
}

}  // namespace diruvari
