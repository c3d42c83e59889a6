#pragma once
// The signal, hand-over and resume files that the main program writes for its companion
// programs, and the files it reads back. Each writer writes its file whole under
// `BaseFolder` (replacing an old one) and then pumps the window events once; file and
// conversion errors are the runtime's and reach the caller.
#include <array>
#include <string_view>

namespace vx::state {
struct ProContext;
}

namespace vx::mainfiles {

// The hand-over files of a run (EyeRet.cfg and BEGIN.cfg aside), in the order they are
// deleted: at the main window's load and close, and at the end of a flight.
inline constexpr std::array<std::string_view, 9> kHandOverFiles = {
    "\\Ocumo.cfg",     "\\EyeCheck.cfg", "\\EyeView.cfg", "\\EyeDoor.cfg", "\\EyeCargo.cfg",
    "\\vexlorEXP.cfg", "\\vexlorPB.cfg",  "\\vexlorSD.cfg", "\\vexlorLND.cfg"};

// Value-less signal files.
void WriteBeginCfg(state::ProContext& ctx);
void WriteEyeViewCfg(state::ProContext& ctx);
void WriteEyeDoorCfg(state::ProContext& ctx);
void WriteEyeCargoCfg(state::ProContext& ctx);

// FlightRestart内容.cfg from the committed briefing and the route.
void WriteFlightRestartContents(state::ProContext& ctx);
// FlightRestart内容.cfg into `RestartSummary`.
void ReadFlightRestartContents(state::ProContext& ctx);
// EyeRet.cfg into `ViewTable` and `ApuSoundSettings`.
void ReadEyeRetCfg(state::ProContext& ctx);
// When EyeRet.cfg is there: ReadEyeRetCfg, one pump, and the file deleted.
void TakeBackEyeRetCfg(state::ProContext& ctx);

// Ocumo.cfg: the main window's handle, `ViewTable`, `ApuSoundSettings`.
void WriteOcumoCfg(state::ProContext& ctx);
// vexlorEXP.cfg: the call switches, the call-out window's place, `ViewTable`, `ApuSoundSettings`.
void WriteVexlorExpCfg(state::ProContext& ctx);
// EyeCheck.cfg: the view switch and the departure board's values. The route slots go as
// the main program's board takes them: a slot text that names no table entry (no number,
// outside 0 to 200) goes as an empty slot with no board name, which the call-out
// program's board refuses as the main program's does.
void WriteEyeCheckCfg(state::ProContext& ctx);
// vexlorPB.cfg: the pushback values of `PushbackSettings`.
void WriteVexlorPbCfg(state::ProContext& ctx);
// vexlorSD.cfg: volumes, voice options, window place, flaps, speeds, heights, timing,
// route elevations and arrival position, landing values and flags.
void WriteVexlorSdCfg(state::ProContext& ctx);

}  // namespace vx::mainfiles
