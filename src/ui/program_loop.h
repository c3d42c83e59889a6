#pragma once
// The main loop of a program: runs its start (showing its first form), then pumps
// events until no form is loaded any more or the program has been ended.
#include <functional>

namespace vx::ui {

struct UiEnv;

// Returns the exit code (EndProgram's, or 0 when the last form unloaded). With the real
// pump, QtEventPump::AttachMainLoop() should be on, so that timers also fire inside
// modal dialogs of the window system.
int RunProgram(UiEnv& env, const std::function<void()>& start);

}  // namespace vx::ui
