#pragma once
// The system-wide key hook of the main window: key events from anywhere on the desktop,
// with the means to swallow them. Here only its switch; the key events come with the hook.
#include <string>
#include <vector>

namespace vx::platform {

class KeyHook {
 public:
  virtual ~KeyHook() = default;
  // Key events are delivered to the main window again.
  virtual void Enable() = 0;
  // No key event arrives until the next Enable.
  virtual void Disable() = 0;
};

// Test double: keeps the switching in order.
class RecordingKeyHook final : public KeyHook {
 public:
  void Enable() override {
    enabled = true;
    calls.emplace_back("Enable");
  }
  void Disable() override {
    enabled = false;
    calls.emplace_back("Disable");
  }
  bool enabled = false;
  std::vector<std::string> calls;
};

}  // namespace vx::platform
