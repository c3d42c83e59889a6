#include "mainfiles/flight_restart.h"

#include "mainfiles/files.h"
#include "mainfiles/settings_file.h"
#include "mainfiles/settings_loader.h"
#include "mainfiles/settings_table.h"
#include "platform/event_pump.h"
#include "platform/paths.h"
#include "runtime/numbers.h"
#include "runtime/text_rules.h"
#include "state/pro_context.h"

namespace vx::mainfiles {
namespace {

constexpr std::string_view kSnapshotLiteral = "\\FlightRestart.cfg";
constexpr std::string_view kSummaryLiteral = "\\FlightRestart内容.cfg";

}  // namespace

void TakeAircraftTypeCode(state::TobBriefingValues& tob) {
  const std::string digits = runtime::Left(tob.AircraftTypeText, 2);
  if (!runtime::IsNumeric(digits)) return;
  const double code = runtime::Int(runtime::CDbl(digits));
  if (code >= -99 && code <= 99) tob.AircraftTypeCode = static_cast<std::int16_t>(code);
}

bool SaveFlightRestart(state::ProContext& ctx) {
  if (!SaveSettingsFile(ctx, kFlightRestartFileName)) return false;
  WriteFlightRestartContents(ctx);
  return true;
}

bool LoadFlightRestart(state::ProContext& ctx) {
  // A snapshot that does not load leaves every value as it was and no resumed flight.
  if (!LoadSettingsFile(ctx, kFlightRestartFileName, SettingsLoad::Resume)) {
    ctx.main.ResumeRequested = false;
    return false;
  }
  TakeAircraftTypeCode(ctx.briefing.TobBriefing);
  ctx.svc.paths->DeleteIfExists("\\BEGIN.cfg");
  ctx.svc.pump->Pump();
  return true;
}

void DeleteFlightRestartFiles(state::ProContext& ctx) {
  if (ctx.svc.paths->DeleteIfExists(kSnapshotLiteral)) ctx.svc.paths->DeleteIfExists(kSummaryLiteral);
}

}  // namespace vx::mainfiles
