#pragma once
// Module-level state of the take-off briefing and flight set-up.
#include <cstdint>

namespace vx::briefing {

struct BriefingState {
  std::int16_t CabinAttendantChoice = 0;  // 0 random, 1 to 4 a fixed voice
};

}  // namespace vx::briefing
