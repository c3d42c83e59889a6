#pragma once
// What the view layer of the call-out and viewpoint programs keeps: the six view presets
// as texts, the preset being applied, the aircraft's position as last read, the size of
// 10 m there in degrees, and the tower eye point last placed.
#include <array>
#include <cstddef>
#include <cstdint>

#include "state/view_settings.h"

namespace vx::state {

// The simulator variables the view layer reads and writes, through the owning program's
// table of (offset, size) pairs: filled when an FS98-class simulator is found; with the
// pairs left (0, 0) the reads and writes carry nothing.
enum class EyeVar : std::size_t {
  LatitudeLow, LatitudeHigh, LongitudeLow, LongitudeHigh,
  AltitudeFraction, AltitudeMetres,
  Heading, MagneticVariation, GroundElevation,
  ViewMode,
  TowerZoom,
  PresetZoom, PresetAngle, PresetDistance, PresetCode, PresetAltitude,
  TowerLatitudeLow, TowerLatitudeHigh, TowerLongitudeLow, TowerLongitudeHigh, TowerAltitude,
  Count
};
inline constexpr std::size_t kEyeVarCount = static_cast<std::size_t>(EyeVar::Count);
constexpr std::size_t Index(EyeVar v) { return static_cast<std::size_t>(v); }

struct EyeVarPair {
  std::int32_t offset = 0;
  std::int32_t size = 0;
  bool operator==(const EyeVarPair&) const = default;
};
using EyeVarPairs = std::array<EyeVarPair, kEyeVarCount>;

struct DegreesPer10mRecord {
  double latitude = 0;   // degrees of latitude that 10 m cover at the aircraft
  double longitude = 0;  // degrees of longitude that 10 m cover at the aircraft
};

// A tower eye point in the simulator's units: the 64-bit latitude and longitude as
// high and low halves (the low half holds the unsigned remainder's bits).
struct TowerEyePointRecord {
  std::int32_t latitudeLow = 0;
  std::int32_t latitudeHigh = 0;
  std::int32_t longitudeLow = 0;
  std::int32_t longitudeHigh = 0;
  std::int32_t altitudeM = 0;  // metres
  std::int16_t zoom = 0;       // 64 = 100 %
  bool operator==(const TowerEyePointRecord&) const = default;
};

struct EyeViewState {
  std::int64_t SimWindow = 0;    // the simulator's window; keys go only while it is in front
  EyeVarPairs EyeVarTable{};     // all (0, 0) until an FS98-class simulator is connected
  ViewTableArray ViewPresets;    // rows: altitude m, distance m, zoom %, angle degrees, code
  std::int16_t CurrentViewPreset = 0;
  // The aircraft as ReadAircraftPositionBlock leaves it.
  double LatitudeDeg = 0;
  double LongitudeDeg = 0;
  std::int32_t AltitudeFt = 0;
  std::int32_t HeadingDeg = 0;        // true heading, whole degrees, 0 to 360
  std::int16_t GroundElevationM = 0;  // ground under the aircraft, metres
  DegreesPer10mRecord DegreesPer10m;
  TowerEyePointRecord TowerEyePoint;
};

}  // namespace vx::state
