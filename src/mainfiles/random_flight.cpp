#include "mainfiles/random_flight.h"

#include "datafiles/random_flight.h"
#include "mainfiles/route.h"
#include "platform/event_pump.h"
#include "platform/file_errors.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "runtime/numbers.h"
#include "runtime/runtime_error.h"
#include "state/pro_context.h"
#include "ui/message_box.h"

namespace vx::mainfiles {
namespace {

void StoreAirport(const datafiles::RandomFlightAirport& from, state::AirportRecord& to) {
  to.ICAO = from.icao;
  to.選択ボタン = from.buttonName;
  to.空港名パタパタ = from.boardName;
  to.空港名詳細 = from.detailName;
  to.緯度 = from.latitude;
  to.経度 = from.longitude;
  to.高度 = from.elevation;
}

void ReportUnusableFile(state::ProContext& ctx, const std::string& errorText, const std::string& label) {
  std::string text = "RandomFlight.cfg を読み込めません。";
  if (!errorText.empty()) text += "\n" + errorText;
  if (!label.empty()) text += "\n\n" + label + "正しくありません";
  text += "\n\nランダムフライトを取り込まずにフライトを開始します。";
  ctx.boxes->Show(text, ui::Buttons::Ok, ui::Icon::Exclamation, "ランダムフライト読込");
}

}  // namespace

bool LoadRandomFlight(state::ProContext& ctx) {
  datafiles::RandomFlight flight;
  try {
    const std::string text = platform::ReadCp932TextFile(ctx.svc.paths->Under("\\RandomFlight.cfg"));
    ctx.svc.pump->Pump();
    flight = datafiles::ParseRandomFlight(text);
  } catch (const datafiles::RandomFlightError& e) {
    ReportUnusableFile(ctx, e.ErrorText(), e.Label());
    return false;
  } catch (const runtime::RuntimeError& e) {
    ReportUnusableFile(ctx, e.Text() + "\n" + platform::FileErrorReason(e), "");
    return false;
  }

  auto& tob = ctx.briefing.TobBriefing;
  tob.FsYear = flight.year;
  tob.FsMonth = flight.month;
  tob.FsDay = flight.day;
  auto& departureTime = ctx.briefing.BriefingTimes.events[0];
  departureTime.localHour = flight.departureHour;
  departureTime.localMinute = flight.departureMinute;
  ctx.briefing.SelectedAirlineIndex = runtime::IntText(flight.airlineSlot);
  if (flight.airlineSlot == state::kImportAirlineSlot) {
    auto& airline = ctx.files.AirlineTable[state::kImportAirlineSlot];
    airline.選択ボタン = flight.airlineButtonName;
    airline.会社名詳細 = flight.airlineDetailName;
  }
  tob.ShipName = flight.ship;

  auto& table = ctx.files.AirportTable;
  StoreAirport(flight.departure, table[state::kImportDepartureSlot]);
  StoreAirport(flight.arrival, table[state::kImportArrivalSlot]);
  auto& route = ctx.files.RouteAirports;
  route[0].slot = runtime::IntText(datafiles::ResolveImportedAirportSlot(flight.departure.icao, state::kImportDepartureSlot, table));
  route[1].slot = runtime::IntText(datafiles::ResolveImportedAirportSlot(flight.arrival.icao, state::kImportArrivalSlot, table));
  ApplyRouteAirports(ctx.files);
  return true;
}

}  // namespace vx::mainfiles
