// The key hook on a real X display: keys typed into another program's window.
#include "platform/x11_key_hook.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>

#include "support/x11_typist.h"

#include <X11/keysym.h>

namespace vx::platform {
namespace {

using test::PumpUntil;
using test::X11Typist;

class X11KeyHookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display";
    test::KeepDisplayOpen();
    hook = X11KeyHook::Open();
    ASSERT_NE(hook, nullptr) << "display without RECORD";
    typist = X11Typist::Open();
    ASSERT_NE(typist, nullptr) << "display without XTEST";
    hook->SetHandler([this](const KeyEvent& e) {
      seen.push_back(e);
      return swallow(e);
    });
    hook->Enable();
  }

  bool Saw(const KeyEvent& e) { return std::find(seen.begin(), seen.end(), e) != seen.end(); }
  bool WindowGot(unsigned long keysym, bool release = false) {
    const int code = static_cast<int>(typist->KeycodeOf(keysym)) * (release ? -1 : 1);
    const auto keys = typist->ReceivedKeys();
    return std::find(keys.begin(), keys.end(), code) != keys.end();
  }

  int argc = 1;
  char name[8] = "test";
  char* argv[1] = {name};
  QCoreApplication app{argc, argv};
  std::unique_ptr<X11KeyHook> hook;
  std::unique_ptr<X11Typist> typist;
  std::vector<KeyEvent> seen;
  std::function<bool(const KeyEvent&)> swallow = [](const KeyEvent&) { return false; };
};

TEST_F(X11KeyHookTest, SeesKeysTypedIntoAnotherWindowWithoutTakingThem) {
  typist->Type(XK_c);
  typist->Type(XK_a);
  typist->Type(XK_0);
  ASSERT_TRUE(PumpUntil([&] { return seen.size() >= 6; }));
  EXPECT_EQ(seen, (std::vector<KeyEvent>{KeyPress(67), KeyRelease(67), KeyPress(65), KeyRelease(65), KeyPress(48),
                                         KeyRelease(48)}));
  EXPECT_TRUE(PumpUntil([&] { return WindowGot(XK_0, true); }));
  EXPECT_TRUE(WindowGot(XK_c) && WindowGot(XK_a) && WindowGot(XK_0));
}

TEST_F(X11KeyHookTest, ShiftedLettersAndKeypadKeysByTheirKeys) {
  typist->Press(XK_Shift_R);
  typist->Type(XK_b);
  typist->Release(XK_Shift_R);
  typist->Type(XK_KP_9);
  typist->Type(XK_Escape);
  typist->Type(XK_Tab);
  typist->Type(XK_bracketright);
  ASSERT_TRUE(PumpUntil([&] { return seen.size() >= 12; }));
  EXPECT_EQ(seen, (std::vector<KeyEvent>{KeyPress(16), KeyPress(66), KeyRelease(66), KeyRelease(16), KeyPress(105),
                                         KeyRelease(105), KeyPress(27), KeyRelease(27), KeyPress(9), KeyRelease(9),
                                         KeyPress(221), KeyRelease(221)}));
}

TEST_F(X11KeyHookTest, SwallowsOnlyWhatTheHandlerTakesAmongTheCandidates) {
  hook->SetSwallowCandidates({27, 9, 96, 97, 98, 99, 100, 101, 102, 103, 104, 105});
  swallow = [](const KeyEvent& e) { return e.virtualKey == 101; };  // keypad 5 only
  typist->Type(XK_KP_5);
  typist->Type(XK_KP_6);
  typist->Type(XK_q);
  ASSERT_TRUE(PumpUntil([&] { return Saw(KeyRelease(81)); }));
  EXPECT_TRUE(Saw(KeyPress(101)));
  EXPECT_TRUE(Saw(KeyRelease(101)));
  EXPECT_TRUE(Saw(KeyPress(102)));
  ASSERT_TRUE(PumpUntil([&] { return WindowGot(XK_q, true); }));
  // The swallowed key and its release never reached the focused window; the others did.
  EXPECT_FALSE(WindowGot(XK_KP_5));
  EXPECT_FALSE(WindowGot(XK_KP_5, true));
  EXPECT_TRUE(WindowGot(XK_KP_6));
  EXPECT_TRUE(WindowGot(XK_KP_6, true));
  EXPECT_TRUE(WindowGot(XK_q));

  // Without candidates nothing is grabbed: the handler's answer no longer swallows.
  hook->SetSwallowCandidates({});
  seen.clear();
  typist->Type(XK_KP_5);
  ASSERT_TRUE(PumpUntil([&] { return Saw(KeyRelease(101)); }));
  EXPECT_TRUE(PumpUntil([&] { return WindowGot(XK_KP_5, true); }));
  EXPECT_TRUE(WindowGot(XK_KP_5));
}

TEST_F(X11KeyHookTest, DisabledHookDeliversNothingAndSwallowsNothing) {
  hook->SetSwallowCandidates({101});
  swallow = [](const KeyEvent&) { return true; };
  hook->Disable();
  typist->Type(XK_KP_5);
  typist->Type(XK_x);
  EXPECT_TRUE(PumpUntil([&] { return WindowGot(XK_x, true); }));
  EXPECT_TRUE(WindowGot(XK_KP_5));
  EXPECT_TRUE(seen.empty());
  hook->Enable();
  typist->Type(XK_y);
  EXPECT_TRUE(PumpUntil([&] { return Saw(KeyRelease(89)); }));
}

}  // namespace
}  // namespace vx::platform
