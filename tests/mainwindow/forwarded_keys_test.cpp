// Keys that fs-standin hands on reach the main window's key handler, beside the keys of
// the desktop.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <string>
#include <vector>

#include "datafiles/ocumo_files.h"
#include "mainwindow/command_keys.h"
#include "mainwindow/key_mode.h"
#include "mainwindow/key_sequence.h"
#include "mainwindow/live_key_handler.h"
#include "platform/forwarded_key_inbox.h"
#include "platform/forwarded_keys.h"
#include "platform/key_hook.h"
#include "platform/process.h"
#include "simlink/channels.h"
#include "support/environment_override.h"
#include "support/standin_process.h"
#include "support/temp_dir.h"
#include "support/x11_typist.h"

namespace vx::mainwindow {
namespace {

using namespace std::chrono_literals;
using vx::test::PumpUntil;

// The key hook of the main program: the desktop's keys and the keys the stand-in hands on
// through its socket, which are also counted as they reach the program.
class ForwardedKeysTest : public ::testing::Test {
 protected:
  ForwardedKeysTest() {
    keyHook.Add(desktop);
    keyHook.Add(forwarded);
    live.Listen(keyHook);
  }
  std::unique_ptr<platform::ForwardedKeyInbox> OpenInbox() {
    return platform::ForwardedKeyInbox::Open(platform::ForwardedKeysSocketPath(standin.Folder(), standin.Prefix()),
                                             [this](const platform::KeyEvent& e) {
                                               arrived.push_back(e);
                                               forwarded.Send(e);
                                             });
  }
  // `fs-standin ctl key ...` while the program runs its event loop.
  vx::test::CommandResult TypeKeys(const std::vector<std::string>& keys) {
    std::vector<std::string> args{"key"};
    args.insert(args.end(), keys.begin(), keys.end());
    auto typed = std::async(std::launch::async, [&] { return standin.Ctl(args); });
    EXPECT_TRUE(PumpUntil([&] { return typed.wait_for(0s) == std::future_status::ready; }, 30s));
    return typed.get();
  }
  std::vector<std::string> HookKeyLines() {
    std::vector<std::string> lines;
    std::string log = standin.Ctl({"log"}).out;
    for (std::size_t at = 0, end; (end = log.find('\n', at)) != std::string::npos; at = end + 1) {
      const std::string line = log.substr(at, end - at);
      if (line.find("\"kind\":\"hook-key\"") != std::string::npos) lines.push_back(line);
    }
    return lines;
  }

  test::LiveKeyHandler live{vx::test::UniqueName("vxfwd") + "_"};
  state::ProContext& pro = live.pro;
  platform::RecordingKeyHook desktop;
  platform::RecordingKeyHook forwarded;
  platform::KeyHookGroup keyHook;
  vx::test::StandinProcess standin;
  std::vector<platform::KeyEvent> arrived;
};

TEST_F(ForwardedKeysTest, ACommandSequenceHandedOnByTheStandinSetsTheRequest) {
  const auto inbox = OpenInbox();
  ASSERT_NE(inbox, nullptr);
  SetKeyInputMode(pro, kKeyModeFlight);
  const auto typed = standin.Ctl({"key", "C", "a", "0"});
  ASSERT_EQ(typed.exitCode, 0) << typed.err;
  ASSERT_TRUE(PumpUntil([&] { return pro.engine.AnnounceRequest == 10; }));

  const auto lines = HookKeyLines();
  ASSERT_EQ(lines.size(), 6u);
  const char* expected[] = {R"("vk":67,"down":true,"delivered":true)", R"("vk":67,"down":false,"delivered":true)",
                            R"("vk":65,"down":true,"delivered":true)", R"("vk":65,"down":false,"delivered":true)",
                            R"("vk":48,"down":true,"delivered":true)", R"("vk":48,"down":false,"delivered":true)"};
  for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_NE(lines[i].find(expected[i]), std::string::npos) << lines[i];

  // Codes work as well as letters; the hook keeps the desktop's keys too.
  pro.engine.AnnounceRequest = 0;
  ASSERT_EQ(standin.Ctl({"key", "67", "0x41"}).exitCode, 0);
  ASSERT_TRUE(PumpUntil([&] { return pro.main.KeySequence.step == 3; }));
  desktop.Type('2');
  EXPECT_EQ(pro.engine.AnnounceRequest, 12);
}

TEST_F(ForwardedKeysTest, WithNoKeyHookListeningTheKeyIsReportedAndLoggedUndelivered) {
  const auto typed = standin.Ctl({"key", "C"});
  EXPECT_EQ(typed.exitCode, 1);
  EXPECT_NE(typed.err.find("no key hook took key 67"), std::string::npos) << typed.err;
  const auto lines = HookKeyLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find(R"("vk":67,"down":true,"delivered":false)"), std::string::npos) << lines[0];

