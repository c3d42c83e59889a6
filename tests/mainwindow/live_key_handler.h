#pragma once
// The main window's key handler as the program runs it: on the machine's clock and the
// application's event loop, with the shared-memory channels under a name of this test and
// scripted boxes. For the tests of the keys that come from outside the process (the X
// desktop, the keys fs-standin hands on).
#include <QCoreApplication>
#include <string>

#include "mainwindow/command_keys.h"
#include "mainwindow/pro_program.h"
#include "platform/clock.h"
#include "platform/key_hook.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/qt_event_pump.h"
#include "platform/timer_scheduler.h"
#include "simlink/main_channels.h"
#include "state/pro_context.h"
#include "support/temp_dir.h"
#include "ui/message_box.h"

namespace vx::mainwindow::test {

struct LiveKeyHandler {
  // The channels' names start with `channelPrefix`.
  explicit LiveKeyHandler(std::string channelPrefix) {
    pro.svc.clock = &clock;
    pro.svc.pump = &pump;
    pro.svc.timers = &timers;
    pro.svc.paths = &paths;
    pro.svc.processes = &processes;
    pro.svc.sharedMemoryPrefix = std::move(channelPrefix);
    pro.boxes = &boxes;
    simlink::OpenMainChannels(pro);
  }
  ~LiveKeyHandler() {
    simlink::CloseMainChannels(pro);
    RemoveChannels(pro.svc.sharedMemoryPrefix);
  }
  // The hook's keys go to the key handler from now on.
  void Listen(platform::KeyHook& hook) {
    pro.svc.keyHook = &hook;
    hook.SetHandler([this](const platform::KeyEvent& e) { return HandleDesktopKey(pro, e); });
    hook.Enable();
  }

  int argc = 1;
  char name[8] = "test";
  char* argv[1] = {name};
  QCoreApplication app{argc, argv};
  platform::SystemClock clock;
  platform::TimerScheduler timers{clock};
  platform::QtEventPump pump{clock, timers};
  vx::test::TempDir dir;
  platform::Paths paths{dir.Path()};
  platform::RecordingProcessLauncher processes;
  ui::ScriptedMessageBoxes boxes;
  state::ProContext pro;
};

}  // namespace vx::mainwindow::test
