#pragma once
// Frame: a captioned box holding controls; its option buttons form one group.
// Controls placed in it are declared after it with the frame as their container.
#include <string>

#include "ui/control.h"

namespace vx::ui {

class Frame final : public Control, public Container {
 public:
  Frame(Container& parent, std::string name, int index = -1) : Control(parent, std::move(name), index) {}

  Form& OwnerForm() override { return Control::OwnerForm(); }
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

 protected:
  QWidget* CreateWidget(QWidget* parent) override;
  void ResetProperties() override;
  Container* AsContainer() override { return this; }
  QWidget* ChildArea() const override { return widget_; }

 private:
  std::string caption_;
};

}  // namespace vx::ui
