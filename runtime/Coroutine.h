// SPDX-License-Identifier: MIT
#pragma once

// C++20's coroutine support. Debian's emscripten (clang 14 with its libc++)
// still has it only under std::experimental, as the compiler itself then
// looks for it; its names are brought into std here.
#if __has_include(<coroutine>)
#include <coroutine>
#else
#include <experimental/coroutine>
namespace std {
using std::experimental::coroutine_handle;
using std::experimental::suspend_never;
}  // namespace std
#endif
