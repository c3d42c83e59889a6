#include "ui/event_boundary.h"

#include <string>

#include "platform/event_pump.h"
#include "runtime/runtime_error.h"
#include "ui/message_box.h"
#include "ui/ui_env.h"

namespace vx::ui {

std::string ErrorMessage(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const runtime::RuntimeError& e) {
    return e.Text();
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return runtime::ErrorText(0);
  }
}

void ReportHandlerError(UiEnv& env, const std::exception_ptr& error) {
  try {
    env.boxes.Show(ErrorMessage(error), Buttons::Ok, Icon::Critical);
  } catch (...) {
    // A box that cannot be shown must not take the window system's loop down with it.
  }
}

void DispatchEvent(UiEnv& env, const std::function<void()>& handler) {
  if (!handler || env.pump.Ended()) return;
  try {
    handler();
  } catch (const platform::ProgramEnding&) {
  } catch (...) {
    if (!env.pump.Ended()) ReportHandlerError(env, std::current_exception());
  }
}

void RaiseEvent(UiEnv& env, const std::function<void()>& handler) {
  if (!handler || env.pump.Ended()) return;
  try {
    handler();
  } catch (const platform::ProgramEnding&) {
    throw;
  } catch (...) {
    if (!env.pump.Ended()) ReportHandlerError(env, std::current_exception());
  }
}

}  // namespace vx::ui
