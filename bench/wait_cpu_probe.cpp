// wait_cpu_probe [seconds]: waits in WaitSeconds on the real event pump and prints the
// CPU time it used; scripts/measure-wait-cpu.sh runs it.
#include <cstdio>
#include <cstdlib>

#include "wait_cpu.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  const float seconds = argc > 1 ? std::strtof(argv[1], nullptr) : 10.0f;
  const auto use = vx::bench::MeasureWait(seconds);
  std::printf("wall %.3f s, cpu %.4f s, %.3f%% of one core\n", use.wallSeconds, use.cpuSeconds,
              use.PercentOfOneCore());
  return 0;
}
