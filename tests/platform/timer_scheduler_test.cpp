#include "platform/timer_scheduler.h"

#include <gtest/gtest.h>

#include "platform/virtual_time.h"

namespace vx::platform {
namespace {

using namespace std::chrono_literals;

struct Loop {
  VirtualClock clock;
  TimerScheduler timers{clock};
  VirtualEventPump pump{clock, timers};
};

TEST(TimerScheduler, FiresEveryIntervalAndNotWhenStoppedOrZero) {
  Loop l;
  int ticks = 0;
  auto id = l.timers.Create([&] { ++ticks; });
  l.timers.SetInterval(id, 490);
  l.pump.RunFor(2s);
  EXPECT_EQ(ticks, 0) << "a new timer is disabled";
  l.timers.SetEnabled(id, true);
  l.pump.RunFor(2s);
  EXPECT_EQ(ticks, 4);  // 490, 980, 1470, 1960
  l.timers.SetInterval(id, 0);
  l.pump.RunFor(2s);
  EXPECT_EQ(ticks, 4);
}

TEST(TimerScheduler, FiresAgainInsideItsOwnHandlerWhileThatPumps) {
  Loop l;
  int entered = 0, maxDepth = 0, depth = 0;
  auto id = l.timers.Create([&] {
    ++entered;
    ++depth;
    maxDepth = std::max(maxDepth, depth);
    if (entered == 1) {
      // a long handler that keeps pumping, as a played announcement does
      const auto end = l.clock.MonotonicNanos() + 2'000'000'000;
      while (l.clock.MonotonicNanos() < end) l.pump.Idle(50ms);
    }
    --depth;
  });
  l.timers.SetInterval(id, 490);
  l.timers.SetEnabled(id, true);
  l.pump.RunFor(1s);
  EXPECT_GE(entered, 4);
  EXPECT_EQ(maxDepth, 2);
}

TEST(TimerScheduler, HandlerMayDestroyItsTimerAndOthers) {
  Loop l;
  int a = 0, b = 0;
  TimerScheduler::TimerId idB = 0;
  TimerScheduler::TimerId idA = l.timers.Create([&] {
    ++a;
    l.timers.Destroy(idA);
    l.timers.Destroy(idB);
  });
  idB = l.timers.Create([&] { ++b; });
  for (auto id : {idA, idB}) {
    l.timers.SetInterval(id, 100);
    l.timers.SetEnabled(id, true);
  }
  l.pump.RunFor(1s);
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 0);
  EXPECT_EQ(l.timers.Count(), 0u);
}

}  // namespace
}  // namespace vx::platform
