// SPDX-License-Identifier: MIT
#pragma once

#include <utility>

#include "runtime/Coroutine.h"

namespace diruvari {

// A rule that may wait: it runs at once, as a plain call does, until it
// waits (for a box's OK), and its caller may wait for it in turn. The
// outermost task is the waiting event: it knows the rule inside that waits,
// resumes it, or destroys the lot with itself.
class [[nodiscard]] Task {
  public:
    struct promise_type {
        co::coroutine_handle<promise_type> caller;  // the task awaiting this one
        co::coroutine_handle<> waiting;             // the rule inside that waits

        Task get_return_object() {
            return Task(co::coroutine_handle<promise_type>::from_promise(*this));
        }
        co::suspend_never initial_suspend() noexcept { return {}; }
        auto final_suspend() noexcept { return Finished{}; }
        void return_void() noexcept {}
        // An exception out of a rule is a fault, as it is anywhere else.
        void unhandled_exception() noexcept;
        // The rule, or null for what never resumes, is what every task
        // awaiting this one waits at.
        void waitAt(co::coroutine_handle<> rule);
    };

    // An empty task, as good as one that has ended.
    Task() = default;
    Task(Task&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
    Task& operator=(Task&& other) noexcept;
    ~Task();

    bool done() const { return !handle_ || handle_.done(); }
    // A task that waits for nothing that resumes is a fault.
    void resume();

    // A task waits for another by co_await.
    bool await_ready() const noexcept { return done(); }
    void await_suspend(co::coroutine_handle<promise_type> caller) noexcept {
        handle_.promise().caller = caller;
        caller.promise().waiting = handle_.promise().waiting;
    }
    void await_resume() const noexcept {}

  private:
    // At its end a task resumes its caller: a plain call, since the page's
    // WebAssembly has no tail calls and the rules nest two deep at most.
    struct Finished {
        bool await_ready() const noexcept { return false; }
        void await_suspend(co::coroutine_handle<promise_type> ending) const noexcept {
            // The caller may destroy this task: nothing of it is touched after.
            if (auto caller = ending.promise().caller) {
                caller.resume();
            }
        }
        void await_resume() const noexcept {}
    };

    explicit Task(co::coroutine_handle<promise_type> handle) : handle_(handle) {}

    co::coroutine_handle<promise_type> handle_;
};

}  // namespace diruvari
