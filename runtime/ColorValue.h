// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace diruvari {

// A 24-bit colour packed as red + 256 * green + 65536 * blue. Two cards match
// exactly when their colour values are equal.
using ColorValue = std::int32_t;

constexpr ColorValue rgbValue(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}

constexpr int redOf(ColorValue c) {
    return c & 0xFF;
}
constexpr int greenOf(ColorValue c) {
    return (c >> 8) & 0xFF;
}
constexpr int blueOf(ColorValue c) {
    return (c >> 16) & 0xFF;
}

}  // namespace diruvari
