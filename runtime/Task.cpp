// SPDX-License-Identifier: MIT
#include "runtime/Task.h"

#include <array>
#include <new>

#include "runtime/Fault.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define DIRUVARI_ASAN 1
#endif
#elif defined(__SANITIZE_ADDRESS__)
#define DIRUVARI_ASAN 1
#endif
#if defined(DIRUVARI_ASAN)
#include <sanitizer/asan_interface.h>
#endif

namespace diruvari {

namespace {

// The frames that have ended, kept for the next of their size. A kept frame
// is out of bounds to AddressSanitizer until it is handed out again.
struct KeptFrame {
    KeptFrame* next;
};
struct Shelf {
    std::size_t size = 0;
    KeptFrame* frames = nullptr;
};
std::array<Shelf, 8> shelves;

void keepOutOfBounds([[maybe_unused]] void* frame, [[maybe_unused]] std::size_t size) {
#if defined(DIRUVARI_ASAN)
    ASAN_POISON_MEMORY_REGION(frame, size);
#endif
}

void bringBack([[maybe_unused]] void* frame, [[maybe_unused]] std::size_t size) {
#if defined(DIRUVARI_ASAN)
    ASAN_UNPOISON_MEMORY_REGION(frame, size);
#endif
}

}  // namespace

void* Task::promise_type::operator new(std::size_t size) {
    for (Shelf& shelf : shelves) {
        if (shelf.size == size && shelf.frames != nullptr) {
            KeptFrame* frame = shelf.frames;
            bringBack(frame, size);
            shelf.frames = frame->next;
            return frame;
        }
    }
    return ::operator new(size);
}

void Task::promise_type::operator delete(void* frame, std::size_t size) noexcept {
    for (Shelf& shelf : shelves) {
        if (shelf.size == size || shelf.size == 0) {
            shelf.size = size;
            shelf.frames = ::new (frame) KeptFrame{shelf.frames};
            keepOutOfBounds(frame, size);
            return;
        }
    }
    ::operator delete(frame);
}

void Task::promise_type::unhandled_exception() noexcept {
    faultOnException();
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
