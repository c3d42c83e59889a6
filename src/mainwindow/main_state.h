#pragma once
// Module-level state of the start-up window, the main window and the key control.
#include <cstdint>
#include <string>

namespace vx::mainwindow {

struct MainState {
  std::string CaptainName;
  std::int16_t KeyInputMode = 0;  // 0 main window only, 1 viewpoint set-up, 2 flight window up
};

}  // namespace vx::mainwindow
