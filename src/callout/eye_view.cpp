#include "callout/eye_view.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <string>

#include "runtime/numbers.h"
#include "runtime/runtime_error.h"
#include "simlink/common_helpers.h"
#include "simlink/sim_derivations.h"

namespace vx::callout {
namespace {

constexpr double kTwo32 = 4294967296.0;
constexpr double kTwo63 = 9223372036854775808.0;
constexpr double kTwo64 = 18446744073709551616.0;
// Largest preset distance or altitude in metres whose value x 256 fits 32 bits.
constexpr std::int32_t kMaxPresetMetres = 8388607;
constexpr float kKeyPause = 0.2f;

bool InFront(EyeView& v) { return v.focus.SimulatorInFront(v.state.SimWindow); }

using state::EyeVar;

std::uint8_t ReadViewMode(EyeView& v) {
  std::uint8_t mode = 0;
  v.sim.BeginRequest();
  ReadEyeVar(v.sim, v.state, EyeVar::ViewMode, &mode);
  v.sim.SendRequest();
  return mode;
}

// A preset's values as the simulator takes them.
struct PresetValues {
  std::int16_t zoom;
  std::int32_t angle;
  std::int32_t distance;
  std::int32_t altitude;
};

std::optional<std::int32_t> MetresX256(const std::string& text) {
  const std::int32_t metres = runtime::CLng(text);
  if (metres > kMaxPresetMetres || metres < -kMaxPresetMetres - 1) return std::nullopt;
  return metres * 256;
}

std::optional<PresetValues> ConvertPreset(const state::ViewTableArray& presets, int index) {
  if (index < 0 || index >= state::kViewpointCount) return std::nullopt;
  const auto& row = presets[static_cast<std::size_t>(index)];
  try {
    PresetValues out{};
    out.angle = runtime::CLng(runtime::CDbl(row[3]) * 65536.0 / 360.0);
    const auto distance = MetresX256(row[1]);
    const auto altitude = MetresX256(row[0]);
    if (!distance || !altitude) return std::nullopt;
    out.distance = *distance;
    out.altitude = *altitude;
    out.zoom = runtime::CInt(runtime::CDbl(row[2]) * 64.0 / 100.0);
    return out;
  } catch (const runtime::RuntimeError&) {
    return std::nullopt;
  }
}

// One character of a spec by position (UTF-8), empty past the end.
std::string_view CharAt(std::string_view s, std::size_t n) {
  std::size_t i = 0;
  for (std::size_t k = 0; i < s.size(); ++k) {
    std::size_t len = 1;
    const auto b = static_cast<unsigned char>(s[i]);
    if (b >= 0xF0) len = 4;
    else if (b >= 0xE0) len = 3;
    else if (b >= 0xC0) len = 2;
    if (k == n) return s.substr(i, len);
    i += len;
  }
  return {};
}

}  // namespace

void ReadEyeVar(platform::SimIpcClient& sim, const state::EyeViewState& state, state::EyeVar var, void* destination) {
  const state::EyeVarPair p = state.EyeVarTable[state::Index(var)];
  sim.ReadStateData(p.offset, p.size, destination);
}

void WriteEyeVar(platform::SimIpcClient& sim, const state::EyeViewState& state, state::EyeVar var, const void* source) {
  const state::EyeVarPair p = state.EyeVarTable[state::Index(var)];
  sim.WriteStateData(p.offset, p.size, source);
}

void PressKeyInSim(EyeView& v, int key) {
  if (!InFront(v)) return;
  simlink::PressKey(v.keys, v.pump, key);
}

void PressKeyChord2InSim(EyeView& v, int modifier, int key) {
  if (!InFront(v)) return;
  simlink::PressKeyChord(v.keys, v.pump, modifier, key);
}

void PressKeyChord3InSim(EyeView& v, int first, int second, int key) {
  if (!InFront(v)) return;
  v.keys.KeyDown(first);
  v.keys.KeyDown(second);
  v.keys.KeyDown(key);
  v.keys.KeyUp(key);
  v.keys.KeyUp(second);
  v.keys.KeyUp(first);
  v.pump.Pump();
}

void PressViewKeyTwice(EyeView& v) {
  PressKeyInSim(v, vkey::kS);
  PressKeyInSim(v, vkey::kS);
}

void PressShiftS(EyeView& v) { PressKeyChord2InSim(v, vkey::kShift, vkey::kS); }

void PressWalkaroundChord(EyeView& v) {
  if (!InFront(v)) return;
  if (ReadViewMode(v) != 4) return;
  for (const int key : {vkey::kShift, vkey::kCtrl, vkey::kBackspace}) {
    v.keys.KeyDown(key);
    v.pump.Pump();
  }
  for (const int key : {vkey::kBackspace, vkey::kCtrl, vkey::kShift}) {
    v.keys.KeyUp(key);
    v.pump.Pump();
  }
}

void PressDoorViewKeys(EyeView& v) {
  PressKeyChord3InSim(v, vkey::kCtrl, vkey::kShift, vkey::kW);
  v.wait(kKeyPause);
  PressKeyInSim(v, vkey::kF6);
  v.wait(kKeyPause);
}

void ReturnToCockpitView(EyeView& v) {
  switch (ReadViewMode(v)) {
    case 3:
      PressShiftS(v);
      PressShiftS(v);
      break;
    case 2:
      PressShiftS(v);
      break;
    case 1:
      break;
    case 4:
      PressKeyInSim(v, vkey::kS);
      break;
    default:
      PressKeyChord2InSim(v, vkey::kAlt, vkey::kV);
      PressKeyInSim(v, vkey::kM);
      PressKeyInSim(v, vkey::kC);
      break;
  }
}

void PressNamedKeys(EyeView& v, std::string_view spec) {
  const std::string_view modifier = CharAt(spec, 0);
  const int first = KeyNameToVirtualKey(CharAt(spec, 1));
  const int second = KeyNameToVirtualKey(CharAt(spec, 2));
  if (first != kNoKey) {
    if (modifier == "S") {
      PressKeyChord2InSim(v, vkey::kShift, first);
    } else if (modifier == "C") {
      PressKeyChord2InSim(v, vkey::kCtrl, first);
    } else if (modifier == "D") {
      PressKeyChord3InSim(v, vkey::kShift, vkey::kCtrl, first);
    } else if (modifier == "N") {
      PressKeyInSim(v, first);
    }
    v.wait(kKeyPause);
  }
  if (second != kNoKey) {
    PressKeyInSim(v, second);
    v.wait(kKeyPause);
  }
}

int KeyNameToVirtualKey(std::string_view name) {
  if (name.size() != 1) return kNoKey;
  const char c = name[0];
  if (c >= '0' && c <= '9') return c;
  if (c >= 'A' && c <= 'Z') return c;
  if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
  return kNoKey;
}

void ReadAircraftPositionBlock(EyeView& v) {
  std::int32_t latHigh = 0, lonHigh = 0, metres = 0, heading = 0;
  std::uint32_t latLow = 0, lonLow = 0, fraction = 0;
  std::int16_t ground = 0, variation = 0;
  v.sim.BeginRequest();
  ReadEyeVar(v.sim, v.state, EyeVar::LatitudeHigh, &latHigh);
  ReadEyeVar(v.sim, v.state, EyeVar::LatitudeLow, &latLow);
  ReadEyeVar(v.sim, v.state, EyeVar::LongitudeHigh, &lonHigh);
  ReadEyeVar(v.sim, v.state, EyeVar::LongitudeLow, &lonLow);
  ReadEyeVar(v.sim, v.state, EyeVar::AltitudeMetres, &metres);
  ReadEyeVar(v.sim, v.state, EyeVar::AltitudeFraction, &fraction);
  ReadEyeVar(v.sim, v.state, EyeVar::GroundElevation, &ground);
  ReadEyeVar(v.sim, v.state, EyeVar::Heading, &heading);
  ReadEyeVar(v.sim, v.state, EyeVar::MagneticVariation, &variation);
  v.sim.SendRequest();

  auto& s = v.state;
  s.AltitudeFt = simlink::AltitudeFeet(fraction, metres);
  s.LatitudeDeg = simlink::LatitudeDegrees(latLow, latHigh);
  s.LongitudeDeg = simlink::LongitudeDegrees(lonLow, lonHigh);
  double degrees = heading / kTwo32 * 360.0;
  if (degrees < 0) degrees += 360.0;
  s.HeadingDeg = static_cast<std::int32_t>(std::floor(degrees + 0.5));
  s.GroundElevationM = ground;
  // A point where 0.01 degree covers no distance (a pole) leaves the entry 0.
  const double north = simlink::GreatCircleDistance(s.LatitudeDeg, s.LongitudeDeg, s.LatitudeDeg + 0.01, s.LongitudeDeg);
  const double east = simlink::GreatCircleDistance(s.LatitudeDeg, s.LongitudeDeg, s.LatitudeDeg, s.LongitudeDeg + 0.01);
  s.DegreesPer10m.latitude = north > 0 ? 0.1 / north : 0.0;
  s.DegreesPer10m.longitude = east > 0 ? 0.1 / east : 0.0;
}

void PlaceEyePoint(EyeView& v, std::int32_t height, double distance, double angle, std::int16_t zoom) {
  ReadAircraftPositionBlock(v);
  PlaceEyePointAtLastPosition(v, height, distance, angle, zoom);
}

std::int16_t ZoomValue(double percent) {
  return static_cast<std::int16_t>(std::clamp(std::nearbyint(percent * 64.0 / 100.0), -32768.0, 32767.0));
}

void PlaceEyePointAtLastPosition(EyeView& v, std::int32_t height, double distance, double angle, std::int16_t zoom) {
  auto& s = v.state;
  auto& eye = s.TowerEyePoint;
  const std::int64_t altitude = std::int64_t{height} + s.GroundElevationM;
  eye.altitudeM = static_cast<std::int32_t>(std::clamp<std::int64_t>(altitude, INT32_MIN, INT32_MAX));
  double bearing = s.HeadingDeg + angle;
  if (bearing > 360.0) bearing -= 360.0;
  const double pi = 4.0 * std::atan(1.0);
  const double radians = bearing * pi / 180.0;
  const double latitude = s.LatitudeDeg + s.DegreesPer10m.latitude * distance * std::cos(radians) / 10.0;
  const double longitude = s.LongitudeDeg + s.DegreesPer10m.longitude * distance * std::sin(radians) / 10.0;
  const Int64Split lat = SplitInt64(latitude / simlink::kLatitudeDegreesPerUnit * kTwo32);
  const Int64Split lon = SplitInt64(longitude / simlink::kLongitudeDegreesPerUnit * kTwo32);
  eye.latitudeHigh = lat.high;
  eye.latitudeLow = lat.low;
  eye.longitudeHigh = lon.high;
  eye.longitudeLow = lon.low;
  eye.zoom = ZoomValue(zoom);
}

void WriteEyePoint(EyeView& v, std::int16_t& mode) {
  if (mode == 1 && ReadViewMode(v) == 1) mode = 2;
  const auto& eye = v.state.TowerEyePoint;
  const std::uint8_t towerMode = 3;
  v.sim.BeginRequest();
  WriteEyeVar(v.sim, v.state, EyeVar::TowerLatitudeLow, &eye.latitudeLow);
  WriteEyeVar(v.sim, v.state, EyeVar::TowerLatitudeHigh, &eye.latitudeHigh);
  WriteEyeVar(v.sim, v.state, EyeVar::TowerLongitudeLow, &eye.longitudeLow);
  WriteEyeVar(v.sim, v.state, EyeVar::TowerLongitudeHigh, &eye.longitudeHigh);
  WriteEyeVar(v.sim, v.state, EyeVar::TowerAltitude, &eye.altitudeM);
  WriteEyeVar(v.sim, v.state, EyeVar::TowerZoom, &eye.zoom);
  if (mode == 1) WriteEyeVar(v.sim, v.state, EyeVar::ViewMode, &towerMode);
  v.sim.SendRequest();
  if (mode == 2) PressViewKeyTwice(v);
  v.pump.Pump();
}

bool ApplyViewPreset(EyeView& v, int index, std::int16_t& mode, std::int16_t code) {
  const auto values = ConvertPreset(v.state.ViewPresets, index);
  if (!values) return false;
  if (mode == 1 && ReadViewMode(v) == 1) mode = 2;
  const auto angle = static_cast<std::uint16_t>(static_cast<std::uint32_t>(values->angle) & 0xFFFF);
  const auto codeByte = static_cast<std::uint8_t>(code & 0xFF);
  const std::uint8_t presetMode = 4;
  v.sim.BeginRequest();
  WriteEyeVar(v.sim, v.state, EyeVar::PresetZoom, &values->zoom);
  WriteEyeVar(v.sim, v.state, EyeVar::PresetAngle, &angle);
  WriteEyeVar(v.sim, v.state, EyeVar::PresetDistance, &values->distance);
  WriteEyeVar(v.sim, v.state, EyeVar::PresetAltitude, &values->altitude);
  WriteEyeVar(v.sim, v.state, EyeVar::PresetCode, &codeByte);
  if (mode == 1) WriteEyeVar(v.sim, v.state, EyeVar::ViewMode, &presetMode);
  v.sim.SendRequest();
  if (mode == 2) PressShiftS(v);
  v.pump.Pump();
  return true;
}

Int64Split SplitInt64(double value) {
  if (!std::isfinite(value)) return {};
  value = std::fmod(value, kTwo64);  // now within (-2^64, 2^64)
  if (value >= kTwo63) value -= kTwo64;
  if (value < -kTwo63) value += kTwo64;
  const double high = std::floor(value / kTwo32);
  double low = std::trunc(value - high * kTwo32);
  if (low < 0) low = 0;
  if (low >= kTwo32) low = kTwo32 - 1;
  Int64Split out;
  out.high = static_cast<std::int32_t>(high);
  out.low = static_cast<std::int32_t>(static_cast<std::uint32_t>(low));
  return out;
}

}  // namespace vx::callout
