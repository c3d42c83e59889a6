#pragma once
// Everything one run of the main program holds: its services and the module-level
// state of its subsystems. A test builds a fresh one.
#include "announce/engine_state.h"
#include "briefing/briefing_state.h"
#include "datafiles/files_state.h"
#include "mainwindow/main_state.h"
#include "platform/services.h"
#include "simlink/sim_state.h"

namespace vx::ui {
class MessageBoxes;
struct UiEnv;
}

namespace vx::mainwindow {

struct ProContext {
  platform::Services svc;
  ui::MessageBoxes* boxes = nullptr;
  // The program's windows (their registry places a window above the others by handle).
  ui::UiEnv* ui = nullptr;

  simlink::SimState sim;
  announce::EngineState engine;
  datafiles::FilesState files;
  briefing::BriefingState briefing;
  MainState main;
};

}  // namespace vx::mainwindow
