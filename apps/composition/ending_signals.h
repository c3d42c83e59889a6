#pragma once
// The ending signals of a companion program (SIGTERM, SIGINT, SIGHUP): the program ends as
// its window's closing ends it, so that the hand-over files it owns and its shared
// memories go, also while a message box is up (the end closes the box). The first signal
// counts; one while the end runs adds nothing. Children that end are reaped at once.
#include <functional>

#include "platform/program_signals.h"

namespace vx::composition {

class SystemServices;

class EndingSignals {
 public:
  // Set up as soon as the application object exists: a signal that comes before the
  // event loop runs waits for it instead of killing the program.
  explicit EndingSignals(SystemServices& system);

  // The window's closing, run at an event boundary before the program ends; set once
  // the window exists. Without it the program just ends.
  std::function<void()> close;

 private:
  void End();

  SystemServices& system_;
  bool ending_ = false;
  platform::ProgramSignals signals_;
};

}  // namespace vx::composition
