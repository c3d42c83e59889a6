#pragma once
// Module-level state of the start-up window, the main window and the key control.
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "platform/key_event.h"

#include "state/key_windows.h"
#include "state/restart_summary_texts.h"
#include "state/view_settings.h"

namespace vx::state {

// What the main window's settings-file box and six option combos show. The settings
// loader sets them; Start and the window's close copy the combos into the options.
struct MainWindowTexts {
  std::string tbxファイル名;
  std::string combo速度コール = "ON";
  std::string combo高度コール = "ON";
  std::string combo視点切替 = "ON";
  std::string combo時差修正 = "ON";
  std::string comboBGM = "MP3";
  std::string comboBGM繰返 = "ランダム";
  std::uint32_t loads = 0;  // counts the settings loads that set these texts
};

// A key event that came in while the key handler was at an earlier one, and when it came
// (monotonic), which its sequence counts from.
struct WaitingKey {
  platform::KeyEvent key;
  std::int64_t arrivalNanos = 0;
};

struct MainState {
  std::string CaptainName;
  std::int16_t KeyInputMode = 0;  // 0 main window only, 1 viewpoint set-up, 2 flight window up
  std::int16_t KeyModeBeforeViewpoint = 0;  // the mode the viewpoint set-up returns to
  std::int32_t MainWindowHandle = 0;  // frmMain's window handle, handed to the viewpoint program
  MainWindowTexts MainWindow;

  // Virtual-key codes of the volume key and the three command keys.
  std::int16_t VolumeKeyCode = 32;
  std::int16_t CommandKeyA = 65;
  std::int16_t CommandKeyB = 66;
  std::int16_t CommandKeyC = 67;
  std::int16_t ArrivalGate = 0;

  // Option texts copied from the main window's combos.
  std::string SpeedCallOption = "ON";
  std::string AltitudeCallOption = "ON";
  std::string ViewSwitchOption = "ON";
  std::string TimeDiffCorrection = "OFF";

  ApuSoundValues ApuSoundSettings{{"右", "左"}, {"7", "10"}};
  bool ResumeRequested = false;
  RestartSummaryTexts RestartSummary;
  bool HelpFromFlight = false;     // frmHelp was opened from the flight
  bool KeyFormFromFlight = false;  // frmキー設定 was opened from the flight

  // Key control.
  KeySequenceState KeySequence;
  bool KeyHandlerBusy = false;     // while the flight part of the key handler runs
  // Key events that came in while the handler was still at an earlier one (its pumps
  // read them); the handler takes them in their order when it has finished. Once a message
  // box has come up while the handler is at a key, the keys that come in the rest of that
  // key's work are the box's.
  bool KeyHandlerRunning = false;
  std::deque<WaitingKey> KeysWaiting;
  std::uint64_t KeyHandlerBoxesBefore = 0;  // the boxes shown when the handler took up its key
  bool TobFromFlight = false;      // the briefing sheet was opened from the flight
  KeyWindows keyWindows;
  // The viewpoint program started from the main window, while it may run.
  std::optional<int> OcumoProcess;
  // The call-out program the latest flight of this run started.
  std::optional<int> CallOutProcess;
};

}  // namespace vx::state
