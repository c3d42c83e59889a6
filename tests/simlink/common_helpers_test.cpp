#include "simlink/common_helpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/virtual_time.h"

namespace vx::simlink {
namespace {

using namespace std::chrono_literals;
using platform::RecordingKeyInjector;

// The main program's wait on virtual time: its two flags and a counted round.
class WaitSecondsTest : public ::testing::Test {
 protected:
  WaitHooks Hooks() {
    return {clock, pump, [this] { return flightWindowClosed == 1; }, [this] { return announceAbort == 1; },
            [this] { ++rounds; }};
  }
  double Elapsed() const { return static_cast<double>(clock.MonotonicNanos() - start) / 1e9; }

  platform::VirtualClock clock{{2024, 5, 1, 10, 0, 0, 0}};
  platform::TimerScheduler timers{clock};
  platform::VirtualEventPump pump{clock, timers};
  std::int64_t start = clock.MonotonicNanos();
  int flightWindowClosed = 0;
  int announceAbort = 0;
  int rounds = 0;
};

TEST_F(WaitSecondsTest, EndsJustAfterItsTimeAndRunsEveryRound) {
  EXPECT_TRUE(WaitSeconds(Hooks(), 2.0f));
  EXPECT_GT(Elapsed(), 2.0);
  EXPECT_LT(Elapsed(), 2.0 + 0.02);
  // Idle rounds of at most one round length, each running the round's work.
  EXPECT_GE(rounds, static_cast<int>(2000 / kWaitRound.count()));
  EXPECT_LE(rounds, static_cast<int>(2000 / kWaitRound.count()) + 3);
}

TEST_F(WaitSecondsTest, AbortAlreadySetReturnsTrueAfterOnePump) {
  announceAbort = 1;
  EXPECT_TRUE(WaitSeconds(Hooks(), 10.0f));
  EXPECT_EQ(rounds, 0);
  EXPECT_LE(pump.PumpCount(), 2);
  EXPECT_LT(Elapsed(), 0.01);
}

TEST_F(WaitSecondsTest, AbortDuringTheWaitEndsItAtTheNextRound) {
  pump.After(1200ms, [&] { announceAbort = 1; });
  EXPECT_TRUE(WaitSeconds(Hooks(), 5.0f));
  EXPECT_NEAR(Elapsed(), 1.2, 0.005);
}

TEST_F(WaitSecondsTest, ClosedWindowReturnsFalseAndWinsOverAbortAndTimeUp) {
  flightWindowClosed = 1;
  announceAbort = 1;
  EXPECT_FALSE(WaitSeconds(Hooks(), 1.0f));
  EXPECT_EQ(rounds, 0);

  flightWindowClosed = 0;
  announceAbort = 0;
  // Closed by an event handler in the very pump that also brings the time past its end.
  const auto t0 = clock.MonotonicNanos();
  pump.At(t0 + 1'000'000'000, [&] { flightWindowClosed = 1; });
  EXPECT_FALSE(WaitSeconds(Hooks(), 1.0f));
  EXPECT_GE(clock.MonotonicNanos() - t0, 1'000'000'000);
}

TEST_F(WaitSecondsTest, WaitEndingAtOrAcrossMidnightEndsOnTime) {
  struct Case {
    int hour, minute, second, millisecond;
    float seconds;
    double secondsSinceMidnightAfter;
  };
  const Case cases[] = {
      {23, 59, 58, 500, 3.0f, 1.5},   // 86398.5 s + 3 s
      {23, 59, 57, 0, 3.0f, 0.0},     // ends exactly at midnight
      {23, 59, 59, 999, 0.5f, 0.499},
  };
  for (const auto& c : cases) {
    clock.SetWallClock({2024, 5, 1, c.hour, c.minute, c.second, c.millisecond});
    const auto t0 = clock.MonotonicNanos();
    EXPECT_TRUE(WaitSeconds(Hooks(), c.seconds));
    EXPECT_NEAR(static_cast<double>(clock.MonotonicNanos() - t0) / 1e9, c.seconds, 0.02) << c.second;
    EXPECT_EQ(clock.Now().day, 2);
    EXPECT_NEAR(clock.SecondsSinceMidnight(), c.secondsSinceMidnightAfter, 0.02);
  }
}

TEST_F(WaitSecondsTest, WallClockJumpsDoNotChangeTheWait) {
  pump.After(500ms, [&] { clock.SetWallClock({2024, 5, 1, 9, 0, 0, 0}); });  // set back an hour
  EXPECT_TRUE(WaitSeconds(Hooks(), 1.0f));
  EXPECT_NEAR(Elapsed(), 1.0, 0.02);
}

TEST_F(WaitSecondsTest, ZeroNegativeAndNonNumericWaitsEndAtOnce) {
  for (float s : {0.0f, -5.0f, std::numeric_limits<float>::quiet_NaN()}) {
    const auto t0 = clock.MonotonicNanos();
    EXPECT_TRUE(WaitSeconds(Hooks(), s)) << s;
    EXPECT_LT(clock.MonotonicNanos() - t0, 5'000'000) << s;
  }
}

TEST_F(WaitSecondsTest, TimersKeepFiringDuringTheWait) {
  int ticks = 0;
  const auto id = timers.Create([&] { ++ticks; });
  timers.SetInterval(id, 490);
  timers.SetEnabled(id, true);
  EXPECT_TRUE(WaitSeconds(Hooks(), 2.0f));
  EXPECT_EQ(ticks, 4);
}

TEST_F(WaitSecondsTest, ViewpointProgramWaitsWithoutAnyFlags) {
  EXPECT_TRUE(WaitSeconds(WaitHooks{clock, pump, {}, {}, {}}, 0.5f));
  EXPECT_NEAR(Elapsed(), 0.5, 0.02);
}

TEST(GreatCircleDistance, KnownDistances) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const double halfCircumference = 180.0 * 60.0 * 1852.0;
  struct Case {
    double lat1, lon1, lat2, lon2, metres, tolerance;
  };
  const Case cases[] = {
      {0, 0, 0, 1, 111120.0, 0.01},
      {0, 0, 1, 0, 111120.0, 0.01},
      {35.5494, 139.7798, 35.5494, 139.7798, 0.0, 0.0},  // identical
      {-33.9, 151.2, -33.9, 151.2, 0.0, 0.0},
      {0, 0, 0, 180, halfCircumference, 0.01},  // antipodal
      {45, 10, -45, -170, halfCircumference, 0.01},
      {90, 0, -90, 0, halfCircumference, 0.01},
      {90, 0, 90, 123, 0.0, 0.01},  // the pole at any longitude
      {0, 179.5, 0, -179.5, 111120.0, 0.01},
      {nan, 0, 0, 1, 0.0, 0.0},
      {0, 0, 0, nan, 0.0, 0.0},
      {inf, 0, 0, 1, 0.0, 0.0},
  };
  for (const auto& c : cases) {
    const double d = GreatCircleDistance(c.lat1, c.lon1, c.lat2, c.lon2);
    EXPECT_FALSE(std::isnan(d));
    EXPECT_NEAR(d, c.metres, c.tolerance) << c.lat1 << "," << c.lon1 << " - " << c.lat2 << "," << c.lon2;
  }
  // Haneda to Itami, about 404 km on a sphere of 1852 m per minute of arc.
  EXPECT_NEAR(GreatCircleDistance(35.5533, 139.7811, 34.7855, 135.4382) / 1000.0, 403.6, 1.0);
}

TEST(PressKey, PressAndReleaseThenPump) {
  platform::VirtualClock clock;
  platform::TimerScheduler timers(clock);
  platform::VirtualEventPump pump(clock, timers);
  RecordingKeyInjector keys;
  PressKey(keys, pump, 35);
  EXPECT_EQ(keys.events, (std::vector<RecordingKeyInjector::Event>{{35, true}, {35, false}}));
  EXPECT_EQ(pump.PumpCount(), 1);

  keys.events.clear();
  PressKeyChord(keys, pump, 18, 115);
  EXPECT_EQ(keys.events,
            (std::vector<RecordingKeyInjector::Event>{{18, true}, {115, true}, {115, false}, {18, false}}));
  EXPECT_EQ(pump.PumpCount(), 2);
}

TEST(PressKey, CodesOutsideTheByteRangeDoNothing) {
  platform::VirtualClock clock;
  platform::TimerScheduler timers(clock);
  platform::VirtualEventPump pump(clock, timers);
  RecordingKeyInjector keys;
  for (int code : {-1, 256, 65535, 70000}) {
    PressKey(keys, pump, code);
    PressKeyChord(keys, pump, 18, code);
    PressKeyChord(keys, pump, code, 115);
  }
  EXPECT_TRUE(keys.events.empty());
  EXPECT_EQ(pump.PumpCount(), 0);
  PressKey(keys, pump, 0);
  PressKey(keys, pump, 255);
  EXPECT_EQ(keys.events.size(), 4u);
}

}  // namespace
}  // namespace vx::simlink

namespace vx::simlink {
namespace {

TEST_F(WaitSecondsTest, WaitWhileEndsWhenItsConditionEndsOrOnTheFlagsAndIdlesMeanwhile) {
  bool playing = true;
  pump.After(1000ms, [&] { playing = false; });
  EXPECT_TRUE(WaitWhile(Hooks(), [&] { return playing; }));
  EXPECT_NEAR(Elapsed(), 1.0, 0.016);
  EXPECT_LE(pump.PumpCount(), 2 * (1000 / kWaitRound.count()) + 6) << "idle rounds, not a spin";

  playing = true;
  announceAbort = 1;
  EXPECT_TRUE(WaitWhile(Hooks(), [&] { return playing; }));
  announceAbort = 0;
  pump.After(300ms, [&] { flightWindowClosed = 1; });
  EXPECT_FALSE(WaitWhile(Hooks(), [&] { return playing; }));
}

}  // namespace
}  // namespace vx::simlink
