#pragma once
// Virtual time for tests: a clock that moves only when told, and an event pump on it
// in which every pump advances time, runs scripted actions and fires due timers.
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>

#include "platform/clock.h"
#include "platform/event_pump.h"
#include "platform/timer_scheduler.h"

namespace vx::platform {

class VirtualClock final : public Clock {
 public:
  explicit VirtualClock(LocalDateTime start = {2000, 1, 1, 12, 0, 0, 0});
  std::int64_t MonotonicNanos() const override { return nanos_; }
  LocalDateTime Now() const override;
  void Advance(std::chrono::nanoseconds d) { nanos_ += d.count() > 0 ? d.count() : 0; }
  void AdvanceTo(std::int64_t monotonicNanos) {
    if (monotonicNanos > nanos_) nanos_ = monotonicNanos;
  }
  // Moves the wall clock (the monotonic clock does not jump).
  void SetWallClock(LocalDateTime t);

 private:
  std::int64_t nanos_ = 1'000'000'000;  // monotonic origin is arbitrary, not zero
  std::int64_t wallOffsetMs_ = 0;       // wall clock in ms since 1970 at monotonic 0
};

class VirtualEventPump final : public EventPump {
 public:
  VirtualEventPump(VirtualClock& clock, TimerScheduler& timers) : clock_(clock), timers_(timers) {}

  // Each Pump() advances the clock by this much (default 1 ms) before handling events.
  void SetPumpStep(std::chrono::nanoseconds step) { step_ = step.count(); }
  // A scripted action, run by the first pump at or after the given monotonic time.
  void At(std::int64_t monotonicNanos, std::function<void()> action);
  void After(std::chrono::nanoseconds delay, std::function<void()> action) {
    At(clock_.MonotonicNanos() + delay.count(), std::move(action));
  }
  // Extra work of every pump, such as letting the window system deliver its events.
  void SetExtraPump(std::function<void()> extra) { extra_ = std::move(extra); }

  void Pump() override;
  void Idle(std::chrono::milliseconds upTo) override;

  // The program's main loop: idles from event to event until `done` holds or `limit`
  // of virtual time has passed. Returns whether `done` held.
  bool RunUntil(const std::function<bool()>& done, std::chrono::nanoseconds limit);
  void RunFor(std::chrono::nanoseconds span);

  std::int64_t PumpCount() const { return pumps_; }
  VirtualClock& Clock() { return clock_; }

 private:
  void HandleDue();
  std::int64_t NextEventNanos() const;

  VirtualClock& clock_;
  TimerScheduler& timers_;
  std::int64_t step_ = 1'000'000;
  std::multimap<std::int64_t, std::function<void()>> actions_;
  std::function<void()> extra_;
  std::int64_t pumps_ = 0;
};

}  // namespace vx::platform
