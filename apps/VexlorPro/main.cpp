// VexlorPro: the main program, on the machine's own services.
#include <QApplication>
#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <optional>

#include "announce/flight_form_set.h"
#include "announce/frm_sound.h"
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
#include "ui/qt_file_dialogs.h"
#include "ui/qt_message_boxes.h"
#include "ui/qt_popup_menus.h"
#include "ui/qt_window_key_hook.h"

using namespace vx;

int main(int argc, char** argv) {
  QApplication app(argc, argv);

  ui::QtMessageBoxes boxes{"VexlorPro"};
  ui::QtFileDialogs fileDialogs;
  ui::QtPopupMenus popups;
  composition::SystemOptions options;
  options.programName = "VexlorPro";
  composition::SystemServices system{options, boxes, fileDialogs, popups};
  system.pump.AttachMainLoop();
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
  const auto forwardedKeyInbox = platform::ForwardedKeyInbox::Open(
      platform::ForwardedKeysSocketPath(platform::DefaultStandinFolder(), ""),
      [&forwardedKeys](const platform::KeyEvent& key) { forwardedKeys.Send(key); });
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
  mainwindow::FrmArvGate arrivalGate{env, pro};
  mainwindow::FrmAutoPause autoPause{env, pro};
  mainwindow::FrmCPAnounce captainGreeting{env, pro};
  mainwindow::FrmMileage mileage{env, pro};
  windows.flightForms.Set(FlightForm::frmCPAnounce, captainGreeting);
  windows.flightForms.Set(FlightForm::frmマイル達成, mileage);
  pro.sim.autoPauseNotice = &autoPause;
  // The briefing sheet's windows that are not put in yet: stand-ins.
  announce::StandInForm fuel{env, "frmFuelTank", "給油"};
  announce::StandInForm airlinesDomestic{env, "frm会社国内線", "航空会社（国内）"};
  announce::StandInForm airlinesInternational{env, "frm会社国際線", "航空会社（国際）"};
  announce::StandInForm airportsDomestic{env, "frm国内線", "空港（国内）"};
  announce::StandInForm airportsInternational{env, "frm国際線", "空港（国際）"};
  briefing::TobDialogs& tobDialogs = windows.frmTOB.dialogs;
  tobDialogs.frmFuelTank = &fuel;
  tobDialogs.frm会社国内線 = &airlinesDomestic;
  tobDialogs.frm会社国際線 = &airlinesInternational;
  tobDialogs.frm国内線 = &airportsDomestic;
  tobDialogs.frm国際線 = &airportsInternational;

  // What the key handler works on besides the program's own windows: the arrival gate
  // prompt of B-B and the captain's greeting prompt, which take typed input.
  state::KeyWindows& keyWindows = pro.main.keyWindows;
  keyWindows.frmArvGate = &arrivalGate;
  keyWindows.typedInput.push_back(&arrivalGate);
  keyWindows.typedInput.push_back(&captainGreeting);

  return mainwindow::RunVexlorPro(env, windows);
}
