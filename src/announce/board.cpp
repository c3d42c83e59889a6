#include "announce/board.h"

#include <optional>

#include "announce/engine_waits.h"
#include "datafiles/table_entries.h"
#include "platform/process.h"
#include "state/pro_context.h"

namespace vx::announce {
namespace {

constexpr std::string_view kBadAirport = "空港番号が正しくありません";

}  // namespace

datafiles::BoardFlight FlightBoardValues(const state::ProContext& pro, std::string_view kind) {
  const bool departures = kind == datafiles::kDeparturesBoard;
  const auto& tob = pro.briefing.TobBriefing;
  const auto& time = pro.briefing.BriefingTimes.events[departures ? 0 : 1];
  datafiles::BoardFlight flight;
  flight.kind = std::string(kind);
  flight.gate = departures ? tob.DepartureGate : pro.main.ArrivalGate;
  flight.airlineSlot = pro.briefing.SelectedAirlineIndex;
  flight.flightNumber = tob.FlightNumber;
  flight.hour = time.localHour;
  flight.minute = time.localMinute;
  flight.airportSlots = {datafiles::TableSlotText(pro.files.RouteAirports[0].slot),
                         datafiles::TableSlotText(pro.files.RouteAirports[1].slot)};
  flight.destinationName = pro.files.BoardDestinationName;
  flight.originName = pro.files.BoardOriginName;
  flight.arrivalDelayClass = pro.files.ArrivalDelayClass;
  return flight;
}

datafiles::BoardShown ShowFlightBoard(state::ProContext& pro, std::string_view kind) {
  const bool departures = kind == datafiles::kDeparturesBoard;
  state::FilesState& files = pro.files;
  const std::optional<int> other = datafiles::TableSlot(files.RouteAirports[departures ? 1 : 0].slot);
  if (!other) return {0, std::string(kBadAirport)};
  (departures ? files.BoardDestinationName : files.BoardOriginName) =
      datafiles::AirportEntry(files.AirportTable, other).空港名パタパタ;
  CloseDepartureBoardNow(pro);
  const datafiles::BoardServices services{*pro.svc.paths, *pro.svc.clock, *pro.svc.pump, *pro.svc.random, *pro.svc.processes};
  datafiles::BoardShown shown = ShowDepartureBoard(services, FlightBoardValues(pro, kind), files.AirportTable);
  files.BoardTaskId = shown.pid;
  return shown;
}

void CloseDepartureBoard(state::ProContext& pro) {
  datafiles::CloseDepartureBoard(
      *pro.svc.processes, [&pro](float seconds) { EngineWaitSeconds(pro, seconds); }, pro.files.BoardTaskId);
}

void CloseDepartureBoardNow(state::ProContext& pro) {
  if (pro.svc.processes) datafiles::CloseDepartureBoardNow(*pro.svc.processes, pro.files.BoardTaskId);
}

}  // namespace vx::announce
