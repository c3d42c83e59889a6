#pragma once
// The ending signals of a program (SIGTERM, SIGINT, SIGHUP): the program ends as its
// window's closing ends it, so that the hand-over files it owns and its shared memories
// go. A signal while a message box is up and the closing already runs (the main program's
// question whether to save, say), or while a box is up before there is a window to close,
// ends the program at once: the end closes the box, and what would have followed its
// answer does not run. A signal while the closing runs with no box up adds nothing; once
// a closing has come back without ending the program, the next signal closes again.
// Children that end are reaped at once.
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
  // Whether there is a window to close (a box that is up before it ends the program at
  // once); without it, whenever `close` is set.
  std::function<bool()> windowUp;

 private:
  void End();

  SystemServices& system_;
  bool closing_ = false;
  platform::ProgramSignals signals_;
};

}  // namespace vx::composition
