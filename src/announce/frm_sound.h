#pragma once
// The flight window frmSound: a small borderless window that stays up for one flight.
// Its load starts the flight, its 490 ms timer is the heartbeat of the main program, its
// unload ends the flight. It shows the running announcement's caption, the background
// music and the quiet-sound and rotating-view states.
#include "announce/flight_window_opener.h"
#include "announce/flight_window_view.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/form_layout.h"
#include "ui/image.h"
#include "ui/text_box.h"
#include "ui/timer_control.h"

namespace vx::state {
struct ProContext;
}

namespace vx::announce {

inline constexpr int kHeartbeatMs = 490;

class FrmSound final : public ui::Form, public FlightWindowView, public FlightWindowOpener {
 public:
  // Becomes the engine's flight window view; `pro.ui` is set to `env` when empty.
  FrmSound(ui::UiEnv& env, state::ProContext& pro);
  ~FrmSound() override;

  ui::Image Image1{*this, "Image1"};
  ui::TextBox tbx処理内容{*this, "tbx処理内容"};
  ui::TextBox tbxBGM番号{*this, "tbxBGM番号"};
  ui::TextBox tbxBGM名{*this, "tbxBGM名"};
  ui::TextBox tbxBGM音量{*this, "tbxBGM音量"};
  ui::TextBox tbxKey{*this, "tbxKey"};
  ui::TextBox tbxAA{*this, "tbxAA"};
  ui::CommandButton buttonHelp{*this, "buttonHelp"};
  ui::CommandButton buttonExit{*this, "buttonExit"};
  ui::CommandButton buttonExitCheck{*this, "buttonExitCheck"};
  ui::CommandButton キャレット消用{*this, "キャレット消用"};  // HiddenCaretButton
  ui::Timer Timer2{*this, "Timer2"};

  // FlightWindowView
  void SetText(FlightBox box, std::string_view text) override;
  void SetColours(FlightBox box, int backPalette, int forePalette) override;
  WindowTwips Place() const override;
  // FlightWindowOpener
  void OpenFlightWindow() override;
  bool FlightWindowOpen() const override { return Loaded(); }

  // The event handlers, callable by the program's code as the window system calls them.
  void frmSound_Form_Load();
  void frmSound_Form_Unload();
  void frmSound_Timer2_Timer();
  void frmSound_buttonExit_Click();
  void frmSound_buttonExitCheck_GotFocus();
  void frmSound_buttonHelp_Click();

  // The window's controls as designed, for checks over every form.
  static ui::FormLayout Layout();

 protected:
  void Design() override;

 private:
  ui::TextBox& Box(FlightBox box);
  void StartCallOutProgram();
  void StartFlightOrResume();
  state::ProContext& pro_;
};

}  // namespace vx::announce
