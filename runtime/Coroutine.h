// SPDX-License-Identifier: MIT
#pragma once

// C++20's coroutine support as diruvari::co. Debian's emscripten (clang 14
// with its libc++) still has it only under std::experimental, where the
// compiler itself then looks for it.
#if __has_include(<coroutine>)
#include <coroutine>
namespace diruvari {
namespace co = std;
}  // namespace diruvari
#else
#include <experimental/coroutine>
namespace diruvari {
namespace co = std::experimental;
}  // namespace diruvari
#endif
