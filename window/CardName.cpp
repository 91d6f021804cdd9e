#include "window/CardName.h"

#include "game/Palette.h"
#include "window/Grid.h"

namespace diruvari {

namespace {

std::string colourName(ColorValue color) {
    static const char* const names[] = {"Red", "Green", "Blue", "Yellow", "Magenta", "Cyan"};
    for (std::size_t r = 0; r < palette.size(); ++r) {
        if (palette.at(r) == color) {
            return names[r];
        }
    }
    // Cards are white only as designed, before the first deal.
    return color == rgbValue(255, 255, 255) ? "White" : "Unpainted";
}

}  // namespace

std::string cardName(int k, ColorValue color) {
    return colourName(color) + " card, row " + std::to_string(cardRow(k) + 1) + ", column " +
           std::to_string(cardColumn(k) + 1);
}

}  // namespace diruvari
