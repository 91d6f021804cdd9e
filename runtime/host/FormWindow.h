// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace diruvari {

// The main window as the window runtime drives it: its rebuild, its boxes,
// and whether the player has closed it.
class FormWindow {
  public:
    virtual ~FormWindow() = default;
    // Returns every control to its design; run-time-created cards vanish.
    virtual void unloadForm() = 0;
    // Runs the load event on the design state, then shows the window.
    virtual void showForm() = 0;
    virtual void showBox(const std::string& prompt) = 0;
    // True once the player has closed the window: the program is ending.
    virtual bool closed() const = 0;

  protected:
    FormWindow() = default;
    FormWindow(const FormWindow&) = default;
    FormWindow& operator=(const FormWindow&) = default;
};

}  // namespace diruvari
