#include "platform/qt_event_pump.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

namespace vx::platform {
namespace {

using namespace std::chrono_literals;

// The original's timers fired again inside a nested pump while their own handler ran;
// the window system's timers do not, so the program's timers must.
TEST(QtEventPump, TimerFiresAgainInsideNestedPumpWhileItsHandlerRuns) {
  SystemClock clock;
  TimerScheduler timers(clock);
  QtEventPump pump(clock, timers);
  pump.AttachMainLoop();
  int entered = 0, depth = 0, maxDepth = 0;
  auto id = timers.Create([&] {
    ++entered;
    ++depth;
    maxDepth = std::max(maxDepth, depth);
    if (entered == 1) {
      const double end = clock.MonotonicSeconds() + 0.3;
      while (clock.MonotonicSeconds() < end) pump.Idle(20ms);
    }
    --depth;
    if (entered >= 4) QCoreApplication::quit();
  });
  timers.SetInterval(id, 50);
  timers.SetEnabled(id, true);
  QTimer::singleShot(3000, [] { QCoreApplication::exit(1); });
  EXPECT_EQ(QCoreApplication::exec(), 0);
  EXPECT_GE(entered, 4);
  EXPECT_EQ(maxDepth, 2);
  timers.Destroy(id);
}

TEST(QtEventPump, IdleWakesForAPostedEventBeforeItsLimit) {
  SystemClock clock;
  TimerScheduler timers(clock);
  QtEventPump pump(clock, timers);
  bool delivered = false;
  QTimer::singleShot(20, [&] { delivered = true; });
  const double start = clock.MonotonicSeconds();
  while (!delivered && clock.MonotonicSeconds() - start < 2.0) pump.Idle(1000ms);
  EXPECT_TRUE(delivered);
  EXPECT_LT(clock.MonotonicSeconds() - start, 0.9);
}

}  // namespace
}  // namespace vx::platform
