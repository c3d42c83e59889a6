#pragma once
// Everything one run of the call-out program holds: its services, its window's flags, its
// simulator link with the flight state the reads keep, its settings and its sound
// buffers. A test builds a fresh one.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/services.h"
#include "state/callout_state.h"
#include "state/channel_records.h"
#include "state/exp_handover_values.h"
#include "state/exp_var_table.h"
#include "state/exp_view_state.h"
#include "state/sim_link_watch.h"
#include "state/tables.h"
#include "state/view_settings.h"

namespace vx::ui {
class MessageBoxes;
struct UiEnv;
}  // namespace vx::ui
namespace vx::callout {
class ExpDisplay;
}

namespace vx::state {

inline constexpr int kCallSoundCount = 75;

// The window's flags (booleans are -1 / 0 where the engine compares them).
struct ExpFrameState {
  std::string BaseFolder;
  std::int16_t SimConnected = 0;  // -1 once the link is up
  std::int16_t QuitRequested = 0;  // 1: the program is to end
  std::int16_t TickBusy = 0;       // 1 while a call-out tick runs
  // Presence of the hand-over files, set by the file poll: -1 present, 0 absent.
  std::int16_t EyeViewPresent = 0;
  std::int16_t EyeDoorPresent = 0;
  std::int16_t EyeCargoPresent = 0;
  std::int16_t EyeCheckPresent = 0;
  std::int16_t PushbackFilePresent = 0;
  std::int16_t BeginFilePresent = 0;
  // 1 when the file newly appeared.
  std::int16_t EyeViewArmed = 0;
  std::int16_t EyeCheckArmed = 0;
  int TickCount = 0;  // 0 to 9: the tenth tick makes the full read
};

// The simulator link and the flight state its reads keep.
struct ExpSimState {
  std::int64_t SimWindow = 0;
  std::string SimKind;         // "FS6" or "FS98"
  ExpVarPairs ExpVarTable{};   // all (0, 0) until an FS98-class simulator is connected
  ExpRawValues Raw;
  SimLinkWatch linkWatch;

  std::int32_t AltitudeFt = 0;
  std::int16_t GroundElevationFt = 0;
  std::int32_t HeightAglFt = 0;
  std::int32_t HeightAboveDepartureFt = 0;
  std::int32_t HeightAboveArrivalFt = 0;
  std::int32_t PrevHeightAboveArrivalFt = 0;
  std::int16_t ShowArrivalHeight = 0;
  double VerticalSpeedFpm = 0;  // whole feet per minute, climb positive
  std::int16_t MachX100 = 0;
  std::int32_t GroundSpeedKmh = 0;
  std::int32_t TasKt = 0;
  std::int32_t IasKt = 0;
  std::int32_t PrevIasKt = 0;
  double LatitudeDeg = 0;
  double LongitudeDeg = 0;
  std::int16_t HeadingDeg = 0;  // magnetic, whole degrees
  // Magnetic heading of every fast read, for the landing-course sector test.
  std::int16_t SectorHeadingDeg = 0;
  std::int16_t SlewModeWord = 0;
  std::int16_t GearLeverDown = 0;
  std::int16_t GearExtensionPct = 0;
  std::int16_t OnGroundWord = 0;
  std::int16_t ThrottleLever = 0;
  std::int16_t Engine1N1Raw = 0;   // 0x0898
  std::int32_t EngineThrustRaw = 0;  // 0x080C
  std::int32_t SpoilerControl = 0;
  std::uint8_t LocaliserByte = 0;
  std::uint8_t GlideslopeByte = 0;
  std::int16_t NavFlagsWord = 0;
  std::int16_t LocalHour = 0, LocalMinute = 0, LocalSecond = 0;
  std::int16_t GmtHour = 0, GmtMinute = 0;
  std::int16_t TimeZoneWord = 0;
  // Weather of the full read.
  std::int16_t TemperatureC = 0;
  std::int16_t WindSpeedKt = 0, WindDirectionDeg = 0;
  std::int16_t SurfaceWindSpeedKt = 0, SurfaceWindDirectionDeg = 0;
  std::int16_t PushbackTargetHeading = 0;

  FlightDataRecord FlightData;
  Channel vol, stab, data;
  VolChannelRecord VolRecord;
};

// vexlorEXP.cfg as the program keeps it.
struct ExpSettings {
  std::int16_t SpeedCallOn = 0;     // -1 on
  std::int16_t AltitudeCallOn = 0;  // -1 on
  std::int32_t ExpWindowTop = 0;    // twips
  std::int32_t ExpWindowLeft = 0;
  ViewTableArray ViewPresets;
  ApuSoundValues ApuSoundSettings;
};

struct ExpSoundState {
  std::array<std::string, kCallSoundCount> CallSoundFile;
  std::array<std::int32_t, kCallSoundCount> CallSoundBuffer{};
  std::array<std::int16_t, kCallSoundCount> CallVolumeTable{};  // hundredths of a decibel
  std::array<std::int16_t, kCallSoundCount> CallVolumes{};      // used when a buffer plays
  std::int16_t MuteApplied = 0;  // -1 while the quiet word holds every buffer at -3000
};

// The call-out engine's procedures that the frame and the link run; empty ones are skipped.
struct ExpEngineHooks {
  std::function<void()> ResetCallOutState;      // start-up step 5
  std::function<void()> InitCallOutWindow;      // start-up step 11
  std::function<void()> RunCallOutTick;         // the 307 ms tick
  std::function<void()> PollSoundSettingsFile;  // the 1007 ms poll's last step
  std::function<void()> UpdateTargetTrend;      // after every fast read
  std::function<void()> UnloadWindow;           // ends the program from inside a tick
  std::function<void()> MakeWindowTopmost;      // the window stays above the simulator's
  std::function<void(std::int32_t top, std::int32_t left)> MoveWindow;  // twips
};

struct ExpContext {
  platform::Services svc;
  ui::MessageBoxes* boxes = nullptr;
  ui::UiEnv* ui = nullptr;
  // The window's five display boxes (absent in tests of the link alone).
  callout::ExpDisplay* display = nullptr;

  ExpFrameState frame;
  ExpSimState sim;
  ExpSettings settings;
  ExpSoundValues sd;        // vexlorSD.cfg
  ExpPushbackValues pushback;  // vexlorPB.cfg
  ExpInspectionValues inspection;  // EyeCheck.cfg
  AirportTableArray airports;  // for the departure board
  ExpSoundState sound;
  CallOutState callout;
  ExpViewState view;
  ExpEngineHooks engine;
};

}  // namespace vx::state
