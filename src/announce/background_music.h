#pragma once
// Background music of the flight: MIDI segments or MP3 tracks one after another, the
// level keys, the stop key, and the lowering of the music while an announcement speaks.
// The MP3 track change itself is PlayNextMp3Track (mp3_track.h).
namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// Music level as a segment attenuation (hundredths of a decibel) and as an MP3 volume.
inline constexpr int kQuietAttenuation = -3000;
inline int SegmentVolume(int bgmVolume) { return bgmVolume * 300 - 3000; }
inline int Mp3Volume(int bgmVolume) { return bgmVolume * 10; }

// Request 50: starts (or changes) the music of the flight's engine.
void StartBgmByMode(state::ProContext& pro);
// The segment track change: the next file of the playlist, loaded and played from its
// start. A file that does not load counts as a failed track (NoteFailedTrack, mp3_track.h).
void PlayNextBgmSegment(state::ProContext& pro);
// Every served heartbeat while music plays: the next track once the current one has ended.
void PollBgmEnd(state::ProContext& pro);
// Requests 57 and 59: the music level two steps down or up, wrapping between 0 and 10.
void LowerBgmVolume(state::ProContext& pro);
void RaiseBgmVolume(state::ProContext& pro);
// Request 58, and before the take-off and final landing groups.
void StopBgmPlayback(state::ProContext& pro);
// Before an announcement: music down (segments) or paused (MP3), then 1 s of waiting.
// The wait's result: false when the flight window closed meanwhile.
bool DuckBgmForAnnouncement(state::ProContext& pro);
// After an announcement: 1 s, then the music back at its level (or kept down under quiet
// sound). False, with BgmLowered left set, when the flight window closed meanwhile.
bool RestoreBgmAfterAnnouncement(state::ProContext& pro);

}  // namespace vx::announce
