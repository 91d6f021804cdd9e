// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "runtime/RandomSource.h"
#include "runtime/Runtime.h"
#include "runtime/host/FormWindow.h"

namespace diruvari {

// The runtime of a real window, whatever its toolkit: the random numbers,
// the rebuild of the window, the end, and a message box that ends the game
// when the player closed the window while the box stood open.
class WindowRuntime final : public Runtime {
  public:
    WindowRuntime(FormWindow& window, std::unique_ptr<RandomSource> random);

    void randomize() override { random_->reseed(); }
    float nextRandom() override { return random_->next(); }
    void messageBox(const std::string& prompt) override;
    void rebuildWindow() override;
    [[noreturn]] void end() override;

  private:
    FormWindow& window_;
    std::unique_ptr<RandomSource> random_;
};

}  // namespace diruvari
