// VexlorPro: the main program, on the machine's own services.
#include <QApplication>
#include <QGuiApplication>
#include <memory>

#include "announce/flight_form_set.h"
#include "announce/frm_sound.h"
#include "mainwindow/pro_context.h"
#include "mainwindow/vexlor_pro.h"
#include "platform/addon_link.h"
#include "platform/clock.h"
#include "platform/instance_lock.h"
#include "platform/key_hook.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/qt_event_pump.h"
#include "platform/random.h"
#include "platform/sdl_audio.h"
#include "platform/sdl_mp3_player.h"
#include "platform/sdl_music_device.h"
#include "platform/sdl_sound_device.h"
#include "platform/standin_link.h"
#include "platform/timer_scheduler.h"
#include "platform/x11_key_hook.h"
#include "ui/qt_file_dialogs.h"
#include "ui/qt_message_boxes.h"
#include "ui/qt_popup_menus.h"
#include "ui/qt_text_viewer.h"
#include "ui/qt_window_key_hook.h"
#include "ui/ui_env.h"

using namespace vx;

int main(int argc, char** argv) {
  QApplication app(argc, argv);

  platform::SystemClock clock;
  platform::TimerScheduler timers{clock};
  platform::QtEventPump pump{clock, timers};
  pump.AttachMainLoop();
  ui::QtMessageBoxes boxes{"VexlorPro"};
  ui::QtFileDialogs fileDialogs;
  ui::QtPopupMenus popups;
  ui::UiEnv env{clock, pump, timers, boxes, fileDialogs, popups, "VexlorPro"};

  platform::SystemRandom random;
  platform::Paths paths;
  platform::PosixProcessLauncher processes;
  platform::StandinWindowFinder simWindows{platform::DefaultStandinFolder(), ""};
  platform::StandinSimIpcClient sim{simWindows};
  platform::StandinKeyInjector keys{sim};
  ui::QtTextViewer textViewer;
  platform::SdlAudio audio;
  platform::SdlSoundDevice sound{audio};
  platform::SdlMusicDevice music{audio, clock};
  platform::SdlMp3Player mp3{audio};
  platform::UnavailableAddonLink addon;

  // Keys of the whole desktop where an X display serves the program, else those typed
  // into the program's own windows.
  std::unique_ptr<platform::KeyHook> keyHook;
  if (QGuiApplication::platformName() == "xcb") keyHook = platform::X11KeyHook::Open();
  if (!keyHook) keyHook = std::make_unique<ui::QtWindowKeyHook>();

  mainwindow::ProContext pro;
  pro.svc.clock = &clock;
  pro.svc.pump = &pump;
  pro.svc.timers = &timers;
  pro.svc.random = &random;
  pro.svc.paths = &paths;
  pro.svc.processes = &processes;
  pro.svc.keys = &keys;
  pro.svc.textViewer = &textViewer;
  pro.svc.sound = &sound;
  pro.svc.music = &music;
  pro.svc.mp3 = &mp3;
  pro.svc.addon = &addon;
  pro.svc.sim = &sim;
  pro.svc.simWindows = &simWindows;
  pro.svc.keyHook = keyHook.get();
  pro.boxes = &boxes;
  pro.ui = &env;

  announce::FrmSound frmSound{env, pro};
  platform::FileInstanceLock instanceLock{platform::DefaultInstanceLockFile("VexlorPro")};
  mainwindow::VexlorProWindows windows{env, pro, frmSound, instanceLock,
                                       QCoreApplication::applicationDirPath().toStdString()};

  // The windows of the flight; those not built yet are stand-ins.
  using announce::FlightForm;
  announce::StandInForm help{env, "frmHelp", "Help"};
  announce::StandInForm pushback{env, "frmPB", "Push Back"};
  announce::StandInForm voice{env, "frm音声設定", "音声設定"};
  announce::StandInForm keySettings{env, "frmキー設定", "キー設定"};
  announce::StandInForm tob{env, "frmTOB", "TOB"};
  announce::StandInForm arrivalGate{env, "frmArvGate", "到着ゲート"};
  announce::StandInAutoPauseNotice autoPause{env, pro};
  announce::FlightFormSet flightForms;
  flightForms.Set(FlightForm::frmHelp, help);
  flightForms.Set(FlightForm::frmPB, pushback);
  flightForms.Set(FlightForm::frm音声設定, voice);
  flightForms.Set(FlightForm::frmキー設定, keySettings);
  flightForms.Set(FlightForm::frmCabin, windows.frmCabin);
  flightForms.Set(FlightForm::frmTOB, tob);
  pro.engine.flightForms = &flightForms;
  pro.sim.autoPauseNotice = &autoPause;

  // What the key handler works on: the windows Esc closes, the windows of B-B, and the
  // windows that take typed input.
  mainwindow::KeyWindows& keyWindows = pro.main.keyWindows;
  keyWindows.frmTOB = &tob;
  keyWindows.frmArvGate = &arrivalGate;
  keyWindows.closedByEsc = {&help, &pushback, &keySettings, &voice, &tob};
  keyWindows.typedInput = {&keySettings, &voice, &tob, &arrivalGate};

  return mainwindow::RunVexlorPro(env, windows);
}
