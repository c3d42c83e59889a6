#include "announce/frm_sound.h"

#include "announce/flight_lifecycle.h"
#include "announce/flight_windows.h"
#include "announce/request_dispatcher.h"
#include "platform/event_pump.h"
#include "state/pro_context.h"
#include "ui/colour.h"
#include "ui/ui_env.h"

namespace vx::announce {

FrmSound::FrmSound(ui::UiEnv& env, state::ProContext& pro) : Form(env, "frmSound"), pro_(pro) {
  if (!pro_.ui) pro_.ui = &env;
  pro_.engine.flightWindow = this;

  onLoad = [this] { frmSound_Form_Load(); };
  onUnload = [this] { frmSound_Form_Unload(); };
  Timer2.onTimer = [this] { frmSound_Timer2_Timer(); };
  buttonExit.onClick = [this] { frmSound_buttonExit_Click(); };
  buttonExitCheck.onGotFocus = [this] { frmSound_buttonExitCheck_GotFocus(); };
  buttonHelp.onClick = [this] { frmSound_buttonHelp_Click(); };

  // The window is dragged by its picture and its boxes; the boxes pass the focus on, so
  // that no caret shows in them.
  Image1.onMouseDown = [this](const ui::MouseArgs&) { StartWindowDrag(); };
  for (ui::TextBox* box : {&tbxBGM音量, &tbxBGM番号, &tbxBGM名, &tbxKey, &tbx処理内容}) {
    box->onMouseDown = [this](const ui::MouseArgs&) { StartWindowDrag(); };
    box->onGotFocus = [this] { キャレット消用.SetFocus(); };
  }
}

FrmSound::~FrmSound() {
  if (pro_.engine.flightWindow == this) pro_.engine.flightWindow = nullptr;
}

namespace {

using K = ui::ControlKind;
constexpr double kFormWidth = 4560, kFormHeight = 1020;
constexpr ui::ControlRow kRows[] = {
    {"Image1", K::Image, 0, 0, 300, 1020},
    {"tbx処理内容", K::TextBox, 330, 0, 3120, 330, "音　　　声"},
    {"tbxBGM番号", K::TextBox, 330, 345, 900, 315},
    {"tbxBGM名", K::TextBox, 1245, 345, 2205, 315},
    {"tbxBGM音量", K::TextBox, 330, 675, 1200, 315},
    {"tbxKey", K::TextBox, 1545, 675, 600, 315, "音大"},
    {"tbxAA", K::TextBox, 2160, 675, 600, 315, "A-A"},
    {"buttonHelp", K::CommandButton, 3480, 0, 660, 330, "Help"},
    {"buttonExit", K::CommandButton, 4170, 0, 360, 330, "×"},
    {"buttonExitCheck", K::CommandButton, 4170, 675, 360, 315},
    {"キャレット消用", K::CommandButton, 2790, 675, 360, 315},
};

}  // namespace

ui::FormLayout FrmSound::Layout() { return {"frmSound", kFormWidth, kFormHeight, kRows}; }

void FrmSound::Design() {
  SetBorderStyle(ui::BorderStyle::None);
  Move(0, 0, kFormWidth, kFormHeight);
  ui::ApplyLayout(*this, kRows);
  tbxAA.SetBackColor(ui::Colour::Palette(7));
  tbxAA.SetForeColor(ui::Colour::Palette(8));
  for (ui::TextBox* box : {&tbx処理内容, &tbxBGM番号, &tbxBGM名, &tbxBGM音量, &tbxKey, &tbxAA}) box->SetLocked(true);
  Timer2.SetEnabled(false);
  Timer2.SetInterval(0);
}

ui::TextBox& FrmSound::Box(FlightBox box) {
  switch (box) {
    case FlightBox::tbx処理内容: return tbx処理内容;
    case FlightBox::tbxBGM番号: return tbxBGM番号;
    case FlightBox::tbxBGM名: return tbxBGM名;
    case FlightBox::tbxBGM音量: return tbxBGM音量;
    case FlightBox::tbxKey: return tbxKey;
    case FlightBox::tbxAA: return tbxAA;
  }
  return tbx処理内容;
}

void FrmSound::SetText(FlightBox box, std::string_view text) { Box(box).SetText(std::string(text)); }

void FrmSound::SetColours(FlightBox box, int backPalette, int forePalette) {
  if (!Loaded()) return;
  Box(box).SetBackColor(ui::Colour::Palette(backPalette));
  Box(box).SetForeColor(ui::Colour::Palette(forePalette));
}

WindowTwips FrmSound::Place() const { return {Top(), Left(), Width()}; }

void FrmSound::OpenFlightWindow() {
  pro_.engine.FlightWindowClosed = false;
  Load();
  if (!Loaded()) return;  // the start sequence has closed the window again
  SetWindowTopmost(pro_, Handle());
  Show();
  // Without a simulator the start sequence stopped early: the exit check closes the
  // window as soon as it is shown.
  if (!pro_.engine.FlightWindowReady) {
    buttonExitCheck.SetFocus();
    frmSound_buttonExitCheck_GotFocus();
  }
}

void FrmSound::frmSound_Timer2_Timer() {
  if (pro_.engine.DispatcherBusy) return;
  ServiceAnnouncementRequest(pro_);
}

void FrmSound::frmSound_buttonExit_Click() {
  buttonExitCheck.SetFocus();
  frmSound_buttonExitCheck_GotFocus();
  Unload();
  pro_.svc.pump->Pump();
}

void FrmSound::frmSound_buttonExitCheck_GotFocus() {
  if (pro_.engine.FlightWindowReady || !Loaded()) return;
  Unload();
  pro_.svc.pump->Pump();
}

void FrmSound::frmSound_buttonHelp_Click() {
  pro_.main.HelpFromFlight = true;
  buttonExitCheck.SetFocus();
  pro_.svc.pump->Pump();
  ShowFlightFormOnTop(pro_, FlightForm::frmHelp);
  pro_.svc.pump->Pump();
}

}  // namespace vx::announce
