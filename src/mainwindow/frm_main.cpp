#include "mainwindow/frm_main.h"

#include <chrono>
#include <exception>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

#include "announce/flight_window_opener.h"
#include "announce/flight_windows.h"
#include "briefing/cabin_attendant_pictures.h"
#include "datafiles/table_entries.h"
#include "mainfiles/files.h"
#include "mainfiles/random_flight.h"
#include "mainfiles/settings_file.h"
#include "mainfiles/settings_loader.h"
#include "mainfiles/tables.h"
#include "mainwindow/command_keys.h"
#include "mainwindow/key_mode.h"
#include "mainwindow/key_sequence.h"
#include "mainwindow/start_lists.h"
#include "platform/clock.h"
#include "platform/event_pump.h"
#include "platform/file_errors.h"
#include "platform/key_hook.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/random.h"
#include "platform/sim_ipc_client.h"
#include "runtime/cp932.h"
#include "runtime/runtime_error.h"
#include "simlink/main_channels.h"
#include "simlink/simulator_link.h"
#include "state/pro_context.h"
#include "ui/event_boundary.h"
#include "ui/file_dialog.h"
#include "ui/ui_env.h"
#include "ui/form_layout.h"
#include "ui/message_box.h"

namespace vx::mainwindow {
namespace {

constexpr const char* kNoSummary = "ｘｘｘ";
constexpr const char* kSettingsFileFilter = "VexlorPro ファイル (*.cfg)|*.cfg";

// The combo shows the text: one of its items, or the text added as an item of its own,
// so that a value the settings file holds goes back unchanged.
void ShowComboText(ui::ComboBox& combo, const std::string& text) {
  for (int i = 0; i < combo.ListCount(); ++i) {
    if (combo.List(i) == text) {
      combo.SetListIndex(i);
      return;
    }
  }
  combo.AddItem(text);
  combo.SetListIndex(combo.ListCount() - 1);
}

// Steps of the load and the exit that must not stop the ones after them: each runs
// whatever an earlier one met, and what failed is told once, in one box, each step named
// with its reason; so the load goes on to the settings and the key hook, and the exit
// always ends the program and frees its single-instance lock.
class StepsThatGoOn {
 public:
  template <class Step>
  void Run(std::string_view what, Step step) {
    try {
      step();
    } catch (const runtime::RuntimeError& e) {
      failures_ += std::string(what) + "：" + platform::FileWriteErrorReason(e) + "\n";
    } catch (const std::exception& e) {
      failures_ += std::string(what) + "：" + e.what() + "\n";
    }
  }
  void Report(ui::MessageBoxes& boxes, std::string_view heading, std::string_view title,
              const std::string& after = {}) const {
    if (failures_.empty()) return;
    boxes.Show(std::string(heading) + "\n\n" + failures_ + after, ui::Buttons::Ok, ui::Icon::Exclamation,
               std::string(title));
  }

