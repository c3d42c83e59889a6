#pragma once
// The call-out program's side of its settings and hand-over files in BaseFolder. A value
// that is not a number, or does not fit, leaves its program value as it was and the
// reading goes on; a missing value does the same.
namespace vx::state {
struct ExpContext;
}

namespace vx::callout {

// vexlorEXP.cfg into the settings; writes the default file first when there is none.
void ReadExpSettings(state::ExpContext& exp);
// The default vexlorEXP.cfg.
void WriteDefaultExpSettings(state::ExpContext& exp);
// Takes vexlorSD.cfg (reads it and deletes it); false when there is none.
bool ReadSoundSettings(state::ExpContext& exp);
// vexlorPB.cfg and EyeCheck.cfg; the callers delete them.
void ReadPushbackSettings(state::ExpContext& exp);
void ReadInspectionSettings(state::ExpContext& exp);
// vexlorLND.cfg, the landing signal for the main program.
void WriteLandedSignalFile(state::ExpContext& exp);

}  // namespace vx::callout
