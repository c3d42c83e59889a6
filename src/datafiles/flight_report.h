#pragma once
// The three records of a finished flight in the "\FlightReport\" folder under BaseFolder:
// the laid-out report "Report_yyyyMMdd_HHmm.txt" for the user to read, the values file
// "FlightReport.txt" (the last flight only) and the flight log "FlightReport.csv" (one line
// per flight). All three are built from one set of the flight's values and share the rules
// below (time differences, flight times, runways, the arrival weather word).
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "state/briefing_state.h"
#include "state/route_records.h"
#include "state/sim_values.h"

namespace vx::platform {
class Clock;
class Paths;
struct LocalDateTime;
}  // namespace vx::platform

namespace vx::datafiles {

// Everything the three records print, as the flight's end has it.
struct FlightReportInputs {
  std::string captainName;
  // FS date, ship, airline, flight number, cruise altitude, take-off runway, and the
  // weather texts the briefing sheet committed.
  state::TobBriefingValues tob;
  state::BriefingTimesValues times;
  state::RouteAirportsArray route;
  double routeDistanceKm = 0;
  // Left, right, centre and all tanks at departure: percent, pounds, gallons each.
  std::array<std::int32_t, 12> departureFuel{};
  state::FuelTotalsRecord fuel;  // live
  state::CloudLayerSet clouds;   // live
  std::int16_t outsideTemperature = 0;
  state::WindReading wind;
  std::uint8_t precipitationType = 0;  // 1 rain, 2 snow
  std::uint8_t precipitationRate = 0;
  std::string landingRunway;
  std::string approachType;
  std::string approachVariant;
  state::FlightMaximaRecord maxima;
  std::string timeDiffCorrection;  // "OFF": durations from the local times, else from GMT
};

// The live weather in one word: "雨 / " or "雪 / " and the rate word ("微", "小", "中", "強",
// "暴", else "--") while it rains or snows; otherwise by the larger cover of the high and
// low layers "快晴" (0 or less), "晴" (1 or 2) or "曇り".
std::string WeatherSummaryText(std::uint8_t precipitationType, std::uint8_t precipitationRate,
                               const state::CloudLayerSet& clouds);

// A time difference in minutes (GMT minus local) as hours and minutes joined by `colon`:
// -540 "-09：00", 300 "05：00", -330 "-05：30". A difference under an hour keeps its
// sign: -30 "-00：30".
std::string TimeDifferenceText(int minutes, std::string_view colon);

// The planned (scheduled departure to scheduled arrival) and actual (pushback to gate)
// flight times in minutes, from the local times when `timeDiffCorrection` is "OFF", else
// from the GMT times; a time across midnight counts on into the next day.
struct FlightDurations {
  int planned = 0;
  int actual = 0;
};
FlightDurations FlightDurationsOf(const state::BriefingTimesValues& times, std::string_view timeDiffCorrection);

// Minutes as hours "00", `colon`, minutes "00".
std::string DurationText(int minutes, std::string_view colon);
// The actual time against the planned: the difference followed by " 遅れ" (also when on
// time), or how much shorter followed by " 早着".
std::string DelayText(const FlightDurations& d, std::string_view colon);

// A runway as the records print it: blanks trimmed, a last "N" (no side) dropped.
std::string RunwayText(std::string_view runway);

// The lines of each record (without line ends), `now` being the PC's date and time.
std::vector<std::string> FlightReportLines(const FlightReportInputs& in, const platform::LocalDateTime& now);
std::vector<std::string> FlightReportValuesLines(const FlightReportInputs& in, const platform::LocalDateTime& now);
// The log's lines: 81 fields, each followed by ","; a comma inside a text becomes "，" so
// that its field stays whole.
std::string FlightCsvHeader();
std::string FlightCsvRecord(const FlightReportInputs& in, const platform::LocalDateTime& now);

// The outcome of one writer: the file it wrote, or the file it meant to write and why it
// could not (the runtime's error text).
struct ReportWritten {
  std::filesystem::path path;
  std::string fault;
  bool Written() const { return fault.empty(); }
};

// "\FlightReport\Report_" & the PC date yyyyMMdd & "_" & the time HHmm & ".txt"; a report
// of the same minute already there gets "_2", "_3" ... before ".txt". The folder is never
// created.
ReportWritten WriteFlightReport(const platform::Paths& paths, const platform::Clock& clock,
                                const FlightReportInputs& in);
// "\FlightReport\FlightReport.txt", replaced whole.
ReportWritten WriteFlightReportValues(const platform::Paths& paths, const platform::Clock& clock,
                                      const FlightReportInputs& in);
// One line appended to "\FlightReport\FlightReport.csv"; a new file gets the header line
// first. A failed append leaves the file as it was.
ReportWritten AppendFlightCsv(const platform::Paths& paths, const platform::Clock& clock,
                              const FlightReportInputs& in);

}  // namespace vx::datafiles
