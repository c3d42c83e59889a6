#pragma once
// Finding the simulator and starting the link to it, the same in all three programs, each
// with its own variable table; and following the link through a flight: its loss noticed
// once, and a new start tried now and then until the simulator answers again.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "state/sim_link_watch.h"

namespace vx::platform {
class Clock;
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
// How long a lost link waits between two new starts.
inline constexpr std::int64_t kSimLinkRetryNanos = 2'000'000'000;

// What a program's link start works on: its services, where it keeps the simulator's
// window and kind ("FS6" or "FS98"), how it fills its variable tables for an FS98 window,
// and, for a program that follows its link through a flight, its watch.
struct SimLinkTarget {
  platform::SimWindowFinder* finder = nullptr;
  platform::SimIpcClient* sim = nullptr;
  std::int64_t& window;
  std::string& kind;
  std::function<void()> fillFs98Tables;
  state::SimLinkWatch* watch = nullptr;
};

enum class SimLinkStart { NoWindow, Up, NotStarted };

// Looks for an "FS6MAIN" and an "FS98MAIN" window; the first found wins. With FS6MAIN the
// tables are left as they are (empty in a program that has met no FS98 window: the reads
// and writes then carry nothing); with FS98MAIN they are filled. Then starts the link to
// the window. NoWindow changes nothing.
SimLinkStart StartSimulatorLink(SimLinkTarget& target);

// A program's first link start: true when the link is up, false when no simulator window
// exists. A link that does not start shows `failureText` (critical icon), is stopped, and
// the program ends. The watch, if any, learns that the link has been up.
bool ConnectSimulatorLink(SimLinkTarget& target, ui::MessageBoxes* boxes, platform::EventPump* pump,
                          std::string_view failureText);

enum class SimLinkChange { None, Lost, Back };

// Follows a link that has been up, on a program's heartbeat, with the target's watch: Lost
// on the first call that finds it down (once per loss), Back when a new start has
// succeeded, None otherwise. While it is lost, a new start (StartSimulatorLink) is tried at
// the next call and then every kSimLinkRetryNanos. Nothing happens before the link has
// first been up, nor without a watch.
SimLinkChange FollowSimulatorLink(SimLinkTarget& target, const platform::Clock& clock);

}  // namespace vx::simlink
