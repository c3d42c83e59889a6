// VexlorPro: the main program, on the machine's own services.
#include <QApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

#include "announce/flight_form_set.h"
#include "announce/frm_sound.h"
#include "briefing/frm_fuel_tank.h"
#include "briefing/frm_picker.h"
#include "briefing/sheet_calls.h"
#include "briefing/frm_tob2.h"
#include "composition/ending_signals.h"
#include "composition/pro_context_wiring.h"
#include "mainwindow/frm_prompts.h"
#include "mainwindow/vexlor_pro.h"
#include "platform/addon_link.h"
#include "platform/forwarded_key_inbox.h"
#include "platform/forwarded_keys.h"
#include "platform/instance_lock.h"
#include "platform/key_hook.h"
#include "platform/x11_key_hook.h"
#include "state/pro_context.h"
#include "ui/fonts.h"
#include "ui/qt_file_dialogs.h"
#include "ui/qt_message_boxes.h"
#include "ui/qt_popup_menus.h"
#include "ui/qt_window_key_hook.h"

using namespace vx;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The style whose frames and margins the forms' texts are measured against, on every
  // desktop; message boxes and dialogs draw in the forms' face too.
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication::setFont(ui::ProgramFont());

  ui::QtMessageBoxes boxes{"VexlorPro"};
  ui::QtFileDialogs fileDialogs;
  ui::QtPopupMenus popups;
  composition::SystemOptions options;
  options.programName = "VexlorPro";
  composition::SystemServices system{options, boxes, fileDialogs, popups};
  system.pump.AttachMainLoop();
  composition::EndingSignals endingSignals{system};
  ui::UiEnv& env = system.env;

  // The played timeline of the run, for checking what the program did: $VX_TIMELINE
  // names its file.
  const char* timelineFile = std::getenv("VX_TIMELINE");
  composition::SystemSound sound{system.clock, {}, timelineFile ? timelineFile : ""};
  platform::UnavailableAddonLink addon;

  // Keys of the whole desktop where an X display serves the program, else those typed
  // into the program's own windows; and the keys the simulator stand-in hands on.
  std::unique_ptr<platform::KeyHook> desktopKeys;
  if (QGuiApplication::platformName() == "xcb") desktopKeys = platform::X11KeyHook::Open();
  if (!desktopKeys) desktopKeys = std::make_unique<ui::QtWindowKeyHook>();
  platform::RecordingKeyHook forwardedKeys;
  std::string inboxProblem;
  const auto forwardedKeyInbox = platform::ForwardedKeyInbox::Open(
      platform::ForwardedKeysSocketPath(platform::DefaultStandinFolder(), ""),
      [&forwardedKeys](const platform::KeyEvent& key) { forwardedKeys.Send(key); }, &inboxProblem);
  if (!inboxProblem.empty()) std::fprintf(stderr, "VexlorPro: no keys from the simulator stand-in: %s\n", inboxProblem.c_str());
  platform::KeyHookGroup keyHook;
  keyHook.Add(*desktopKeys);
  keyHook.Add(forwardedKeys);

  state::ProContext pro;
  composition::WireProContext(pro, system, sound, boxes);
  pro.svc.addon = &addon;
  pro.svc.keyHook = &keyHook;

  announce::FrmSound frmSound{env, pro};
  if (sound.timeline) {
    frmSound.tbx処理内容.onChange = [&] { sound.timeline->Add("caption", {{"text", frmSound.tbx処理内容.Text()}}); };
  }
  platform::FileInstanceLock instanceLock{platform::DefaultInstanceLockFile("VexlorPro")};
  mainwindow::VexlorProWindows windows{env, pro, frmSound, instanceLock,
                                       QCoreApplication::applicationDirPath().toStdString()};

  // The windows of the flight that the main program's window set does not hold.
  using announce::FlightForm;
  briefing::FrmTOB& tob = windows.frmTOB;
  mainwindow::FrmArvGate arrivalGate{env, pro};
  mainwindow::FrmAutoPause autoPause{env, pro};
  mainwindow::FrmCPAnounce captainGreeting{env, pro};
  mainwindow::FrmMileage mileage{env, pro};
  mainwindow::FrmLDB landingBriefing{env, pro};
  windows.flightForms.Set(FlightForm::frmCPAnounce, captainGreeting);
  windows.flightForms.Set(FlightForm::frmマイル達成, mileage);
  windows.flightForms.Set(FlightForm::frmLDB, landingBriefing);
  briefing::FrmTOB2 briefingCard{env, pro};
  pro.engine.briefingCard = &briefingCard;
  pro.sim.autoPauseNotice = &autoPause;

  // The windows the briefing sheet's buttons open besides the program's own (pushback,
  // timing); the fuel window and the pickers refresh the sheet when they close.
  const briefing::TobSheetCalls sheetCalls{[&tob] { tob.ShowTobFuel(); },
                                           [&tob](int withRunway) { tob.FillTobRoute(withRunway); },
                                           [&tob] { tob.FillTobHeader(); }};
  briefing::FrmFuelTank fuel{env, pro, sheetCalls};
  briefing::PickerSet pickers{env, pro, sheetCalls};
  tob.dialogs.frmFuelTank = &fuel;
  tob.dialogs.frm会社国内線 = &pickers.frm会社国内線;
  tob.dialogs.frm会社国際線 = &pickers.frm会社国際線;
  tob.dialogs.openDomesticAirports = [&pickers](int side) { pickers.frm国内線.OpenFromSheet(side); };
  tob.dialogs.openInternationalAirports = [&pickers](int side) { pickers.frm国際線.OpenFromSheet(side); };

  // What the key handler works on besides the program's own windows: the arrival gate
  // prompt of B-B; the fuel window, the gate, the captain's greeting and the landing
  // briefing prompts take typed input.
  state::KeyWindows& keyWindows = pro.main.keyWindows;
  keyWindows.frmArvGate = &arrivalGate;
  keyWindows.typedInput.push_back(&fuel);
  keyWindows.typedInput.push_back(&arrivalGate);
  keyWindows.typedInput.push_back(&captainGreeting);
  keyWindows.typedInput.push_back(&landingBriefing);

  // SIGTERM, SIGINT and SIGHUP close the program as its main window's closing does (its
  // question whether to save included), so that the companion programs are ended with it
  // and its shared memories go; a signal while that question or another box is up ends it
  // at once, unsaved, as does one while only the start-up window or its box is up.
  endingSignals.windowUp = [&windows] { return windows.frmMain.Loaded(); };
  endingSignals.close = [&windows] { windows.frmMain.Unload(); };

  return mainwindow::RunVexlorPro(env, windows);
}