  for (const std::vector<std::string>& bad : {std::vector<std::string>{"key"}, {"key", "CA"}, {"key", "300"}, {"key", "-"}})
    EXPECT_EQ(standin.Ctl(bad).exitCode, 2) << bad.back();
}

// More keys in one call than the program's queue holds: the stand-in waits for room
// and types every one, in order.
TEST_F(ForwardedKeysTest, ThirtyKeysInOneCallAreAllTypedInOrder) {
  const auto inbox = OpenInbox();
  ASSERT_NE(inbox, nullptr);
  const std::string keys = "QWERTYUIOPASDFGHJKLZXCVBNM0123";
  std::vector<std::string> args{"key"};
  for (const char k : keys) args.emplace_back(1, k);
  // The program reads nothing for a second: its queue fills up at once.
  auto typed = std::async(std::launch::async, [&] { return standin.Ctl(args); });
  typed.wait_for(1s);
  ASSERT_TRUE(PumpUntil([&] { return typed.wait_for(0s) == std::future_status::ready; }, 30s));
  const auto result = typed.get();
  EXPECT_EQ(result.exitCode, 0) << result.err;

  std::vector<platform::KeyEvent> expected;
  for (const char k : keys) {
    expected.push_back(platform::KeyPress(k));
    expected.push_back(platform::KeyRelease(k));
  }
  ASSERT_TRUE(PumpUntil([&] { return arrived.size() >= expected.size(); }));
  EXPECT_EQ(arrived, expected);
  const auto lines = HookKeyLines();
  EXPECT_EQ(lines.size(), expected.size());
  EXPECT_TRUE(std::all_of(lines.begin(), lines.end(),
                          [](const std::string& l) { return l.find("\"delivered\":true") != std::string::npos; }));
}

// B B after the final announcement puts up the key handler's own box. The keys that the
// stand-in hands on while it is up are the box's: they reach the program then, and none
// of them acts, then or after the box has gone.
TEST_F(ForwardedKeysTest, KeysHandedOnWhileTheHandlersOwnBoxIsUpDoNothing) {
  const auto inbox = OpenInbox();
  ASSERT_NE(inbox, nullptr);
  SetKeyInputMode(pro, kKeyModeFlight);
  pro.flight.FlightStage = 2;
  live.boxes.Expect("再出発", ui::Answer::Ok);
  bool reachedWhileUp = false;
  live.boxes.whileOpen = [&](const ui::ScriptedMessageBoxes::Shown&) {
    const auto typed = standin.Ctl({"key", "32", "C", "A", "9"});  // Space, the quiet-sound key, and C A 9
    EXPECT_EQ(typed.exitCode, 0) << typed.err;
    reachedWhileUp = PumpUntil([&] { return !arrived.empty() && arrived.back() == platform::KeyRelease('9'); });
  };
  ASSERT_EQ(TypeKeys({"B", "B"}).exitCode, 0);
  ASSERT_TRUE(PumpUntil([&] { return live.boxes.PendingExpectations() == 0 && !pro.main.KeyHandlerRunning; }));
  live.boxes.whileOpen = nullptr;
  EXPECT_TRUE(reachedWhileUp);
  PumpUntil([] { return false; }, 300ms);  // anything still on its way
  EXPECT_EQ(pro.engine.AnnounceRequest, 0);
  EXPECT_EQ(pro.engine.QuietSound, 0);
  EXPECT_EQ(pro.main.KeySequence.step, 0);
  EXPECT_TRUE(pro.main.KeysWaiting.empty());

  // Closed, the box leaves the keys to the handler again.
  ASSERT_EQ(TypeKeys({"C", "A", "9"}).exitCode, 0);
  EXPECT_TRUE(PumpUntil([&] { return pro.engine.AnnounceRequest == 19; }));
}

// The handler is slow at C (its pump runs work for 2.5 s): A and 9 come within the two
// seconds, while it is still at C. They count from when they reached the program, not
// from when the handler takes them up, and the sequence holds.
TEST_F(ForwardedKeysTest, ASequenceCountsFromWhenEachKeyReachedTheProgram) {
  const auto inbox = OpenInbox();
  ASSERT_NE(inbox, nullptr);
  SetKeyInputMode(pro, kKeyModeFlight);
  int slowWork = 0;
  slowWork = live.timers.Create([&] {
    live.timers.SetEnabled(slowWork, false);
    const auto typed = standin.Ctl({"key", "A", "9"});
    EXPECT_EQ(typed.exitCode, 0) << typed.err;
    PumpUntil([] { return false; }, 2500ms);
  });
  live.timers.SetInterval(slowWork, 1);
  live.timers.SetEnabled(slowWork, true);
  ASSERT_EQ(standin.Ctl({"key", "C"}).exitCode, 0);
  ASSERT_TRUE(PumpUntil([&] { return arrived.size() == 6 && !pro.main.KeyHandlerRunning; }, 10s));
  EXPECT_FALSE(live.timers.Enabled(slowWork)) << "the handler's pump ran the slow work";
  EXPECT_EQ(pro.engine.AnnounceRequest, 19);
}

// The real viewpoint program on the stand-in's simulator, started as the main window starts
// it, with this process as the main program: the keys the stand-in hands on in one burst
// all reach the viewpoint program, in their order.
class ForwardedKeysToOcumoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pro.svc.processes = &processes;
    live.pump.AttachMainLoop();  // the timers run from the window system's loop, as in the program
    keyHook.Add(forwarded);
    live.Listen(keyHook);
  }
  void TearDown() override {
    if (pro.main.OcumoProcess) processes.Close(*pro.main.OcumoProcess);
  }
  std::string LastEyeLine() const {
    const std::string log = standin.Ctl({"log"}).out;
    const auto at = log.rfind("\"kind\":\"eye\"");
    return at == std::string::npos ? "" : log.substr(at, log.find('\n', at) - at);
  }

  vx::test::TempDir runtime;
  vx::test::EnvironmentOverride xdg{"XDG_RUNTIME_DIR", runtime.Path().string()};
  std::string channelPrefix = vx::test::UniqueName("vxeye") + "_";
  vx::test::EnvironmentOverride channels{"VX_CHANNEL_PREFIX", channelPrefix};
  vx::test::EnvironmentOverride offscreen{"QT_QPA_PLATFORM", "offscreen"};  // its window not on the shared display
  test::LiveKeyHandler live{channelPrefix};
  state::ProContext& pro = live.pro;
  const std::filesystem::path& base = live.dir.Path();
  platform::PosixProcessLauncher processes;
  platform::RecordingKeyHook forwarded;
  platform::KeyHookGroup keyHook;
  vx::test::StandinProcess standin{runtime.Path() / "vexlor-sim", "", {}};
};

