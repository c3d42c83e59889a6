#pragma once
// Module-level state of the announcement engine (flight window, dispatcher, groups, music).
#include <array>
#include <cstdint>
#include <string>

namespace vx::announce {

// The flight window's place in twips, and where the call-out program's window goes
// beside it.
struct WindowPosition {
  std::int32_t top = 0;
  std::int32_t left = 0;
  std::int32_t expTop = 0;   // a copy of top
  std::int32_t expLeft = 0;  // left plus the flight window's width
};

struct EngineState {
  std::int16_t AnnounceRequest = 0;
  std::int16_t AnnounceAbort = 0;       // 1 cuts the running sequence and every wait in it
  std::int16_t FlightWindowClosed = 0;  // 1 once the flight window has unloaded
  WindowPosition SoundWindowPosition;
  std::string BgmMode = "MP3";         // "MP3", "MIDI" or "OFF"
  std::string BgmRepeatMode = "順次";  // "順次", "ランダム"; anything else repeats the track
  // Attenuation of each volume setting in hundredths of a decibel (BuildVolumeTable).
  std::array<std::int16_t, 31> AnnounceVolumeTable{};
};

}  // namespace vx::announce
