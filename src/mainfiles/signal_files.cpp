#include "mainfiles/files.h"
#include "datafiles/ocumo_files.h"
#include "datafiles/restart_summary.h"
#include "datafiles/signal_files.h"
#include "mainfiles/unreadable_file.h"
#include "platform/event_pump.h"
#include "platform/paths.h"
#include "state/pro_context.h"

namespace vx::mainfiles {
namespace {

void WriteSignal(state::ProContext& ctx, datafiles::SignalFile file) {
  datafiles::WriteSignalFile(ctx.svc.paths->Under(datafiles::SignalFileLiteral(file)), file);
  ctx.svc.pump->Pump();
}

}  // namespace

void WriteBeginCfg(state::ProContext& ctx) { WriteSignal(ctx, datafiles::SignalFile::Begin); }
void WriteEyeViewCfg(state::ProContext& ctx) { WriteSignal(ctx, datafiles::SignalFile::EyeView); }
void WriteEyeDoorCfg(state::ProContext& ctx) { WriteSignal(ctx, datafiles::SignalFile::EyeDoor); }
void WriteEyeCargoCfg(state::ProContext& ctx) { WriteSignal(ctx, datafiles::SignalFile::EyeCargo); }

void WriteFlightRestartContents(state::ProContext& ctx) {
  const auto& tob = ctx.briefing.TobBriefing;
  const auto& route = ctx.files.RouteAirports;
  datafiles::WriteFlightRestartContentsFile(ctx.svc.paths->Under("\\FlightRestart内容.cfg"),
                                 {tob.AirlineName, tob.AircraftTypeText, route[0].name, route[1].name});
  ctx.svc.pump->Pump();
}

void ReadFlightRestartContents(state::ProContext& ctx) {
  const auto file = ctx.svc.paths->Under("\\FlightRestart内容.cfg");
  ReadNamingTheFile(file, kRestartContentsRemedy,
                    [&] { datafiles::ReadFlightRestartContentsFile(file, ctx.main.RestartSummary); });
}

void ReadEyeRetCfg(state::ProContext& ctx) {
  datafiles::EyeRetCfg values{ctx.files.ViewTable, ctx.main.ApuSoundSettings};
  const auto file = ctx.svc.paths->Under("\\EyeRet.cfg");
  ReadNamingTheFile(file, kEyeRetRemedy, [&] { datafiles::ReadEyeRetCfgFile(file, values); });
  ctx.files.ViewTable = values.ViewPresets;
  ctx.main.ApuSoundSettings = values.ApuSoundSettings;
}

void TakeBackEyeRetCfg(state::ProContext& ctx) {
  if (!ctx.svc.paths->Exists("\\EyeRet.cfg")) return;
  ReadEyeRetCfg(ctx);
  ctx.svc.pump->Pump();
  ctx.svc.paths->DeleteIfExists("\\EyeRet.cfg");
}

}  // namespace vx::mainfiles
