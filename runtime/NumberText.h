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

// Decimal text read back, as the selection tag is. Anything that is not a plain
// decimal number (optional blanks and sign, digits, optional fraction) gives
// no value rather than a guess; the 16-bit reading also gives none for a
// fraction or a value outside the 16-bit range.
std::optional<double> textToDouble(std::string_view text);
std::optional<std::int16_t> textToInt16(std::string_view text);

}  // namespace diruvari
