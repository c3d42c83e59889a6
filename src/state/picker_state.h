#pragma once
// Module-level state of the airport and airline pickers and their registration editors.
#include <cstdint>

#include "state/tables.h"

namespace vx::state {

struct PickerState {
  std::int16_t AirportSide = 0;  // the end of the route an airport picker fills: 0 departure, 1 arrival
  std::int16_t PickerSlot = 0;   // table slot of the button last pressed in any picker
  // -1 once a record of the table was changed or deleted and not yet saved.
  std::int16_t AirportTableChanged = 0;
  std::int16_t AirlineTableChanged = 0;
  // The slot an editor edits; the editor sets kNoSlot when it closes.
  std::int16_t AirportEditSlot = kNoSlot;
  std::int16_t AirlineEditSlot = kNoSlot;
};

}  // namespace vx::state
