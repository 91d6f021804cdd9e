// SPDX-License-Identifier: MIT
#include "runtime/Task.h"

#include "runtime/Fault.h"

namespace diruvari {

void Task::promise_type::unhandled_exception() noexcept {
    faultOnException();
}

void Task::promise_type::waitAt(co::coroutine_handle<> rule) {
    for (promise_type* task = this; task != nullptr;
         task = task->caller ? &task->caller.promise() : nullptr) {
        task->waiting = rule;
    }
}

void Task::resume() {
    if (done() || !handle_.promise().waiting) {
        fault("an event was resumed that waits for nothing");
    }
    std::exchange(handle_.promise().waiting, {}).resume();
}

Task& Task::operator=(Task&& other) noexcept {
    if (this != &other) {
        Task old(std::move(*this));
        handle_ = std::exchange(other.handle_, {});
    }
    return *this;
}

Task::~Task() {
    if (handle_) {
        handle_.destroy();
    }
}

}  // namespace diruvari
