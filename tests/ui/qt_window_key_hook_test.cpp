// The key hook over the program's own windows: keys reach the handler before the window,
// and a swallowed key never reaches it.
#include "ui/qt_window_key_hook.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

#include "ui/form.h"
#include "ui/text_box.h"
#include "ui/ui_test_env.h"

namespace vx::ui {
namespace {

class TypingForm final : public Form {
 public:
  explicit TypingForm(UiEnv& env) : Form(env, "frmTyping") {}
  TextBox tbx{*this, "tbx"};

 protected:
  void Design() override { tbx.Move(0, 0, 2000, 300); }
};

// A key typed into the form's window, as the window system delivers it.
void TypeIntoWindow(Form& form, Qt::Key key, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QWindow* window = form.Window()->windowHandle();
  QKeyEvent press(QEvent::KeyPress, key, mods, text);
  QCoreApplication::sendEvent(window, &press);
  QKeyEvent release(QEvent::KeyRelease, key, mods, text);
  QCoreApplication::sendEvent(window, &release);
}

TEST(QtWindowKeyHook, SeesTheKeysOfOwnWindowsAndSwallowsOnlyWhatTheHandlerTakes) {
  test::UiTestEnv t;
  TypingForm form(t.env);
  form.Show();
  form.tbx.SetFocus();
  test::Settle();

  QtWindowKeyHook hook;
  std::vector<platform::KeyEvent> seen;
  hook.SetHandler([&](const platform::KeyEvent& e) {
    seen.push_back(e);
    return e.virtualKey == 101;  // keypad 5
  });
  TypeIntoWindow(form, Qt::Key_A, "a");  // not enabled: passes unseen
  hook.Enable();
  TypeIntoWindow(form, Qt::Key_B, "b");
  TypeIntoWindow(form, Qt::Key_5, "5", Qt::KeypadModifier);
  TypeIntoWindow(form, Qt::Key_5, "5");
  EXPECT_EQ(seen, (std::vector<platform::KeyEvent>{platform::KeyPress(66), platform::KeyRelease(66),
                                                   platform::KeyPress(101), platform::KeyRelease(101),
                                                   platform::KeyPress(53), platform::KeyRelease(53)}));
  EXPECT_EQ(form.tbx.Text(), "ab5");
  hook.Disable();
  TypeIntoWindow(form, Qt::Key_C, "c");
  EXPECT_EQ(seen.size(), 6u);
  EXPECT_EQ(form.tbx.Text(), "ab5c");
}

}  // namespace
}  // namespace vx::ui
