// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>

#include "runtime/RandomSource.h"
#include "runtime/host/Host.h"
#include "window/web/WebWindow.h"

namespace diruvari {

// The game on the page: the window, and the host that plays on it. It lives
// as long as the page does, and the page's events reach the host.
struct WebGame {
    explicit WebGame(std::unique_ptr<RandomSource> random) : host(window, std::move(random)) {}

    WebWindow window;
    Host host;
};

// The page's clocks, wall and monotonic, added in nanoseconds: a fresh
// reading at every reseed, read straight from the browser. The C++ clocks
// would bring the whole of <system_error> for failures that cannot happen.
std::uint64_t pageClock();

// Makes the game and starts it; the page's events then reach it.
WebGame& startWebGame(std::unique_ptr<RandomSource> random);

}  // namespace diruvari
