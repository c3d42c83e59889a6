#pragma once
// The wiper and air-conditioner sound loops, switched on and off by the command keys.
namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// Sound slots of the loops and the volume indexes they play at.
inline constexpr int kWiperStartSlot = 1;
inline constexpr int kWiperLoopSlot = 2;
inline constexpr int kWiperEndSlot = 3;
inline constexpr int kAirconSlot = 4;
inline constexpr int kWiperVolumeIndex = 29;
inline constexpr int kAirconVolumeIndex = 30;

// Request 55: on, the wiper start sound and then its loop; off, the wiper end sound and
// the loop stopped.
void ToggleWiperSound(state::ProContext& pro);
// Request 56: the air-conditioner loop on or off.
void ToggleAirconSound(state::ProContext& pro);

}  // namespace vx::announce
