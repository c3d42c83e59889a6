#pragma once
// Interval timers that keep their own due times on a Clock.
//
// The original's timers fired again inside a nested event pump while their own
// handler was still running; the window system's timers do not. FireDue() is
// called by every pump, nested or not, so a due timer fires wherever the program
// happens to be pumping, re-entering its own handler if that is still running.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "platform/clock.h"

namespace vx::platform {

class TimerScheduler {
 public:
  using TimerId = int;

  explicit TimerScheduler(const Clock& clock) : clock_(clock) {}
  TimerScheduler(const TimerScheduler&) = delete;
  TimerScheduler& operator=(const TimerScheduler&) = delete;

  // A new timer, disabled, interval 0.
  TimerId Create(std::function<void()> handler);
  void Destroy(TimerId id);
  // Interval in milliseconds; 0 stops the timer as the runtime's timer did.
  // Setting the interval or enabling restarts the countdown from now.
  void SetInterval(TimerId id, int milliseconds);
  void SetEnabled(TimerId id, bool enabled);
  int Interval(TimerId id) const;
  bool Enabled(TimerId id) const;

  // Fires every running timer whose due time has come. A fired timer is next due
  // one interval after now (late ticks are not made up).
  void FireDue();
  // Monotonic time of the next due timer, if any timer runs.
  std::optional<std::int64_t> NextDueNanos() const;
  // Called whenever the next due time may have changed (the real loop re-arms its wake-up).
  void SetChangedCallback(std::function<void()> callback) { changed_ = std::move(callback); }
  std::size_t Count() const { return timers_.size(); }

 private:
  struct Entry {
    std::function<void()> handler;
    int intervalMs = 0;
    bool enabled = false;
    std::int64_t dueNanos = 0;
    bool alive = true;
  };
  bool Running(const Entry& e) const { return e.alive && e.enabled && e.intervalMs > 0; }
  void Restart(Entry& e);
  void Changed() {
    if (changed_) changed_();
  }

  const Clock& clock_;
  std::map<TimerId, std::shared_ptr<Entry>> timers_;
  TimerId nextId_ = 1;
  std::function<void()> changed_;
};

}  // namespace vx::platform
