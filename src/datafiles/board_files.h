#pragma once
// The three files of the split-flap board program: its settings Vovu.ini, the plan that
// lays out the board (ten columns, four clock digits, the texts each column can show),
// and the timetable whose rows pick a text of each column by its index. The own flight
// is the first row; three invented flights follow at 15, 30 and 45 minutes.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "state/tables.h"

namespace vx::platform {
class Random;
}

namespace vx::datafiles {

// Board kinds; the kind also names the plan and timetable files.
inline constexpr std::string_view kDeparturesBoard = "出発";
inline constexpr std::string_view kArrivalsBoard = "到着";

// The values of one export.
struct BoardFlight {
  std::string kind{kDeparturesBoard};
  std::int16_t gate = 0;     // DepartureGate for departures, ArrivalGate for arrivals
  std::string airlineSlot;   // `AirlineTable` slot as decimal text
  std::string flightNumber;  // as the briefing holds it
  std::int16_t hour = 0;     // scheduled time, local
  std::int16_t minute = 0;
  std::array<std::string, 2> airportSlots;  // `RouteAirports` slots: 0 departure, 1 arrival
  std::string destinationName;  // BoardDestinationName: shown on a departures board
  std::string originName;       // BoardOriginName: shown on an arrivals board
  std::int16_t arrivalDelayClass = 0;  // the remark of an arrivals board
};

// The numbers an export reads from its texts. A text that is not a number raises the
// runtime's 13 (6 beyond 16 bits).
struct BoardNumbers {
  int airline = 0;
  int departure = 0;
  int arrival = 0;
  // Either airport slot is 100 or more.
  bool international = false;
};
BoardNumbers ReadBoardNumbers(const BoardFlight& flight);

// The airline list row of an `AirlineTable` slot; "0" (the blank board) for a slot
// without one.
std::string DomesticBoardAirlineRow(int slot);
std::string InternationalBoardAirlineRow(int slot);

// The four flight-number rows of an invented flight: no leading zeros, never blank at
// the end.
std::array<std::string, 4> DrawFillerFlightNumber(platform::Random& random);

// Rows 1 to 9 of the destination column: board names of airports of the flight's region
// (slots 0 to 99, or 100 to 199 for an international flight) with a board name, other
// than the route's own two, each drawn evenly among those. Nine empty names when there
// is no such airport.
std::array<std::string, 9> DrawBoardDestinations(const BoardNumbers& numbers, const state::AirportTableArray& airports,
                                                 platform::Random& random);

// Vovu.ini at the PC's clock `now`; `baseText` is BaseFolder as the programs write it.
std::vector<std::string> BoardSettingsLines(std::string_view baseText, const platform::LocalDateTime& now);
// The plan file.
std::vector<std::string> BoardPlanLines(const BoardFlight& flight, const BoardNumbers& numbers,
                                        const std::array<std::string, 9>& destinations);
// The timetable file. `destinationsDrawn` false: the invented flights show the empty
// destination row. Draws the invented flights' airlines and numbers from `random`.
std::vector<std::string> BoardTimetableLines(const BoardFlight& flight, const BoardNumbers& numbers,
                                             bool destinationsDrawn, platform::Random& random);

}  // namespace vx::datafiles
