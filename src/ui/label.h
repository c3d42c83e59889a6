#pragma once
// Label: a caption that wraps within its width. Clicked when the left button is released over it.
#include <string>

#include "ui/alignment.h"
#include "ui/control.h"

namespace vx::ui {

class Label final : public Control {
 public:
  using Control::Control;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  Alignment TextAlignment() const { return alignment_; }
  void SetAlignment(Alignment alignment);
  // 0 no border, 1 a single line.
  int BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(int style);

 protected:
  QWidget* CreateWidget(QWidget* parent) override;
  void ResetProperties() override;
  bool TakesMouse() const override { return true; }
  bool ClickOnRelease() const override { return true; }

 private:
  void Push();

  std::string caption_;
  Alignment alignment_ = Alignment::Left;
  int borderStyle_ = 0;
};

}  // namespace vx::ui
