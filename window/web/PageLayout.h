// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "window/Drawing.h"

namespace diruvari {

// The page's scale from the design's pixels to CSS pixels: 1 on a desktop;
// on a touch screen as large as the window fits inside its border.
double pageScale(bool touchScreen, double viewportWidth, double viewportHeight);

// The sizes that the page's style sheet takes as its variables, in CSS
// pixels, at a drawing's scale: the client area, the menu bar, the window's
// border and whole size, the bevel's line, the focus rectangle's inset and
// the fonts.
struct PageVariable {
    const char* name;
    double pixels;
};
std::array<PageVariable, 10> pageVariables(const Drawing& drawing);

}  // namespace diruvari