 private:
  std::string failures_;
};

}  // namespace

FrmMain::FrmMain(ui::UiEnv& env, state::ProContext& pro, announce::FlightWindowOpener& flightWindow,
                 ui::Form& versionWindow)
    : Form(env, "frmMain"), pro_(pro), flightWindow_(flightWindow), versionWindow_(versionWindow) {
  pro_.engine.mainWindow = this;
  onLoad = [this] { frmMain_Form_Load(); };
  onQueryUnload = [this](bool& cancel, ui::UnloadMode) { frmMain_Form_QueryUnload(cancel); };
  onUnload = [this] { frmMain_Form_Unload(); };
  buttonStart.onClick = [this] { frmMain_buttonStart_Click(); };
  buttonExit.onClick = [this] { frmMain_buttonExit_Click(); };
  buttonOcumo.onClick = [this] { frmMain_buttonOcumo_Click(); };
  buttonFile.onClick = [this] { frmMain_mnuFileOpen_Click(); };
  mnuFileOpen.onClick = [this] { frmMain_mnuFileOpen_Click(); };
  mnuFileSave.onClick = [this] { frmMain_mnuFileSave_Click(); };
  mnuFileSaveAs.onClick = [this] { frmMain_mnuFileSaveAs_Click(); };
  mnuFileExit.onClick = [this] { frmMain_mnuFileExit_Click(); };
  mnuSetPB.onClick = [this] { frmMain_mnuSetPB_Click(); };
  mnuSetSound.onClick = [this] { frmMain_mnuSetSound_Click(); };
  mnuSetKey.onClick = [this] { frmMain_mnuSetKey_Click(); };
  mnuHelpDisp.onClick = [this] { frmMain_mnuHelpDisp_Click(); };
  mnuHelpVer.onClick = [this] { frmMain_mnuHelpVer_Click(); };
  TimerOcumo.onTimer = [this] {
    EndViewpointModeWhenDone(pro_);
    RefreshSettingsTexts();
  };
}

namespace {

using K = ui::ControlKind;
constexpr double kFormWidth = 6360, kFormHeight = 5400;  // the menu bar included
constexpr ui::ControlRow kRows[] = {
    {"Label1", K::Label, 240, 120, 5760, 480, "VexlorPro 3", 18, true},
    {"Image1", K::Image, 240, 720, 2400, 2400},
    {"tbxファイル名", K::TextBox, 240, 3300, 5280, 330},
    {"buttonFile", K::CommandButton, 5580, 3300, 420, 330, "F"},
    {"label速度コール", K::Label, 2880, 780, 1560, 300, "速度コール"},
    {"combo速度コール", K::ComboBox, 4500, 720, 1500, 330},
    {"label高度コール", K::Label, 2880, 1200, 1560, 300, "高度コール"},
    {"combo高度コール", K::ComboBox, 4500, 1140, 1500, 330},
    {"label視点切替", K::Label, 2880, 1620, 1560, 300, "TOB 視点切替"},
    {"combo視点切替", K::ComboBox, 4500, 1560, 1500, 330},
    {"label時差修正", K::Label, 2880, 2040, 1560, 300, "時差修正"},
    {"combo時差修正", K::ComboBox, 4500, 1980, 1500, 330},
    {"labelBGM", K::Label, 2880, 2460, 1560, 300, "BGM"},
    {"comboBGM", K::ComboBox, 4500, 2400, 1500, 330},
    {"labelBGM繰返", K::Label, 2880, 2880, 1560, 300, "BGM 繰返"},
    {"comboBGM繰返", K::ComboBox, 4500, 2820, 1500, 330},
    {"buttonOcumo", K::CommandButton, 240, 3900, 1800, 495, "視点設定"},
    {"buttonStart", K::CommandButton, 2280, 3900, 1800, 495, "Start"},
    {"buttonExit", K::CommandButton, 4200, 3900, 1800, 495, "Exit"},
};

}  // namespace

ui::FormLayout FrmMain::Layout() { return {"frmMain", kFormWidth, kFormHeight, kRows}; }

void FrmMain::Design() {
  SetCaption("VEXLOR-PRO  v3.02");
  SetBorderStyle(ui::BorderStyle::FixedSingle);
  Move(0, 0, kFormWidth, kFormHeight);
  ui::ApplyLayout(*this, kRows);
  Image1.SetStretch(true);
  tbxファイル名.SetLocked(true);

  struct Option {
    ui::ComboBox* combo;
    std::initializer_list<const char*> items;
    const char* text;
  };
  const Option options[] = {
      {&combo速度コール, {"ON", "OFF"}, "ON"},
      {&combo高度コール, {"ON", "OFF"}, "ON"},
      {&combo視点切替, {"ON", "OFF"}, "ON"},
      {&combo時差修正, {"ON", "OFF"}, "ON"},
      {&comboBGM, {"MP3", "MIDI", "OFF"}, "MP3"},
      {&comboBGM繰返, {"順次", "繰返", "ランダム"}, "ランダム"},
  };
  for (const Option& o : options) {
    o.combo->SetStyle(ui::ComboStyle::ListOnly);
    for (const char* item : o.items) o.combo->AddItem(item);
    o.combo->SetText(o.text);
  }
  TimerOcumo.SetInterval(500);
}

bool FrmMain::frmMain_Nyankoro1_KeyHook(const platform::KeyEvent& key) {
  bool swallowed = false;
  ui::DispatchEvent(Env(), [&] { swallowed = HandleDesktopKey(pro_, key); });
  return swallowed;
}

void FrmMain::RefreshSettingsTexts() {
  if (Loaded() && shownLoads_ != pro_.main.MainWindow.loads) ShowSettingsTexts();
}

void FrmMain::ShowSettingsTexts() {
  const state::MainWindowTexts& t = pro_.main.MainWindow;
  shownLoads_ = t.loads;
  tbxファイル名.SetText(t.tbxファイル名);
  ShowComboText(combo速度コール, t.combo速度コール);
  ShowComboText(combo高度コール, t.combo高度コール);
  ShowComboText(combo視点切替, t.combo視点切替);
  ShowComboText(combo時差修正, t.combo時差修正);
  ShowComboText(comboBGM, t.comboBGM);
  ShowComboText(comboBGM繰返, t.comboBGM繰返);
}

void FrmMain::CopyOptionCombos() {
  RefreshSettingsTexts();  // values loaded since (a resumed flight's) win over the old texts
  state::MainWindowTexts& t = pro_.main.MainWindow;
  t.combo速度コール = combo速度コール.Text();
  t.combo高度コール = combo高度コール.Text();
  t.combo視点切替 = combo視点切替.Text();
  t.combo時差修正 = combo時差修正.Text();
  t.comboBGM = comboBGM.Text();
  t.comboBGM繰返 = comboBGM繰返.Text();
  pro_.engine.BgmMode = t.comboBGM;
  pro_.engine.BgmRepeatMode = t.comboBGM繰返;
  pro_.main.SpeedCallOption = t.combo速度コール;
  pro_.main.AltitudeCallOption = t.combo高度コール;
  pro_.main.ViewSwitchOption = t.combo視点切替;
  pro_.main.TimeDiffCorrection = t.combo時差修正;
}

void FrmMain::frmMain_Form_Load() {
  auto& pump = *pro_.svc.pump;
  const platform::Paths& paths = *pro_.svc.paths;
  pro_.main.MainWindowHandle = static_cast<std::int32_t>(Handle());

  simlink::OpenMainChannels(pro_);
  pro_.engine.FlightWindowReady = false;
  pro_.main.ApuSoundSettings = {{"右", "左"}, {"7", "10"}};
  auto& pushback = pro_.briefing.PushbackSettings;
  pushback.cockpitConversation = 1;
  pushback.engineStartSound = 1;
  pushback.voiceFileSet = 1;

  // A folder or disk that takes no writes does not keep the settings from loading.
  StepsThatGoOn steps;
  steps.Run("BEGIN.cfg の書き込み", [&] { mainfiles::WriteBeginCfg(pro_); });
  steps.Run("EyeRet.cfg の削除", [&] { paths.DeleteIfExists("\\EyeRet.cfg"); });
  for (std::string_view file : mainfiles::kHandOverFiles) {
    steps.Run(std::string(file.substr(1)) + " の削除", [&] { paths.DeleteIfExists(file); });
    pump.Pump();
  }
  steps.Report(*pro_.boxes, "起動処理の一部ができませんでした。", "VexlorPro 起動",
               "\nVexlorPro のフォルダー：\n" + paths.BaseFolder().string());

  mainfiles::LoadSettingsAtStartup(pro_);
  ShowSettingsTexts();
  pump.Pump();

  AdviseOnFlightReportCount(pro_);
  BuildBgmPlaylist(pro_);
  BuildAtcFileLists(pro_);

  if (pro_.svc.keyHook) {
    pro_.svc.keyHook->SetHandler([this](const platform::KeyEvent& key) { return frmMain_Nyankoro1_KeyHook(key); });
  }
  SetKeyInputMode(pro_, kKeyModeNone);
  simlink::EnableNyankoro1(pro_);

  ShowCabinAttendantPicture();
  pump.Pump();
}

void FrmMain::ShowCabinAttendantPicture() {
  const briefing::CabinAttendantPictureSet pictures = briefing::LoadCabinAttendantPictures(*pro_.svc.paths);
  const int choice = pro_.briefing.CabinAttendantChoice;
  std::size_t index = 4;  // the fifth picture stands for the random choice
  if (const std::optional<int> fixed = datafiles::FixedCabinAttendant(choice)) {
    index = static_cast<std::size_t>(*fixed - 1);
  } else if (choice == 0 && pro_.svc.random) {
    const int n = static_cast<int>(pro_.svc.random->Next() * 6);
    index = static_cast<std::size_t>(n >= 0 && n <= 4 ? n : 4);
  }
  Image1.SetPicture(pictures[index]);
}

void FrmMain::AskResumeFlight() {
  const platform::Paths& paths = *pro_.svc.paths;
  auto& summary = pro_.main.RestartSummary;
  if (!paths.Exists("\\FlightRestart.cfg")) {
    pro_.main.ResumeRequested = false;
    return;
  }
  if (paths.Exists("\\FlightRestart内容.cfg")) {
    mainfiles::ReadFlightRestartContents(pro_);
  } else {
    summary = {kNoSummary, kNoSummary, kNoSummary, kNoSummary};
  }
  const std::string text = "前回フライトの途中データがあります。  読込みますか？\n\n航空会社 ： " + summary.airline +
                           "\n使用機材 ： " + summary.aircraft + "\n出発空港 ： " + summary.departureAirport +
                           "\n到着空港 ： " + summary.arrivalAirport + "\n";
  const ui::Answer answer = pro_.boxes->Show(text, ui::Buttons::YesNo, ui::Icon::Question, "途中データ読込");
  pro_.main.ResumeRequested = answer == ui::Answer::Yes;
}

void FrmMain::frmMain_buttonStart_Click() {
  auto& pump = *pro_.svc.pump;
  const platform::Paths& paths = *pro_.svc.paths;
  // While a flight runs, Start only brings its window to the front.
  if (flightWindow_.FlightWindowOpen()) {
    flightWindow_.OpenFlightWindow();
    return;
  }
  if (!mainfiles::CheckTableFilesForStart(pro_)) return;

  buttonExit.SetFocus();
  pump.Pump();
  mainfiles::TakeBackEyeRetCfg(pro_);
  pump.Pump();
  AskResumeFlight();

  if (comboBGM.Text() != pro_.engine.BgmMode) {
    pro_.engine.BgmMode = comboBGM.Text();
    BuildBgmPlaylist(pro_);
  }
  CopyOptionCombos();

  pro_.engine.FlightWindowClosed = false;
  SetWindowState(ui::WindowState::Minimized);
  pump.Pump();
  // A table that cannot be read or saved refuses the Start: the main window comes back.
  try {
    mainfiles::LoadAirportTable(pro_);
    mainfiles::LoadAirlineTable(pro_);
    if (paths.Exists("\\RandomFlight.cfg")) {
      mainfiles::LoadRandomFlight(pro_);
      pump.Pump();
      mainfiles::SaveAirportTable(pro_);
      pump.Pump();
      mainfiles::SaveAirlineTable(pro_);
      pump.Pump();
    }
  } catch (const runtime::RuntimeError&) {
    SetWindowState(ui::WindowState::Normal);
    throw;
  }
  flightWindow_.OpenFlightWindow();
}

void FrmMain::frmMain_buttonOcumo_Click() {
  EnterViewpointMode(pro_);
  if (!ViewpointProgramRunning(pro_)) {
    mainfiles::WriteOcumoCfg(pro_);
    const auto program = pro_.svc.paths->Under("\\ExePro\\Ocumo");
    pro_.main.OcumoProcess = pro_.svc.processes->Start(program, {}, false);
    if (!pro_.main.OcumoProcess) {
      LeaveViewpointMode(pro_);
      pro_.boxes->Show("視点設定プログラム「 " + program.string() + " 」を起動できません。\nVexlorPro と同じフォルダ（ExePro）にあるか確かめてください。",
                       ui::Buttons::Ok, ui::Icon::Exclamation, "視点設定");
    }
  }
  pro_.svc.pump->Pump();
}

void FrmMain::frmMain_Form_QueryUnload(bool& /*cancel*/) {
  simlink::StopSimulatorLink(pro_);
}

// The viewpoint program hands its edits back in EyeRet.cfg when it ends; it is ended
// first and its file awaited, so that the settings saved below include them.
void FrmMain::EndViewpointProgram() {
  if (!ViewpointProgramRunning(pro_)) return;
  const platform::Paths& paths = *pro_.svc.paths;
  auto& pump = *pro_.svc.pump;
  const platform::Clock& clock = *pro_.svc.clock;
  paths.DeleteIfExists("\\Ocumo.cfg");
  const std::int64_t deadline = clock.MonotonicNanos() + std::int64_t{kViewpointReturnWaitMs} * 1'000'000;
  while (!paths.Exists("\\EyeRet.cfg") && clock.MonotonicNanos() < deadline) {
    if (!ViewpointProgramRunning(pro_)) break;
    pump.Idle(std::chrono::milliseconds(20));
  }
  SetKeyInputMode(pro_, kKeyModeNone);
}

// The call-out program ends when it misses vexlorEXP.cfg, but one started just before the
// close may not have looked yet: it would then find no file, write its defaults and run on
// with no main program. So the close, after deleting the file, waits for the program it
// started to end, deleting the file again whenever it reappears; one still running at the
// end of the wait is closed.
void FrmMain::AwaitCallOutProgramEnd() {
  std::optional<int>& process = pro_.main.CallOutProcess;
  if (!process || !pro_.svc.processes) return;
  platform::ProcessLauncher& processes = *pro_.svc.processes;
  const platform::Paths& paths = *pro_.svc.paths;
  auto& pump = *pro_.svc.pump;
  const platform::Clock& clock = *pro_.svc.clock;
  const std::int64_t deadline = clock.MonotonicNanos() + std::int64_t{kCallOutEndWaitMs} * 1'000'000;
  while (processes.IsRunning(*process)) {
    if (clock.MonotonicNanos() >= deadline) {
      processes.Close(*process);
      break;
    }
    paths.DeleteIfExists("\\vexlorEXP.cfg");
    pump.Idle(std::chrono::milliseconds(20));
  }
  process.reset();
}

void FrmMain::frmMain_Form_Unload() {
  auto& pump = *pro_.svc.pump;
  const platform::Paths& paths = *pro_.svc.paths;
  StepsThatGoOn steps;
  steps.Run("視点設定の終了", [&] { EndViewpointProgram(); });
  CopyOptionCombos();

  const std::string name = pro_.files.SettingsFileName;
  const ui::Answer answer = pro_.boxes->Show(
      "VexlorPro を終了します。\n\n設定ファイル「 " + name + " 」を上書き保存しますか？", ui::Buttons::YesNo,
      ui::Icon::Question, "設定値の保存");
  bool namedSaveFailed = false;
  if (answer == ui::Answer::Yes) {
    namedSaveFailed = !mainfiles::OverwriteSettingsFile(pro_, name);
    pump.Pump();
    steps.Run("RandomFlight.cfg の削除", [&] { paths.DeleteIfExists("\\RandomFlight.cfg"); });
  }
  steps.Run("共有メモリの解放", [&] { simlink::CloseMainChannels(pro_); });
  // A failed save of the same file has said so already.
  if (!(namedSaveFailed && mainfiles::SameSettingsFileName(name, mainfiles::kDefaultSettingsFileName))) {
    mainfiles::SaveVexlorProCfgWithoutAsking(pro_);
  }
  pump.Pump();
  for (std::string_view file : mainfiles::kHandOverFiles) {
    steps.Run(std::string(file.substr(1)) + " の削除", [&] { paths.DeleteIfExists(file); });
    pump.Pump();
  }
  steps.Run("VexlorEXP の終了", [&] { AwaitCallOutProgramEnd(); });
  steps.Run("キー入力の解放", [&] { simlink::DisableNyankoro1(pro_); });
  steps.Report(*pro_.boxes, "終了処理の一部ができませんでした。", "VexlorPro 終了");
  pump.EndProgram();
}

void FrmMain::frmMain_buttonExit_Click() { Unload(); }

std::string FrmMain::SettingsFileChosenInBase(const std::string& chosen, const char* title) {
  const platform::Paths& paths = *pro_.svc.paths;
  const std::filesystem::path file(chosen);
  const std::string name = file.filename().string();
  if (mainfiles::SettingsFileInBaseFolder(file, paths) && mainfiles::IsBareSettingsFileName(name)) {
    // The name is kept in CP932 (value 0 of "VexlorPro.cfg"): a character it cannot keep
    // would come back as another name at the next start, which would load the defaults.
    const std::vector<std::string> lost = runtime::Cp932LostCharacters(name);
    if (lost.empty()) return name;
    std::string listed;
    for (const std::string& c : lost) listed += (listed.empty() ? "" : " ") + c;
    pro_.boxes->Show("設定ファイル名「 " + name + " 」には、設定ファイルに記録できない文字があります：\n\n" + listed +
                         "\n\nこのままでは次回の起動時にこのファイルを読み込めません。\nこれらの文字を使わない名前" +
                         (std::string_view(title) == "開く" ? "に変えてから開いてください。" : "を付けてください。"),
                     ui::Buttons::Ok, ui::Icon::Exclamation, title);
    return {};
  }
  pro_.boxes->Show("設定ファイルは VexlorPro のフォルダーにあるものだけを使えます。\n\n" + chosen +
                       "\n\nVexlorPro のフォルダー：\n" + paths.BaseFolder().string(),
                   ui::Buttons::Ok, ui::Icon::Exclamation, title);
  return {};
}

void FrmMain::frmMain_mnuFileOpen_Click() {
  const platform::Paths& paths = *pro_.svc.paths;
  const std::optional<std::string> chosen =
      Env().fileDialogs.Open({"開く", kSettingsFileFilter, paths.BaseFolder().string(), ""});
  if (!chosen || chosen->empty()) return;
  const std::string name = SettingsFileChosenInBase(*chosen, "開く");
  if (name.empty()) return;
  // A load that fails has said why in its own box and kept every value.
  if (!mainfiles::LoadSettingsFile(pro_, name)) return;
  pro_.files.SettingsFileName = name;
  pro_.main.MainWindow.tbxファイル名 = name;
  ShowSettingsTexts();
  pro_.boxes->Show(name + " を読み込みました", ui::Buttons::Ok, ui::Icon::Information, "開く");
  tbxファイル名.SetText(name);
  pro_.svc.pump->Pump();
}

void FrmMain::frmMain_mnuFileSave_Click() {
  std::string& name = pro_.files.SettingsFileName;
  if (tbxファイル名.Text().empty()) {
    name = std::string(mainfiles::kDefaultSettingsFileName);
    tbxファイル名.SetText(name);
    pro_.svc.pump->Pump();
  }
  // A save that fails, or a file this run could not load, has said why in its own box.
  if (!mainfiles::OverwriteSettingsFile(pro_, name)) return;
  pro_.boxes->Show(name + " に上書き保存しました", ui::Buttons::Ok, ui::Icon::Information, "上書き保存");
}

void FrmMain::frmMain_mnuFileSaveAs_Click() {
  const platform::Paths& paths = *pro_.svc.paths;
  const std::optional<std::string> chosen =
      Env().fileDialogs.Save({"保存", kSettingsFileFilter, paths.BaseFolder().string(), ""});
  if (!chosen || chosen->empty()) return;
  const std::string name = SettingsFileChosenInBase(*chosen, "保存");
  if (name.empty()) return;
  // The file names itself in its first value, so the name is current while it is written.
  const std::string previous = pro_.files.SettingsFileName;
  pro_.files.SettingsFileName = name;
  if (!mainfiles::SaveSettingsFile(pro_, name)) {
    pro_.files.SettingsFileName = previous;
    return;
  }
  pro_.main.MainWindow.tbxファイル名 = name;
  pro_.boxes->Show(name + " に保存しました", ui::Buttons::Ok, ui::Icon::Information, "保存");
  tbxファイル名.SetText(name);
  pro_.svc.pump->Pump();
}

void FrmMain::frmMain_mnuFileExit_Click() { frmMain_buttonExit_Click(); }

void FrmMain::frmMain_mnuSetPB_Click() {
  pro_.briefing.PushbackFormFromFlight = false;
  announce::ShowFlightFormOnTop(pro_, announce::FlightForm::frmPB);
  pro_.svc.pump->Pump();
}

void FrmMain::frmMain_mnuSetSound_Click() {
  pro_.briefing.VoiceFormFromFlight = false;
  announce::ShowFlightFormOnTop(pro_, announce::FlightForm::frm音声設定);
  pro_.svc.pump->Pump();
}

void FrmMain::frmMain_mnuSetKey_Click() {
  pro_.main.KeyFormFromFlight = false;
  announce::ShowFlightFormOnTop(pro_, announce::FlightForm::frmキー設定);
  pro_.svc.pump->Pump();
}

void FrmMain::frmMain_mnuHelpDisp_Click() {
  pro_.main.HelpFromFlight = false;
  announce::ShowFlightFormOnTop(pro_, announce::FlightForm::frmHelp);
  pro_.svc.pump->Pump();
}

void FrmMain::frmMain_mnuHelpVer_Click() {
  versionWindow_.Load();
  announce::SetWindowTopmost(pro_, versionWindow_.Handle());
  versionWindow_.Show();
  pro_.svc.pump->Pump();
}

void FrmMain::ClearKeySequence() { pro_.main.KeySequence.step = 0; }

}  // namespace vx::mainwindow
