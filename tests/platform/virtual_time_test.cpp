#include "platform/virtual_time.h"

#include <gtest/gtest.h>

namespace vx::platform {
namespace {

using namespace std::chrono_literals;

TEST(VirtualClock, WallClockCrossesMidnightAndMonthEnds) {
  VirtualClock c({2024, 2, 29, 23, 59, 59, 500});
  EXPECT_DOUBLE_EQ(c.SecondsSinceMidnight(), 86399.5);
  c.Advance(700ms);
  const auto t = c.Now();
  EXPECT_EQ(t.year, 2024);
  EXPECT_EQ(t.month, 3);
  EXPECT_EQ(t.day, 1);
  EXPECT_EQ(t.hour, 0);
  EXPECT_EQ(t.second, 0);
  EXPECT_EQ(t.millisecond, 200);
  VirtualClock y({2023, 12, 31, 23, 0, 0, 0});
  y.Advance(3600s);
  EXPECT_EQ(y.Now().year, 2024);
  EXPECT_EQ(y.Now().month, 1);
}

TEST(VirtualEventPump, IdleJumpsToTheNextEventAndActionsRunInOrder) {
  VirtualClock clock;
  TimerScheduler timers(clock);
  VirtualEventPump pump(clock, timers);
  std::vector<int> order;
  const auto t0 = clock.MonotonicNanos();
  pump.After(300ms, [&] { order.push_back(2); });
  pump.After(100ms, [&] { order.push_back(1); });
  pump.Idle(1000ms);
  EXPECT_EQ(clock.MonotonicNanos() - t0, 100'000'000);
  pump.Idle(1000ms);
  EXPECT_EQ(order, (std::vector<int>{1, 2}));
  pump.Idle(50ms);
  EXPECT_EQ(clock.MonotonicNanos() - t0, 350'000'000);
}

TEST(VirtualEventPump, EndProgramUnwindsNestedPumps) {
  VirtualClock clock;
  TimerScheduler timers(clock);
  VirtualEventPump pump(clock, timers);
  pump.After(10ms, [&] { pump.EndProgram(3); });
  bool reachedAfter = false;
  EXPECT_THROW(
      {
        for (int i = 0; i < 1000; ++i) pump.Pump();
        reachedAfter = true;
      },
      ProgramEnding);
  EXPECT_FALSE(reachedAfter);
  EXPECT_TRUE(pump.Ended());
  EXPECT_EQ(pump.ExitCode(), 3);
  EXPECT_THROW(pump.Pump(), ProgramEnding);
}

}  // namespace
}  // namespace vx::platform
