#pragma once
// The announcement groups: for each its caption, volume index, radio channel, whether it
// lowers the music, and the procedure that runs it. A row without a procedure (a part of a
// larger group, or a sound command) is never started by itself: RunGroup runs nothing for it.
#include <array>
#include <cstdint>
#include <string_view>


namespace vx::state {
struct ProContext;
}

namespace vx::announce {

enum class GroupId : std::uint8_t {
  G0,              // boarding
  G1,              // take-off briefing
  G2,              // pushback
  G2Welcome,       // the welcome inside G2
  EngineStart,     // the engine start inside G2
  G3,              // taxi
  G4,              // take-off
  G5,              // arrival
  G6,              // arrival final
  G6Guidance,      // the arrival guidance inside G6
  G9,              // take-off wait
  A1,              // seat-belt sign off
  A2,              // captain's greeting
  A3,              // service start
  A4,              // landing briefing
  A5,              // one hour to arrival
  A6,              // service end
  A7,              // approach
  A8,              // final landing
  A9,              // turbulence
  LandingIn15Min,  // fifteen minutes to landing
  Wiper,
  Aircon,
};

// Radio channels of the chatter: 0 del, 1 gnd, 2 twr, 3 dep, 4 ctr, 5 apr.
inline constexpr int kRadioUnchanged = -1;

using GroupRunner = void (*)(state::ProContext&);

struct GroupSpec {
  GroupId id;
  std::string_view caption;  // the first text of the caption box; empty: none
  int volumeIndex;
  int radioChannel;          // kRadioUnchanged leaves the chatter's channel as it is
  bool ducksMusic;           // the music is lowered before the parts and restored after
  GroupRunner runner;        // null: not started by itself (see above)
};

inline constexpr std::size_t kGroupCount = 23;  // rows of the table, one per GroupId
using GroupTable = std::array<GroupSpec, kGroupCount>;

// The program's groups, indexed by GroupId.
const GroupTable& BuiltInGroups();
// The groups the engine runs: the built-in ones unless the engine was given another
// table (a test's).
const GroupSpec& GroupSpecOf(const state::ProContext& pro, GroupId id);

}  // namespace vx::announce
