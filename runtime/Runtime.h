// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace diruvari {

// Thrown by Runtime::end so that no further game code runs after the final
// win. The host catches it where it handed the event to the game and then
// has the window close the program normally.
struct ProgramEnd {};

// The platform services the game relies on.
class Runtime {
  public:
    virtual ~Runtime() = default;

    // Reseeds the random numbers from the clock.
    virtual void randomize() = 0;
    // The next random number u, 0 <= u < 1.
    virtual float nextRandom() = 0;
    // A modal box with the prompt and an OK button; returns once dismissed.
    virtual void messageBox(const std::string& prompt) = 0;
    // Unloads the main window and shows it again: its controls return to
    // their design, its load event runs, and control comes back here.
    virtual void rebuildWindow() = 0;
    // Stops the program at once by throwing ProgramEnd.
    [[noreturn]] virtual void end() = 0;

  protected:
    Runtime() = default;
    Runtime(const Runtime&) = default;
    Runtime& operator=(const Runtime&) = default;
};

}  // namespace diruvari
