#pragma once
// Everything one run of the viewpoint program holds: its services, the simulator link
// and the view layer's state, the main program's window, the APU values, the key mode
// and the key channel. A test builds a fresh one.
#include <cstdint>
#include <string>

#include "platform/services.h"
#include "state/channel_records.h"
#include "state/eye_view_state.h"
#include "state/view_settings.h"

namespace vx::ui {
class MessageBoxes;
struct UiEnv;
}  // namespace vx::ui

namespace vx::state {

struct OcumoState {
  std::string BaseFolder;
  std::string SimKind;                // "FS6" or "FS98"
  std::int32_t ProWindowHandle = 0;   // the main program's window; 0: none
  ApuSoundValues ApuSoundSettings;
  std::int16_t OcumoMode = 0;         // 0 camera keys, 3 rotation menu
  std::int16_t PollBusy = 0;          // 1 while a poll runs
  Channel eye;                        // VEXLORPRO_EYE
};

struct OcumoContext {
  platform::Services svc;
  ui::MessageBoxes* boxes = nullptr;
  ui::UiEnv* ui = nullptr;

  EyeViewState view;  // SimWindow, ViewPresets, CurrentViewPreset, the aircraft, the eye point
  OcumoState ocumo;
};

}  // namespace vx::state
