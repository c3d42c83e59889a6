#include "platform/timer_scheduler.h"

#include <vector>

namespace vx::platform {

TimerScheduler::TimerId TimerScheduler::Create(std::function<void()> handler) {
  auto e = std::make_shared<Entry>();
  e->handler = std::move(handler);
  const TimerId id = nextId_++;
  timers_[id] = std::move(e);
  return id;
}

void TimerScheduler::Destroy(TimerId id) {
  auto it = timers_.find(id);
  if (it == timers_.end()) return;
  it->second->alive = false;  // a handler running further up keeps its entry alive
  timers_.erase(it);
  Changed();
}

void TimerScheduler::Restart(Entry& e) {
  e.dueNanos = clock_.MonotonicNanos() + static_cast<std::int64_t>(e.intervalMs) * 1000000;
}

void TimerScheduler::SetInterval(TimerId id, int milliseconds) {
  auto it = timers_.find(id);
  if (it == timers_.end()) return;
  it->second->intervalMs = milliseconds < 0 ? 0 : milliseconds;
  Restart(*it->second);
  Changed();
}

void TimerScheduler::SetEnabled(TimerId id, bool enabled) {
  auto it = timers_.find(id);
  if (it == timers_.end()) return;
  Entry& e = *it->second;
  if (enabled && !e.enabled) Restart(e);
  e.enabled = enabled;
  Changed();
}

int TimerScheduler::Interval(TimerId id) const {
  auto it = timers_.find(id);
  return it == timers_.end() ? 0 : it->second->intervalMs;
}

bool TimerScheduler::Enabled(TimerId id) const {
  auto it = timers_.find(id);
  return it != timers_.end() && it->second->enabled;
}

void TimerScheduler::FireDue() {
  const std::int64_t now = clock_.MonotonicNanos();
  std::vector<std::shared_ptr<Entry>> due;
  for (auto& [id, e] : timers_) {
    if (Running(*e) && e->dueNanos <= now) due.push_back(e);
  }
  for (auto& e : due) {
    // A handler fired earlier in this round may have stopped or destroyed this one.
    if (!Running(*e) || e->dueNanos > now) continue;
    Restart(*e);
    auto handler = e->handler;  // the handler may destroy its own timer
    handler();
  }
  if (!due.empty()) Changed();
}

std::optional<std::int64_t> TimerScheduler::NextDueNanos() const {
  std::optional<std::int64_t> next;
  for (const auto& [id, e] : timers_) {
    if (Running(*e) && (!next || e->dueNanos < *next)) next = e->dueNanos;
  }
  return next;
}

}  // namespace vx::platform
