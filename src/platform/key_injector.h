#pragma once
// Key presses sent to the simulator (virtual-key codes of the original platform).
#include <vector>

namespace vx::platform {

class KeyInjector {
 public:
  virtual ~KeyInjector() = default;
  virtual void KeyDown(int virtualKey) = 0;
  virtual void KeyUp(int virtualKey) = 0;
};

// Test double: keeps every event in order.
class RecordingKeyInjector final : public KeyInjector {
 public:
  struct Event {
    int virtualKey;
    bool down;
    bool operator==(const Event&) const = default;
  };
  void KeyDown(int vk) override { events.push_back({vk, true}); }
  void KeyUp(int vk) override { events.push_back({vk, false}); }
  std::vector<Event> events;
};

// Drops every key (no simulator to send them to).
class NullKeyInjector final : public KeyInjector {
 public:
  void KeyDown(int) override {}
  void KeyUp(int) override {}
};

}  // namespace vx::platform
