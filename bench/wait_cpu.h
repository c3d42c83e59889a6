#pragma once
// Runs one WaitSeconds on the real Qt event pump, as a program waiting inside its flight
// window's timer would, and reports the process's CPU time against the wall time.
#include <QApplication>
#include <QWidget>
#include <sys/resource.h>

#include "platform/clock.h"
#include "platform/qt_event_pump.h"
#include "platform/timer_scheduler.h"
#include "simlink/common_helpers.h"

namespace vx::bench {

struct CpuUse {
  double cpuSeconds = 0;
  double wallSeconds = 0;
  double PercentOfOneCore() const { return wallSeconds > 0 ? cpuSeconds / wallSeconds * 100.0 : 0; }
};

inline double ProcessCpuSeconds() {
  rusage ru{};
  getrusage(RUSAGE_SELF, &ru);
  return static_cast<double>(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) +
         static_cast<double>(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
}

// A shown window, a 490 ms heartbeat timer and a wait with every hook of the main program.
inline CpuUse MeasureWait(float seconds) {
  platform::SystemClock clock;
  platform::TimerScheduler timers(clock);
  platform::QtEventPump pump(clock, timers);
  QWidget window;
  window.resize(320, 200);
  window.show();
  int ticks = 0, rounds = 0;
  const auto heartbeat = timers.Create([&] { ++ticks; });
  timers.SetInterval(heartbeat, 490);
  timers.SetEnabled(heartbeat, true);
  int flightWindowClosed = 0, announceAbort = 0;
  const simlink::WaitHooks hooks{clock, pump, [&] { return flightWindowClosed == 1; },
                                 [&] { return announceAbort == 1; }, [&] { ++rounds; }};
  const double cpu0 = ProcessCpuSeconds();
  const double wall0 = clock.MonotonicSeconds();
  simlink::WaitSeconds(hooks, seconds);
  CpuUse use{ProcessCpuSeconds() - cpu0, clock.MonotonicSeconds() - wall0};
  timers.Destroy(heartbeat);
  return use;
}

}  // namespace vx::bench
