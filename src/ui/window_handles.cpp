#include "ui/window_handles.h"

#include <QApplication>
#include <QWidget>

#include "ui/form.h"
#include "ui/ui_env.h"

namespace vx::ui {

bool SetWindowTopmost(UiEnv& env, WindowHandle handle) {
  Form* form = handle ? env.windows.Find(handle) : nullptr;
  if (!form) return false;
  form->SetTopmost(true);
  return true;
}

bool ActivateWindow(UiEnv& env, WindowHandle handle) {
  Form* form = handle ? env.windows.Find(handle) : nullptr;
  if (!form) return false;
  form->Activate();
  return true;
}

WindowHandle ForegroundWindow(const UiEnv& env) {
  const QWidget* active = QApplication::activeWindow();
  if (!active) return 0;
  const auto handle = static_cast<WindowHandle>(active->winId());
  return env.windows.Find(handle) ? handle : 0;
}

}  // namespace vx::ui
