#pragma once
// Module-level state of the take-off briefing and flight set-up.
#include <cstdint>

namespace vx::briefing {

struct BriefingState {
  std::int16_t CabinAttendantChoice = 0;  // 0 random, 1 to 4 a fixed voice
  std::int16_t PushbackFormFromFlight = 0;  // -1 when frmPB was opened from the flight
  std::int16_t VoiceFormFromFlight = 0;     // -1 when frm音声設定 was opened from the flight
};

}  // namespace vx::briefing
