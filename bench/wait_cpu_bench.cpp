// CPU use of a program idling in WaitSeconds on the real event pump (short waits; the
// ten-second measurement is scripts/measure-wait-cpu.sh).
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "wait_cpu.h"

namespace {

void BM_WaitSecondsCpuUse(benchmark::State& state) {
  double cpu = 0, wall = 0;
  for (auto _ : state) {
    const auto use = vx::bench::MeasureWait(0.25f);
    cpu += use.cpuSeconds;
    wall += use.wallSeconds;
  }
  state.counters["cpu_percent_of_core"] = wall > 0 ? cpu / wall * 100.0 : 0;
}
BENCHMARK(BM_WaitSecondsCpuUse)->Iterations(2)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
