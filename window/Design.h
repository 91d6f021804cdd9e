// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "runtime/ColorValue.h"

namespace diruvari {

// Positions and sizes of the window's layout, 1/1440 inch.
using Twips = float;

// The main window as designed. Every window layer builds it from these
// figures and from the grid's; none writes a figure of its own.

inline constexpr const char* windowCaption = "Diruvari!";
// Message boxes carry the application's name as their title.
inline constexpr const char* applicationName = "Diruvari";
inline constexpr const char* resetCaption = "Reset";

// The client area, in twips, 1440 to the inch; the window layers map them
// to 96 logical pixels to the inch, 15 twips to a pixel.
inline constexpr int twipsPerInch = 1440;
inline constexpr int logicalPixelsPerInch = 96;
inline constexpr Twips clientWidth = 3960;
inline constexpr Twips clientHeight = 2025;

inline constexpr ColorValue backgroundColor = rgbValue(255, 192, 128);
// Every card is white as designed, until the first deal paints it.
inline constexpr ColorValue cardDesignColor = rgbValue(255, 255, 255);

// The classic raised bevel of a card, bevelWidth logical pixels a line: the
// outer lines light at the top left and dark at the bottom right, then the
// inner ones. A pressed card swaps each pair.
inline constexpr int bevelWidth = 1;
inline constexpr ColorValue bevelOuterLight = rgbValue(255, 255, 255);
inline constexpr ColorValue bevelInnerLight = rgbValue(223, 223, 223);
inline constexpr ColorValue bevelInnerShadow = rgbValue(128, 128, 128);
inline constexpr ColorValue bevelOuterShadow = rgbValue(0, 0, 0);
// The dotted focus rectangle, a bevel's line wide, stands this many logical
// pixels inside the card.
inline constexpr int focusInset = 4;

// The selection frame's outline: black, five logical pixels wide, centred
// on the frame's square (two pixels outside it, its edge, two inside).
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
inline constexpr std::array<LabelDesign, 3> labelDesigns = {{
    {"Level: 1", 2040, 0, 1695, 495},
    {"Cards: 250", 2040, 600, 1935, 495},
    {"Colors: 4", 2040, 1200, 1935, 495},
}};

// The board's name and keys, for screen readers where the board is one
// control of its own (the page's grid).
inline constexpr const char* boardName = "Cards";
inline constexpr const char* boardKeys =
    "Arrow keys move between the cards; Space or Enter selects a card, then pairs it with a "
    "neighbour of the same colour.";

// The page draws its own window frame and menu bar, as a desktop's: the
// frame's border, the bar's height and the size of its items' font, in CSS
// pixels at scale 1. The other toolkits use the system's.
inline constexpr int pageWindowBorder = 1;
inline constexpr int pageMenuBarHeight = 20;
inline constexpr int pageMenuFontSize = 12;

// The labels' face, 15.75 points high, weight 400. Where it is not
// installed, the bundled blackletter face stands in: never a plain one.
inline constexpr const char* labelFamily = "Rothenburg Decorative";
inline constexpr const char* bundledLabelFamily = "Blankenburg_UNZ1A";
inline constexpr Twips labelFontHeight = 315;
inline constexpr ColorValue labelTextColor = rgbValue(0, 0, 0);
inline constexpr int labelFontWeight = 400;

}  // namespace diruvari
