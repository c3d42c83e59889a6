#pragma once
// The byte layouts of the shared-memory channels, one definition for the three programs.
// Fields are little-endian and serialised one by one (no struct images).
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "state/channel_records.h"

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

// Byte offsets of the VOL record's words, for writing one of them alone.
inline constexpr std::size_t kVolQuietWordOffset = 0;
inline constexpr std::size_t kVolCommandWordOffset = 2;

using FlightDataBytes = std::array<std::byte, kFlightDataRecordSize>;
using VolChannelBytes = std::array<std::byte, kVolChannelSize>;

FlightDataBytes SerialiseFlightData(const state::FlightDataRecord& record);
state::FlightDataRecord DeserialiseFlightData(std::span<const std::byte, kFlightDataRecordSize> bytes);
VolChannelBytes SerialiseVolRecord(const state::VolChannelRecord& record);
state::VolChannelRecord DeserialiseVolRecord(std::span<const std::byte, kVolChannelSize> bytes);

}  // namespace vx::simlink
