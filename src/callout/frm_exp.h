#pragma once
// frmExp: the call-out program's only window, a borderless strip with the height, airspeed,
// ground speed and the two wind boxes and an exit button. Its load starts the program
// (instance check, channels, airport table, simulator link, settings, sound buffers), its
// 1007 ms timer polls the hand-over files, its 307 ms timer runs the call-out tick, and its
// unload ends the program and cleans up the hand-over files.
#include <string>

#include "callout/exp_display.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/form_layout.h"
#include "ui/text_box.h"
#include "ui/timer_control.h"

namespace vx::platform {
class InstanceLock;
}
namespace vx::state {
struct ExpContext;
}

namespace vx::callout {

// The window's design, for checks that walk every form.
ui::FormLayout FrmExpLayout();

class FrmExp final : public ui::Form, public ExpDisplay {
 public:
  // `programFolder`: the folder of the program file (BaseFolder is it less "\ExePro").
  FrmExp(ui::UiEnv& env, state::ExpContext& exp, platform::InstanceLock& instanceLock, std::string programFolder);

  // Controls in their tab order.
  ui::CommandButton buttonExitCheck{*this, "buttonExitCheck"};
  ui::CommandButton buttonExit{*this, "buttonExit"};
  ui::TextBox tbx1{*this, "tbx1"};
  ui::TextBox tbx2{*this, "tbx2"};
  ui::TextBox tbx3{*this, "tbx3"};
  ui::TextBox tbxGroundWind{*this, "tbxGroundWind"};
  ui::TextBox tbxAltWind{*this, "tbxAltWind"};
  ui::CommandButton キャレット消用{*this, "キャレット消用"};
  ui::Timer Timer1{*this, "Timer1"};
  ui::Timer Timer2{*this, "Timer2"};

  // Shows the window; its first focus goes to buttonExitCheck, which ends a program that
  // has no simulator link.
  void Start();

  // ExpDisplay.
  void SetText(ExpBox box, std::string_view text) override;
  std::string Text(ExpBox box) const override;

  // The tick of the 307 ms timer while the call-out engine has none of its own: the end
  // when asked, a fast read on nine ticks of ten and a full read on the tenth.
  void RunReadTick();

 protected:
  void Design() override;

 private:
  ui::TextBox& Box(ExpBox box);
  void frmExp_Form_Load();
  void frmExp_Form_Unload();
  void frmExp_Timer1_Timer();
  void frmExp_Timer2_Timer();
  void frmExp_buttonExit_Click();
  void frmExp_buttonExitCheck_GotFocus();
  void LoadCallSounds();

  state::ExpContext& exp_;
  platform::InstanceLock& instanceLock_;
  std::string programFolder_;
  bool secondInstance_ = false;
};

}  // namespace vx::callout
