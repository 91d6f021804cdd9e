// SPDX-License-Identifier: MIT
#pragma once

namespace diruvari {

// The status the program ends with after a fault.
inline constexpr int faultStatus = 70;

// An impossible state is never repaired on the quiet: one line on standard
// error says what went wrong, and the program stops.
[[noreturn]] void fault(const char* what);

// How the program stops once that line is written. By default it ends at
// once with faultStatus; a window layer that must tell the player first, or
// a fuzzer that must keep the input, chooses its own. It must not return.
using FaultStop = void (*)(const char* what);
void setFaultStop(FaultStop stop);

}  // namespace diruvari
