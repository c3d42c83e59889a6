#include "simlink/window_topmost.h"

#include "platform/event_pump.h"

namespace vx::simlink {

void SetWindowTopmost(TopmostWindows* windows, platform::EventPump& pump, std::int64_t windowHandle) {
  if (windowHandle != 0 && windows) windows->MakeTopmost(windowHandle);
  pump.Pump();
}

}  // namespace vx::simlink
