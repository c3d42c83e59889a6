#pragma once
// The aircraft's own motion on the ground: the simulator's pushback (0x31F4) and the slew
// push (0x05DC with the rates 0x05EB and 0x05E6). The motion is kept as a displacement
// from the position and heading the flight script (or a client) last set, and added to
// them after every script step, until the next script starts.
#include <cstdint>

#include "platform/sim_variable_area.h"

namespace vx::standin {

// Straight back at this speed, turning at this rate (the simulator's pushback).
inline constexpr double kPushbackSpeedMps = 1.5;
inline constexpr double kPushbackTurnDegPerSec = 3.0;
// The slew push: backwards per unit of 0x05EB, heading per unit of -0x05E6.
inline constexpr double kSlewMpsPerUnit = 0.1;
inline constexpr double kSlewDegPerSecPerUnit = 0.01;

class AircraftMotion {
 public:
  // Moves the displacement on by `seconds` of simulator time at the rates the area holds,
  // from the heading of the last Apply.
  void Run(const platform::SimVariableArea& area, double seconds);
  // Writes the position and heading with the displacement added; the ground speed follows
  // the motion while there is one.
  void Apply(platform::SimVariableArea& area);
  // A new script: nothing moved yet.
  void Reset();
  bool Moving() const { return speedMps_ != 0 || turnDegPerSec_ != 0; }
  double NorthMetres() const { return north_; }
  double EastMetres() const { return east_; }
  double TurnDegrees() const { return turn_; }

 private:
  // Reads the rates from the area: speed backwards and turn rate.
  void Rates(const platform::SimVariableArea& area);

  double north_ = 0, east_ = 0, turn_ = 0;
  double speedMps_ = 0, turnDegPerSec_ = 0;
  bool wasMoving_ = false;
  bool slewing_ = false;
  // The base the displacement is added to, and what was last written (a change by
  // anyone else makes the new value the base).
  std::int64_t baseLat_ = 0, baseLon_ = 0, writtenLat_ = 0, writtenLon_ = 0;
  std::uint32_t baseHeading_ = 0, writtenHeading_ = 0;
  bool written_ = false;
};

}  // namespace vx::standin
