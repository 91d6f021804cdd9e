// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "runtime/ColorValue.h"

namespace diruvari {

// Positions and sizes of the window's layout, 1/1440 inch.
using Twips = float;

// The main window as designed; no window layer writes a figure of its own.
inline constexpr const char* windowCaption = "Diruvari!";
inline constexpr const char* applicationName = "Diruvari";
inline constexpr const char* resetCaption = "Reset";

// The client area; 15 twips make a logical pixel.
inline constexpr int twipsPerInch = 1440;
inline constexpr int logicalPixelsPerInch = 96;
inline constexpr Twips clientWidth = 3960;
inline constexpr Twips clientHeight = 2025;

inline constexpr ColorValue backgroundColor = rgbValue(255, 192, 128);
// Every card is white as designed, until the first deal paints it.
inline constexpr ColorValue cardDesignColor = rgbValue(255, 255, 255);

// A card's raised bevel, bevelWidth logical pixels a line, light at the top
// left and dark at the bottom right; a pressed card swaps each pair.
inline constexpr int bevelWidth = 1;
inline constexpr ColorValue bevelOuterLight = rgbValue(255, 255, 255);
inline constexpr ColorValue bevelInnerLight = rgbValue(223, 223, 223);
inline constexpr ColorValue bevelInnerShadow = rgbValue(128, 128, 128);
inline constexpr ColorValue bevelOuterShadow = rgbValue(0, 0, 0);
// The dotted focus rectangle's inset.
inline constexpr int focusInset = 4;

// The selection frame's outline, centred on the frame's square.
inline constexpr ColorValue frameColor = rgbValue(0, 0, 0);
inline constexpr int ringWidth = 5;
inline constexpr int ringOutside = 2;

struct LabelDesign {
    const char* caption;  // rewritten by the first load before the window shows
    Twips left;
    Twips top;
    Twips width;
    Twips height;
};

// Level, Cards and Colors, in that order.
inline constexpr std::size_t labelCount = 3;
inline constexpr std::array<LabelDesign, labelCount> labelDesigns = {{
    {"Level: 1", 2040, 0, 1695, 495},
    {"Cards: 250", 2040, 600, 1935, 495},
    {"Colors: 4", 2040, 1200, 1935, 495},
}};

// For screen readers where the board is one control (the page's grid).
inline constexpr const char* boardName = "Cards";
inline constexpr const char* boardKeys =
    "Arrow keys move between the cards; Space or Enter selects a card, then pairs it with a "
    "neighbour of the same colour.";

// The page draws its own window border and menu bar, in CSS pixels.
inline constexpr int pageWindowBorder = 1;
inline constexpr int pageMenuBarHeight = 20;
inline constexpr int pageMenuFontSize = 12;

// The labels' face; where it is missing, the bundled blackletter one.
inline constexpr const char* labelFamily = "Rothenburg Decorative";
inline constexpr const char* bundledLabelFamily = "Blankenburg_UNZ1A";
inline constexpr Twips labelFontHeight = 315;
inline constexpr ColorValue labelTextColor = rgbValue(0, 0, 0);
inline constexpr int labelFontWeight = 400;

}  // namespace diruvari
