// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

#include "runtime/ColorValue.h"

namespace diruvari {

inline QColor toQColor(ColorValue c) {
    return {redOf(c), greenOf(c), blueOf(c)};
}

}  // namespace diruvari
