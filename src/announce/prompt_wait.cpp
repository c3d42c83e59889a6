#include "announce/prompt_wait.h"

#include "announce/engine_waits.h"
#include "announce/group_run.h"
#include "platform/event_pump.h"
#include "state/pro_context.h"

namespace vx::announce {
namespace {

constexpr float kPollSeconds = 0.5f;

}  // namespace

bool AskPrompt(state::ProContext& pro, FlightForm form, std::int16_t& answer) {
  answer = kPromptAsked;
  // Loads the prompt when it is not loaded. A program without the prompt has nobody to
  // answer: the group ends as if cancelled instead of waiting for the end of the flight.
  FlightForms* forms = pro.engine.flightForms;
  if (!forms || forms->Handle(form) == 0) return false;
  forms->ShowModeless(form);
  pro.svc.pump->Pump();
  // Without the cut among the hooks: a cut wait returns at once, and the poll would
  // spin through the events until the user answers.
  simlink::WaitHooks hooks = EngineWaitHooks(pro);
  hooks.aborted = nullptr;
  while (answer < kPromptConfirmed) {
    if (!simlink::WaitSeconds(hooks, kPollSeconds) || state::FlightGone(pro.engine)) throw FlightEnded{};
    pro.svc.pump->Pump();
  }
  return answer != kPromptCancelled;
}

}  // namespace vx::announce
