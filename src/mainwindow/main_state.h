#pragma once
// Module-level state of the start-up window, the main window and the key control.
#include <cstdint>
#include <string>

namespace vx::mainwindow {

struct MainState {
  std::string CaptainName;
  std::int16_t KeyInputMode = 0;  // 0 main window only, 1 viewpoint set-up, 2 flight window up
  float KeySequenceTime = 0;      // seconds since midnight of the last key of a sequence
  std::int16_t HelpFromFlight = 0;     // -1 when frmHelp was opened from the flight
  std::int16_t KeyFormFromFlight = 0;  // -1 when frmキー設定 was opened from the flight
};

}  // namespace vx::mainwindow
