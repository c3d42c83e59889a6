#pragma once
// Changing to the next MP3 track of the background music.
#include <cstdint>
#include <string_view>

namespace vx::state {
struct ProContext;
}
namespace vx::platform {
class Random;
}

namespace vx::announce {

// How long a track change waits for the player to report that it plays.
inline constexpr double kMp3StartLimitSeconds = 3.0;

// The playlist position after `position` in a list of `count` (> 0) tracks: in order
// ("順次") the next, 0 once that reaches the count; random ("ランダム") a draw; any other
// mode the same track (0 when it lies outside the list).
std::int16_t NextBgmPosition(std::int16_t position, std::int16_t count, std::string_view repeatMode,
                             platform::Random& random);

// A track change that failed (a segment that did not load, an MP3 track that did not
// open or play): after as many failures in a row as there are tracks in the list (one
// when the same track repeats) the music stops, with its boxes emptied, instead of
// failing again on every heartbeat. True when it stopped. A track that plays, and a
// start of the music by the user, begin the count again.
bool NoteFailedTrack(state::ProContext& pro, std::int16_t count);

// Stops and closes the open track, opens and plays the next one at the music level
// (silent under quiet sound) and shows its number, title and level on the flight window.
// Returns at once while another change runs, and does nothing for an empty list. A track
// that does not open, or does not start playing within kMp3StartLimitSeconds, shows
// "ErrNo : " n " Open Error" and counts as a failed track (NoteFailedTrack).
// When the flight ends while it waits for the player, it returns without a word.
void PlayNextMp3Track(state::ProContext& pro);

}  // namespace vx::announce
