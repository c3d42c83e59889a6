#pragma once
// RandomFlight.cfg: a flight drawn by an outside tool, read item by item at fixed
// positions (the first character of each item, "=", is dropped): date, departure time,
// airline, ship and two airport records. Parsing checks the whole file before anything
// of the program is touched.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "state/tables.h"

namespace vx::datafiles {

struct RandomFlightAirport {
  std::string icao;
  std::string buttonName;
  std::string boardName;   // 空港名パタパタ
  std::string detailName;  // 空港名詳細
  std::int32_t latitude = 0;   // simulator units
  std::int32_t longitude = 0;
  std::int16_t elevation = 0;
};

struct RandomFlight {
  std::int16_t year = 0;
  std::int16_t month = 0;
  std::int16_t day = 0;
  std::int16_t departureHour = 0;    // local, 0 to 23
  std::int16_t departureMinute = 0;  // 0 to 59
  std::int16_t airlineSlot = 0;      // 0 to 200
  std::string airlineButtonName;     // items 13 and 14: taken only for airline slot 139
  std::string airlineDetailName;
  std::string ship;
  RandomFlightAirport departure;  // items 18 to 24
  RandomFlightAirport arrival;    // items 26 to 32
};

// A file that cannot be imported: the runtime error text of a failed conversion (may be
// empty) and the label of the item at fault ("出発時刻が").
class RandomFlightError : public std::runtime_error {
 public:
  RandomFlightError(std::string errorText, std::string label)
      : std::runtime_error(errorText + " " + label), errorText_(std::move(errorText)), label_(std::move(label)) {}
  const std::string& ErrorText() const { return errorText_; }
  const std::string& Label() const { return label_; }

 private:
  std::string errorText_;
  std::string label_;
};

// Parses the text (UTF-8) of the file: at least 32 items, numbers where numbers belong,
// a departure time of exactly four digits with hour 0 to 23 and minute 0 to 59, an
// airline slot 0 to 200. Raises RandomFlightError otherwise.
RandomFlight ParseRandomFlight(std::string_view text);

// The airport slot a code resolves to: the first of slots 0 to 99, then 100 to 199, that
// holds exactly this ICAO code; an empty code never matches and keeps `ownSlot`.
int ResolveImportedAirportSlot(const std::string& icao, int ownSlot, const state::AirportTableArray& table);


}  // namespace vx::datafiles
