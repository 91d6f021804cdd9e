// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace diruvari {

// Decimal text of a number as every label and message shows it: zero and
// positive numbers carry one leading blank (" 15", " 0"), negative ones a
// minus sign ("-1").
std::string numberText(long long value);

// Decimal text of a 16-bit integer with no blank, as the selection tag holds it.
std::string integerText(std::int16_t value);

// Decimal text read back, as the tag is: anything but blanks, a sign,
// digits and a fraction gives no value, as does an out-of-range 16-bit one.
std::optional<double> textToDouble(std::string_view text);
std::optional<std::int16_t> textToInt16(std::string_view text);

}  // namespace diruvari
