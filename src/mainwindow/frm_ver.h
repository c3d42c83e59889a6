#pragma once
// frmVer: the program's version with its logo.
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/form_layout.h"
#include "ui/image.h"
#include "ui/label.h"

namespace vx::mainwindow {

class FrmVer final : public ui::Form {
 public:
  explicit FrmVer(ui::UiEnv& env);
  static ui::FormLayout Layout();

  ui::Image Image1{*this, "Image1"};
  ui::Label Label3{*this, "Label3"};
  ui::Label Label2{*this, "Label2"};
  ui::CommandButton buttonExit{*this, "buttonExit"};

 protected:
  void Design() override;

 private:
  void frmVer_buttonExit_Click();
};

}  // namespace vx::mainwindow
