// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "window/Drawing.h"

namespace diruvari {

// The page's scale from the design's pixels to CSS pixels: 1 on a desktop;
// on a touch screen as large as the window fits inside its border.
double pageScale(bool touchScreen, double viewportWidth, double viewportHeight);

// The style sheet's variables, in CSS pixels at a drawing's scale.
struct PageVariable {
    const char* name;
    double pixels;
};
std::array<PageVariable, 10> pageVariables(const Drawing& drawing);

}  // namespace diruvari
