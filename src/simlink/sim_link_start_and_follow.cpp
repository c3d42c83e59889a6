#include "simlink/sim_link_start_and_follow.h"

#include "platform/clock.h"
#include "platform/event_pump.h"
#include "platform/sim_ipc_client.h"
#include "ui/message_box.h"

namespace vx::simlink {

SimLinkStart StartSimulatorLink(SimLinkTarget& target) {
  if (!target.finder) return SimLinkStart::NoWindow;
  const std::int64_t fs6 = target.finder->FindTopLevelWindow("FS6MAIN");
  const std::int64_t fs98 = target.finder->FindTopLevelWindow("FS98MAIN");
  if (fs6 != 0) {
    target.window = fs6;
    target.kind = "FS6";
  } else if (fs98 != 0) {
    target.window = fs98;
    target.kind = "FS98";
    if (target.fillFs98Tables) target.fillFs98Tables();
  } else {
    return SimLinkStart::NoWindow;
  }
  if (!target.sim || target.sim->Start(target.window, kSimLinkAreaSize, kSimLinkTimeoutMs) == 0)
    return SimLinkStart::NotStarted;
  return SimLinkStart::Up;
}

bool ConnectSimulatorLink(SimLinkTarget& target, ui::MessageBoxes* boxes, platform::EventPump* pump,
                          std::string_view failureText) {
  switch (StartSimulatorLink(target)) {
    case SimLinkStart::NoWindow:
      return false;
    case SimLinkStart::Up:
      if (target.watch) {
        *target.watch = state::SimLinkWatch{};
        target.watch->started = true;
      }
      return true;
    case SimLinkStart::NotStarted:
      break;
  }
  if (boxes) boxes->Show(failureText, ui::Buttons::Ok, ui::Icon::Critical);
  if (target.sim) target.sim->Stop();
  if (pump) pump->EndProgram(1);
  return false;
}

SimLinkChange FollowSimulatorLink(SimLinkTarget& target, const platform::Clock& clock) {
  if (!target.watch || !target.watch->started || !target.sim) return SimLinkChange::None;
  state::SimLinkWatch& watch = *target.watch;
  const std::int64_t now = clock.MonotonicNanos();
  if (!watch.lost) {
    if (target.sim->Linked()) return SimLinkChange::None;
    watch.lost = true;
    watch.nextTryNanos = now;
    return SimLinkChange::Lost;
  }
  if (now < watch.nextTryNanos) return SimLinkChange::None;
  watch.nextTryNanos = now + kSimLinkRetryNanos;
  if (StartSimulatorLink(target) != SimLinkStart::Up) return SimLinkChange::None;
  watch.lost = false;
  return SimLinkChange::Back;
}

}  // namespace vx::simlink
