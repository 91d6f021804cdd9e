// SPDX-License-Identifier: MIT
#pragma once

// C++20's coroutine support, under the program's own names. Debian's
// emscripten (clang 14 with its libc++) still has it only under
// std::experimental, where the compiler itself then looks for it.
#if __has_include(<coroutine>)
#include <coroutine>
namespace diruvari::co {
using std::coroutine_handle;
using std::suspend_never;
}  // namespace diruvari::co
#else
#include <experimental/coroutine>
namespace diruvari::co {
using std::experimental::coroutine_handle;
using std::experimental::suspend_never;
}  // namespace diruvari::co
#endif
