// SPDX-License-Identifier: MIT
#include "Seed.h"

#include <cstdlib>
#include <iostream>

namespace diruvari::test {

namespace {

// Every run repeats the same events unless DIRUVARI_SEED asks for others.
constexpr std::uint32_t defaultSeed = 20261209;

}  // namespace

std::uint32_t testSeed() {
    std::uint32_t seed = defaultSeed;
    if (const char* text = std::getenv("DIRUVARI_SEED")) {
        seed = static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10));
    }
    std::cout << "seed " << seed << " (set DIRUVARI_SEED to choose another)\n";
    return seed;
}

std::string seedNote(std::uint32_t seed) {
    return "seed " + std::to_string(seed) + " (rerun with DIRUVARI_SEED=" + std::to_string(seed) +
           ")";
}

}  // namespace diruvari::test
