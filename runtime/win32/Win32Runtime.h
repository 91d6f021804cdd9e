#pragma once

#include "runtime/Generator.h"
#include "runtime/Runtime.h"
#include "window/win32/Win32MainWindow.h"

namespace diruvari {

// The runtime on the Windows API: message boxes owned by the game's window,
// the rebuild of that window, and the generator.
class Win32Runtime final : public Runtime {
  public:
    explicit Win32Runtime(Win32MainWindow& window) : window_(window) {}

    void randomize() override { generator_.reseed(); }
    float nextRandom() override { return generator_.next(); }
    void messageBox(const std::string& prompt) override;
    void rebuildWindow() override;
    [[noreturn]] void end() override;

  private:
    Win32MainWindow& window_;
    Generator generator_;
};

}  // namespace diruvari
