#pragma once
// Scope guards for event handlers: whatever way a handler leaves (return, error, the end
// of the program unwinding), the clean-up runs and busy flags are released.
#include <functional>
#include <utility>

namespace vx::ui {

// Runs `action` when the scope ends, unless dismissed.
class ScopeGuard {
 public:
  explicit ScopeGuard(std::function<void()> action) : action_(std::move(action)) {}
  ~ScopeGuard() {
    if (action_) action_();
  }
  ScopeGuard(const ScopeGuard&) = delete;
  ScopeGuard& operator=(const ScopeGuard&) = delete;
  void Dismiss() { action_ = nullptr; }

 private:
  std::function<void()> action_;
};

// Holds a busy flag at `busyValue` for the life of the scope, then gives it back the
// value it had before (0 for a flag that was free).
template <class T>
class BusyFlag {
 public:
  BusyFlag(T& flag, T busyValue) : flag_(flag), before_(flag) { flag_ = busyValue; }
  ~BusyFlag() { flag_ = before_; }
  BusyFlag(const BusyFlag&) = delete;
  BusyFlag& operator=(const BusyFlag&) = delete;

 private:
  T& flag_;
  T before_;
};

}  // namespace vx::ui
