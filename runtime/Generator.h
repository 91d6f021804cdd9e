// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>

#include "runtime/RandomSource.h"

namespace diruvari {

// The game's random numbers. Reseeding mixes a clock reading into the current
// state instead of replacing it, so two reseeds at the same clock reading
// (two quick restarts) still lead to different numbers.
class Generator final : public RandomSource {
  public:
    using Clock = std::function<std::uint64_t()>;

    // Nanoseconds since the epoch, with the steady clock's added: a fresh
    // reading at every reseed.
    static std::uint64_t systemClock();

    explicit Generator(Clock clock = systemClock);

    void reseed() override;
    // Uniform over the 2^24 single-precision values k / 2^24; never 1.
    float next() override;

  private:
    std::uint64_t nextBits();

    Clock clock_;
    std::uint64_t state_ = 0x6469727576617269ULL;
};

}  // namespace diruvari
