#include "ui/program_loop.h"

#include <QCoreApplication>
#include <QEvent>
#include <chrono>

#include "platform/event_pump.h"
#include "ui/event_boundary.h"
#include "ui/ui_env.h"

namespace vx::ui {

int RunProgram(UiEnv& env, const std::function<void()>& start) {
  auto& pump = env.pump;
  DispatchEvent(env, start);
  try {
    // A form that unloads inside a handler ends the program only once that handler is done.
    while (!pump.Ended() && env.windows.LoadedCount() > 0) {
      pump.Idle(std::chrono::milliseconds(1000));
      // No handler runs here: windows of unloaded forms can go now.
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
  } catch (const platform::ProgramEnding&) {
  }
  return pump.Ended() ? pump.ExitCode() : 0;
}

}  // namespace vx::ui
