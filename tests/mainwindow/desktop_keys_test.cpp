// Keys typed anywhere on the X desktop reach the main window's key handler.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "mainwindow/command_keys.h"
#include "mainwindow/key_mode.h"
#include "mainwindow/key_sequence.h"
#include "mainwindow/live_key_handler.h"
#include "platform/x11_key_hook.h"
#include "support/x11_typist.h"

#include <X11/keysym.h>

namespace vx::mainwindow {
namespace {

using vx::test::PumpUntil;

class DesktopKeysTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display";
    vx::test::KeepDisplayOpen();
    hook = platform::X11KeyHook::Open();
    ASSERT_NE(hook, nullptr) << "display without RECORD";
    typist = vx::test::X11Typist::Open();  // another program's window, with the focus
    ASSERT_NE(typist, nullptr) << "display without XTEST";
    live.Listen(*hook);
  }

  std::int32_t EyeChannel() { return test::ReadEyeChannel(pro.svc.sharedMemoryPrefix); }
  bool WindowGot(unsigned long keysym, bool release = false) {
    const int code = static_cast<int>(typist->KeycodeOf(keysym)) * (release ? -1 : 1);
    const auto keys = typist->ReceivedKeys();
    return std::find(keys.begin(), keys.end(), code) != keys.end();
  }

  test::LiveKeyHandler live{vx::test::UniqueName("vxdesk") + "_"};
  state::ProContext& pro = live.pro;
  platform::RecordingProcessLauncher& processes = live.processes;
  std::unique_ptr<platform::X11KeyHook> hook;
  std::unique_ptr<vx::test::X11Typist> typist;
};

TEST_F(DesktopKeysTest, CommandSequenceTypedIntoAnotherWindowSetsTheRequest) {
  SetKeyInputMode(pro, kKeyModeFlight);
  typist->Type(XK_c);
  typist->Type(XK_a);
  typist->Type(XK_0);
  ASSERT_TRUE(PumpUntil([&] { return pro.engine.AnnounceRequest == 10; }));
  // The keys were not taken from the window that has the focus.
  EXPECT_TRUE(PumpUntil([&] { return WindowGot(XK_0, true); }));
  EXPECT_TRUE(WindowGot(XK_c) && WindowGot(XK_a) && WindowGot(XK_0));
}

// The program is slow: by the time it handles C, the user has typed A and 0, which the
// handler's own pump reads from the display. The sequence still counts.
TEST_F(DesktopKeysTest, KeysTypedWhileTheHandlerIsAtTheFirstOneCount) {
  SetKeyInputMode(pro, kKeyModeFlight);
  hook->SetHandler([this](const platform::KeyEvent& e) {
    if (e == platform::KeyPress(vk::kLetterC)) {
      typist->Type(XK_a);
      typist->Type(XK_0);
    }
    return HandleDesktopKey(pro, e);
  });
  typist->Type(XK_c);
  EXPECT_TRUE(PumpUntil([&] { return pro.engine.AnnounceRequest == 10; }));
}

TEST_F(DesktopKeysTest, ViewpointModeSwallowsKeypadKeysAndForwardsThem) {
  pro.main.OcumoProcess = processes.Start("/inst/ExePro/Ocumo", {}, false);
  SetKeyInputMode(pro, kKeyModeViewpoint);
  typist->Type(XK_KP_5);
  typist->Type(XK_q);
  ASSERT_TRUE(PumpUntil([&] { return EyeChannel() == 101; }));
  ASSERT_TRUE(PumpUntil([&] { return WindowGot(XK_q, true); }));
  EXPECT_FALSE(WindowGot(XK_KP_5));
  EXPECT_FALSE(WindowGot(XK_KP_5, true));

  // Once the viewpoint program has ended, the keypad belongs to the focused window again.
  processes.started.back().running = false;
  typist->Type(XK_KP_7);
  ASSERT_TRUE(PumpUntil([&] { return WindowGot(XK_KP_7, true); }));
  EXPECT_TRUE(WindowGot(XK_KP_7));
  EXPECT_EQ(EyeChannel(), 101);
  EXPECT_EQ(pro.main.KeyInputMode, kKeyModeNone);
}

}  // namespace
}  // namespace vx::mainwindow
