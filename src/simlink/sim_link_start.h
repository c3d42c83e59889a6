#pragma once
// Finding the simulator and starting the link to it, the same in all three programs, each
// with its own variable table.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vx::platform {
class EventPump;
class SimIpcClient;
class SimWindowFinder;
}  // namespace vx::platform

namespace vx::ui {
class MessageBoxes;
}

namespace vx::simlink {

inline constexpr std::int32_t kSimLinkAreaSize = 65536;
inline constexpr std::int32_t kSimLinkTimeoutMs = 2000;

// What a program's link start works on: its services, where it keeps the simulator's
// window and kind ("FS6" or "FS98"), and how it fills its variable tables for an FS98
// window.
struct SimLinkTarget {
  platform::SimWindowFinder* finder = nullptr;
  platform::SimIpcClient* sim = nullptr;
  std::int64_t& window;
  std::string& kind;
  std::function<void()> fillFs98Tables;
};

enum class SimLinkStart { NoWindow, Up, NotStarted };

// Looks for an "FS6MAIN" and an "FS98MAIN" window; the first found wins. With FS6MAIN the
// tables are left as they are (empty in a program that has met no FS98 window: the reads
// and writes then carry nothing); with FS98MAIN they are filled. Then starts the link to
// the window. NoWindow changes nothing.
SimLinkStart StartSimulatorLink(SimLinkTarget& target);

// A program's first link start: true when the link is up, false when no simulator window
// exists. A link that does not start shows `failureText` (critical icon), is stopped, and
// the program ends.
bool ConnectSimulatorLink(SimLinkTarget& target, ui::MessageBoxes* boxes, platform::EventPump* pump,
                          std::string_view failureText);

}  // namespace vx::simlink
