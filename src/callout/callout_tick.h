#pragma once
// The call-out engine: the start-up of the call-out window, the 307 ms tick with the
// flight-phase machine and the touchdown, the poll of vexlorSD.cfg, and the sound helpers
// every check uses. A call is a buffer played once; most checks wait while the last call
// plays, so the crew never speaks over itself.
#include <cstdint>

namespace vx::state {
struct ExpContext;
}

namespace vx::callout {

// Sets the engine's procedures into the context's hooks (tick, init, poll, target trend).
void InstallCallOutEngine(state::ExpContext& exp);

void InitCallOutWindow(state::ExpContext& exp);
// Also follows the simulator link, while a tick is still running too: a lost link is
// started again as soon as the simulator answers. A runtime error inside is told once on
// standard error and the next tick runs; any other error shows one box that names it and
// ends the program through the window's unload.
void RunCallOutTick(state::ExpContext& exp);
void PollSoundSettingsFile(state::ExpContext& exp);
void UpdateTargetTrend(state::ExpContext& exp);
// 1 within 15 degrees of the landing course's reciprocal, 2 within 90 degrees of the
// course, else 0; on SectorHeadingDeg.
std::int16_t HeadingSectorTest(const state::ExpContext& exp);
// The same for a heading and a course in whole degrees.
std::int16_t HeadingSector(int heading, int course);
void RunFlightPhaseMachine(state::ExpContext& exp);
// Ten times the landing runway's number.
int LandingCourse(const state::ExpContext& exp);

// Sound helpers. To call n: LastSoundIndex = n and play n once at its volume, no pan;
// a call that comes while another call plays or waits joins WaitingCalls instead, so
// the crew never speaks over itself (a call of the buffer that plays restarts it).
// To play n: play it at once, without LastSoundIndex (read-outs, effects).
void CallSound(state::ExpContext& exp, int n);
// Starts the first waiting call once the last call has ended (the tick's first step).
void StartWaitingCall(state::ExpContext& exp);
void PlaySound(state::ExpContext& exp, int n);
void LoopSound(state::ExpContext& exp, int n);
void PlaySoundAt(state::ExpContext& exp, int n, int volume);
void StopSound(state::ExpContext& exp, int n);
bool SoundPlaying(const state::ExpContext& exp, int n);
// The last call still plays, or a call waits for its turn.
bool LastCallPlaying(const state::ExpContext& exp);
// While n plays: fast reads and events. False when the program is ending.
bool WaitWhilePlaying(state::ExpContext& exp, int n);
// Call n, after any call still playing or waiting, and wait while it plays.
bool CallAndWait(state::ExpContext& exp, int n);
void PumpEvents(state::ExpContext& exp);

// The touchdown detection of the tick.
void DetectTouchdown(state::ExpContext& exp);
// The go-around call sequence (phase 5 to 6).
void RunGoAroundSequence(state::ExpContext& exp);

// The checks (take-off and climb, approach and landing) and the effect loops.
void CheckTakeoffSpeedCalls(state::ExpContext& exp);
void CheckAfterTakeoffCalls(state::ExpContext& exp);
void CheckApproachCheckCall(state::ExpContext& exp);
void CheckIlsAliveCalls(state::ExpContext& exp);
void CheckSpeedReductionCalls(state::ExpContext& exp);
void CheckApproachFlapGearCalls(state::ExpContext& exp);
void CheckLandingCalls(state::ExpContext& exp);
void UpdateGearWindNoise(state::ExpContext& exp);
// request 0: the normal update; -1: end the noise now.
void UpdateReverseNoise(state::ExpContext& exp, std::int32_t request);
void RunSpecialEngineSound(state::ExpContext& exp);

// Procedures of the pushback and the view sequences that the tick runs.
void ApplyMuteWord(state::ExpContext& exp);
void HandleViewCommand(state::ExpContext& exp);
void HandleStabTrigger(state::ExpContext& exp);
void RunPushbackMove(state::ExpContext& exp);
void RunExternalViewCycle(state::ExpContext& exp);
void RunDoorViewSequence(state::ExpContext& exp);
void RunCargoViewSequence(state::ExpContext& exp);
void RunInspectionViewSequence(state::ExpContext& exp);

}  // namespace vx::callout
