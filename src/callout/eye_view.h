#pragma once
// The view layer shared by the call-out and viewpoint programs: the simulator's view keys
// and door keys (pressed only while the simulator's window is in front), the aircraft's
// position, the tower eye point and the fixed view presets written into the simulator's
// view variables.
#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/event_pump.h"
#include "platform/key_injector.h"
#include "platform/sim_focus.h"
#include "platform/sim_ipc_client.h"
#include "state/eye_view_state.h"

namespace vx::callout {

// What the view procedures work through. `wait` is the owning program's WaitSeconds.
struct EyeView {
  platform::SimIpcClient& sim;
  platform::KeyInjector& keys;
  platform::SimFocus& focus;
  platform::EventPump& pump;
  std::function<bool(float seconds)> wait;
  state::EyeViewState& state;
};

// Simulator variables of the view layer, as the FS98-class simulator places them.
namespace eyevar {
inline constexpr std::int32_t kLatitudeLow = 0x0560, kLatitudeHigh = 0x0564;
inline constexpr std::int32_t kLongitudeLow = 0x0568, kLongitudeHigh = 0x056C;
inline constexpr std::int32_t kAltitudeFraction = 0x0570, kAltitudeMetres = 0x0574;
inline constexpr std::int32_t kHeading = 0x0580;
inline constexpr std::int32_t kMagneticVariation = 0x02A0;
inline constexpr std::int32_t kGroundElevation = 0x0B4C;
inline constexpr std::int32_t kViewMode = 0x8320;  // 1, 2, 3 tower eye, 4 preset view
inline constexpr std::int32_t kTowerZoom = 0x8330;
inline constexpr std::int32_t kPresetZoom = 0x8334;
inline constexpr std::int32_t kPresetAngle = 0x833C;     // full circle 65536
inline constexpr std::int32_t kPresetDistance = 0x8340;  // metres x 256
inline constexpr std::int32_t kPresetCode = 0x8345;
inline constexpr std::int32_t kPresetAltitude = 0x8348;  // metres x 256
inline constexpr std::int32_t kTowerLatitudeLow = 0x0D50, kTowerLatitudeHigh = 0x0D54;
inline constexpr std::int32_t kTowerLongitudeLow = 0x0D58, kTowerLongitudeHigh = 0x0D5C;
inline constexpr std::int32_t kTowerAltitude = 0x0D64;  // metres
}  // namespace eyevar

// The view layer's pairs of the FS98-class simulator; the owning program's link start puts
// them into EyeViewState::EyeVarTable.
inline constexpr state::EyeVarPairs kFs98EyeVarTable = [] {
  using state::EyeVar;
  state::EyeVarPairs t{};
  const auto set = [&t](EyeVar v, std::int32_t offset, std::int32_t size) { t[state::Index(v)] = {offset, size}; };
  set(EyeVar::LatitudeLow, eyevar::kLatitudeLow, 4);
  set(EyeVar::LatitudeHigh, eyevar::kLatitudeHigh, 4);
  set(EyeVar::LongitudeLow, eyevar::kLongitudeLow, 4);
  set(EyeVar::LongitudeHigh, eyevar::kLongitudeHigh, 4);
  set(EyeVar::AltitudeFraction, eyevar::kAltitudeFraction, 4);
  set(EyeVar::AltitudeMetres, eyevar::kAltitudeMetres, 4);
  set(EyeVar::Heading, eyevar::kHeading, 4);
  set(EyeVar::MagneticVariation, eyevar::kMagneticVariation, 2);
  set(EyeVar::GroundElevation, eyevar::kGroundElevation, 2);
  set(EyeVar::ViewMode, eyevar::kViewMode, 1);
  set(EyeVar::TowerZoom, eyevar::kTowerZoom, 2);
  set(EyeVar::PresetZoom, eyevar::kPresetZoom, 2);
  set(EyeVar::PresetAngle, eyevar::kPresetAngle, 2);
  set(EyeVar::PresetDistance, eyevar::kPresetDistance, 4);
  set(EyeVar::PresetCode, eyevar::kPresetCode, 1);
  set(EyeVar::PresetAltitude, eyevar::kPresetAltitude, 4);
  set(EyeVar::TowerLatitudeLow, eyevar::kTowerLatitudeLow, 4);
  set(EyeVar::TowerLatitudeHigh, eyevar::kTowerLatitudeHigh, 4);
  set(EyeVar::TowerLongitudeLow, eyevar::kTowerLongitudeLow, 4);
  set(EyeVar::TowerLongitudeHigh, eyevar::kTowerLongitudeHigh, 4);
  set(EyeVar::TowerAltitude, eyevar::kTowerAltitude, 4);
  return t;
}();

// One read or write of a view variable through the table of `state`, into the batch the
// caller has begun.
void ReadEyeVar(platform::SimIpcClient& sim, const state::EyeViewState& state, state::EyeVar var, void* destination);
void WriteEyeVar(platform::SimIpcClient& sim, const state::EyeViewState& state, state::EyeVar var, const void* source);

// Virtual keys the view layer presses.
namespace vkey {
inline constexpr int kBackspace = 8, kShift = 16, kCtrl = 17, kAlt = 18, kF6 = 117;
inline constexpr int kC = 67, kM = 77, kS = 83, kV = 86, kW = 87;
}  // namespace vkey

// The code of a key name that names no key.
inline constexpr int kNoKey = 999;

// Key presses: nothing unless the simulator's window is in front; events pumped once after.
void PressKeyInSim(EyeView& v, int key);
void PressKeyChord2InSim(EyeView& v, int modifier, int key);
void PressKeyChord3InSim(EyeView& v, int first, int second, int key);
// "S" twice.
void PressViewKeyTwice(EyeView& v);
// Shift+S.
void PressShiftS(EyeView& v);
// In the preset view only: Shift, Ctrl, Backspace down, then up in reverse order.
void PressWalkaroundChord(EyeView& v);
// Ctrl+Shift+W, 0.2 s, F6, 0.2 s.
void PressDoorViewKeys(EyeView& v);
// The keys back to the cockpit from the view mode the simulator is in.
void ReturnToCockpitView(EyeView& v);
// A door key spec of three characters: a modifier letter ("S" Shift, "C" Ctrl, "D" Shift
// and Ctrl, "N" none) and two key names; e.g. "SE1" gives Shift+E, 0.2 s, "1", 0.2 s.
void PressNamedKeys(EyeView& v, std::string_view spec);
// "0" to "9" give 48 to 57, letters of either case 65 to 90; any other name kNoKey.
int KeyNameToVirtualKey(std::string_view name);

// Reads the aircraft's position, altitude, heading and ground elevation into the state
// and refreshes DegreesPer10m.
void ReadAircraftPositionBlock(EyeView& v);
// Computes the tower eye point `distance` metres from the aircraft at `angle` degrees off
// its heading, `height` metres above the ground, at `zoom` percent; writes nothing.
void PlaceEyePoint(EyeView& v, std::int32_t height, double distance, double angle, std::int16_t zoom);
// The same from the aircraft's position as last read (the viewpoint program refreshes it
// itself, on a change of preset).
void PlaceEyePointAtLastPosition(EyeView& v, std::int32_t height, double distance, double angle, std::int16_t zoom);
// Zoom percent as the view variables take it: x 64 / 100, nearest, halves to even.
std::int16_t ZoomValue(double percent);
// Writes the tower eye point. `mode` 1 also switches to the tower view; when the simulator
// is in view mode 1, the mode becomes 2 and the view is switched by keys instead.
void WriteEyePoint(EyeView& v, std::int16_t& mode);
// Writes preset `index` (0 to 5) and the view code byte, switching views by `mode` as
// WriteEyePoint does. False, with nothing read or written and `mode` kept, when the index
// is outside 0 to 5 or a value of the preset does not convert or does not fit its variable
// (distance and altitude up to 8388607 m either way).
bool ApplyViewPreset(EyeView& v, int index, std::int16_t& mode, std::int16_t code);

// A whole number held in a double split into the halves of a 64-bit value: high =
// floor(value / 2^32), low = the remainder (0 to 2^32 - 1) kept as its bit pattern.
// Values beyond the 64-bit range wrap; a value that is not a number gives 0, 0.
struct Int64Split {
  std::int32_t high = 0;
  std::int32_t low = 0;
  bool operator==(const Int64Split&) const = default;
};
Int64Split SplitInt64(double value);

}  // namespace vx::callout
