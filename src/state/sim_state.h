#pragma once
// Module-level state of the main program's simulator link, flight progress and channels.
#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "state/channel_records.h"
#include "state/sim_link_watch.h"
#include "state/sim_values.h"
#include "state/sim_var_table.h"

namespace vx::simlink {
class AutoPauseNotice;
class CabinStrip;
}  // namespace vx::state

namespace vx::state {

// The four channels the main program holds.
struct ChannelHandleSet {
  Channel eye, vol, stab, data;
};

struct SimState {
  // Simulator link.
  std::int64_t SimWindow = 0;  // the simulator's main window, 0 = not connected
  std::string SimKind;         // "FS6" or "FS98"
  SimVarPairs SimVarTable{};   // all (0, 0) until an FS98-class simulator is connected
  SimRawValueSet SimRawValues;
  SimLinkWatch linkWatch;

  // Derived by ReadSimulatorState.
  std::int32_t AircraftAltitudeFt = 0;  // also overwritten by every progress tick
  std::int16_t QnhInHg = 0;             // hundredths of an inch
  std::int16_t FuelWeightPerGallon = 0; // pounds per gallon x 256
  std::array<TankFuelRecord, 11> TankFuel{};
  FuelTotalsRecord FuelTotals;
  std::int32_t ZeroFuelWeightLbs = 0;
  CloudLayerSet CloudLayers;
  std::int16_t OutsideTemperature = 0;
  std::int16_t DewPoint = 0;
  WindReading WindAtAircraft;
  std::int16_t WindTurbulence = 0;
  std::uint8_t PrecipitationRate = 0;
  std::uint8_t PrecipitationType = 0;  // 1 rain, 2 snow

  // Flight progress, copied from the flight data record on every tick.
  GeoPosition AircraftPosition;
  std::int32_t HeightAboveGround = 0;  // feet; 200 or less is on the ground
  std::int32_t GroundSpeedKmh = 0;
  std::int32_t IndicatedAirspeedKt = 0;
  std::int32_t TrueAirspeedKt = 0;
  std::int16_t MachTimes100 = 0;
  SimClockFields SimClock;
  std::int16_t SimTimeOffset = 0;  // minutes GMT is ahead of local time
  FlightMaximaRecord FlightMaxima;
  std::string ProgressText;
  int ProgressColour = 0;              // palette index

  // Shared-memory channels and the main program's copies of their records.
  ChannelHandleSet ChannelHandles;
  FlightDataRecord FlightData;
  VolChannelRecord VolRecord;  // its quiet word follows the engine's QuietSound
  std::int16_t EyeKeyCode = 0;
  // Keys for the viewpoint program that wait until it has taken the one in VEXLORPRO_EYE
  // (simlink/eye_keys.h), when the last one was written, and the timer that hands them on.
  std::deque<std::int16_t> EyeKeysWaiting;
  std::optional<std::int64_t> EyeKeyWrittenNanos;
  std::optional<int> EyeKeyTimer;
  std::int16_t TakeoffStartedFlag = 0;

  bool AddonSessionOpen = false;  // the aircraft add-on session was opened
  bool Mp3TrackOpen = false;      // while an MP3 track is open

  // Windows this part shows or writes into (set by the main window; may be absent).
  simlink::AutoPauseNotice* autoPauseNotice = nullptr;
  simlink::CabinStrip* cabinStrip = nullptr;
};

}  // namespace vx::state
