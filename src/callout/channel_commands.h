#pragma once
// What the main program asks of the call-out program through its shared words: the quiet
// word and the view-step command of VEXLORPRO_VOL, and the take-off call of VEXLORPRO_STAB.
namespace vx::state {
struct ExpContext;
}

namespace vx::callout {

// The quiet word as last read into VolRecord: every buffer to -3000 while it is set, the
// volume table back when it is cleared. A call started while muted plays at its own volume.
void ApplyMuteWord(state::ExpContext& exp);
// The view step (command word 73, answered 88): on the ground or below 1001 ft the presets
// 0 to 5 in turn, 4 and 5 at their stored tower eye points; in the air preset 2, preset 3
// and the tower 1500 m ahead at the aircraft's height. Only the command word is written
// back, so a quiet word set meanwhile stays set.
void HandleViewCommand(state::ExpContext& exp);
// The take-off call: at 0x0898 of 9039 or more and a non-zero VEXLORPRO_STAB word, the call
// plays, the word goes back to 0 and the flag byte 0x2F80 to 0.
void HandleStabTrigger(state::ExpContext& exp);

// The engine's N1 value from which the take-off call may be made.
inline constexpr int kStabTriggerN1 = 9039;
inline constexpr int kViewStepCommand = 73, kViewStepTaken = 88;

}  // namespace vx::callout
