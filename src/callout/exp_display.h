#pragma once
// The five display boxes of the call-out program's window, as the simulator reads and the
// pushback run write them.
#include <string>
#include <string_view>

namespace vx::callout {

enum class ExpBox { Tbx1, Tbx2, Tbx3, AltWind, GroundWind };

class ExpDisplay {
 public:
  virtual ~ExpDisplay() = default;
  virtual void SetText(ExpBox box, std::string_view text) = 0;
  virtual std::string Text(ExpBox box) const = 0;
};

}  // namespace vx::callout
