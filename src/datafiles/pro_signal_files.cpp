#include "datafiles/ocumo_files.h"
#include "datafiles/pro_files.h"
#include "datafiles/restart_summary.h"
#include "datafiles/signal_files.h"
#include "mainwindow/pro_context.h"
#include "platform/event_pump.h"
#include "platform/paths.h"

namespace vx::datafiles {
namespace {

void WriteSignal(mainwindow::ProContext& ctx, SignalFile file) {
  WriteSignalFile(ctx.svc.paths->Under(SignalFileLiteral(file)), file);
  ctx.svc.pump->Pump();
}

}  // namespace

void WriteBeginCfg(mainwindow::ProContext& ctx) { WriteSignal(ctx, SignalFile::Begin); }
void WriteEyeViewCfg(mainwindow::ProContext& ctx) { WriteSignal(ctx, SignalFile::EyeView); }
void WriteEyeDoorCfg(mainwindow::ProContext& ctx) { WriteSignal(ctx, SignalFile::EyeDoor); }
void WriteEyeCargoCfg(mainwindow::ProContext& ctx) { WriteSignal(ctx, SignalFile::EyeCargo); }

void WriteFlightRestartContents(mainwindow::ProContext& ctx) {
  const auto& tob = ctx.briefing.TobBriefing;
  const auto& route = ctx.files.RouteAirports;
  WriteFlightRestartContentsFile(ctx.svc.paths->Under("\\FlightRestart内容.cfg"),
                                 {tob.AirlineName, tob.AircraftTypeText, route[0].name, route[1].name});
  ctx.svc.pump->Pump();
}

void ReadFlightRestartContents(mainwindow::ProContext& ctx) {
  ReadFlightRestartContentsFile(ctx.svc.paths->Under("\\FlightRestart内容.cfg"), ctx.main.RestartSummary);
}

void ReadEyeRetCfg(mainwindow::ProContext& ctx) {
  EyeRetCfg values{ctx.files.ViewTable, ctx.main.ApuSoundSettings};
  ReadEyeRetCfgFile(ctx.svc.paths->Under("\\EyeRet.cfg"), values);
  ctx.files.ViewTable = values.ViewPresets;
  ctx.main.ApuSoundSettings = values.ApuSoundSettings;
}

void TakeBackEyeRetCfg(mainwindow::ProContext& ctx) {
  if (!ctx.svc.paths->Exists("\\EyeRet.cfg")) return;
  ReadEyeRetCfg(ctx);
  ctx.svc.pump->Pump();
  ctx.svc.paths->DeleteIfExists("\\EyeRet.cfg");
}

}  // namespace vx::datafiles
