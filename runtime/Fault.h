// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace diruvari {

inline constexpr int faultStatus = 70;

// An impossible state is never repaired on the quiet: one line on standard
// error says what went wrong, and the program stops.
[[noreturn]] void fault(const char* what);
[[noreturn]] inline void fault(const std::string& what) {
    fault(what.c_str());
}

// The exception being handled is a fault; called where it was caught.
[[noreturn]] void faultOnException() noexcept;

// An exception out of `event` is a fault: none crosses a toolkit's frames.
template <typename Event>
decltype(auto) faultOnThrow(Event&& event) {
#if defined(__cpp_exceptions)
    try {
        return event();
    } catch (...) {
        faultOnException();
    }
#else
    return event();
#endif
}

// How the program stops after that line, by default with faultStatus: a
// window that tells the player first, or a fuzzer, sets its own.
using FaultStop = void (*)(const char* what);
void setFaultStop(FaultStop stop);

}  // namespace diruvari
