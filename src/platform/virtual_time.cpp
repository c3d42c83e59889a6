#include "platform/virtual_time.h"

#include <algorithm>

#include "platform/civil_date.h"

namespace vx::platform {
namespace {

std::int64_t ToEpochMs(const LocalDateTime& t) {
  return ((DaysFromCivil(t.year, t.month, t.day) * 24 + t.hour) * 60 + t.minute) * 60000LL +
         t.second * 1000LL + t.millisecond;
}

}  // namespace

VirtualClock::VirtualClock(LocalDateTime start) { SetWallClock(start); }

void VirtualClock::SetWallClock(LocalDateTime t) { wallOffsetMs_ = ToEpochMs(t) - nanos_ / 1000000; }

LocalDateTime VirtualClock::Now() const {
  const std::int64_t ms = wallOffsetMs_ + nanos_ / 1000000;
  std::int64_t days = ms / 86400000;
  std::int64_t rest = ms % 86400000;
  if (rest < 0) {
    rest += 86400000;
    --days;
  }
  LocalDateTime t;
  CivilFromDays(days, t.year, t.month, t.day);
  t.hour = static_cast<int>(rest / 3600000);
  t.minute = static_cast<int>(rest / 60000 % 60);
  t.second = static_cast<int>(rest / 1000 % 60);
  t.millisecond = static_cast<int>(rest % 1000);
  return t;
}

void VirtualEventPump::At(std::int64_t monotonicNanos, std::function<void()> action) {
  actions_.emplace(monotonicNanos, std::move(action));
}

void VirtualEventPump::HandleDue() {
  ++pumps_;
  for (;;) {
    auto it = actions_.begin();
    if (it == actions_.end() || it->first > clock_.MonotonicNanos()) break;
    auto action = std::move(it->second);
    actions_.erase(it);
    action();
  }
  if (extra_) extra_();
  if (!Ended()) timers_.FireDue();
  ThrowIfEnded();
}

void VirtualEventPump::Pump() {
  ThrowIfEnded();
  clock_.Advance(std::chrono::nanoseconds(step_));
  HandleDue();
}

std::int64_t VirtualEventPump::NextEventNanos() const {
  std::int64_t next = INT64_MAX;
  if (!actions_.empty()) next = actions_.begin()->first;
  if (auto t = timers_.NextDueNanos()) next = std::min(next, *t);
  return next;
}

void VirtualEventPump::Idle(std::chrono::milliseconds upTo) {
  ThrowIfEnded();
  const std::int64_t limit = clock_.MonotonicNanos() + std::max<std::int64_t>(upTo.count(), 0) * 1000000;
  const std::int64_t target = std::min(limit, std::max(NextEventNanos(), clock_.MonotonicNanos()));
  clock_.AdvanceTo(target);
  HandleDue();
}

bool VirtualEventPump::RunUntil(const std::function<bool()>& done, std::chrono::nanoseconds limit) {
  const std::int64_t end = clock_.MonotonicNanos() + limit.count();
  while (!done()) {
    if (Ended()) return false;
    const std::int64_t next = NextEventNanos();
    if (next > end) {
      clock_.AdvanceTo(end);
      return done();
    }
    clock_.AdvanceTo(std::max(next, clock_.MonotonicNanos()));
    try {
      HandleDue();
    } catch (const ProgramEnding&) {
      return done();
    }
  }
  return true;
}

void VirtualEventPump::RunFor(std::chrono::nanoseconds span) {
  RunUntil([] { return false; }, span);
}

}  // namespace vx::platform
