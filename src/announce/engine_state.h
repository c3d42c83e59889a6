#pragma once
// Module-level state of the announcement engine (flight window, dispatcher, groups, music).
#include <array>
#include <cstdint>
#include <functional>
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

class FlightWindowView;
class FlightForms;

inline constexpr int kSoundSlotCount = 51;     // slots 0 to 50
inline constexpr int kPlaylistCapacity = 201;  // entries 0 to 200
inline constexpr int kVolumeIndexCount = 31;   // volume indexes 0 to 30

// The background music files listed when the main window loads.
struct BgmPlaylistState {
  std::int16_t count = 0;
  std::array<std::string, kPlaylistCapacity> paths;
  std::array<std::string, kPlaylistCapacity> titles;
  std::int16_t position = 0;  // the current track
};

// The radio chatter files of each folder, listed when the main window loads.
inline constexpr int kAtcFolderCount = 6;       // del, gnd, twr, dep, ctr, apr
inline constexpr int kAtcListCapacity = 100;    // entries 0 to 99
struct AtcFileList {
  std::int16_t count = 0;
  std::array<std::string, kAtcListCapacity> paths;
};

// The repeat modes of BgmRepeatMode.
inline constexpr const char* kBgmInOrder = "順次";
inline constexpr const char* kBgmRandom = "ランダム";

struct EngineState {
  std::int16_t AnnounceRequest = 0;
  std::int16_t AnnounceAbort = 0;       // 1 cuts the running sequence and every wait in it
  std::int16_t FlightWindowClosed = 0;  // 1 once the flight window has unloaded
  WindowPosition SoundWindowPosition;
  std::int16_t FlightStage = 0;  // 0 up to departure, 1 after arrival, 2 after the final announcement

  // Sound slots: 0 to 6 the fixed effects, 7 to 50 the parts of the running group.
  std::array<std::string, kSoundSlotCount> SoundSlotFile;
  std::array<std::int32_t, kSoundSlotCount> SoundSlotBuffer{};
  std::array<std::int16_t, kVolumeIndexCount> AnnounceVolumeTable{};  // hundredths of a dB per index
  std::int16_t CurrentVolumeIndex = 0;
  std::int16_t CurrentVolume = 0;  // attenuation in use, -3000 while QuietSound is on
  std::int16_t LastSoundSlot = 0;  // the highest slot the running group's loader filled

  // Quiet mode of all sounds, switched by the quiet-sound key; on whenever non-zero.
  std::int16_t QuietSound = 0;

  // Background music.
  std::string BgmMode;         // "MIDI", "MP3" or "OFF", chosen in the main window
  std::int16_t BgmEngine = 0;  // 0 none, 1 MIDI segments, 2 MP3
  BgmPlaylistState BgmPlaylist;
  std::string BgmRepeatMode = kBgmInOrder;  // "順次", "ランダム", anything else repeats the track
  std::int32_t BgmSegment = 0;              // the loaded MIDI segment
  std::int16_t BgmPlaying = 0;              // -1 while music plays
  std::int16_t BgmStarting = 0;             // 1 while a track change runs
  std::int16_t BgmVolume = 10;              // 0 to 10 in steps of 2
  std::int16_t BgmLowered = 0;              // -1 while an announcement holds the music down
  std::int32_t Mp3PlayerState = 0;          // last state read from the MP3 player
  std::int16_t Mp3OpenFailures = 0;         // track changes failed in a row

  // Random radio chatter: 0 off, 1 running, 3 start asked, 2 stop asked.
  std::int16_t AtcChatterState = 0;
  std::array<AtcFileList, kAtcFolderCount> AtcFileLists;

  // Sound loops switched by the command keys: -1 while they run.
  std::int16_t WiperOn = 0;
  std::int16_t AirconOn = 0;

  // Windows this part writes into or opens (set by the flight window; may be absent).
  FlightWindowView* flightWindow = nullptr;
  FlightForms* flightForms = nullptr;
  // The flight progress tick that every wait of the engine runs on each round.
  std::function<void()> progressTick;
};

inline bool QuietSoundOn(const EngineState& e) { return e.QuietSound != 0; }

}  // namespace vx::announce
