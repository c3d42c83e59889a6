#pragma once
// Whether the simulator's window is the one in front (the one that gets the keys the
// programs press), and bringing it there.
#include <cstdint>
#include <vector>

namespace vx::platform {

class SimFocus {
 public:
  virtual ~SimFocus() = default;
  // True when `simWindow` is the foreground window; false for 0 or an unknown window.
  virtual bool SimulatorInFront(std::int64_t simWindow) = 0;
  // Makes `simWindow` the foreground window.
  virtual void BringSimulatorToFront(std::int64_t simWindow) = 0;
};

// Test double: the simulator is in front while `inFront` holds; bringing it to the front
// sets `inFront` and is counted.
class FakeSimFocus final : public SimFocus {
 public:
  bool SimulatorInFront(std::int64_t simWindow) override {
    ++questions;
    return simWindow != 0 && inFront;
  }
  void BringSimulatorToFront(std::int64_t simWindow) override {
    broughtToFront.push_back(simWindow);
    if (simWindow != 0) inFront = true;
  }
  bool inFront = true;
  int questions = 0;
  std::vector<std::int64_t> broughtToFront;
};

// No simulator window is ever in front.
class NullSimFocus final : public SimFocus {
 public:
  bool SimulatorInFront(std::int64_t) override { return false; }
  void BringSimulatorToFront(std::int64_t) override {}
};

}  // namespace vx::platform
