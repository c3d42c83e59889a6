#pragma once
// The records the programs exchange through the shared-memory channels, and one
// program's handle of a channel.
#include <cstdint>
#include <memory>

#include "platform/shared_memory.h"

namespace vx::state {

// VEXLORPRO_DATA: written by the call-out program after each simulator read, read by the
// main program on every progress tick.
struct FlightDataRecord {
  double latitude = 0;             // degrees, south negative
  double longitude = 0;            // degrees, west negative
  std::int32_t altitudeFt = 0;
  std::int32_t heightAboveGroundFt = 0;
  std::int32_t groundSpeedKmh = 0;
  std::int32_t indicatedAirspeedKt = 0;
  std::int32_t trueAirspeedKt = 0;
  std::int16_t machTimes100 = 0;
  std::int16_t localHour = 0;
  std::int16_t localMinute = 0;
  std::int16_t second = 0;
  std::int16_t gmtHour = 0;
  std::int16_t gmtMinute = 0;
  std::int16_t reserved48 = 0;
  std::int16_t gmtAheadOfLocalMinutes = 0;
  std::int16_t reserved52 = 0;
  bool operator==(const FlightDataRecord&) const = default;
};

// VEXLORPRO_VOL: from the main program to the call-out program.
struct VolChannelRecord {
  std::int16_t QuietSound = 0;      // non-zero: all sound quiet
  std::int16_t VolCommandCode = 0;  // 73 step the view preset; 88 taken
  std::int16_t reserved = 0;
  bool operator==(const VolChannelRecord&) const = default;
};
// One program's handle and view of a channel.
struct Channel {
  std::unique_ptr<platform::SharedMemory> mapping;
  bool IsOpen() const { return mapping != nullptr; }
};

}  // namespace vx::state
