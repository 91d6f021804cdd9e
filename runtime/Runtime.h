// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "runtime/Task.h"

namespace diruvari {

// The platform services the game relies on.
class Runtime {
  public:
    // What the rules wait on: a box until its OK, and the end, forever.
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

    // Reseeds from the clock; then 0 <= u < 1.
    virtual void randomize() = 0;
    virtual float nextRandom() = 0;
    Box messageBox(std::string prompt) { return {*this, std::move(prompt)}; }
    // The controls return to their design and the load event runs again.
    virtual void rebuildWindow() = 0;
    End end() { return {*this}; }

  protected:
    Runtime() = default;
    Runtime(const Runtime&) = default;
    Runtime& operator=(const Runtime&) = default;

    virtual void showBox(const std::string& prompt) = 0;
    virtual void endProgram() = 0;
};

}  // namespace diruvari
