#pragma once

#include <array>

#include "window/Controls.h"

namespace diruvari {

// The main window as designed, in twips; both window layers build it from
// these figures.
inline constexpr Twips clientWidth = 3960;
inline constexpr Twips clientHeight = 2025;

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

// The labels' face is 15.75 points high.
inline constexpr Twips labelFontHeight = 315;

}  // namespace diruvari
