#include "datafiles/volume_table.h"

#include <algorithm>

namespace vx::datafiles {

void BuildVolumeTable(state::EngineState& engine, const std::array<std::int16_t, 31>& volumeSettings) {
  for (std::size_t i = 0; i < volumeSettings.size(); ++i) {
    const int attenuation = volumeSettings[i] * 300 - 3000;
    engine.AnnounceVolumeTable[i] = static_cast<std::int16_t>(std::clamp(attenuation, -10000, 0));
  }
}

std::int16_t TableVolume(const state::EngineState& engine, int index) {
  if (index < 0 || index >= state::kVolumeIndexCount) index = 0;
  return engine.AnnounceVolumeTable[static_cast<std::size_t>(index)];
}

}  // namespace vx::datafiles
