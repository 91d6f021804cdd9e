// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRect>

#include "runtime/ColorValue.h"
#include "window/Drawing.h"

namespace diruvari {

inline QColor toQColor(ColorValue c) {
    return {redOf(c), greenOf(c), blueOf(c)};
}

inline QRect toQRect(const PixelRect& r) {
    return {r.left, r.top, r.width, r.height};
}

}  // namespace diruvari
