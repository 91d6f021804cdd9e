#pragma once

#include <cstdint>
#include <string>

namespace diruvari::test {

// A seed for a randomised test: DIRUVARI_SEED when set, so that a failing
// run can be repeated, otherwise a fresh one. Tests print it on failure.
std::uint32_t testSeed();
std::string seedNote(std::uint32_t seed);

}  // namespace diruvari::test
