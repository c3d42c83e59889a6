#pragma once
// Option button: of the option buttons in one container (the form or a frame) at most
// one is selected. onClick runs when the button becomes selected, by the user or in code.
#include <string>

#include "ui/control.h"

namespace vx::ui {

class OptionButton final : public Control {
 public:
  using Control::Control;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  bool Value() const { return value_; }
  // True selects this button and clears the others of its container.
  void SetValue(bool value);

 protected:
  QWidget* CreateWidget(QWidget* parent) override;
  void ResetProperties() override;

 private:
  void Select();
  void Push();

  std::string caption_;
  bool value_ = false;
};

}  // namespace vx::ui
