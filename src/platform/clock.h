#pragma once
// Time sources. Every wait, timer and duration in the programs reads one of these,
// so tests can run whole flights on virtual time.
#include <chrono>
#include <cstdint>

namespace vx::platform {

struct LocalDateTime {
  int year = 2000, month = 1, day = 1;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Monotonic time in nanoseconds since an arbitrary origin; never goes back.
  virtual std::int64_t MonotonicNanos() const = 0;
  // Local wall-clock date and time.
  virtual LocalDateTime Now() const = 0;

  // Seconds since local midnight, with the millisecond part (the runtime's Timer).
  double SecondsSinceMidnight() const {
    const LocalDateTime t = Now();
    return t.hour * 3600.0 + t.minute * 60.0 + t.second + t.millisecond / 1000.0;
  }
  double MonotonicSeconds() const { return static_cast<double>(MonotonicNanos()) / 1e9; }
  std::int64_t MonotonicMillis() const { return MonotonicNanos() / 1000000; }
};

// The machine's clocks.
class SystemClock final : public Clock {
 public:
  std::int64_t MonotonicNanos() const override;
  LocalDateTime Now() const override;
};

}  // namespace vx::platform
