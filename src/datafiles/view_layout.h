#pragma once
// Layout pieces for the six viewpoint blocks and the APU sound values, shared by the
// files that carry them. The record must have `ViewPresets` (ViewTableArray) and
// `ApuSoundSettings` (ApuSoundValues).
#include <array>
#include <string_view>

#include "datafiles/file_layout.h"
#include "datafiles/header_lines.h"
#include "state/view_settings.h"

namespace vx::datafiles {

using ViewLabels = std::array<std::string_view, state::kViewpointCount>;

// The viewpoint labels as the main program writes them.
inline constexpr ViewLabels kViewLabels{";＜＜点検視点＞＞",   ";＜＜搭乗口視点＞＞",  ";＜＜荷物室視点＞＞",
                                        ";＜＜外部視点＞＞",   ";＜＜タワー１視点＞＞", ";＜＜タワー２視点＞＞"};

template <class Record, int View, int Item>
ValueRef ViewCell(Record& r) {
  return &r.ViewPresets[View][Item];
}
template <class Record, int I>
ValueRef ApuPosition(Record& r) {
  return &r.ApuSoundSettings.positions[I];
}
template <class Record, int I>
ValueRef ApuVolume(Record& r) {
  return &r.ApuSoundSettings.volumes[I];
}

// The viewpoint's label line, then its five values.
template <class Record, int View>
constexpr std::array<LayoutLine<Record>, 6> ViewBlock(std::string_view label) {
  return {Fixed<Record>(label),
          Value<Record>(&ViewCell<Record, View, 0>),
          Value<Record>(&ViewCell<Record, View, 1>),
          Value<Record>(&ViewCell<Record, View, 2>),
          Value<Record>(&ViewCell<Record, View, 3>),
          Value<Record>(&ViewCell<Record, View, 4>)};
}

// Six viewpoint blocks, viewpoints 0 to 5: 36 lines, 30 values.
template <class Record>
constexpr auto ViewBlocks(const ViewLabels& labels) {
  return Join(ViewBlock<Record, 0>(labels[0]), ViewBlock<Record, 1>(labels[1]), ViewBlock<Record, 2>(labels[2]),
              ViewBlock<Record, 3>(labels[3]), ViewBlock<Record, 4>(labels[4]), ViewBlock<Record, 5>(labels[5]));
}

// The APU label, then positions 0 and 1 and volumes 0 and 1.
template <class Record>
constexpr std::array<LayoutLine<Record>, 5> ApuBlock() {
  return {Fixed<Record>(lines::kApuSound), Value<Record>(&ApuPosition<Record, 0>),
          Value<Record>(&ApuPosition<Record, 1>), Value<Record>(&ApuVolume<Record, 0>),
          Value<Record>(&ApuVolume<Record, 1>)};
}

}  // namespace vx::datafiles
