#pragma once
// The 75 call-out sounds (paths under BaseFolder) and their volume groups.
#include <array>
#include <string>

namespace vx::state {
struct ExpContext;
}

namespace vx::callout {

inline constexpr int kExpSoundCount = 75;

// The file of each buffer, as a "\..." literal.
const std::array<std::string, kExpSoundCount>& CallSoundPaths();

// CallVolumeTable from CallVolumeLevels: each group's buffers get level x 300 - 3000,
// buffers of no group 0.
void BuildExpVolumeTable(state::ExpContext& exp);

}  // namespace vx::callout
