#pragma once
// Placing a window above all others.
#include <cstdint>

namespace vx::platform {
class EventPump;
}

namespace vx::simlink {

// The window system's side: the window with this handle stays above all others, without
// moving or resizing. Unknown handles are ignored.
class TopmostWindows {
 public:
  virtual ~TopmostWindows() = default;
  virtual void MakeTopmost(std::int64_t windowHandle) = 0;
};

// When the handle is not 0, makes that window topmost; then pumps the window events.
// Without a window system (`windows` null) it only pumps.
void SetWindowTopmost(TopmostWindows* windows, platform::EventPump& pump, std::int64_t windowHandle);

}  // namespace vx::simlink
