#include "announce/handover_polls.h"

#include "announce/engine_waits.h"
#include "mainwindow/pro_context.h"
#include "platform/event_pump.h"
#include "platform/paths.h"

namespace vx::announce {
namespace {

bool PollUntil(mainwindow::ProContext& pro, std::string_view literal, bool exists, float everySeconds, PollCut cut) {
  EngineState& e = pro.engine;
  simlink::WaitHooks hooks = EngineWaitHooks(pro);
  if (cut == PollCut::Ignored) hooks.aborted = nullptr;
  while (pro.svc.paths->Exists(literal) != exists) {
    if (FlightGone(e)) return false;
    if (cut == PollCut::Ends && AnnouncementCut(e)) return true;
    pro.svc.pump->Pump();
    if (!simlink::WaitSeconds(hooks, everySeconds)) return false;
  }
  return !FlightGone(e);
}

}  // namespace

bool PollUntilFileExists(mainwindow::ProContext& pro, std::string_view literal, float everySeconds, PollCut cut) {
  return PollUntil(pro, literal, true, everySeconds, cut);
}

bool PollUntilFileGone(mainwindow::ProContext& pro, std::string_view literal, float everySeconds, PollCut cut) {
  return PollUntil(pro, literal, false, everySeconds, cut);
}

}  // namespace vx::announce
