// SPDX-License-Identifier: MIT
#pragma once

namespace diruvari {

// The generator in the program, a script in the tests.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    // 0 <= u < 1.
    virtual float next() = 0;

  protected:
    RandomSource() = default;
    RandomSource(const RandomSource&) = default;
    RandomSource& operator=(const RandomSource&) = default;
};

}  // namespace diruvari
