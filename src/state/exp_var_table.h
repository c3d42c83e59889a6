#pragma once
// The call-out program's simulator variables: one (offset, size) pair each, filled when an
// FS98-class simulator is found, and one raw buffer per variable that the batched reads fill.
#include <array>
#include <cstddef>
#include <cstdint>

namespace vx::state {

enum class ExpVar : std::size_t {
  StateFlag,  // 0x2F80, the one-byte flag the call-out engine writes
  LocalHour, LocalMinute, LocalSecond,
  GmtHour, GmtMinute,
  TimeZone,        // minutes, as the simulator gives it
  VerticalSpeed,   // metres per minute, negative when climbing
  GroundSpeed,     // metres per second x 65536
  TrueAirspeed,    // knots x 128
  IndicatedAirspeed,
  Mach,            // x 20480
  AltitudeFraction, AltitudeWhole,  // 1/2^32 metre, whole metres
  GroundElevation,                  // metres
  LatitudeLow, LatitudeHigh,
  LongitudeLow, LongitudeHigh,
  Heading,            // 2^32 = 360 degrees
  MagneticVariation,  // 65536 = 360 degrees
  SlewModeRead, SlewModeWrite,
  GearLever,
  Gear1, Gear2, Gear3,
  OnGround,
  Throttle,
  EngineValue,      // 0x0898
  Spoiler,
  EngineThrust,     // 0x080C
  SlewRate05E4, SlewRate05E6, SlewRate05E8,
  SlewByte05EB, SlewByte05ED,
  SlewRate05EE,
  PushbackState,
  Temperature,      // degrees C x 256
  WindSpeed, WindDirection,
  Unused0EC0,
  SurfaceWindSpeed, SurfaceWindDirection,
  WeatherIntensity,  // 1 to 5
  Precipitation,     // 1 rain, 2 snow
  Localiser, Glideslope,
  NavFlags,
  Count
};
inline constexpr std::size_t kExpVarCount = static_cast<std::size_t>(ExpVar::Count);
constexpr std::size_t Index(ExpVar v) { return static_cast<std::size_t>(v); }

struct ExpVarPair {
  std::int32_t offset = 0;
  std::int32_t size = 0;
  bool operator==(const ExpVarPair&) const = default;
};
using ExpVarPairs = std::array<ExpVarPair, kExpVarCount>;

// The pairs of the FS98-class simulator.
extern const ExpVarPairs kFs98ExpVarTable;

// One 4-byte buffer per variable; a read fills the variable's size of it (the size of
// kFs98ExpVarTable; nothing while the table is empty).
class ExpRawValues {
 public:
  // Bytes unsigned, 2- and 4-byte values signed.
  std::int32_t Get(ExpVar v) const;
  // The same bytes without sign.
  std::uint32_t GetUnsigned(ExpVar v) const;
  void Set(ExpVar v, std::int32_t value);
  void* Buffer(ExpVar v) { return bytes_[Index(v)].data(); }

 private:
  std::array<std::array<std::uint8_t, 4>, kExpVarCount> bytes_{};
};

}  // namespace vx::state
