// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "runtime/Task.h"

namespace diruvari {

// The platform services the game relies on.
class Runtime {
  public:
    // What the rules wait on: a message box until the player has pressed OK,
    // and the end after the final win, which never comes back.
    struct Box {
        Runtime& runtime;
        std::string prompt;
        bool await_ready() const noexcept { return false; }
        void await_suspend(co::coroutine_handle<Task::promise_type> rule) {
            rule.promise().waitAt(rule);
            runtime.showBox(prompt);
        }
        void await_resume() const noexcept {}
    };
    struct End {
        Runtime& runtime;
        bool await_ready() const noexcept { return false; }
        void await_suspend(co::coroutine_handle<Task::promise_type> rule) {
            rule.promise().waitAt({});
            runtime.endProgram();
        }
        void await_resume() const noexcept {}
    };

    virtual ~Runtime() = default;

    // Reseeds the random numbers from the clock.
    virtual void randomize() = 0;
    // The next random number u, 0 <= u < 1.
    virtual float nextRandom() = 0;
    // A modal box with the prompt and an OK button; the rules co_await it,
    // and go on once it is dismissed.
    Box messageBox(std::string prompt) { return {*this, std::move(prompt)}; }
    // Unloads the main window and shows it again: its controls return to
    // their design, its load event runs, and control comes back here.
    virtual void rebuildWindow() = 0;
    // Stops the program at once: the rules co_await it, and no game code
    // runs after it.
    End end() { return {*this}; }

  protected:
    Runtime() = default;
    Runtime(const Runtime&) = default;
    Runtime& operator=(const Runtime&) = default;

    // Shows the box; the event that waits for it is resumed once the player
    // has dismissed it.
    virtual void showBox(const std::string& prompt) = 0;
    // The end: the rule that awaited it is never resumed.
    virtual void endProgram() = 0;
};

}  // namespace diruvari
