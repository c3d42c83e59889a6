#include "callout/exp_view.h"

#include "callout/exp_link.h"
#include "state/exp_context.h"

namespace vx::callout {

std::optional<EyeView> ExpEyeView(state::ExpContext& exp) {
  if (!exp.svc.sim || !exp.svc.keys || !exp.svc.simFocus || !exp.svc.pump) return std::nullopt;
  exp.view.eye.SimWindow = exp.sim.SimWindow;
  exp.view.eye.ViewPresets = exp.settings.ViewPresets;
  return EyeView{*exp.svc.sim, *exp.svc.keys, *exp.svc.simFocus, *exp.svc.pump,
                 [&exp](float seconds) { return WaitSeconds(exp, seconds); }, exp.view.eye};
}

}  // namespace vx::callout
