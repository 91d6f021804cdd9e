// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>

#include "runtime/RandomSource.h"
#include "runtime/host/Host.h"
#include "window/web/WebWindow.h"

namespace diruvari {

// The game on the page, as long as the page lives.
struct WebGame {
    explicit WebGame(std::unique_ptr<RandomSource> random) : host(window, std::move(random)) {}

    WebWindow window;
    Host host;
};

// The page's wall and monotonic clocks added, in nanoseconds: the C++
// clocks would bring all of <system_error>.
std::uint64_t pageClock();

WebGame& startWebGame(std::unique_ptr<RandomSource> random);

}  // namespace diruvari
