#pragma once
// Check box: Value 0 unchecked, 1 checked, 2 greyed. onClick runs when the value changes,
// by the user or in code.
#include <string>

#include "ui/control.h"

namespace vx::ui {

class CheckBox final : public Control {
 public:
  using Control::Control;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  int Value() const { return value_; }
  // 0, 1 or 2; others raise the invalid-property error.
  void SetValue(int value);

 protected:
  QWidget* CreateWidget(QWidget* parent) override;
  void ResetProperties() override;

 private:
  void Push();

  std::string caption_;
  int value_ = 0;
};

}  // namespace vx::ui
