// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>

#include "runtime/RandomSource.h"

namespace diruvari {

// The game's random numbers. A reseed mixes the clock into the state, so
// two reseeds at one reading (two quick restarts) still differ.
class Generator final : public RandomSource {
  public:
    using Clock = std::function<std::uint64_t()>;

    // Nanoseconds, the steady clock's added: fresh at every reseed.
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
