#include "composition/ending_signals.h"

#include "composition/system_services.h"
#include "ui/event_boundary.h"

namespace vx::composition {

EndingSignals::EndingSignals(SystemServices& system)
    : system_(system), signals_([this] { End(); }, [this] { system_.processes.ReapEnded(); }) {}

void EndingSignals::End() {
  if (ending_) return;
  ending_ = true;
  ui::DispatchEvent(system_.env, [this] {
    if (close) close();
    system_.pump.EndProgram();
  });
}

}  // namespace vx::composition
