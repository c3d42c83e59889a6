#pragma once
// The four texts that sum up an interrupted flight (FlightRestart内容.cfg), shown when
// the next Start offers to resume it.
#include <string>

namespace vx::state {

struct RestartSummaryTexts {
  std::string airline;
  std::string aircraft;
  std::string departureAirport;
  std::string arrivalAirport;

  bool operator==(const RestartSummaryTexts&) const = default;
};

}  // namespace vx::state
