#include "FakeRuntime.h"

#include <gtest/gtest.h>

namespace diruvari::test {

void FakeRuntime::randomize() {
    ++reseeds;
    if (generator_) {
        generator_->reseed();
    }
}

float FakeRuntime::nextRandom() {
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

std::optional<float> FakeRuntime::peekRandom() const {
    if (!script.empty() || !generator_) {
        return std::nullopt;
    }
    Generator copy = *generator_;
    return copy.next();
}

void FakeRuntime::messageBox(const std::string& prompt) {
    EXPECT_FALSE(ended) << "message box after the end: " << prompt;
    prompts.push_back(prompt);
    if (whileBoxOpen) {
        whileBoxOpen(prompt);
    }
}

void FakeRuntime::rebuildWindow() {
    EXPECT_FALSE(ended) << "rebuild after the end";
    ++rebuilds;
    window_.unloadForm();
    window_.showForm();
}

void FakeRuntime::end() {
    ended = true;
    throw ProgramEnd{};
}

void FakeRuntime::scriptDraws(const std::vector<int>& indices, int n) {
    for (const int r : indices) {
        script.push_back(drawFor(r, n));
    }
}

float drawFor(int r, int n) {
    return (static_cast<float>(r) + 0.5F) / static_cast<float>(n);
}

}  // namespace diruvari::test
