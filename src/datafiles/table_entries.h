#pragma once
// Entries of the airport and airline tables and the fixed cabin attendants, named by a
// number that came from a file or the user (the settings file, the resume snapshot, a
// random flight, the briefing sheet). A number outside the table, or a text that is no
// number, names no entry: it reads as the empty record, and nothing indexes a table with it.
#include <optional>
#include <string>
#include <string_view>

#include "state/tables.h"

namespace vx::datafiles {

// The slot a slot text names (" 12", "105"): none when the text is not a number or the
// number, rounded to a whole one, lies outside 0 to 200.
std::optional<int> TableSlot(std::string_view slotText);
std::optional<int> TableSlot(int slot);
// The slot a slot text names as the boards and hand-over files carry it: decimal text
// ("12" for " 12"), or an empty text for none, which every departure board refuses.
std::string TableSlotText(std::string_view slotText);

// The record of a slot; the empty record (no code, no names, no files, position 0) for none.
const state::AirportRecord& AirportEntry(const state::AirportTableArray& table, std::optional<int> slot);
const state::AirlineRecord& AirlineEntry(const state::AirlineTableArray& table, std::optional<int> slot);

// The cabin attendant of a fixed choice, 1 to 4; none for 0 (drawn at random) and for any
// other value.
std::optional<int> FixedCabinAttendant(int choice);

}  // namespace vx::datafiles
