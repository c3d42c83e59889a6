#pragma once
// Radio chatter between the announcements: a random recording of the current channel,
// a random pause of 2 to 21 seconds from its end, the next recording, never the same one
// twice in a row where the channel has more than one.
namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// Palette colours of the cabin strip's chatter box.
inline constexpr int kAtcOffBack = 7;   // light grey
inline constexpr int kAtcOffFore = 8;   // grey
inline constexpr int kAtcOnBack = 13;   // light magenta
inline constexpr int kAtcOnFore = 15;   // white

// Once per served heartbeat tick.
void PlayAtcChatter(state::ProContext& pro);

}  // namespace vx::announce
