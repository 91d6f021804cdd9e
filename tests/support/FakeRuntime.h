#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "runtime/Generator.h"
#include "runtime/Runtime.h"
#include "window/Controls.h"

namespace diruvari::test {

// The runtime with scripted random numbers, recorded message boxes and a
// rebuild that drives a FormWindow. Running out of scripted numbers fails the
// test unless a real generator has been given to go on with.
class FakeRuntime final : public Runtime {
  public:
    explicit FakeRuntime(FormWindow& window) : window_(window) {}

    void randomize() override;
    float nextRandom() override;
    void messageBox(const std::string& prompt) override;
    void rebuildWindow() override;
    [[noreturn]] void end() override;

    // Queues numbers that make the next draws give these palette indices
    // with n colours.
    void scriptDraws(const std::vector<int>& indices, int n);
    void useGenerator(Generator generator) { generator_.emplace(std::move(generator)); }
    // The number the next draw will take, when it comes from the generator.
    std::optional<float> peekRandom() const;

    std::deque<float> script;
    std::vector<std::string> prompts;
    // Called inside each message box, while it is "open".
    std::function<void(const std::string&)> whileBoxOpen;
    int reseeds = 0;
    int rebuilds = 0;
    bool ended = false;

  private:
    FormWindow& window_;
    std::optional<Generator> generator_;
};

// The random number that draws palette index r out of n colours.
float drawFor(int r, int n);

}  // namespace diruvari::test
