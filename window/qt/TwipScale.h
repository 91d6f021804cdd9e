// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <cmath>

#include "window/Controls.h"
#include "window/Design.h"

namespace diruvari {

// The layout is in twips at 96 logical pixels to the inch, 15 twips to a
// pixel; Qt then scales logical pixels to the screen. Qt's logical DPI is not
// used: it is 72 on some platforms and would shrink the window.
inline constexpr double twipsPerPixel = static_cast<double>(twipsPerInch) / logicalPixelsPerInch;

inline int toPixels(Twips twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}

inline QRect twipRect(Twips left, Twips top, Twips width, Twips height) {
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

}  // namespace diruvari
