#pragma once
// What the fuel window and the pickers ask of the take-off briefing sheet when they close.
// The sheet fills these in; an empty one is skipped. None of them may load the sheet: a
// sheet closed meanwhile stays closed.
#include <functional>

namespace vx::briefing {

struct TobSheetCalls {
  // Refreshes the sheet's fuel boxes from the live totals.
  std::function<void()> ShowTobFuel;
  // Refills the sheet's airport fields from `RouteAirports` (argument 0: the runway
  // combos stay as they are).
  std::function<void(int)> FillTobRoute;
  // Refills the sheet's header fields, the airline's detail name among them.
  std::function<void()> FillTobHeader;
};

}  // namespace vx::briefing
