// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "runtime/RandomSource.h"
#include "runtime/Runtime.h"
#include "runtime/host/FormWindow.h"

namespace diruvari {

// The runtime of a real window, whatever its toolkit: the random numbers,
// and the window's rebuild, boxes and end.
class WindowRuntime final : public Runtime {
  public:
    WindowRuntime(FormWindow& window, std::unique_ptr<RandomSource> random);

    void randomize() override { random_->reseed(); }
    float nextRandom() override { return random_->next(); }
    void rebuildWindow() override;

  private:
    bool showBox(const std::string& prompt, std::coroutine_handle<> waiting) override {
        return window_.showBox(prompt, waiting);
    }
    void endProgram() override { window_.endProgram(); }

    FormWindow& window_;
    std::unique_ptr<RandomSource> random_;
};

}  // namespace diruvari
