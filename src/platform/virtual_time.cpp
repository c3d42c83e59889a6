#include "platform/virtual_time.h"

#include <algorithm>

namespace vx::platform {
namespace {

// Days since 1970-01-01 of a civil date, and back (proleptic Gregorian).
std::int64_t DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& y, int& m, int& d) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

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
