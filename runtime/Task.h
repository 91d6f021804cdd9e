// SPDX-License-Identifier: MIT
#pragma once

#include <utility>

#include "runtime/Coroutine.h"

namespace diruvari {

// A procedure of the rules that may wait: it runs at once, as a plain call
// does, until it waits for something (a message box's OK), and its caller
// may then wait for it in turn. The outermost task is the whole waiting
// event: it knows the rule deep inside it that waits, resumes it, or
// destroys the lot with itself.
class [[nodiscard]] Task {
  public:
    struct promise_type {
        // The task that waits for this one to end, if one does.
        co::coroutine_handle<promise_type> caller;
        // The rule inside this task that waits, while one does.
        co::coroutine_handle<> waiting;

        Task get_return_object() {
            return Task(co::coroutine_handle<promise_type>::from_promise(*this));
        }
        co::suspend_never initial_suspend() noexcept { return {}; }
        auto final_suspend() noexcept { return Finished{}; }
        void return_void() noexcept {}
        // An exception out of a rule is a fault, as it is anywhere else.
        void unhandled_exception() noexcept;
        // The rule waits for something that will resume it: so does every
        // task that waits for this one. Null for what never resumes it.
        void waitAt(co::coroutine_handle<> rule);
    };

    // An empty task, as good as one that has ended.
    Task() = default;
    Task(Task&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
    Task& operator=(Task&& other) noexcept;
    ~Task();

    bool done() const { return !handle_ || handle_.done(); }
    // Resumes the rule that waits; a task that waits for nothing that
    // resumes is a fault.
    void resume();

    // A task waits for another by co_await.
    bool await_ready() const noexcept { return done(); }
    void await_suspend(co::coroutine_handle<promise_type> caller) noexcept {
        handle_.promise().caller = caller;
        caller.promise().waiting = handle_.promise().waiting;
    }
    void await_resume() const noexcept {}

  private:
    // At its end a task resumes the task that waited for it. A plain call,
    // not a handover: the page's WebAssembly has no tail calls, and the
    // rules call each other no more than two deep.
    struct Finished {
        bool await_ready() const noexcept { return false; }
        void await_suspend(co::coroutine_handle<promise_type> ending) const noexcept {
            // Resumed, the waiting task may destroy this one: nothing of it
            // is touched after.
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
