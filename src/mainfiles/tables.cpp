#include "mainfiles/tables.h"

#include "datafiles/airport_airline_tables.h"
#include "mainfiles/unreadable_file.h"
#include "platform/event_pump.h"
#include "platform/paths.h"
#include "state/pro_context.h"
#include "ui/message_box.h"

namespace vx::mainfiles {

void LoadAirportTable(state::ProContext& ctx) {
  ReadNamingTheFile(ctx.svc.paths->Under("\\" + std::string(datafiles::kAirportTableFile)), kTableRemedy,
                    [&] { datafiles::LoadAirportTable(*ctx.svc.paths, ctx.files.AirportTable); });
  ctx.svc.pump->Pump();
}
void LoadAirlineTable(state::ProContext& ctx) {
  ReadNamingTheFile(ctx.svc.paths->Under("\\" + std::string(datafiles::kAirlineTableFile)), kTableRemedy,
                    [&] { datafiles::LoadAirlineTable(*ctx.svc.paths, ctx.files.AirlineTable); });
  ctx.svc.pump->Pump();
}
void SaveAirportTable(state::ProContext& ctx) {
  datafiles::SaveAirportTable(*ctx.svc.paths, ctx.files.AirportTable);
  ctx.svc.pump->Pump();
}
void SaveAirlineTable(state::ProContext& ctx) {
  datafiles::SaveAirlineTable(*ctx.svc.paths, ctx.files.AirlineTable);
  ctx.svc.pump->Pump();
}
bool CheckTableFilesForStart(state::ProContext& ctx) {
  const auto message = datafiles::MissingTableFileMessage(*ctx.svc.paths);
  if (!message) return true;
  ctx.boxes->Show(*message, ui::Buttons::Ok, ui::Icon::Exclamation, "Start");
  return false;
}

}  // namespace vx::mainfiles
