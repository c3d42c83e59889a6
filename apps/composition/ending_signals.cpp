#include "composition/ending_signals.h"

#include "composition/system_services.h"
#include "ui/event_boundary.h"
#include "ui/message_box.h"
#include "ui/scope_guard.h"

namespace vx::composition {

EndingSignals::EndingSignals(SystemServices& system)
    : system_(system), signals_([this] { End(); }, [this] { system_.processes.ReapEnded(); }) {}

void EndingSignals::End() {
  const bool boxUp = system_.env.boxes.OpenBoxes() > 0;
  const bool window = close && (!windowUp || windowUp());
  if (boxUp && (closing_ || !window)) {
    ui::DispatchEvent(system_.env, [this] { system_.pump.EndProgram(); });
    return;
  }
  if (closing_) return;
  ui::BusyFlag<bool> closing(closing_, true);
  ui::DispatchEvent(system_.env, [this, window] {
    if (window) close();
    system_.pump.EndProgram();
  });
}

}  // namespace vx::composition
