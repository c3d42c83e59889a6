#pragma once
// Airport table slots named by text.
#include <string>

namespace vx::datafiles {

// The `AirportTable` slot that a slot text names: 13 (6 beyond 16 bits) when the text is
// not a number, 9 when the slot lies outside 0 to 200.
int CheckedAirportSlot(const std::string& slotText);

}  // namespace vx::datafiles
