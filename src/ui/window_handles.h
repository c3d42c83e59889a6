#pragma once
// Windows by handle: the program's own loaded forms. Handles of other programs' windows
// are not known here; these calls then do nothing and return false.
#include "ui/window_registry.h"

namespace vx::ui {

struct UiEnv;

// Keeps the window above all others (until its form unloads).
bool SetWindowTopmost(UiEnv& env, WindowHandle handle);
// Brings the window to the front and gives it the focus.
bool ActivateWindow(UiEnv& env, WindowHandle handle);
// The program's window that has the focus, 0 when none has.
WindowHandle ForegroundWindow(const UiEnv& env);

}  // namespace vx::ui
