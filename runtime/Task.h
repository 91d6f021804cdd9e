// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <utility>

#include "runtime/Coroutine.h"

namespace diruvari {

// A procedure of the rules that may wait: it runs at once, as a plain call
// does, until it waits for something (a message box's OK), and its caller
// may then wait for it in turn. Whoever holds the outermost task holds the
// whole waiting event: it resumes the innermost wait, or destroys the lot.
//
// The rules run one event at a time and their frames are of few sizes: a
// frame that ends is kept for the next of its size, so that after the first
// events no click allocates.
class Task {
  public:
    struct promise_type {
        // The task that waits for this one to end, if one does.
        std::coroutine_handle<> continuation;

        Task get_return_object() {
            return Task(std::coroutine_handle<promise_type>::from_promise(*this));
        }
        std::suspend_never initial_suspend() noexcept { return {}; }
        auto final_suspend() noexcept { return Finished{}; }
        void return_void() noexcept {}
        // An exception out of a rule is a fault, as it is anywhere else.
        void unhandled_exception() noexcept;

        static void* operator new(std::size_t size);
        static void operator delete(void* frame, std::size_t size) noexcept;
    };

    // An empty task, as good as one that has ended.
    Task() = default;
    Task(Task&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
    Task& operator=(Task&& other) noexcept;
    ~Task();

    bool done() const { return !handle_ || handle_.done(); }

    // A task waits for another by co_await.
    bool await_ready() const noexcept { return done(); }
    void await_suspend(std::coroutine_handle<> waiting) noexcept {
        handle_.promise().continuation = waiting;
    }
    void await_resume() const noexcept {}

  private:
    // At its end a task resumes the task that waited for it. A plain call,
    // not a handover: the page's WebAssembly has no tail calls, and the
    // rules call each other no more than two deep.
    struct Finished {
        bool await_ready() const noexcept { return false; }
        void await_suspend(std::coroutine_handle<promise_type> ending) const noexcept {
            std::coroutine_handle<> next = ending.promise().continuation;
            // Resumed, the waiting task may destroy this one: nothing of it
            // is touched after.
            if (next) {
                next.resume();
            }
        }
        void await_resume() const noexcept {}
    };

    explicit Task(std::coroutine_handle<promise_type> handle) : handle_(handle) {}

    std::coroutine_handle<promise_type> handle_;
};

}  // namespace diruvari
