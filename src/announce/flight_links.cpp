#include "announce/flight_links.h"

#include "platform/paths.h"
#include "platform/process.h"
#include "simlink/simulator_link.h"
#include "state/pro_context.h"
#include "ui/message_box.h"

namespace vx::announce {

void FollowFlightLinks(state::ProContext& pro) {
  const state::EngineState& e = pro.engine;
  if (e.FlightWindowClosed || !e.FlightWindowReady) return;
  if (pro.svc.clock) {
    simlink::SimLinkTarget target = simlink::ProSimLinkTarget(pro);
    // The loss is marked before the box shows: heartbeats inside the box tell nothing more.
    if (simlink::FollowSimulatorLink(target, *pro.svc.clock) == simlink::SimLinkChange::Lost &&
        pro.boxes) {
      pro.boxes->Show("ＦＳが実行されていません", ui::Buttons::Ok, ui::Icon::Exclamation, "VexlorPro");
    }
  }
  // Without its control file the call-out program has been told to end (the main window's
  // close deletes it while the flight window may still run); with it, it ended by itself.
  std::optional<int>& callOut = pro.main.CallOutProcess;
  if (callOut && pro.svc.processes && !pro.svc.processes->IsRunning(*callOut) && pro.svc.paths &&
      pro.svc.paths->Exists("\\vexlorEXP.cfg")) {
    callOut.reset();
    if (pro.boxes) pro.boxes->Show("VexlorEXPが終了しました。", ui::Buttons::Ok, ui::Icon::Exclamation, "VexlorPro");
  }
}

}  // namespace vx::announce
