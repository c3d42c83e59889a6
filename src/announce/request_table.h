#pragma once
// What requests 10 to 19 do on the ground (200 ft or less above ground) and in the air:
// the group they run, what comes before and after it, and the step that "next" runs
// afterwards.
#include <array>
#include <cstdint>
#include <optional>

#include "announce/group_table.h"

namespace vx::announce {

inline constexpr std::int16_t kStepUnchanged = -1;

struct RequestRow {
  std::optional<GroupId> group;  // none: nothing runs
  std::int16_t step = kStepUnchanged;  // GroundStep or AirStep afterwards
  // The step instead of `step` when either route airport is international.
  std::int16_t stepInternational = kStepUnchanged;
  bool stopMusicFirst = false;         // the background music stopped before the group
  bool departureClockFirst = false;    // SetUpDepartureClock before the group
  bool delayedFirst = false;           // DepartureDelayed set before the group
  bool takeoffTrigger = false;         // TakeoffStartedFlag := 1 into VEXLORPRO_STAB after it
  bool saveResume = false;             // the flight resume files written after it
  bool deleteResume = false;           // the flight resume files deleted after it
};

using RequestTable = std::array<RequestRow, 10>;  // requests 10 to 19

const RequestTable& GroundRequests();
const RequestTable& AirRequests();

// Heights above ground up to this many feet take the ground table.
inline constexpr std::int32_t kGroundTableMaxHeightFt = 200;

}  // namespace vx::announce
