#pragma once
// How late or early the aircraft reached the gate against the scheduled arrival: the
// class picks the lobby's arrival wording and the status on the arrival board.
#include <cstdint>

namespace vx::datafiles {

// d := actual − scheduled in minutes (GMT), moved by a day once when beyond ±720
// (an arrival across midnight); then −1 when d ≤ −10 (early), 0 when d ≤ 10 (on time),
// else 10, 20, 30, 40, 50 for d up to 20, 30, 40, 50, 60 and 60 beyond.
std::int16_t ArrivalDelayClassFor(int scheduledHour, int scheduledMinute, int actualHour, int actualMinute);


}  // namespace vx::datafiles
