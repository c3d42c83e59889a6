#pragma once
// Attenuations of the 31 volume settings, as the announcement groups play them.
#include <array>
#include <cstdint>

#include "state/engine_state.h"

namespace vx::datafiles {

// AnnounceVolumeTable[i] := VolumeSettings[i] × 300 − 3000 in hundredths of a decibel
// (setting 10 plays at full volume, 1 at −27 dB). A setting outside 0 to 10, which a
// hand-edited settings file can carry, is held within the sound device's range
// −10000 to 0 instead of overflowing or asking for a gain.
void BuildVolumeTable(state::EngineState& engine, const std::array<std::int16_t, 31>& volumeSettings);

// The table's attenuation of a volume index; an index outside 0 to 30 reads as index 0.
std::int16_t TableVolume(const state::EngineState& engine, int index);

}  // namespace vx::datafiles
