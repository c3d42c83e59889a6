#include "datafiles/departure_board.h"

#include <filesystem>
#include <system_error>

#include "platform/clock.h"
#include "platform/event_pump.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/text_file.h"
#include "runtime/numbers.h"
#include "runtime/runtime_error.h"

namespace vx::datafiles {
namespace {

constexpr std::string_view kFolder = "\\vovu030\\";
constexpr float kBeforeCloseSeconds = 1.0f;

constexpr std::string_view kNoFolder = "vovu030 フォルダがありません";
constexpr std::string_view kNoProgram = "Vovu がありません";
constexpr std::string_view kBadAirline = "航空会社番号が正しくありません";
constexpr std::string_view kBadAirport = "空港番号が正しくありません";
constexpr std::string_view kNotStarted = "Vovu を起動できません";

std::string Literal(std::string_view name) { return std::string(kFolder) + std::string(name); }

// The board program as it stands in the folder, with or without ".exe".
std::filesystem::path BoardProgram(const platform::Paths& paths) {
  for (std::string_view name : {"Vovu.exe", "Vovu"}) {
    const std::filesystem::path p = paths.Under(Literal(name));
    if (platform::FileExists(p)) return p;
  }
  return {};
}

bool IsNumber(const std::string& text) {
  try {
    runtime::CInt(text);
    return true;
  } catch (const runtime::RuntimeError&) {
    return false;
  }
}

void WriteAndPump(const BoardServices& s, std::string_view name, const std::vector<std::string>& lines) {
  platform::WriteTextLinesAtomic(s.paths.Under(Literal(name)), lines);
  s.pump.Pump();
}

}  // namespace

BoardShown ShowDepartureBoard(const BoardServices& s, const BoardFlight& flight, const state::AirportTableArray& airports) {
  std::error_code ec;
  if (!std::filesystem::is_directory(s.paths.Under(kFolder), ec)) return {0, std::string(kNoFolder)};
  const std::filesystem::path program = BoardProgram(s.paths);
  if (program.empty()) return {0, std::string(kNoProgram)};
  if (!IsNumber(flight.airportSlots[0]) || !IsNumber(flight.airportSlots[1])) return {0, std::string(kBadAirport)};
  if (!IsNumber(flight.airlineSlot)) return {0, std::string(kBadAirline)};
  const BoardNumbers numbers = ReadBoardNumbers(flight);

  const std::string plan = flight.kind + ".ppl";
  const std::string timetable = flight.kind + ".pdt";
  try {
    WriteAndPump(s, "Vovu.ini", BoardSettingsLines(s.paths.BaseText(), s.clock.Now()));
    const auto destinations = DrawBoardDestinations(numbers, airports, s.random);
    WriteAndPump(s, plan, BoardPlanLines(flight, numbers, destinations));
    WriteAndPump(s, timetable, BoardTimetableLines(flight, numbers, !destinations[0].empty(), s.random));
  } catch (const runtime::RuntimeError& e) {
    return {0, e.Text()};
  }

  const auto pid = s.processes.Start(program, {s.paths.Under(Literal(timetable)).string()}, true);
  if (!pid) return {0, std::string(kNotStarted)};
  return {*pid, {}};
}

void CloseDepartureBoard(platform::ProcessLauncher& processes, const std::function<void(float seconds)>& waitSeconds,
                         int& taskId) {
  if (taskId == 0) return;
  if (!processes.IsRunning(taskId)) {
    taskId = 0;
    return;
  }
  waitSeconds(kBeforeCloseSeconds);
  CloseDepartureBoardNow(processes, taskId);
}

void CloseDepartureBoardNow(platform::ProcessLauncher& processes, int& taskId) {
  if (taskId != 0) processes.Close(taskId);
  taskId = 0;
}

}  // namespace vx::datafiles
