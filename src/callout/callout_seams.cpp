// The pushback and the view procedures that the call-out tick runs. They are filled in
// with the pushback performer and the view sequences; until then a tick passes them by.
#include "callout/callout_tick.h"
#include "state/exp_context.h"

namespace vx::callout {

void ApplyMuteWord(state::ExpContext&) {}
void HandleViewCommand(state::ExpContext&) {}
void HandleStabTrigger(state::ExpContext&) {}
void RunPushbackMove(state::ExpContext&) {}
void RunExternalViewCycle(state::ExpContext&) {}
void RunDoorViewSequence(state::ExpContext&) {}
void RunCargoViewSequence(state::ExpContext&) {}
void RunInspectionViewSequence(state::ExpContext&) {}

}  // namespace vx::callout
