#pragma once
// Everything one run of the main program holds: its services and the module-level
// state of its subsystems. A test builds a fresh one.
#include "platform/services.h"
#include "state/briefing_state.h"
#include "state/engine_state.h"
#include "state/files_state.h"
#include "state/flight_state.h"
#include "state/main_state.h"
#include "state/sim_state.h"

namespace vx::ui {
class MessageBoxes;
struct UiEnv;
}

namespace vx::state {

struct ProContext {
  platform::Services svc;
  ui::MessageBoxes* boxes = nullptr;
  // The program's windows (their registry places a window above the others by handle).
  ui::UiEnv* ui = nullptr;

  SimState sim;
  EngineState engine;
  FilesState files;
  BriefingState briefing;
  FlightState flight;  // the running flight
  MainState main;
};

}  // namespace vx::state
