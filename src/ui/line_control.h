#pragma once
// Line: a straight line between two points of its container, in twips.
#include "ui/control.h"

namespace vx::ui {

class Line final : public Control {
 public:
  using Control::Control;

  double X1() const { return x1_; }
  double Y1() const { return y1_; }
  double X2() const { return x2_; }
  double Y2() const { return y2_; }
  void SetPoints(double x1, double y1, double x2, double y2);
  Colour BorderColor() const { return borderColor_; }
  void SetBorderColor(Colour c);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int pixels);

 protected:
  QWidget* CreateWidget(QWidget* parent) override;
  void ResetProperties() override;
  void ApplyGeometry() override;

 private:
  double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  Colour borderColor_;
  int borderWidth_ = 1;
};

}  // namespace vx::ui
