// SPDX-License-Identifier: MIT
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

// What a player calls each colour, in the palette's order.
inline constexpr std::array<const char*, 6> paletteNames = {"Red",    "Green",   "Blue",
                                                            "Yellow", "Magenta", "Cyan"};

}  // namespace diruvari
