#pragma once
// Windows of other programs, known by their window id (an X11 window on the desktop).
#include <cstdint>
#include <vector>

namespace vx::platform {

class ForeignWindows {
 public:
  virtual ~ForeignWindows() = default;
  // Makes that window the active one; nothing for 0 or where no desktop is reachable.
  virtual void BringToFront(std::int64_t windowId) = 0;
};

// Test double: keeps the ids in order.
class RecordingForeignWindows final : public ForeignWindows {
 public:
  void BringToFront(std::int64_t windowId) override { broughtToFront.push_back(windowId); }
  std::vector<std::int64_t> broughtToFront;
};

}  // namespace vx::platform
