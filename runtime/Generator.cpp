// SPDX-License-Identifier: MIT
#include "runtime/Generator.h"

#include <chrono>
#include <utility>

namespace diruvari {

namespace {

// SplitMix64's finaliser: every input bit affects every output bit.
std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31U);
}

constexpr std::uint64_t goldenGamma = 0x9E3779B97F4A7C15ULL;

}  // namespace

std::uint64_t Generator::systemClock() {
    // The steady clock adds its finer ticks where the wall clock counts only
    // milliseconds, as in a browser.
    const auto wall = std::chrono::system_clock::now().time_since_epoch();
    const auto steady = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(wall).count() +
        std::chrono::duration_cast<std::chrono::nanoseconds>(steady).count());
}

Generator::Generator(Clock clock) : clock_(std::move(clock)) {}

void Generator::reseed() {
    state_ = mix(state_ ^ mix(clock_() + goldenGamma));
}

std::uint64_t Generator::nextBits() {
    state_ += goldenGamma;
    return mix(state_);
}

float Generator::next() {
    // The top 24 bits fill a float's mantissa exactly, so the result is
    // k / 2^24 with k < 2^24: the largest is the float just below 1.
    constexpr float scale = 1.0F / 16777216.0F;
    return static_cast<float>(nextBits() >> 40U) * scale;
}

}  // namespace diruvari
