#pragma once

#include <array>

#include "runtime/ColorValue.h"

namespace diruvari {

// The six card colours; a level with n colours plays the first n.
inline constexpr std::array<ColorValue, 6> palette = {
    rgbValue(255, 0, 0),    // red
    rgbValue(0, 255, 0),    // green
    rgbValue(0, 0, 255),    // blue
    rgbValue(255, 255, 0),  // yellow
    rgbValue(255, 0, 255),  // magenta
    rgbValue(0, 255, 255),  // cyan
};

// The palette index for a random number u in [0, 1) and n colours: floor(u * n),
// kept within 0 to n - 1 whatever the rounding of the product, so that no
// number the generator returns can index past the palette.
int colorDraw(float u, int n);

}  // namespace diruvari
