#pragma once
// A fresh program for one ui test: virtual time whose every pump also lets the window
// system deliver its events, and scripted boxes, dialogs and popups whose unexpected
// appearance fails the test.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>

#include "platform/timer_scheduler.h"
#include "platform/virtual_time.h"
#include "ui/file_dialog.h"
#include "ui/message_box.h"
#include "ui/popup_menu.h"
#include "ui/ui_env.h"

namespace vx::ui::test {

struct UiTestEnv {
  platform::VirtualClock clock;
  platform::TimerScheduler timers{clock};
  platform::VirtualEventPump pump{clock, timers};
  ScriptedMessageBoxes boxes;
  ScriptedFileDialogs dialogs;
  ScriptedPopupMenus popups;
  UiEnv env{clock, pump, timers, boxes, dialogs, popups, "VexlorPro"};

  UiTestEnv() {
    pump.SetExtraPump([] { QCoreApplication::processEvents(); });
    boxes.onUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
    dialogs.onUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
    popups.onUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
  }
};

// Delivers what the window system has pending (posted events, deferred deletes).
inline void Settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace vx::ui::test
