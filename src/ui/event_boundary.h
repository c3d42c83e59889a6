#pragma once
// Every event handler of the programs runs at a boundary: an error that reaches it is
// shown in a critical message box (the runtime error's text) and the program carries on.
#include <exception>
#include <functional>
#include <string>

namespace vx::ui {

struct UiEnv;

// Runs a handler for an event of the window system or of a timer. The end of the
// program (platform::ProgramEnding) stops here silently: the window system's loop must
// not be unwound, and every later pump throws it again. After the end nothing runs.
void DispatchEvent(UiEnv& env, const std::function<void()>& handler);

// Runs a handler that the program's own code raised (Load, Unload, a property set in
// code). Errors are shown as above, but the end of the program keeps unwinding into
// the code that raised the event.
void RaiseEvent(UiEnv& env, const std::function<void()>& handler);

// The text a box shows for an error: the runtime error's text, else what() says.
std::string ErrorMessage(const std::exception_ptr& error);

// Shows the critical box for an error that reached a boundary.
void ReportHandlerError(UiEnv& env, const std::exception_ptr& error);

}  // namespace vx::ui
