#pragma once
// The playing time of a standard MIDI file, from its tracks and tempo changes.
#include <cstdint>
#include <optional>
#include <span>

namespace vx::platform {

// Seconds from the start to the last event of the longest track; nothing when the
// bytes are not a MIDI file (no MThd header or no readable track).
std::optional<double> MidiDurationSeconds(std::span<const std::uint8_t> file);

}  // namespace vx::platform
