// SPDX-License-Identifier: MIT
#include "ScriptedRandom.h"

#include <gtest/gtest.h>

namespace diruvari::test {

void ScriptedRandom::reseed() {
    ++reseeds;
    if (generator_) {
        generator_->reseed();
    }
}

float ScriptedRandom::next() {
    if (!script.empty()) {
        const float u = script.front();
        script.pop_front();
        return u;
    }
    if (generator_) {
        return generator_->next();
    }
    ADD_FAILURE() << "the scripted random numbers ran out";
    return 0.0F;
}

std::optional<float> ScriptedRandom::peek() const {
    if (!script.empty() || !generator_) {
        return std::nullopt;
    }
    Generator copy = *generator_;
    return copy.next();
}

void ScriptedRandom::scriptDraws(const std::vector<int>& indices, int n) {
    for (const int r : indices) {
        script.push_back(drawFor(r, n));
    }
}

float drawFor(int r, int n) {
    return (static_cast<float>(r) + 0.5F) / static_cast<float>(n);
}

}  // namespace diruvari::test
