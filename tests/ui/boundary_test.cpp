#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <stdexcept>

#include "platform/qt_event_pump.h"
#include "runtime/runtime_error.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/program_loop.h"
#include "ui/qt_message_boxes.h"
#include "ui/scope_guard.h"
#include "ui/timer_control.h"
#include "ui_test_env.h"

namespace vx::ui {
namespace {

using namespace std::chrono_literals;
using test::UiTestEnv;

class TickForm : public Form {
 public:
  explicit TickForm(UiEnv& env) : Form(env, "frmSound") {}
  CommandButton buttonExit{*this, "buttonExit"};
  Timer Timer2{*this, "Timer2"};

  void Click() { static_cast<QPushButton*>(buttonExit.Widget())->click(); }

 protected:
  void Design() override {
    SetBorderStyle(BorderStyle::None);
    buttonExit.SetCaption("×");
    Timer2.SetInterval(490);
    Timer2.SetEnabled(false);
  }
};

TEST(EventBoundary, AnErrorInAClickHandlerIsShownAndTheProgramGoesOn) {
  UiTestEnv t;
  TickForm form(t.env);
  int busy = 0, clicks = 0;
  int failWith = runtime::kTypeMismatch;
  form.buttonExit.onClick = [&] {
    BusyFlag<int> hold(busy, -1);
    ++clicks;
    if (failWith > 0) throw runtime::RuntimeError(failWith);
    if (failWith < 0) throw std::runtime_error("plain failure");
  };
  form.Show();
  t.boxes.Expect("VexlorPro", Answer::Ok, "型が一致しません。");
  t.boxes.Expect("VexlorPro", Answer::Ok, "plain failure");

  form.Click();
  EXPECT_EQ(busy, 0) << "the busy flag is released by its guard";
  failWith = -1;
  form.Click();
  failWith = 0;
  form.Click();
  EXPECT_EQ(clicks, 3);
  EXPECT_EQ(busy, 0);
  ASSERT_EQ(t.boxes.shown.size(), 2u);
  EXPECT_EQ(t.boxes.shown[0].text, "型が一致しません。");
  EXPECT_EQ(t.boxes.shown[0].icon, Icon::Critical);
  EXPECT_EQ(t.boxes.shown[0].buttons, Buttons::Ok);
  EXPECT_EQ(t.boxes.PendingExpectations(), 0u);
}

TEST(EventBoundary, ErrorsInLoadAndTimerHandlersAreShownAndTheFormCarriesOn) {
  UiTestEnv t;
  TickForm form(t.env);
  int ticks = 0;
  form.onLoad = [&] {
    form.Timer2.SetEnabled(true);
    throw runtime::RuntimeError(runtime::kFileNotFound);
  };
  form.Timer2.onTimer = [&] {
    if (++ticks == 1) throw runtime::RuntimeError(runtime::kOverflow);
  };
  t.boxes.Expect("VexlorPro", Answer::Ok, "ファイルが見つかりません。");
  t.boxes.Expect("VexlorPro", Answer::Ok, "オーバーフローしました。");
  form.Show();
  EXPECT_TRUE(form.Loaded());
  EXPECT_TRUE(form.Visible());
  t.pump.RunFor(2s);
  EXPECT_EQ(ticks, 4) << "the timer goes on after its error";
  EXPECT_EQ(t.boxes.PendingExpectations(), 0u);
}

// The original's timers fired again inside a nested pump while their handler still ran;
// the handler's busy flag drops those ticks, as the flight window's heartbeat does.
TEST(TimerControl, FiresAgainInsideANestedPumpWhileItsHandlerRuns) {
  UiTestEnv t;
  t.pump.SetPumpStep(10ms);
  TickForm form(t.env);
  int entries = 0, depth = 0, maxDepth = 0, dropped = 0, busy = 0;
  form.Timer2.onTimer = [&] {
    ++entries;
    ++depth;
    ScopeGuard leave([&] { --depth; });
    maxDepth = std::max(maxDepth, depth);
    if (busy != 0) {
      ++dropped;
      return;
    }
    BusyFlag<int> hold(busy, -1);
    if (entries == 1) {
      const auto end = t.clock.MonotonicNanos() + std::chrono::nanoseconds(2s).count();
      while (t.clock.MonotonicNanos() < end) t.pump.Pump();  // a long wait inside the tick
    }
  };
  form.onLoad = [&] { form.Timer2.SetEnabled(true); };
  form.Show();
  t.pump.RunFor(3s);
  EXPECT_EQ(maxDepth, 2);
  EXPECT_EQ(dropped, 4) << "ticks at 980, 1470, 1960 and 2450 ms came during the 2 s wait of the first";
  EXPECT_EQ(busy, 0);
  EXPECT_EQ(entries, 4 + 1 + 1) << "then the ticks at 2940 ms... resume on the main loop";
}

TEST(TimerControl, FiresAgainInsideANestedPumpOnTheRealEventLoop) {
  platform::SystemClock clock;
  platform::TimerScheduler timers(clock);
  platform::QtEventPump pump(clock, timers);
  pump.AttachMainLoop();
  ScriptedMessageBoxes boxes;
  boxes.onUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
  ScriptedFileDialogs dialogs;
  ScriptedPopupMenus popups;
  UiEnv env(clock, pump, timers, boxes, dialogs, popups, "VexlorPro");
  TickForm form(env);
  int entries = 0, depth = 0, maxDepth = 0;
  form.Timer2.onTimer = [&] {
    ++entries;
    ++depth;
    ScopeGuard leave([&] { --depth; });
    maxDepth = std::max(maxDepth, depth);
    if (entries == 1) {
      const double end = clock.MonotonicSeconds() + 0.3;
      while (clock.MonotonicSeconds() < end) pump.Idle(20ms);
    }
    if (entries >= 4 && depth == 1) form.Unload();
  };
  form.onLoad = [&] {
    form.Timer2.SetInterval(50);
    form.Timer2.SetEnabled(true);
  };
  const double start = clock.MonotonicSeconds();
  const int code = RunProgram(env, [&] { form.Show(); });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(maxDepth, 2);
  EXPECT_GE(entries, 4);
  EXPECT_LT(clock.MonotonicSeconds() - start, 5.0);
}

// A box that came up under a timer's handler, the box of its error or one it shows itself,
// holds the timer while it is up, on the real event loop with real boxes: the ticks that
// fall due meanwhile do not run the handler again, so no second box comes over the first
// (the handler still runs again inside its own pumps while no box is up); once the box is
// answered the timer ticks on.
TEST(TimerControl, DoesNotRunItsHandlerAgainWhileABoxFromItIsUp) {
  for (const bool fromError : {true, false}) {
    SCOPED_TRACE(fromError ? "the box of the handler's error" : "the handler's own box");
    platform::SystemClock clock;
    platform::TimerScheduler timers(clock);
    platform::QtEventPump pump(clock, timers);
    pump.AttachMainLoop();
    QtMessageBoxes boxes("VexlorEXP");
    boxes.EndWith(pump);
    ScriptedFileDialogs dialogs;
    ScriptedPopupMenus popups;
    UiEnv env(clock, pump, timers, boxes, dialogs, popups, "VexlorEXP");
    TickForm form(env);
    int entries = 0, entriesUnderABox = 0, entriesBeforeTheBox = 0, mostBoxesUp = 0;
    form.Timer2.onTimer = [&] {
      const int entry = ++entries;
      if (boxes.OpenBoxes() > 0) ++entriesUnderABox;
      if (entry == 1) {
        // A wait that pumps, where the timer fires again as it always may, then the box.
        const double end = clock.MonotonicSeconds() + 0.15;
        while (clock.MonotonicSeconds() < end) pump.Idle(20ms);
        entriesBeforeTheBox = entries;
        if (fromError) throw std::out_of_range("vector::_M_range_check");
        boxes.Show("計器の値を読めません。", Buttons::Ok, Icon::Exclamation);
      }
      if (entry == 6) form.Unload();
    };
    form.onLoad = [&] {
      form.Timer2.SetInterval(50);
      form.Timer2.SetEnabled(true);
    };
    // The user answers a box 600 ms (a dozen ticks) after it came up.
    QTimer user;
    double upSince = -1;
    QObject::connect(&user, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      mostBoxesUp = std::max(mostBoxesUp, boxes.OpenBoxes());
      if (upSince < 0) upSince = clock.MonotonicSeconds();
      if (clock.MonotonicSeconds() - upSince < 0.6) return;
      upSince = -1;
      box->buttons().at(0)->click();
    });
    user.start(20);
    const double start = clock.MonotonicSeconds();
    EXPECT_EQ(RunProgram(env, [&] { form.Show(); }), 0);
    EXPECT_EQ(boxes.BoxesShown(), 1u);
    EXPECT_EQ(mostBoxesUp, 1);
    EXPECT_EQ(entriesUnderABox, 0);
    EXPECT_GE(entriesBeforeTheBox, 2) << "ticks inside the wait";
    EXPECT_EQ(entries, 6) << "the timer ticks on once the box is answered";
    EXPECT_LT(clock.MonotonicSeconds() - start, 5.0);
  }
}

TEST(ProgramEnd, EndProgramInsideNestedPumpsUnwindsToTheMainLoopSilently) {
  UiTestEnv t;
  TickForm form(t.env);
  bool clickReturned = false, tickReturned = false;
  int ticks = 0;
  form.buttonExit.onClick = [&] {
    for (;;) t.pump.Idle(50ms);  // a wait that only the end of the program leaves
    clickReturned = true;
  };
  form.Timer2.onTimer = [&] {
    if (++ticks == 2) {
      t.pump.Idle(10ms);  // one level deeper still
      t.pump.EndProgram(3);
    }
    tickReturned = ticks > 2;
  };
  form.onLoad = [&] { form.Timer2.SetEnabled(true); };
  t.pump.After(100ms, [&] { form.Click(); });
  const int code = RunProgram(t.env, [&] { form.Show(); });
  EXPECT_EQ(code, 3);
  EXPECT_EQ(ticks, 2);
  EXPECT_FALSE(clickReturned);
  EXPECT_FALSE(tickReturned);
  EXPECT_TRUE(t.boxes.shown.empty()) << "the end of the program is no error";
  EXPECT_TRUE(form.Loaded()) << "an ended program's windows go without unload events";
}

TEST(ProgramEnd, EndingInsideAnUnloadRaisedByCodeStopsTheCallerToo) {
  UiTestEnv t;
  TickForm form(t.env);
  bool afterUnload = false;
  form.onUnload = [&] { t.pump.EndProgram(); };
  form.buttonExit.onClick = [&] {
    form.Unload();
    afterUnload = true;
  };
  t.pump.After(10ms, [&] { form.Click(); });
  EXPECT_EQ(RunProgram(t.env, [&] { form.Show(); }), 0);
  EXPECT_TRUE(t.pump.Ended());
  EXPECT_FALSE(afterUnload);
}

}  // namespace
}  // namespace vx::ui
