// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace diruvari::bench {

// One row of the summary table that scripts/bench prints.
inline void row(const std::string& what, const std::string& measured, const std::string& target,
                bool met) {
    std::printf("| %-44s | %-26s | %-12s | %-4s |\n", what.c_str(), measured.c_str(),
                target.c_str(), met ? "yes" : "NO");
    std::fflush(stdout);
}

inline std::string format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

template <typename T>
T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

}  // namespace diruvari::bench
