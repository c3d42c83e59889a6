#pragma once
// The main program's flight as it runs for real: the machine's clock, the Qt event pump,
// SDL sound, the process launcher, the simulator link to a running fs-standin, the flight
// window, the briefing sheet, the help panel and stand-ins for the other windows of the
// flight; its base folder holds a call-out program that only waits for the end of the
// flight. For the integration tests and the CPU measurement.
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>

#include "announce/flight_form_set.h"
#include "announce/frm_sound.h"
#include "briefing/frm_tob.h"
#include "briefing/frm_tob2.h"
#include "composition/system_services.h"
#include "composition/system_sound.h"
#include "mainwindow/frm_help.h"
#include "platform/addon_link.h"
#include "platform/qt_event_pump.h"
#include "state/pro_context.h"
#include "ui/file_dialog.h"
#include "ui/message_box.h"
#include "ui/popup_menu.h"
#include "ui/ui_env.h"

namespace vx::test {

class StandinProcess;

struct RealFlightProgram {
  // `base` must exist; the stand-in must be running.
  RealFlightProgram(const StandinProcess& standin, const std::filesystem::path& base);
  ~RealFlightProgram();

  // Pumps (idling) until `done` holds or `limit` has passed; whether it held.
  bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);

  ui::ScriptedMessageBoxes boxes;
  ui::ScriptedFileDialogs dialogs;
  ui::ScriptedPopupMenus popups;
  composition::SystemServices system;
  composition::SystemSound sound{system.clock, {.rate = 22050}, ""};
  platform::UnavailableAddonLink addon;
  platform::SystemClock& clock = system.clock;
  platform::QtEventPump& pump = system.pump;
  ui::UiEnv& env = system.env;
  state::ProContext pro;
  announce::FlightFormSet forms;
  announce::StandInForm cabin{env, "frmCabin", "Cabin"};
  briefing::FrmTOB tob{env, pro};
  briefing::FrmTOB2 card{env, pro};
  mainwindow::FrmHelp help{env, pro};
  std::unique_ptr<announce::FrmSound> window;
};

}  // namespace vx::test
