// SPDX-License-Identifier: MIT
// The rules alone: Card_Click with its closing scan on the controls, with a
// recording view, with a real generator. Prints Google Benchmark's table, then
// the summary row.
#include <benchmark/benchmark.h>

#include <random>

#include "FakeGame.h"
#include "Report.h"

namespace {

double clicksPerSecond = 0;

void CardClickWithScan(benchmark::State& state) {
    diruvari::test::FakeGame game;
    game.view.logging = false;
    game.random.useGenerator(diruvari::Generator());
    game.host.start();
    std::mt19937 random(1);
    std::vector<std::int16_t> cards(4096);
    for (auto& k : cards) {
        k = static_cast<std::int16_t>(random() % 16);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        // Each box is answered as it stands, straight to the rules: the time
        // a box stands is the player's, and the host's part is not the rules'.
        diruvari::Task click = game.form.Card_Click(cards[i++ % cards.size()]);
        while (!click.done() && !game.host.ended()) {
            game.view.boxStanding = false;
            click.resume();
        }
        game.view.boxStanding = false;
        game.view.prompts.clear();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(CardClickWithScan);

class Capture final : public benchmark::ConsoleReporter {
  public:
    Capture() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const auto it = run.counters.find("items_per_second");
            if (it != run.counters.end()) {
                clicksPerSecond = it->second.value;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    benchmark::Initialize(&argc, argv);
    Capture reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    diruvari::bench::row("rules: Card_Click with scan, real controls",
                         diruvari::bench::format("%.2f M clicks/s", clicksPerSecond / 1e6), "",
                         true);
    return 0;
}
