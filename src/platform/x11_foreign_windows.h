#pragma once
// Other programs' windows on the X11 desktop: activation asked of the window manager
// (_NET_ACTIVE_WINDOW) and a raise. Without a display nothing happens.
#include "platform/foreign_windows.h"

namespace vx::platform {

class X11ForeignWindows final : public ForeignWindows {
 public:
  void BringToFront(std::int64_t windowId) override;
};

}  // namespace vx::platform
