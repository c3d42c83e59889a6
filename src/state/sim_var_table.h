#pragma once
// The main program's simulator variables: one (offset, size) pair each, and the raw bytes
// the batched read leaves for each.
#include <array>
#include <cstddef>
#include <cstdint>

namespace vx::state {

enum class SimVar : std::size_t {
  Pause,
  AltitudeFraction,
  AltitudeWhole,
  FuelWeight,
  // Level (100 % = 8388608) and capacity (US gallons) of each tank, in the order of TankFuel.
  Centre1Level, Centre1Capacity,
  Centre2Level, Centre2Capacity,
  Centre3Level, Centre3Capacity,
  External1Level, External1Capacity,
  External2Level, External2Capacity,
  LeftMainLevel, LeftMainCapacity,
  LeftAuxLevel, LeftAuxCapacity,
  LeftTipLevel, LeftTipCapacity,
  RightMainLevel, RightMainCapacity,
  RightAuxLevel, RightAuxCapacity,
  RightTipLevel, RightTipCapacity,
  HighCloudTop, HighCloudBase, HighCloudCover,
  LowCloudTop, LowCloudBase, LowCloudCover,
  StormTop, StormBase, StormCover,
  Qnh,
  Temperature,
  DewPoint,
  WindSpeed,
  WindDirection,
  SurfaceBandTop, SurfaceBandBottom, SurfaceBandTurbulence,
  LowerBandTop, LowerBandBottom, LowerBandTurbulence,
  MiddleBandTop, MiddleBandBottom, MiddleBandTurbulence,
  UpperBandTop, UpperBandTurbulence,
  PrecipitationRate,
  PrecipitationType,
  ZeroFuelWeight,
  Count
};
inline constexpr std::size_t kSimVarCount = static_cast<std::size_t>(SimVar::Count);
inline constexpr std::size_t kTankCount = 11;

struct SimVarPair {
  std::int32_t offset = 0;
  std::int32_t size = 0;
  bool operator==(const SimVarPair&) const = default;
};
using SimVarPairs = std::array<SimVarPair, kSimVarCount>;

// The pairs of the FS98-class simulator, which ConnectSimulator puts into SimVarTable.
extern const SimVarPairs kFs98SimVarTable;

constexpr std::size_t Index(SimVar v) { return static_cast<std::size_t>(v); }
constexpr SimVar TankLevel(std::size_t tank) { return static_cast<SimVar>(Index(SimVar::Centre1Level) + 2 * tank); }
constexpr SimVar TankCapacity(std::size_t tank) {
  return static_cast<SimVar>(Index(SimVar::Centre1Capacity) + 2 * tank);
}

// One buffer per variable of the variable's size: bytes read unsigned, 2- and 4-byte
// values signed.
class SimRawValueSet {
 public:
  std::int32_t Get(SimVar v) const;
  void Set(SimVar v, std::int32_t value);
  // The buffer a read or write of the variable uses.
  void* Buffer(SimVar v) { return bytes_[Index(v)].data(); }
  const void* Buffer(SimVar v) const { return bytes_[Index(v)].data(); }

 private:
  std::array<std::array<std::uint8_t, 4>, kSimVarCount> bytes_{};
};

}  // namespace vx::state
