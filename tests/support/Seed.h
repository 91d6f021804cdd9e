// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace diruvari::test {

// A seed for a randomised test, printed: a fixed one, so that every run
// repeats the same events, or DIRUVARI_SEED when set.
std::uint32_t testSeed();
std::string seedNote(std::uint32_t seed);

}  // namespace diruvari::test
