#include "datafiles/route_airports.h"

#include "runtime/numbers.h"
#include "runtime/runtime_error.h"
#include "state/tables.h"

namespace vx::datafiles {

int CheckedAirportSlot(const std::string& slotText) {
  const int slot = runtime::CInt(slotText);
  if (slot < 0 || slot >= state::kTableSlots) throw runtime::RuntimeError(runtime::kSubscriptOutOfRange);
  return slot;
}

}  // namespace vx::datafiles
