// SPDX-License-Identifier: MIT
#include "runtime/NumberText.h"

#include <cmath>
#include <limits>

namespace diruvari {

std::string numberText(long long value) {
    std::string digits = std::to_string(value);
    return value < 0 ? digits : " " + digits;
}

std::string integerText(std::int16_t value) {
    return std::to_string(value);
}

namespace {

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// The digits' value, or none for anything but the digits 0-9. Exact while
// the value stays below 2^53, which every card index does by far.
std::optional<double> digitsValue(std::string_view digits) {
    double value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

// Read by hand rather than with std::from_chars, whose floating-point form
// not every standard library has, and never through the C locale, which
// may want a decimal comma.
std::optional<double> textToDouble(std::string_view text) {
    text = trimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    const auto wholeValue = digitsValue(whole);
    const auto fractionValue = digitsValue(fraction);
    if ((whole.empty() && fraction.empty()) || !wholeValue || !fractionValue) {
        return std::nullopt;
    }
    const double value =
        *wholeValue + *fractionValue / std::pow(10.0, static_cast<double>(fraction.size()));
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<std::int16_t> textToInt16(std::string_view text) {
    const auto value = textToDouble(text);
    constexpr auto low = std::numeric_limits<std::int16_t>::min();
    constexpr auto high = std::numeric_limits<std::int16_t>::max();
    if (!value || *value != std::trunc(*value) || *value < low || *value > high) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(*value);
}

}  // namespace diruvari
