#pragma once
// frmMain: the main window. Its load opens the shared channels, cleans up the hand-over
// files of an earlier run, loads the settings, lists the music and radio chatter and
// enables the key hook; Start hands over to the flight window; the viewpoint button
// starts the viewpoint program; closing it saves the settings and ends the program.
#include <string>

#include "announce/flight_window_view.h"
#include "ui/combo_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/form_layout.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/text_box.h"
#include "ui/timer_control.h"

namespace vx::platform {
struct KeyEvent;
}

namespace vx::announce {
class FlightWindowOpener;
}

namespace vx::state {
struct ProContext;
}

namespace vx::mainwindow {

// How long the main window waits at its close for the viewpoint program's return file.
inline constexpr int kViewpointReturnWaitMs = 3000;
// How long the main window's close waits for the call-out program it started to end.
inline constexpr int kCallOutEndWaitMs = 10000;

class FrmMain final : public ui::Form, public announce::MainWindowLink {
 public:
  // Becomes the engine's link to the main window.
  // `versionWindow` is what Help > バージョン情報 shows.
  FrmMain(ui::UiEnv& env, state::ProContext& pro, announce::FlightWindowOpener& flightWindow,
          ui::Form& versionWindow);

  ui::Label Label1{*this, "Label1"};
  ui::Image Image1{*this, "Image1"};
  ui::TextBox tbxファイル名{*this, "tbxファイル名"};
  ui::CommandButton buttonFile{*this, "buttonFile"};
  ui::Label label速度コール{*this, "label速度コール"};
  ui::ComboBox combo速度コール{*this, "combo速度コール"};
  ui::Label label高度コール{*this, "label高度コール"};
  ui::ComboBox combo高度コール{*this, "combo高度コール"};
  ui::Label label視点切替{*this, "label視点切替"};
  ui::ComboBox combo視点切替{*this, "combo視点切替"};
  ui::Label label時差修正{*this, "label時差修正"};
  ui::ComboBox combo時差修正{*this, "combo時差修正"};
  ui::Label labelBGM{*this, "labelBGM"};
  ui::ComboBox comboBGM{*this, "comboBGM"};
  ui::Label labelBGM繰返{*this, "labelBGM繰返"};
  ui::ComboBox comboBGM繰返{*this, "comboBGM繰返"};
  ui::CommandButton buttonOcumo{*this, "buttonOcumo"};
  ui::CommandButton buttonStart{*this, "buttonStart"};
  ui::CommandButton buttonExit{*this, "buttonExit"};
  ui::Menu mnuFile{*this, "mnuFile", "ファイル"};
  ui::Menu mnuFileOpen{mnuFile, "mnuFileOpen", "開く"};
  ui::Menu mnuFileBar1{mnuFile, "mnuFileBar1", "-"};
  ui::Menu mnuFileSave{mnuFile, "mnuFileSave", "上書き保存"};
  ui::Menu mnuFileSaveAs{mnuFile, "mnuFileSaveAs", "名前を付けて保存"};
  ui::Menu mnuFileBar2{mnuFile, "mnuFileBar2", "-"};
  ui::Menu mnuFileExit{mnuFile, "mnuFileExit", "終了"};
  ui::Menu mnuSet{*this, "mnuSet", "設定"};
  ui::Menu mnuSetPB{mnuSet, "mnuSetPB", "プッシュバック設定"};
  ui::Menu mnuSetSound{mnuSet, "mnuSetSound", "音声設定"};
  ui::Menu mnuSetKey{mnuSet, "mnuSetKey", "キー設定"};
  ui::Menu mnuHelp{*this, "mnuHelp", "Help"};
  ui::Menu mnuHelpDisp{mnuHelp, "mnuHelpDisp", "Help 表示"};
  ui::Menu mnuHelpBar{mnuHelp, "mnuHelpBar", "-"};
  ui::Menu mnuHelpVer{mnuHelp, "mnuHelpVer", "バージョン情報"};
  // Watches the viewpoint program, so that its key mode ends with it.
  ui::Timer TimerOcumo{*this, "TimerOcumo"};

  // The key event of the desktop-wide key hook (at the event boundary).
  bool frmMain_Nyankoro1_KeyHook(const platform::KeyEvent& key);

  // Copies the option texts that the settings loader set into the window's controls.
  void ShowSettingsTexts();
  // Shows the texts again when settings were loaded since they were last shown.
  void RefreshSettingsTexts();

  // MainWindowLink: the end of a flight brings the window back and forgets a half-typed
  // key sequence.
  void RestoreWindowState() override { SetWindowState(ui::WindowState::Normal); }
  void ClearKeySequence() override;

  // The window's controls as designed, for checks over every form.
  static ui::FormLayout Layout();

 protected:
  void Design() override;

 private:
  void frmMain_Form_Load();
  void frmMain_buttonStart_Click();
  void frmMain_Form_QueryUnload(bool& cancel);
  void frmMain_Form_Unload();
  void frmMain_buttonExit_Click();
  void frmMain_buttonOcumo_Click();
  void frmMain_mnuFileOpen_Click();
  void frmMain_mnuFileSave_Click();
  void frmMain_mnuFileSaveAs_Click();
  void frmMain_mnuFileExit_Click();
  void frmMain_mnuSetPB_Click();
  void frmMain_mnuSetSound_Click();
  void frmMain_mnuSetKey_Click();
  void frmMain_mnuHelpDisp_Click();
  void frmMain_mnuHelpVer_Click();
  // The chosen settings file when it lies in `BaseFolder`; else a box titled `title`
  // says so and the result is empty.
  std::string SettingsFileChosenInBase(const std::string& chosen, const char* title);

  void CopyOptionCombos();
  void ShowCabinAttendantPicture();
  void AskResumeFlight();
  void EndViewpointProgram();
  void AwaitCallOutProgramEnd();

  state::ProContext& pro_;
  announce::FlightWindowOpener& flightWindow_;
  std::uint32_t shownLoads_ = 0;  // MainWindow.loads when the texts were last shown
  ui::Form& versionWindow_;
};

}  // namespace vx::mainwindow
