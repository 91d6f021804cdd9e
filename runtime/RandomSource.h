// SPDX-License-Identifier: MIT
#pragma once

namespace diruvari {

// Where the game's random numbers come from: the generator in the program,
// a script in the tests.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // Reseeds from the clock.
    virtual void reseed() = 0;
    // The next number u, 0 <= u < 1.
    virtual float next() = 0;

  protected:
    RandomSource() = default;
    RandomSource(const RandomSource&) = default;
    RandomSource& operator=(const RandomSource&) = default;
};

}  // namespace diruvari
