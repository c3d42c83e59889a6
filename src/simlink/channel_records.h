#pragma once
// The byte layouts of the shared-memory channels, one definition for the three programs.
// Fields are little-endian and serialised one by one (no struct images).
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vx::simlink {

// Channel names and sizes.
inline constexpr const char* kEyeChannelName = "VEXLORPRO_EYE";
inline constexpr const char* kVolChannelName = "VEXLORPRO_VOL";
inline constexpr const char* kStabChannelName = "VEXLORPRO_STAB";
inline constexpr const char* kDataChannelName = "VEXLORPRO_DATA";
inline constexpr std::size_t kEyeChannelSize = 4;
inline constexpr std::size_t kVolChannelSize = 6;
inline constexpr std::size_t kStabChannelSize = 4;
inline constexpr std::size_t kFlightDataRecordSize = 54;

// Handshake values.
inline constexpr std::int16_t kVolViewStepCommand = 73;  // VolCommandCode: step the view preset
inline constexpr std::int16_t kChannelTaken = 88;        // the reader has taken the command or key

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
// Byte offsets of the VOL record's words, for writing one of them alone.
inline constexpr std::size_t kVolQuietWordOffset = 0;
inline constexpr std::size_t kVolCommandWordOffset = 2;

using FlightDataBytes = std::array<std::byte, kFlightDataRecordSize>;
using VolChannelBytes = std::array<std::byte, kVolChannelSize>;

FlightDataBytes SerialiseFlightData(const FlightDataRecord& record);
FlightDataRecord DeserialiseFlightData(std::span<const std::byte, kFlightDataRecordSize> bytes);
VolChannelBytes SerialiseVolRecord(const VolChannelRecord& record);
VolChannelRecord DeserialiseVolRecord(std::span<const std::byte, kVolChannelSize> bytes);

}  // namespace vx::simlink
