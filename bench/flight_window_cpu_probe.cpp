// flight_window_cpu_probe [seconds]: opens the real flight window against a running
// fs-standin, lets the program's main loop run its heartbeat with no announcement
// playing, and prints the CPU time the program used; scripts/measure-flight-window-cpu.sh
// runs it.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "support/real_flight_program.h"
#include "support/standin_process.h"
#include "support/temp_dir.h"
#include "wait_cpu.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  const double seconds = argc > 1 ? std::strtod(argv[1], nullptr) : 10.0;

  vx::test::StandinProcess standin({"--start", "2024-05-01 09:30:00"});
  vx::test::TempDir base;
  int exitCode = 0;
  {
    vx::test::RealFlightProgram program(standin, base.Path());
    program.window->OpenFlightWindow();
    if (!program.window->Loaded() || !program.window->Timer2.Running()) {
      std::fprintf(stderr, "the flight window did not start\n");
      return 1;
    }
    // The program's own main loop, as it idles between heartbeats.
    program.pump.AttachMainLoop();
    int ticksBefore = 0;
    QTimer::singleShot(1000, [&] { ticksBefore = 1; });  // one second to settle
    while (ticksBefore == 0) app.processEvents(QEventLoop::WaitForMoreEvents);

    // One request of the empty ground step, so that the heartbeat is seen to serve.
    program.pro.engine.AnnounceRequest = 17;
    const double cpu0 = vx::bench::ProcessCpuSeconds();
    const double wall0 = program.clock.MonotonicSeconds();
    // exit, not quit: quitting first asks every window to close.
    QTimer::singleShot(static_cast<int>(seconds * 1000), Qt::PreciseTimer, &app, [] { QCoreApplication::exit(0); });
    app.exec();
    const vx::bench::CpuUse use{vx::bench::ProcessCpuSeconds() - cpu0, program.clock.MonotonicSeconds() - wall0};
    if (program.pro.engine.FlightWindowClosed || !program.boxes.shown.empty() ||
        program.pro.flight.GroundStep != 8) {
      std::fprintf(stderr, "the heartbeat did not serve\n");
      exitCode = 1;
    }
    std::printf("wall %.3f s, cpu %.4f s, %.3f%% of one core\n", use.wallSeconds, use.cpuSeconds,
                use.PercentOfOneCore());
  }
  return exitCode;
}
