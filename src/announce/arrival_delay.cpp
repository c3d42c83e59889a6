#include "announce/arrival_delay.h"

#include "datafiles/arrival_delay.h"
#include "state/pro_context.h"

namespace vx::announce {

void ClassifyArrivalDelay(state::ProContext& ctx) {
  const auto& scheduled = ctx.briefing.BriefingTimes.events[1];
  const auto& actual = ctx.briefing.BriefingTimes.events[3];
  ctx.files.ArrivalDelayClass = datafiles::ArrivalDelayClassFor(scheduled.gmtHour, scheduled.gmtMinute, actual.gmtHour, actual.gmtMinute);
}

}  // namespace vx::announce
