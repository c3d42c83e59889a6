#pragma once
// Module-level state of the take-off briefing and flight set-up.
#include <array>
#include <cstdint>

namespace vx::briefing {

// Events of BriefingTimes.
enum BriefingEvent : std::size_t {
  kScheduledDeparture = 0,
  kScheduledArrival = 1,
  kActualDeparture = 2,
  kActualArrival = 3,
};

struct BriefingTime {
  std::int16_t localHour = 0;
  std::int16_t localMinute = 0;
  std::int16_t gmtHour = 0;
  std::int16_t gmtMinute = 0;
};

struct BriefingTimesRecord {
  std::array<BriefingTime, 4> events{};
  // Minutes GMT is ahead of local time: 0 at the departure airport, 1 at the arrival airport.
  std::array<std::int16_t, 2> timeDifference{};
};

struct BriefingState {
  std::int16_t CabinAttendantChoice = 0;  // 0 random, 1 to 4 a fixed voice
  BriefingTimesRecord BriefingTimes;
  // The scheduled arrival's GMT hour counted from the departure day (24 and more after midnight).
  std::int16_t ArrivalGmtHourUnwrapped = 0;
  std::int16_t AutoPauseKm = 0;    // 0 = no automatic pause
  std::int16_t TimeDisplayOn = 0;  // 1 = the wide cabin strip with the clocks
};

}  // namespace vx::briefing
