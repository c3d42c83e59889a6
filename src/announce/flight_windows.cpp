#include "announce/flight_windows.h"

#include "platform/event_pump.h"
#include "platform/sim_focus.h"
#include "state/pro_context.h"
#include "ui/window_handles.h"

namespace vx::announce {

void SetWindowTopmost(state::ProContext& pro, std::int64_t windowHandle) {
  if (windowHandle != 0 && pro.ui) ui::SetWindowTopmost(*pro.ui, windowHandle);
  pro.svc.pump->Pump();
}

void BringSimulatorToFront(state::ProContext& pro) {
  if (pro.sim.SimWindow == 0) return;
  // The simulator's own window is raised through its link where the program has one;
  // the window system only raises windows of this program.
  if (pro.svc.simFocus) {
    pro.svc.simFocus->BringSimulatorToFront(pro.sim.SimWindow);
  } else if (pro.ui) {
    ui::ActivateWindow(*pro.ui, static_cast<ui::WindowHandle>(pro.sim.SimWindow));
  }
  if (pro.svc.pump) pro.svc.pump->Pump();
}

void ShowFlightFormOnTop(state::ProContext& pro, FlightForm form) {
  FlightForms* forms = pro.engine.flightForms;
  SetWindowTopmost(pro, forms ? forms->Handle(form) : 0);
  if (forms) forms->ShowModeless(form);
}

}  // namespace vx::announce
