// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace diruvari {

// The status the program ends with after a fault.
inline constexpr int faultStatus = 70;

// An impossible state is never repaired on the quiet: one line on standard
// error says what went wrong, and the program stops.
[[noreturn]] void fault(const char* what);
[[noreturn]] inline void fault(const std::string& what) {
    fault(what.c_str());
}

// The exception being handled is a fault; called where it was caught.
[[noreturn]] void faultOnException() noexcept;

// Runs `event`: an exception out of it is a fault, so that none crosses a
// toolkit's frames. Where the program is built without exceptions (the
// page), nothing can throw.
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

// How the program stops once that line is written. By default it ends at
// once with faultStatus; a window layer that must tell the player first, or
// a fuzzer that must keep the input, chooses its own. It must not return.
using FaultStop = void (*)(const char* what);
void setFaultStop(FaultStop stop);

}  // namespace diruvari
