#pragma once

#include <cstdint>
#include <functional>

namespace diruvari {

// The game's random numbers. Reseeding mixes a clock reading into the current
// state instead of replacing it, so two reseeds at the same clock reading
// (two quick restarts) still lead to different numbers.
class Generator {
  public:
    using Clock = std::function<std::uint64_t()>;

    // Nanoseconds since the epoch: a fresh reading at every reseed.
    static std::uint64_t systemClock();

    explicit Generator(Clock clock = systemClock);

    void reseed();
    // Uniform over the 2^24 single-precision values k / 2^24; never 1.
    float next();

  private:
    std::uint64_t nextBits();

    Clock clock_;
    std::uint64_t state_ = 0x6469727576617269ULL;
};

}  // namespace diruvari
