#pragma once
// Module-level state of the announcement engine (flight window, dispatcher, groups, music).
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vx::announce {
class FlightWindowView;
class FlightForms;
class BriefingCard;
class MainWindowLink;
struct GroupSpec;
}  // namespace vx::state

namespace vx::state {

// The flight window's place in twips, and where the call-out program's window goes
// beside it.
struct WindowPosition {
  std::int32_t top = 0;
  std::int32_t left = 0;
  std::int32_t expTop = 0;   // a copy of top
  std::int32_t expLeft = 0;  // left plus the flight window's width
};

inline constexpr int kSoundSlotCount = 51;     // slots 0 to 50
inline constexpr int kPlaylistCapacity = 201;  // entries 0 to 200
inline constexpr int kVolumeIndexCount = 31;   // volume indexes 0 to 30
inline constexpr int kAtcChannelCount = 6;     // del, gnd, twr, dep, ctr, apr

// The background music files listed when the main window loads.
struct BgmPlaylistState {
  std::int16_t count = 0;
  std::array<std::string, kPlaylistCapacity> paths;
  std::array<std::string, kPlaylistCapacity> titles;
  std::int16_t position = 0;  // the current track
};

// The radio chatter recordings of one channel, listed when the main window loads.
struct AtcFileList {
  std::int16_t count = 0;
  std::vector<std::string> paths;
};

// AnnounceRequest "next": serves the request of the current GroundStep or AirStep, and
// fades out a part that waits with fading.
inline constexpr std::int16_t kNextRequest = 20;

// The values of BgmEngine other than 0 (none).
inline constexpr int kEngineSegments = 1;  // MIDI segments
inline constexpr int kEngineMp3 = 2;

// The repeat modes of BgmRepeatMode.
inline constexpr const char* kBgmInOrder = "順次";
inline constexpr const char* kBgmRandom = "ランダム";

struct EngineState {
  std::int16_t AnnounceRequest = 0;
  bool AnnounceAbort = false;       // cuts the running sequence and every wait in it
  bool FlightWindowClosed = false;  // once the flight window has unloaded
  WindowPosition SoundWindowPosition;

  // The flight window and its heartbeat.
  bool FlightWindowReady = false;  // once a flight window of this run passed the simulator check
  bool DispatcherBusy = false;     // while a heartbeat tick is being served
  bool ProgressRefreshToggle = false;
  // Each load of the flight window starts a new flight; `tickFlight` is the flight whose
  // heartbeat tick is running (0 outside a tick), so that code unwinding from an ended
  // flight never carries on inside the next one.
  std::uint32_t FlightId = 0;
  std::uint32_t tickFlight = 0;

  bool DepartureDelayed = false;  // the departure was more than 10 minutes late

  // Sound slots: 0 to 6 the fixed effects, 7 to 50 the parts of the running group.
  std::array<std::string, kSoundSlotCount> SoundSlotFile;
  std::array<std::int32_t, kSoundSlotCount> SoundSlotBuffer{};
  std::int16_t FirstLoadedSlot = 0;  // the range the last loader filled
  std::int16_t LastLoadedSlot = 0;
  std::array<std::int16_t, kVolumeIndexCount> AnnounceVolumeTable{};  // hundredths of a dB per index
  bool SpecialVoiceOn = false;  // the hidden announcement set replaces the part sequences
  // The boarding group's spoken numbers: "1" for each digit place that is spoken
  // (flight number k h t o, departure minute tens and ones, gate h t o).
  std::string FlightDigitMask;
  std::string MinuteDigitMask;
  std::string GateDigitMask;
  // The arrival guidance's flight number (k h t o); its gate goes into GateDigitMask.
  std::string FlightNumberDigitMask;
  // The take-off briefing's spoken numbers, "1" for each place spoken: wind direction
  // (h t o), wind speed (t o), temperature and dew point (below zero, t, o), fuel and
  // take-off weight (hundred-thousands, ten-thousands, thousands), cruise altitude
  // (ten-thousands, thousands) and the four heights (thousands, hundreds).
  std::string WindDirMask;
  std::string WindSpeedMask;
  std::string TempMask;
  std::string DewPointMask;
  std::string FuelMask;
  std::string WeightMask;
  std::string CruiseAltMask;
  std::string EngineOutAltMask;
  std::string AccelAltMask;
  std::string ReductionAltMask;
  std::string AfterV1AltMask;
  // The landing briefing's go-around altitude: "1" for each of thousands and hundreds
  // spoken; kept from one landing briefing to the next.
  std::string LdbAltitudeDigits;
  // The pushback group: the cabin attendant of the welcome (1 to 3 the short welcome of
  // that voice, 4 the long welcome) and the spoken places of the flight number (k h t o).
  std::int16_t WelcomeVoiceSet = 0;
  std::string FlightNumberMask;
  // G3: 1 when slot 7 holds the airline's own safety announcement, set by its loader.
  std::int16_t AirlineSafetyFileUsed = 0;
  // The running group: opened by its common run, closed by its clean-up; read when an
  // error ends the group so that its clean-up still runs.
  bool groupOpen = false;
  bool groupDucked = false;
  // The hand-over files the running group has written for the other programs (literals
  // under the base folder); an error that ends the group removes those still there.
  std::vector<std::string> groupHandOvers;

  // Quiet mode of all sounds, switched by the quiet-sound key; on whenever non-zero.
  std::int16_t QuietSound = 0;

  // Background music.
  std::string BgmMode;         // "MIDI", "MP3" or "OFF", chosen in the main window
  std::int16_t BgmEngine = 0;  // 0 none, 1 MIDI segments, 2 MP3
  BgmPlaylistState BgmPlaylist;
  std::string BgmRepeatMode = kBgmInOrder;  // "順次", "ランダム", anything else repeats the track
  std::int32_t BgmSegment = 0;              // the loaded MIDI segment
  std::int32_t Mp3PlayerState = 0;          // last state read from the MP3 player
  std::int16_t BgmTrackFailures = 0;        // track changes failed in a row (segments or MP3)

  // Radio chatter: the recordings of each channel.
  std::array<AtcFileList, kAtcChannelCount> AtcFileLists;
  std::int16_t AtcLastIndex = 0;   // list index of the last recording started

  // Windows this part writes into or opens (set by the flight window and the main
  // window; may be absent).
  announce::FlightWindowView* flightWindow = nullptr;
  announce::FlightForms* flightForms = nullptr;
  announce::BriefingCard* briefingCard = nullptr;  // frmTOB2
  announce::MainWindowLink* mainWindow = nullptr;
  // The announcement groups the dispatcher runs; null: the program's own table.
  const announce::GroupSpec* groupTable = nullptr;  // its rows, indexed by GroupId
};

// True once the flight the running code serves is over: its window has closed, or a
// heartbeat tick of an earlier flight is still unwinding while a later flight runs.
// Every wait of the main program, the music's track changes and the groups end on it.
inline bool FlightGone(const EngineState& e) {
  return e.FlightWindowClosed || (e.tickFlight != 0 && e.tickFlight != e.FlightId);
}
// The running announcement has been cut (the cancel keys, the help panel).
inline bool AnnouncementCut(const EngineState& e) { return e.AnnounceAbort; }

inline bool QuietSoundOn(const EngineState& e) { return e.QuietSound != 0; }

}  // namespace vx::state
