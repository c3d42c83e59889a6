// One ReadSimulatorState batch (53 variables and every derivation) against a running
// fs-standin. The "median_us" counter is the median round trip of the single batches.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "platform/standin_link.h"
#include "simlink/simulator_link.h"
#include "state/pro_context.h"
#include "support/standin_process.h"

namespace {

void BM_ReadSimulatorState(benchmark::State& state) {
  vx::test::StandinProcess standin({"--time-scale", "0"});
  vx::platform::StandinWindowFinder finder(standin.Folder(), standin.Prefix());
  vx::platform::StandinSimIpcClient client(finder);
  auto pro = std::make_unique<vx::state::ProContext>();
  pro->svc.sim = &client;
  pro->svc.simWindows = &finder;
  if (!vx::simlink::ConnectSimulator(*pro)) {
    state.SkipWithError("no simulator stand-in");
    return;
  }
  std::vector<double> micros;
  micros.reserve(100000);
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    vx::simlink::ReadSimulatorState(*pro);
    micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    benchmark::DoNotOptimize(pro->sim.FuelTotals);
  }
  std::nth_element(micros.begin(), micros.begin() + static_cast<std::ptrdiff_t>(micros.size() / 2), micros.end());
  state.counters["median_us"] = micros.empty() ? 0 : micros[micros.size() / 2];
}
BENCHMARK(BM_ReadSimulatorState)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
