#pragma once
// Image: shows a picture. Without Stretch the control takes the picture's size; with it
// the picture fills the control. Clicked when the left button is released over it.
#include "ui/control.h"
#include "ui/picture.h"

namespace vx::ui {

class Image final : public Control {
 public:
  using Control::Control;

  const vx::ui::Picture& Picture() const { return picture_; }
  void SetPicture(vx::ui::Picture picture);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);

 protected:
  QWidget* CreateWidget(QWidget* parent) override;
  void ResetProperties() override;
  void ApplyGeometry() override;
  bool TakesMouse() const override { return true; }
  bool ClickOnRelease() const override { return true; }

 private:
  void Push();

  vx::ui::Picture picture_;
  bool stretch_ = false;
};

}  // namespace vx::ui
