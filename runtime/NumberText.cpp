// SPDX-License-Identifier: MIT
#include "runtime/NumberText.h"

#include <charconv>
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

}  // namespace

std::optional<double> textToDouble(std::string_view text) {
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    double value = 0;
    const auto* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (error != std::errc{} || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
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
