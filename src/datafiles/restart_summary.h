#pragma once
// FlightRestart内容.cfg: the four texts that sum up an interrupted flight, shown when
// the next Start offers to resume it.
#include <filesystem>
#include <string>
#include <vector>

namespace vx::datafiles {

struct RestartSummaryTexts {
  std::string airline;
  std::string aircraft;
  std::string departureAirport;
  std::string arrivalAirport;

  bool operator==(const RestartSummaryTexts&) const = default;
};

void WriteFlightRestartContentsFile(const std::filesystem::path& path, const RestartSummaryTexts& summary);
// Values 0 to 3 into the texts; missing values keep what the record held.
void StoreFlightRestartContentsValues(const std::vector<std::string>& values, RestartSummaryTexts& summary);
void ReadFlightRestartContentsFile(const std::filesystem::path& path, RestartSummaryTexts& summary);

}  // namespace vx::datafiles
