#pragma once
// The automatic-pause notice (frmAutoPause): shown when the flight reaches the automatic-pause
// distance; its OK button resumes the simulator.
namespace vx::simlink {

class AutoPauseNotice {
 public:
  virtual ~AutoPauseNotice() = default;
  // Creates the notice when it does not exist, makes it topmost and shows it without blocking.
  virtual void ShowTopmost() = 0;
};

}  // namespace vx::simlink
