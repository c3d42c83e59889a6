#include "callout/exp_sounds.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "state/exp_context.h"

namespace vx::callout {
namespace {

// A row of files in one folder: the folder, then the stems (".wav" added).
struct SoundRow {
  std::string_view folder;
  std::initializer_list<std::string_view> stems;
};

std::array<std::string, kExpSoundCount> BuildPaths() {
  const SoundRow rows[] = {
      {"\\Wav\\Etc\\速度読上\\", {"Oh006"}},
      {"\\Wav\\FO\\", {"to_2", "to_3", "to_4", "to_5", "to_6", "to_7"}},
      {"\\Wav\\CP\\ChkList\\", {"cp_SetAP"}},
      {"\\Wav\\FO\\", {"ld_1", "ld_2"}},
      {"\\Wav\\Etc\\高度読上\\", {"-1000", "-500", "-400", "-300", "-200", "-100", "-50", "-40", "-30", "-20", "-10"}},
      {"\\Wav\\FO\\", {"ld_3", "ld_4"}},
      {"\\Wav\\Etc\\Tcar音\\", {"tcar_s", "tcar_sx", "tcar_m", "tcar_e"}},
      {"\\Wav\\Etc\\ギア風切音\\", {"gear_s1", "gear_s1x", "gear_s2", "gear_s2x", "gear_m", "gear_e"}},
      {"\\Wav\\Etc\\着地音\\", {"land0", "land1"}},
      {"\\Wav\\Etc\\リバース音\\", {"rev_s", "rev_sx", "rev_m", "rev_e"}},
      {"\\Wav\\FO\\", {"to_1"}},
      {"\\Wav\\Etc\\APU音\\", {"apu"}},
      {"\\Wav\\CP\\Flap\\",
       {"CP_Flap0", "CP_Flap1", "CP_Flap5", "CP_Flap10", "CP_Flap15", "CP_Flap20", "CP_Flap25", "CP_Flap30"}},
      {"\\Wav\\CP\\Flap\\", {"CP_GearDown", "CP_GearGreen", "CP_着陸Flap1", "CP_着陸Flap2"}},
      {"\\Wav\\CP\\ChkList\\", {"CP_ATOChk", "CP_AprChk", "CP_LndChk"}},
      {"\\Wav\\CP\\ReSpd\\",
       {"CP_ReSpd250", "CP_ReSpd230", "CP_ReSpd210", "CP_ReSpd190", "CP_ReSpd170", "CP_ReSpd150"}},
      {"\\Wav\\CP\\ChkList\\", {"CP_ILS_LC", "CP_ILS_GL"}},
      {"\\Wav\\himitu\\", {"ravikTO", "ravikWS", "ravikWR", "ravikWE", "ravikGS", "ravikGR", "ravikGE"}},
      {"\\Wav\\CP\\Ga\\", {"GoAround", "GearUp"}},
      {"\\Wav\\CP\\ChkList\\", {"CP_LndLightON", "CP_LndLightOFF"}},
  };
  std::array<std::string, kExpSoundCount> paths;
  std::size_t i = 0;
  for (const SoundRow& row : rows)
    for (std::string_view stem : row.stems) paths.at(i++) = std::string(row.folder) + std::string(stem) + ".wav";
  return paths;
}

// Buffer ranges (first, last) of each volume level.
struct VolumeGroup {
  int level;
  std::initializer_list<std::pair<int, int>> ranges;
};

}  // namespace

const std::array<std::string, kExpSoundCount>& CallSoundPaths() {
  static const auto paths = BuildPaths();
  return paths;
}

void BuildExpVolumeTable(state::ExpContext& exp) {
  static const VolumeGroup groups[] = {
      {0, {{23, 26}, {40, 40}}},                                  // ground vehicle and APU
      {1, {{27, 32}}},                                            // gear wind
      {2, {{33, 34}}},                                            // touchdown
      {3, {{35, 38}}},                                            // reverse
      {4, {{0, 7}, {39, 39}, {53, 53}}},                          // take-off calls
      {5, {{54, 54}}},                                            // approach check
      {6, {{8, 22}, {41, 52}, {55, 63}, {71, 74}}},               // approach and landing calls
  };
  auto& table = exp.sound.CallVolumeTable;
  table.fill(0);
  for (const VolumeGroup& g : groups) {
    const int level = exp.sd.CallVolumeLevels[static_cast<std::size_t>(g.level)];
    const auto attenuation = static_cast<std::int16_t>(std::clamp(level * 300 - 3000, -32768, 32767));
    for (const auto& [first, last] : g.ranges)
      for (int i = first; i <= last; ++i) table[static_cast<std::size_t>(i)] = attenuation;
  }
}

}  // namespace vx::callout
