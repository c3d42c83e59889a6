#include "announce/handover_polls.h"

#include "announce/engine_waits.h"
#include "platform/event_pump.h"
#include "platform/paths.h"
#include "state/pro_context.h"

namespace vx::announce {
namespace {

bool PollUntil(state::ProContext& pro, std::string_view literal, bool exists, float everySeconds, PollCut cut) {
  state::EngineState& e = pro.engine;
  simlink::WaitHooks hooks = EngineWaitHooks(pro);
  if (cut == PollCut::Ignored) hooks.aborted = nullptr;
  while (pro.svc.paths->Exists(literal) != exists) {
    if (state::FlightGone(e)) return false;
    if (cut == PollCut::Ends && state::AnnouncementCut(e)) return true;
    pro.svc.pump->Pump();
    if (!simlink::WaitSeconds(hooks, everySeconds)) return false;
  }
  return !state::FlightGone(e);
}

}  // namespace

bool PollUntilFileExists(state::ProContext& pro, std::string_view literal, float everySeconds, PollCut cut) {
  return PollUntil(pro, literal, true, everySeconds, cut);
}

bool PollUntilFileGone(state::ProContext& pro, std::string_view literal, float everySeconds, PollCut cut) {
  return PollUntil(pro, literal, false, everySeconds, cut);
}

}  // namespace vx::announce
