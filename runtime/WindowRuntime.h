#pragma once

#include <string>
#include <utility>

#include "runtime/Generator.h"
#include "runtime/Runtime.h"
#include "window/Controls.h"

namespace diruvari {

// The runtime of a real window, whatever its toolkit: the generator, the
// rebuild of the window, the end, and a message box that ends the game when
// the player closed the window while the box stood open. A toolkit supplies
// the box itself.
class WindowRuntime : public Runtime {
  public:
    WindowRuntime(FormWindow& window, Generator generator)
        : window_(window), generator_(std::move(generator)) {}

    void randomize() final { generator_.reseed(); }
    float nextRandom() final { return generator_.next(); }
    void messageBox(const std::string& prompt) final;
    void rebuildWindow() final;
    [[noreturn]] void end() final;

  protected:
    // Shows a modal box with the prompt and an OK button until it is dismissed.
    virtual void showMessageBox(const std::string& prompt) = 0;

  private:
    FormWindow& window_;
    Generator generator_;
};

}  // namespace diruvari
