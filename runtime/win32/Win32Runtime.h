#pragma once

#include "runtime/WindowRuntime.h"
#include "window/win32/Win32MainWindow.h"

namespace diruvari {

// The runtime on the Windows API: its message boxes are MessageBoxes owned
// by the game's window.
class Win32Runtime final : public WindowRuntime {
  public:
    explicit Win32Runtime(Win32MainWindow& window)
        : WindowRuntime(window, Generator()), window_(window) {}

  protected:
    void showMessageBox(const std::string& prompt) override;

  private:
    Win32MainWindow& window_;
};

}  // namespace diruvari
