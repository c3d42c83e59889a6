#pragma once
// Push button; onClick runs when it is pressed (or PerformClick() in code).
#include <string>

#include "ui/control.h"

namespace vx::ui {

class CommandButton final : public Control {
 public:
  using Control::Control;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // Presses the button from code: onClick runs as if the user had clicked.
  void PerformClick();

 protected:
  QWidget* CreateWidget(QWidget* parent) override;
  void ResetProperties() override;

 private:
  std::string caption_;
};

}  // namespace vx::ui
