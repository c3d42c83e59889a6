#pragma once
// The six viewpoints and the APU sound values that the main program keeps in its
// settings and hands to the viewpoint and call-out programs, which hand them back.
#include <array>
#include <string>

namespace vx::state {

// Viewpoints: 0 inspection, 1 boarding gate, 2 baggage room, 3 outside, 4 tower 1,
// 5 tower 2. Items: 0 eye height, 1 distance, 2 zoom, 3 angle, 4 door value (the door
// keys for viewpoints 1 and 2, a rotation option for 0 and 3). All kept as texts.
inline constexpr int kViewpointCount = 6;
inline constexpr int kViewItemCount = 5;
using ViewTableArray = std::array<std::array<std::string, kViewItemCount>, kViewpointCount>;

// Entry 0 belongs to the boarding-door view, entry 1 to the cargo-door view.
struct ApuSoundValues {
  std::array<std::string, 2> positions;  // such as "右", "左", "無"
  std::array<std::string, 2> volumes;    // such as "7", "10"

  bool operator==(const ApuSoundValues&) const = default;
};

}  // namespace vx::state