TEST_F(ForwardedKeysToOcumoTest, FiveKeysHandedOnInOneBurstAllReachTheViewpointProgram) {
  const char* build = std::getenv("VX_BUILD_DIR");
  std::filesystem::create_directories(base / "ExePro");
  std::filesystem::copy_file(std::filesystem::path(build ? build : ".") / "bin" / "Ocumo",
                             base / "ExePro" / "Ocumo");
  datafiles::WriteOcumoCfgFile(base / "Ocumo.cfg", datafiles::DefaultOcumoCfg());
  const auto inbox = platform::ForwardedKeyInbox::Open(
      platform::ForwardedKeysSocketPath(standin.Folder(), standin.Prefix()),
      [this](const platform::KeyEvent& e) { forwarded.Send(e); });
  ASSERT_NE(inbox, nullptr);
  pro.main.OcumoProcess = processes.Start(base / "ExePro" / "Ocumo", {}, false);
  ASSERT_TRUE(pro.main.OcumoProcess);
  EnterViewpointMode(pro);
  // Preset 0 in view: the viewpoint program polls its channel.
  ASSERT_TRUE(PumpUntil([&] { return LastEyeLine().find("\"mode\":4") != std::string::npos; }, std::chrono::seconds(10)));

  // Tab, keypad 8, 8, 6, 9: preset 1, two steps forward, one to the right, zoom in.
  const auto typed = standin.Ctl({"key", "0x09", "0x68", "0x68", "0x66", "0x69"});
  ASSERT_EQ(typed.exitCode, 0) << typed.err;
  ASSERT_TRUE(PumpUntil([&] {
    std::int32_t word = 0;
    simlink::ReadLongFromChannel(word, pro.sim.ChannelHandles.eye);
    return pro.sim.EyeKeysWaiting.empty() && word == simlink::kChannelTaken;
  })) << LastEyeLine();
  ASSERT_EQ(standin.Ctl({"key", "0x1B"}).exitCode, 0);
  ASSERT_TRUE(PumpUntil([&] { return !processes.IsRunning(*pro.main.OcumoProcess); }));
  datafiles::EyeRetCfg back;
  datafiles::ReadEyeRetCfgFile(base / "EyeRet.cfg", back);
  EXPECT_EQ(back.ViewPresets[1][1], "28");   // distance
  EXPECT_EQ(back.ViewPresets[1][2], "51");   // zoom
  EXPECT_EQ(back.ViewPresets[1][3], "339");  // angle
  EXPECT_EQ(back.ViewPresets[0], datafiles::DefaultOcumoCfg().ViewPresets[0]);
}

}  // namespace
}  // namespace vx::mainwindow
