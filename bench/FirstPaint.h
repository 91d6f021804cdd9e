// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

class QWidget;

namespace diruvari::bench {

// The harness passes the moment it started a program (CLOCK_MONOTONIC
// nanoseconds) in this environment variable.
inline constexpr const char* launchVariable = "DIRUVARI_LAUNCH_NS";

std::uint64_t monotonicNs();

// Once `widget` has painted for the first time, prints the nanoseconds since
// launch on standard output and quits the application.
void quitAfterFirstPaint(QWidget& widget);

}  // namespace diruvari::bench
