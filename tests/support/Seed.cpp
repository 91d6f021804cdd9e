#include "Seed.h"

#include <cstdlib>
#include <random>

namespace diruvari::test {

std::uint32_t testSeed() {
    if (const char* text = std::getenv("DIRUVARI_SEED")) {
        return static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10));
    }
    return std::random_device{}();
}

std::string seedNote(std::uint32_t seed) {
    return "seed " + std::to_string(seed) + " (rerun with DIRUVARI_SEED=" + std::to_string(seed) +
           ")";
}

}  // namespace diruvari::test
