// SPDX-License-Identifier: MIT
// Start-up against the toolkit's floor: runs the floor program and the
// game's first-paint build in turn, each to its first paint, and compares
// the medians of their time to first paint and of their peak memory.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "FirstPaint.h"
#include "Report.h"

namespace {

struct Sample {
    double ms;
    double peakMiB;
};

Sample run(const char* program) {
    int out[2];
    if (pipe(out) != 0) {
        throw std::runtime_error("pipe");
    }
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        // Keep the toolkit's start-up notes out of the table.
        if (const int quiet = open("/dev/null", O_WRONLY); quiet >= 0) {
            dup2(quiet, STDERR_FILENO);
        }
        const std::string now = std::to_string(diruvari::bench::monotonicNs());
        setenv(diruvari::bench::launchVariable, now.c_str(), 1);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[64];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(n));
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || text.empty()) {
        throw std::runtime_error(std::string(program) + " did not reach its first paint");
    }
    return {std::stod(text) / 1e6, static_cast<double>(usage.ru_maxrss) / 1024.0};
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FLOOR GAME [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 21;
    std::vector<double> floorMs, gameMs, floorMiB, gameMiB;
    run(argv[1]);  // warm the page cache for both
    run(argv[2]);
    for (int i = 0; i < runs; ++i) {
        // Interleaved, and in alternating order, so that drifts in the
        // machine's load fall on both alike.
        const bool floorFirst = i % 2 == 0;
        const Sample a = run(floorFirst ? argv[1] : argv[2]);
        const Sample b = run(floorFirst ? argv[2] : argv[1]);
        const Sample& floor = floorFirst ? a : b;
        const Sample& game = floorFirst ? b : a;
        floorMs.push_back(floor.ms);
        gameMs.push_back(game.ms);
        floorMiB.push_back(floor.peakMiB);
        gameMiB.push_back(game.peakMiB);
    }
    using namespace diruvari::bench;
    const double timeRatio = median(gameMs) / median(floorMs);
    const double memoryRatio = median(gameMiB) / median(floorMiB);
    const std::string over = " (" + std::to_string(runs) + " runs)";
    row("start-up: floor, time to first paint", format("%.1f ms", median(floorMs)) + over, "",
        true);
    row("start-up: game, time to first paint", format("%.1f ms", median(gameMs)) + over, "", true);
    row("start-up: time ratio game / floor", format("%.3f", timeRatio), "<= 1.10",
        timeRatio <= 1.10);
    row("start-up: floor, peak resident memory", format("%.1f MiB", median(floorMiB)), "", true);
    row("start-up: game, peak resident memory", format("%.1f MiB", median(gameMiB)), "", true);
    row("start-up: memory ratio game / floor", format("%.3f", memoryRatio), "<= 1.10",
        memoryRatio <= 1.10);
    return 0;
}
