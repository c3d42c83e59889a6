#pragma once
// The main program's departure board: its flight's values, its services and state.
#include <string_view>

#include "datafiles/departure_board.h"

namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// The flight as a board of `kind` shows it: for "出発" the departure gate and the
// scheduled departure, for any other kind the arrival gate and the scheduled arrival;
// the airline, the flight number, the route slots (each the table slot its text names,
// or an empty text for none, which the board refuses), BoardDestinationName,
// BoardOriginName and ArrivalDelayClass.
datafiles::BoardFlight FlightBoardValues(const state::ProContext& pro, std::string_view kind);

// The boarding and arrival groups' board: first the other airport's board name (the
// arrival's for "出発" into BoardDestinationName, the departure's otherwise into
// BoardOriginName), then ShowDepartureBoard with the program's services; the program's
// id is kept in BoardTaskId (a board still running from before is closed first). A route
// slot that names no table entry (no number, outside 0 to 200) gives a fault and no board.
datafiles::BoardShown ShowFlightBoard(state::ProContext& pro, std::string_view kind);

// CloseDepartureBoard with BoardTaskId, waiting with the main program's WaitSeconds.
void CloseDepartureBoard(state::ProContext& pro);
// Closes a board still running at once (the end of the flight).
void CloseDepartureBoardNow(state::ProContext& pro);

}  // namespace vx::announce
