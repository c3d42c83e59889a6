#pragma once
// The engine start inside the pushback group: the cockpit's talk and the engines spooling
// up, each panned to its side and played at full volume. The timed sequence starts the
// engines at fixed times after the talk began; the add-on 767 (aircraft type 0) follows
// the add-on's fuel controls and start switches, read every 0.2 s.
#include <array>

namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// One engine's start: seconds after the talk began (0 ends the row), its slot and pan.
struct EngineStartAt {
  float seconds = 0;
  int slot = 0;
  int pan = 0;
};
using EngineStartRow = std::array<EngineStartAt, 4>;

// The row of an aircraft type (any type outside 1 to 9 takes the two-engine row).
const EngineStartRow& EngineStartTimes(int aircraftTypeCode);

// Both return true when the pushback group goes on (also after a cut), false when the
// add-on could not be read; the end of the flight ends the group (FlightEnded).
bool PlayTimedEngineStart(state::ProContext& pro);
bool PlayLvldEngineStart(state::ProContext& pro);
// The sequence of the aircraft type: the add-on's for type 0, the timed one otherwise.
bool PlayEngineStart(state::ProContext& pro);

}  // namespace vx::announce
