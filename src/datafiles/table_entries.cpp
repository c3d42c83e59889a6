#include "datafiles/table_entries.h"

#include "runtime/numbers.h"
#include "runtime/runtime_error.h"

namespace vx::datafiles {
namespace {

constexpr int kCabinAttendants = 4;

const state::AirportRecord kNoAirport{};
const state::AirlineRecord kNoAirline{};

}  // namespace

std::optional<int> TableSlot(std::string_view slotText) {
  if (!runtime::IsNumeric(slotText)) return std::nullopt;
  try {
    // Compared as a double first, so that no slot text overflows the 16-bit conversion.
    const double value = runtime::CDbl(slotText);
    if (!(value >= 0 && value < state::kTableSlots)) return std::nullopt;
    return TableSlot(runtime::CInt(value));
  } catch (const runtime::RuntimeError&) {
    return std::nullopt;
  }
}

std::optional<int> TableSlot(int slot) {
  if (slot < 0 || slot >= state::kTableSlots) return std::nullopt;
  return slot;
}

std::string TableSlotText(std::string_view slotText) {
  const std::optional<int> slot = TableSlot(slotText);
  return slot ? std::to_string(*slot) : std::string();
}

const state::AirportRecord& AirportEntry(const state::AirportTableArray& table, std::optional<int> slot) {
  return slot && TableSlot(*slot) ? table[static_cast<std::size_t>(*slot)] : kNoAirport;
}

const state::AirlineRecord& AirlineEntry(const state::AirlineTableArray& table, std::optional<int> slot) {
  return slot && TableSlot(*slot) ? table[static_cast<std::size_t>(*slot)] : kNoAirline;
}

std::optional<int> FixedCabinAttendant(int choice) {
  if (choice < 1 || choice > kCabinAttendants) return std::nullopt;
  return choice;
}

}  // namespace vx::datafiles
