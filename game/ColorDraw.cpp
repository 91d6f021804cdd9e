// SPDX-License-Identifier: MIT
#include "game/ColorDraw.h"

#include <algorithm>
#include <cmath>

namespace diruvari {

int colorDraw(float u, int n) {
    const auto r = static_cast<int>(std::floor(static_cast<double>(u) * n));
    return std::clamp(r, 0, n - 1);
}

}  // namespace diruvari
