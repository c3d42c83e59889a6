// Keys that fs-standin hands on reach the main window's key handler, beside the keys of
// the desktop.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "datafiles/ocumo_files.h"
#include "mainwindow/command_keys.h"
#include "mainwindow/key_mode.h"
#include "mainwindow/key_sequence.h"
#include "platform/clock.h"
#include "platform/forwarded_key_inbox.h"
#include "platform/forwarded_keys.h"
#include "platform/key_hook.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/qt_event_pump.h"
#include "platform/shared_memory.h"
#include "platform/timer_scheduler.h"
#include "simlink/channels.h"
#include "simlink/main_channels.h"
#include "state/pro_context.h"
#include "support/environment_override.h"
#include "support/standin_process.h"
#include "support/temp_dir.h"
#include "support/x11_typist.h"

namespace vx::mainwindow {
namespace {

using test::PumpUntil;

class ForwardedKeysTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pro.svc.clock = &clock;
    pro.svc.pump = &pump;
    pro.svc.timers = &timers;
    pro.svc.paths = &paths;
    pro.svc.processes = &processes;
    pro.svc.sharedMemoryPrefix = test::UniqueName("vxfwd") + "_";
    keyHook.Add(desktop);
    keyHook.Add(forwarded);
    pro.svc.keyHook = &keyHook;
    simlink::OpenMainChannels(pro);
    keyHook.SetHandler([this](const platform::KeyEvent& e) { return HandleDesktopKey(pro, e); });
    keyHook.Enable();
  }
  void TearDown() override {
    simlink::CloseMainChannels(pro);
    for (const char* name : {simlink::kEyeChannelName, simlink::kVolChannelName, simlink::kStabChannelName,
                             simlink::kDataChannelName})
      platform::SharedMemory::Remove(pro.svc.sharedMemoryPrefix, name);
  }
  std::unique_ptr<platform::ForwardedKeyInbox> OpenInbox() {
    return platform::ForwardedKeyInbox::Open(
        platform::ForwardedKeysSocketPath(standin.Folder(), standin.Prefix()),
        [this](const platform::KeyEvent& e) { forwarded.Send(e); });
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

  int argc = 1;
  char name[8] = "test";
  char* argv[1] = {name};
  QCoreApplication app{argc, argv};
  platform::SystemClock clock;
  platform::TimerScheduler timers{clock};
  platform::QtEventPump pump{clock, timers};
  test::TempDir dir;
  platform::Paths paths{dir.Path()};
  platform::RecordingProcessLauncher processes;
  platform::RecordingKeyHook desktop;
  platform::RecordingKeyHook forwarded;
  platform::KeyHookGroup keyHook;
  test::StandinProcess standin;
  state::ProContext pro;
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

// The real viewpoint program on the stand-in's simulator, started as the main window starts
// it, with this process as the main program: the keys the stand-in hands on in one burst
// all reach the viewpoint program, in their order.
class ForwardedKeysToOcumoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pro.svc.clock = &clock;
    pro.svc.pump = &pump;
    pro.svc.timers = &timers;
    pro.svc.paths = &paths;
    pro.svc.processes = &processes;
    pro.svc.sharedMemoryPrefix = channelPrefix;
    pump.AttachMainLoop();  // the timers run from the window system's loop, as in the program
    keyHook.Add(forwarded);
    pro.svc.keyHook = &keyHook;
    simlink::OpenMainChannels(pro);
    keyHook.SetHandler([this](const platform::KeyEvent& e) { return HandleDesktopKey(pro, e); });
    keyHook.Enable();
  }
  void TearDown() override {
    if (pro.main.OcumoProcess) processes.Close(*pro.main.OcumoProcess);
    simlink::CloseMainChannels(pro);
    for (const char* name : {simlink::kEyeChannelName, simlink::kVolChannelName, simlink::kStabChannelName,
                             simlink::kDataChannelName})
      platform::SharedMemory::Remove(channelPrefix, name);
  }
  std::string LastEyeLine() const {
    const std::string log = standin.Ctl({"log"}).out;
    const auto at = log.rfind("\"kind\":\"eye\"");
    return at == std::string::npos ? "" : log.substr(at, log.find('\n', at) - at);
  }

  int argc = 1;
  char name[8] = "test";
  char* argv[1] = {name};
  QCoreApplication app{argc, argv};
  platform::SystemClock clock;
  platform::TimerScheduler timers{clock};
  platform::QtEventPump pump{clock, timers};
  test::TempDir base;
  test::TempDir runtime;
  test::EnvironmentOverride xdg{"XDG_RUNTIME_DIR", runtime.Path().string()};
  std::string channelPrefix = test::UniqueName("vxeye") + "_";
  test::EnvironmentOverride channels{"VX_CHANNEL_PREFIX", channelPrefix};
  test::EnvironmentOverride offscreen{"QT_QPA_PLATFORM", "offscreen"};  // its window not on the shared display
  platform::Paths paths{base.Path()};
  platform::PosixProcessLauncher processes;
  platform::RecordingKeyHook forwarded;
  platform::KeyHookGroup keyHook;
  test::StandinProcess standin{runtime.Path() / "vexlor-sim", "", {}};
  state::ProContext pro;
};

TEST_F(ForwardedKeysToOcumoTest, FiveKeysHandedOnInOneBurstAllReachTheViewpointProgram) {
  const char* build = std::getenv("VX_BUILD_DIR");
  std::filesystem::create_directories(base.Path() / "ExePro");
  std::filesystem::copy_file(std::filesystem::path(build ? build : ".") / "bin" / "Ocumo",
                             base.Path() / "ExePro" / "Ocumo");
  datafiles::WriteOcumoCfgFile(base.Path() / "Ocumo.cfg", datafiles::DefaultOcumoCfg());
  const auto inbox = platform::ForwardedKeyInbox::Open(
      platform::ForwardedKeysSocketPath(standin.Folder(), standin.Prefix()),
      [this](const platform::KeyEvent& e) { forwarded.Send(e); });
  ASSERT_NE(inbox, nullptr);
  pro.main.OcumoProcess = processes.Start(base.Path() / "ExePro" / "Ocumo", {}, false);
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
  datafiles::ReadEyeRetCfgFile(base.Path() / "EyeRet.cfg", back);
  EXPECT_EQ(back.ViewPresets[1][1], "28");   // distance
  EXPECT_EQ(back.ViewPresets[1][2], "51");   // zoom
  EXPECT_EQ(back.ViewPresets[1][3], "339");  // angle
  EXPECT_EQ(back.ViewPresets[0], datafiles::DefaultOcumoCfg().ViewPresets[0]);
}

}  // namespace
}  // namespace vx::mainwindow
