// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "runtime/Coroutine.h"

namespace diruvari {

// The main window as the window runtime drives it: its rebuild, its boxes,
// and the end.
class FormWindow {
  public:
    virtual ~FormWindow() = default;
    // Returns every control to its design; run-time-created cards vanish.
    virtual void unloadForm() = 0;
    // Runs the load event on the design state, then shows the window.
    virtual void showForm() = 0;
    // Shows a box; `waiting` is resumed once it is dismissed. False when it
    // was dismissed before this returned.
    virtual bool showBox(const std::string& prompt, std::coroutine_handle<> waiting) = 0;
    // The end after the final win: no game code runs again.
    virtual void endProgram() = 0;

  protected:
    FormWindow() = default;
    FormWindow(const FormWindow&) = default;
    FormWindow& operator=(const FormWindow&) = default;
};

}  // namespace diruvari
