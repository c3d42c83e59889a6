// RandomFlight.cfg as an outside tool (or anything else) may have written it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "datafiles/random_flight.h"
#include "runtime/cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vx::datafiles;
  const std::string text = vx::runtime::Cp932ToUtf8(std::string(reinterpret_cast<const char*>(data), size));
  try {
    const RandomFlight f = ParseRandomFlight(text);
    // What passes the checks is safe to store.
    if (f.departureHour < 0 || f.departureHour > 23 || f.departureMinute < 0 || f.departureMinute > 59) std::abort();
    if (f.airlineSlot < 0 || f.airlineSlot >= vx::state::kTableSlots) std::abort();
  } catch (const RandomFlightError&) {
  }
  return 0;
}
