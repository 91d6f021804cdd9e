// SPDX-License-Identifier: MIT
#pragma once

#include <deque>
#include <optional>
#include <vector>

#include "runtime/Generator.h"
#include "runtime/RandomSource.h"

namespace diruvari::test {

// Random numbers from a script. Running out of it fails the test, unless a
// real generator has been given to go on with.
class ScriptedRandom final : public RandomSource {
  public:
    void reseed() override;
    float next() override;

    // Queues numbers that make the next draws give these palette indices
    // with n colours.
    void scriptDraws(const std::vector<int>& indices, int n);
    void useGenerator(Generator generator) { generator_.emplace(std::move(generator)); }
    // The number the next draw will take, when it comes from the generator.
    std::optional<float> peek() const;

    std::deque<float> script;
    int reseeds = 0;

  private:
    std::optional<Generator> generator_;
};

// The random number that draws palette index r out of n colours.
float drawFor(int r, int n);

}  // namespace diruvari::test
