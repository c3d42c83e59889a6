#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <string>
#include <vector>

#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/program_loop.h"
#include "ui/text_box.h"
#include "ui/timer_control.h"
#include "ui/window_handles.h"
#include "ui_test_env.h"

namespace vx::ui {
namespace {

using namespace std::chrono_literals;
using test::Settle;
using test::UiTestEnv;

class SampleForm : public Form {
 public:
  explicit SampleForm(UiEnv& env) : Form(env, "frmSample") {}

  TextBox tbxName{*this, "tbxName"};
  CommandButton buttonOK{*this, "buttonOK"};
  Timer Timer1{*this, "Timer1"};

 protected:
  void Design() override {
    SetCaption("Sample");
    Move(1200, 900, 4800, 3000);
    tbxName.Move(120, 120, 2000, 315);
    tbxName.SetText("design");
    buttonOK.SetCaption("OK");
    buttonOK.Move(120, 600, 1000, 375);
    Timer1.SetInterval(500);
  }
};

TEST(FormLifecycle, LoadsOnlyOnExplicitUseAndNotWhenAControlIsTouched) {
  UiTestEnv t;
  SampleForm form(t.env);
  int loads = 0, changes = 0, clicks = 0;
  std::string textSeenAtLoad;
  form.onLoad = [&] {
    ++loads;
    textSeenAtLoad = form.tbxName.Text();
  };
  form.tbxName.onChange = [&] { ++changes; };
  form.buttonOK.onClick = [&] { ++clicks; };

  form.tbxName.SetText("touched");
  form.buttonOK.PerformClick();
  form.Timer1.SetEnabled(true);
  EXPECT_EQ(form.tbxName.Text(), "touched");
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(form.Handle(), 0);
  EXPECT_EQ(form.Window(), nullptr);
  EXPECT_EQ(form.tbxName.Widget(), nullptr);
  EXPECT_EQ(t.env.windows.LoadedCount(), 0u);
  EXPECT_EQ(t.timers.Count(), 0u);
  EXPECT_EQ(changes + clicks + loads, 0);

  form.Load();
  EXPECT_TRUE(form.Loaded());
  EXPECT_EQ(loads, 1);
  EXPECT_EQ(textSeenAtLoad, "design") << "each load starts from the design values";
  EXPECT_EQ(changes, 0) << "design values raise no events";
  ASSERT_NE(form.tbxName.Widget(), nullptr);
  EXPECT_EQ(static_cast<QLineEdit*>(form.tbxName.Widget())->text().toStdString(), "design");
  EXPECT_FALSE(form.Window()->isVisible()) << "Load does not show";
  EXPECT_NE(form.Handle(), 0);
  EXPECT_EQ(t.env.windows.Find(form.Handle()), &form);
  EXPECT_TRUE(form.Timer1.Running());

  form.Load();
  EXPECT_EQ(loads, 1) << "loading a loaded form does nothing";
  form.Show();
  EXPECT_TRUE(form.Visible());
  EXPECT_TRUE(form.Window()->isVisible());
  EXPECT_EQ(form.Window()->windowTitle().toStdString(), "Sample");
}

TEST(FormLifecycle, UnloadRunsQueryUnloadThenUnloadThenDestroysTheWindow) {
  UiTestEnv t;
  SampleForm form(t.env);
  std::vector<std::string> log;
  form.onQueryUnload = [&](bool&, UnloadMode mode) {
    log.push_back(mode == UnloadMode::Code ? "QueryUnload(code)" : "QueryUnload(close)");
  };
  form.onUnload = [&] {
    log.push_back(std::string("Unload, controls ") + (form.tbxName.Widget() ? "alive" : "gone"));
  };
  form.Show();
  const WindowHandle handle = form.Handle();
  QPointer<QWidget> window = form.Window();
  form.tbxName.SetText("changed");

  EXPECT_TRUE(form.Unload());
  EXPECT_EQ(log, (std::vector<std::string>{"QueryUnload(code)", "Unload, controls alive"}));
  EXPECT_FALSE(form.Loaded());
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(form.Handle(), 0);
  EXPECT_EQ(t.env.windows.Find(handle), nullptr);
  EXPECT_EQ(form.tbxName.Widget(), nullptr);
  EXPECT_EQ(t.timers.Count(), 0u) << "the timer goes with the window";
  Settle();
  EXPECT_TRUE(window.isNull()) << "the old window is deleted by the loop";

  log.clear();
  EXPECT_TRUE(form.Unload());
  EXPECT_TRUE(log.empty()) << "unloading an unloaded form runs nothing";

  form.Load();
  EXPECT_EQ(form.tbxName.Text(), "design");
}

TEST(FormLifecycle, QueryUnloadCancelsBothCodeAndTheCloseButton) {
  UiTestEnv t;
  SampleForm form(t.env);
  bool keep = true;
  std::vector<UnloadMode> modes;
  int unloads = 0;
  form.onQueryUnload = [&](bool& cancel, UnloadMode mode) {
    modes.push_back(mode);
    cancel = keep;
  };
  form.onUnload = [&] { ++unloads; };
  form.Show();

  EXPECT_FALSE(form.Unload());
  form.Window()->close();
  EXPECT_TRUE(form.Loaded());
  EXPECT_TRUE(form.Window()->isVisible());
  EXPECT_EQ(unloads, 0);

  keep = false;
  form.Window()->close();
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(unloads, 1);
  EXPECT_EQ(modes, (std::vector<UnloadMode>{UnloadMode::Code, UnloadMode::ControlMenu, UnloadMode::ControlMenu}));
}

TEST(FormLifecycle, AButtonMayUnloadAndReloadItsOwnForm) {
  UiTestEnv t;
  SampleForm form(t.env);
  int loads = 0;
  form.onLoad = [&] { ++loads; };
  form.buttonOK.onClick = [&] {
    form.Unload();
    form.Show();
  };
  form.Show();
  QPointer<QWidget> first = form.Window();
  static_cast<QPushButton*>(form.buttonOK.Widget())->click();
  Settle();
  EXPECT_EQ(loads, 2);
  EXPECT_TRUE(form.Loaded());
  EXPECT_TRUE(first.isNull());
  EXPECT_NE(form.Window(), nullptr);
  EXPECT_TRUE(form.Window()->isVisible());
}

TEST(FormGeometry, TwipsReadBackExactlyAsSet) {
  UiTestEnv t;
  SampleForm form(t.env);
  form.Show();
  const double values[] = {0, 1, 7, 8, 14, 15, 22.5, 330, 1234.5, 4950, 14700, -2000};
  for (double v : values) {
    SCOPED_TRACE(v);
    form.tbxName.Move(v, v, 2000 + v, 315);
    EXPECT_EQ(form.tbxName.Left(), v);
    EXPECT_EQ(form.tbxName.Top(), v);
    EXPECT_EQ(form.tbxName.Width(), 2000 + v);
    EXPECT_EQ(form.tbxName.Widget()->x(), TwipsToPixels(v));
    form.SetLeft(v + 3000);
    form.SetTop(v + 3000);
    form.SetWidth(v + 4950);
    EXPECT_EQ(form.Left(), v + 3000);
    EXPECT_EQ(form.Top(), v + 3000);
    EXPECT_EQ(form.Width(), v + 4950);
    EXPECT_EQ(form.Window()->x(), TwipsToPixels(v + 3000));
    EXPECT_EQ(form.Window()->width(), TwipsToPixels(v + 4950));
  }
  EXPECT_EQ(TwipsToPixels(15), 1);
  EXPECT_EQ(TwipsToPixels(-2000), -133);
}

TEST(FormGeometry, AWindowMovedByTheUserReportsItsNewPlace) {
  UiTestEnv t;
  SampleForm form(t.env);
  form.Show();
  form.Move(1507, 905);
  form.Window()->move(form.Window()->pos() + QPoint(20, -10));
  EXPECT_EQ(form.Left(), 1500 + 20 * 15);
  EXPECT_EQ(form.Top(), 900 - 10 * 15);
}

TEST(FormGeometry, FlushRightOnAScreenOfGivenWidth) {
  UiTestEnv t;
  t.env.screenSize = TwipsSize{24000, 18000};
  SampleForm form(t.env);
  form.Show();
  form.SetWidth(4950);
  form.SetLeft(t.env.Screen().width - form.Width());
  EXPECT_EQ(form.Left(), 19050);
  EXPECT_EQ(form.Left() + form.Width(), 24000);
}

TEST(FormState, MinimiseRestoreAndHide) {
  UiTestEnv t;
  SampleForm form(t.env);
  form.Show();
  form.SetWindowState(WindowState::Minimized);
  EXPECT_EQ(form.State(), WindowState::Minimized);
  EXPECT_TRUE(form.Window()->isMinimized());
  form.SetWindowState(WindowState::Normal);
  EXPECT_EQ(form.State(), WindowState::Normal);
  EXPECT_FALSE(form.Window()->isMinimized());
  form.Hide();
  EXPECT_TRUE(form.Loaded());
  EXPECT_FALSE(form.Visible());
  EXPECT_FALSE(form.Window()->isVisible());
  form.SetEnabled(false);
  EXPECT_FALSE(form.Window()->isEnabled());
}

TEST(FormModal, ShowModalPumpsTheProgramUntilTheFormIsHiddenOrUnloaded) {
  UiTestEnv t;
  SampleForm dialog(t.env);
  int ticks = 0;
  dialog.Timer1.onTimer = [&] { ++ticks; };
  const auto start = t.clock.MonotonicNanos();
  t.pump.After(2s, [&] { dialog.Hide(); });
  dialog.ShowModal();
  EXPECT_GE(t.clock.MonotonicNanos() - start, std::chrono::nanoseconds(2s).count());
  EXPECT_GE(ticks, 3) << "timers run while a modal form waits";
  EXPECT_TRUE(dialog.Loaded());
  EXPECT_EQ(dialog.Window()->windowModality(), Qt::NonModal);

  t.pump.After(500ms, [&] { dialog.Unload(); });
  dialog.ShowModal();
  EXPECT_FALSE(dialog.Loaded());
}

TEST(WindowHandles, TopmostAndActivationByHandle) {
  UiTestEnv t;
  SampleForm form(t.env), other(t.env);
  form.Load();
  const WindowHandle handle = form.Handle();
  EXPECT_TRUE(SetWindowTopmost(t.env, handle));
  form.Show();
  EXPECT_TRUE(form.Topmost());
  EXPECT_TRUE(form.Window()->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(form.Window()->isVisible());
  EXPECT_EQ(form.Left(), 1200);
  EXPECT_EQ(form.Window()->x(), 80);

  other.Show();
  EXPECT_TRUE(ActivateWindow(t.env, handle));
  EXPECT_FALSE(SetWindowTopmost(t.env, 0));
  EXPECT_FALSE(ActivateWindow(t.env, 987654321));

  form.Unload();
  EXPECT_FALSE(SetWindowTopmost(t.env, handle)) << "a handle dies with its window";
  form.Show();
  EXPECT_FALSE(form.Topmost()) << "a new window starts without the topmost state";
}

class DragForm : public Form {
 public:
  explicit DragForm(UiEnv& env) : Form(env, "frmDrag") {
    tbxDest.onMouseDown = [this](const MouseArgs&) { StartWindowDrag(); };
  }
  TextBox tbxDest{*this, "tbxDest"};

 protected:
  void Design() override {
    SetBorderStyle(BorderStyle::None);
    Move(3000, 1500, 4950, 315);
    tbxDest.Move(2040, 0, 2835, 315);
    tbxDest.SetLocked(true);
  }
};

TEST(FormDrag, ABorderlessWindowFollowsTheMouseFromAPressOnAControl) {
  UiTestEnv t;
  DragForm form(t.env);
  form.Show();
  EXPECT_TRUE(form.Window()->windowFlags() & Qt::FramelessWindowHint);
  QWidget* box = form.tbxDest.Widget();
  const QPointF local(10, 5);
  const QPointF global = box->mapToGlobal(local);
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(box, &press);
  QMouseEvent move(QEvent::MouseMove, local + QPointF(20, 10), global + QPointF(20, 10), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(box, &move);
  QMouseEvent release(QEvent::MouseButtonRelease, local + QPointF(20, 10), global + QPointF(20, 10), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(box, &release);
  EXPECT_EQ(form.Left(), 3000 + 20 * 15);
  EXPECT_EQ(form.Top(), 1500 + 10 * 15);

  QMouseEvent later(QEvent::MouseMove, local, global + QPointF(60, 60), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(box, &later);
  EXPECT_EQ(form.Left(), 3000 + 20 * 15) << "the drag ends with the button";
}

TEST(ProgramLoop, EndsWhenTheLastFormUnloadsAfterItsHandler) {
  UiTestEnv t;
  SampleForm first(t.env), second(t.env);
  bool handlerFinished = false;
  first.buttonOK.onClick = [&] {
    first.Unload();
    t.pump.RunFor(1s);  // the handler goes on pumping; the program must not end under it
    handlerFinished = true;
  };
  t.pump.After(1s, [&] { static_cast<QPushButton*>(first.buttonOK.Widget())->click(); });
  const int code = RunProgram(t.env, [&] {
    second.Load();
    second.Unload();
    first.Show();
  });
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(handlerFinished);
  EXPECT_FALSE(first.Loaded());
}

}  // namespace
}  // namespace vx::ui
