#pragma once
// The camera work the main program asks for by its signal files: the inspection walk-around
// with the departure board (EyeCheck.cfg), the rotating outside view (EyeView.cfg), and
// the boarding-door and cargo-door sequences with the APU's sound (EyeDoor.cfg,
// EyeCargo.cfg). Each runs inside one call-out tick; its waits pump events.
#include <string_view>

namespace vx::state {
struct ExpContext;
}

namespace vx::callout {

void RunInspectionViewSequence(state::ExpContext& exp);
void RunExternalViewCycle(state::ExpContext& exp);
void RunDoorViewSequence(state::ExpContext& exp);
void RunCargoViewSequence(state::ExpContext& exp);

// The rotating view's option digit: rotation and pause seconds. A text that is not one
// digit 1 to 9 counts as 1.
struct RotationTimes {
  double rotateSeconds = 10;
  double pauseSeconds = 30;
};
RotationTimes RotationTimesFor(std::string_view option);

}  // namespace vx::callout
