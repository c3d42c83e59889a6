// The companion programs end when the main program deletes their control file; the
// viewpoint program hands its values back in EyeRet.cfg as it ends.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include <X11/keysym.h>

#include "datafiles/ocumo_files.h"
#include "platform/process.h"
#include "platform/shared_memory.h"
#include "simlink/channels.h"
#include "simlink/main_channels.h"
#include "state/pro_context.h"
#include "runtime/cp932.h"
#include "support/environment_override.h"
#include "support/standin_process.h"
#include "support/same_text.h"
#include "support/temp_dir.h"
#include "support/x11_desktop.h"
#include "support/x11_typist.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Copies a program from the build into <base>/ExePro.
fs::path Install(const test::TempDir& base, const std::string& name) {
  const char* build = std::getenv("VX_BUILD_DIR");
  const fs::path from = fs::path(build ? build : ".") / "bin" / name;
  fs::create_directories(base.Path() / "ExePro");
  const fs::path to = base.Path() / "ExePro" / name;
  fs::copy_file(from, to, fs::copy_options::overwrite_existing);
  return to;
}

bool EndsWithin(platform::ProcessLauncher& launcher, int pid, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    if (!launcher.IsRunning(pid)) return true;
    std::this_thread::sleep_for(20ms);
  }
  return false;
}

// The call-out program finds the stand-in where the programs look for the simulator
// ($XDG_RUNTIME_DIR, here a folder of the test's own) and plays sound on no device.
struct CallOutRun {
  CallOutRun() : standin(runtime.Path() / "vexlor-sim", "", {}) {}
  test::TempDir base;
  test::TempDir runtime;
  test::EnvironmentOverride xdg{"XDG_RUNTIME_DIR", runtime.Path().string()};
  test::EnvironmentOverride audio{"SDL_AUDIODRIVER", "dummy"};
  test::StandinProcess standin;
};

// A golden file as the programs write it: CP932 with CR LF.
std::string Golden(const std::string& name) {
  const char* source = std::getenv("VX_SOURCE_DIR");
  std::ifstream in(fs::path(source ? source : ".") / "tests/datafiles/golden" / name, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  std::string crlf;
  for (char c : s.str()) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return runtime::Utf8ToCp932(crlf);
}

TEST(CompanionPrograms, CallOutProgramWritesItsDefaultsAndEndsWhenTheFileIsDeleted) {
  CallOutRun run;
  const fs::path program = Install(run.base, "VexlorEXP");
  platform::PosixProcessLauncher launcher;
  const auto pid = launcher.Start(program, {}, false);
  ASSERT_TRUE(pid);
  const fs::path settings = run.base.Path() / "vexlorEXP.cfg";
  for (int i = 0; i < 250 && !fs::exists(settings); ++i) std::this_thread::sleep_for(20ms);
  ASSERT_TRUE(fs::exists(settings)) << "the defaults are written when the file is missing";
  EXPECT_TRUE(test::SameFileBytes(run.base.ReadBytes("vexlorEXP.cfg"), Golden("vexlorEXP.default.cfg")));
  EXPECT_FALSE(EndsWithin(launcher, *pid, 1500ms)) << "runs while its settings file exists";
  run.base.WriteBytes("vexlorPB.cfg", ";\r\n");
  run.base.WriteBytes("vexlorSD.cfg", ";\r\n");
  fs::remove(settings);
  EXPECT_TRUE(EndsWithin(launcher, *pid, 1800ms)) << "a poll, a tick and the end";
  EXPECT_FALSE(fs::exists(run.base.Path() / "vexlorPB.cfg"));
  EXPECT_FALSE(fs::exists(run.base.Path() / "vexlorSD.cfg"));
  launcher.Close(*pid);
}

TEST(CompanionPrograms, ASecondCallOutProgramEndsAndLeavesTheFilesOfTheFirst) {
  CallOutRun run;
  const fs::path program = Install(run.base, "VexlorEXP");
  platform::PosixProcessLauncher launcher;
  const auto first = launcher.Start(program, {}, false);
  ASSERT_TRUE(first);
  const fs::path settings = run.base.Path() / "vexlorEXP.cfg";
  for (int i = 0; i < 250 && !fs::exists(settings); ++i) std::this_thread::sleep_for(20ms);
  run.base.WriteBytes("vexlorPB.cfg", ";\r\n");
  run.base.WriteBytes("vexlorSD.cfg", ";\r\n");
  const auto second = launcher.Start(program, {}, false);
  ASSERT_TRUE(second);
  EXPECT_TRUE(EndsWithin(launcher, *second, 5s));
  EXPECT_TRUE(fs::exists(run.base.Path() / "vexlorPB.cfg"));
  EXPECT_TRUE(fs::exists(run.base.Path() / "vexlorSD.cfg"));
  EXPECT_FALSE(EndsWithin(launcher, *first, 100ms));
  fs::remove(settings);
  EXPECT_TRUE(EndsWithin(launcher, *first, 5s));
  launcher.Close(*first);
  launcher.Close(*second);
}

TEST(CompanionPrograms, CallOutProgramWithoutASimulatorSaysSoAndEnds) {
  test::KeepDisplayOpen();
  auto desktop = test::X11Desktop::Open();
  if (!desktop) GTEST_SKIP() << "needs an X display with XTEST";
  test::TempDir base;
  test::TempDir runtime;
  test::EnvironmentOverride xdg{"XDG_RUNTIME_DIR", runtime.Path().string()};
  test::EnvironmentOverride audio{"SDL_AUDIODRIVER", "dummy"};
  test::EnvironmentOverride qpa{"QT_QPA_PLATFORM", "xcb"};
  const fs::path program = Install(base, "VexlorEXP");
  platform::PosixProcessLauncher launcher;
  const auto pid = launcher.Start(program, {}, false);
  ASSERT_TRUE(pid);
  const auto box = desktop->WaitForWindow("VEXLOR-EXP", 10s);
  ASSERT_NE(box, 0u) << "the message box";
  EXPECT_FALSE(fs::exists(base.Path() / "vexlorEXP.cfg"));
  desktop->Focus(box);
  desktop->Type(XK_Return);
  EXPECT_TRUE(EndsWithin(launcher, *pid, 5s));
  launcher.Close(*pid);
}

TEST(CompanionPrograms, ViewpointProgramHandsItsValuesBackWhenOcumoCfgIsDeleted) {
  CallOutRun run;
  const fs::path program = Install(run.base, "Ocumo");
  datafiles::OcumoCfg sent = datafiles::DefaultOcumoCfg();
  sent.ViewPresets[2][1] = "77";
  sent.ApuSoundSettings.volumes[1] = "8";
  datafiles::WriteOcumoCfgFile(run.base.Path() / "Ocumo.cfg", sent);

  platform::PosixProcessLauncher launcher;
  const auto pid = launcher.Start(program, {}, false);
  ASSERT_TRUE(pid);
  EXPECT_FALSE(EndsWithin(launcher, *pid, 1000ms));
  fs::remove(run.base.Path() / "Ocumo.cfg");
  ASSERT_TRUE(EndsWithin(launcher, *pid, 5s));

  datafiles::EyeRetCfg back;
  datafiles::ReadEyeRetCfgFile(run.base.Path() / "EyeRet.cfg", back);
  EXPECT_EQ(back.ViewPresets, sent.ViewPresets);
  EXPECT_EQ(back.ApuSoundSettings.volumes[1], "8");
  launcher.Close(*pid);
}

// The `eye` lines of the stand-in's log so far.
std::vector<std::string> EyeLines(const test::StandinProcess& standin) {
  std::vector<std::string> out;
  std::istringstream log(standin.Ctl({"log"}).out);
  for (std::string line; std::getline(log, line);) {
    const auto at = line.find("\"kind\":\"eye\",");
    if (at != std::string::npos) out.push_back(line.substr(at + 13, line.size() - at - 14));
  }
  return out;
}

// Waits until the stand-in's last eye line holds `part`.
bool EyeShows(const test::StandinProcess& standin, const std::string& part, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  do {
    const auto lines = EyeLines(standin);
    if (!lines.empty() && lines.back().find(part) != std::string::npos) return true;
    std::this_thread::sleep_for(20ms);
  } while (std::chrono::steady_clock::now() < end);
  return false;
}

// Keys the main program forwards move the stand-in's eye; Esc hands the values back.
TEST(CompanionPrograms, OcumoKeysMoveTheStandinsEyePoint) {
  CallOutRun run;
  const fs::path program = Install(run.base, "Ocumo");
  platform::PosixProcessLauncher launcher;
  const auto pid = launcher.Start(program, {}, false);
  ASSERT_TRUE(pid);
  const fs::path control = run.base.Path() / "Ocumo.cfg";
  for (int i = 0; i < 250 && !fs::exists(control); ++i) std::this_thread::sleep_for(20ms);
  ASSERT_TRUE(fs::exists(control));
  EXPECT_TRUE(test::SameFileBytes(run.base.ReadBytes("Ocumo.cfg"), Golden("Ocumo.default.cfg")));
  // Preset 0 of the defaults, switched to by Shift+S from the stand-in's mode 1.
  ASSERT_TRUE(EyeShows(run.standin, "\"mode\":4,\"preset\":{\"altitude\":0,\"distance\":40,\"zoom\":51,\"angle\":34588",
                       10s));

  state::ProContext pro;
  ASSERT_TRUE(simlink::OpenEyeChannel(platform::SessionSharedMemoryPrefix(), pro.sim.ChannelHandles.eye));
  auto send = [&](std::int16_t code, const std::string& shows) {
    SCOPED_TRACE(code);
    ASSERT_TRUE(simlink::SendEyeKey(pro, code));
    std::int32_t word = 0;
    for (int i = 0; i < 100 && word != 88; ++i) {
      std::this_thread::sleep_for(10ms);
      simlink::ReadLongFromChannel(word, pro.sim.ChannelHandles.eye);
    }
    EXPECT_EQ(word, 88);
    if (!shows.empty()) {
      EXPECT_TRUE(EyeShows(run.standin, shows, 2s)) << EyeLines(run.standin).back();
    }
  };
  send(9, "\"preset\":{\"altitude\":0,\"distance\":30,\"zoom\":32,\"angle\":61895,\"code\":1}");  // Tab: preset 1
  send(104, "\"distance\":29,");                                                                // 8: forward
  send(105, "\"zoom\":33,");                                                                    // 9: zoom in
  send(27, "");                                                                                  // Esc
  ASSERT_TRUE(EndsWithin(launcher, *pid, 5s));
  EXPECT_FALSE(fs::exists(control));
  EXPECT_TRUE(test::SameFileBytes(run.base.ReadBytes("EyeRet.cfg"), Golden("EyeRet.session.cfg")));
  simlink::CloseSharedMapping(pro.sim.ChannelHandles.eye);
  launcher.Close(*pid);
}

TEST(CompanionPrograms, OcumoEndsWithinAPollWhenItsFileGoesAndASecondCopyLeavesTheFirst) {
  CallOutRun run;
  const fs::path program = Install(run.base, "Ocumo");
  platform::PosixProcessLauncher launcher;
  const auto first = launcher.Start(program, {}, false);
  ASSERT_TRUE(first);
  const fs::path control = run.base.Path() / "Ocumo.cfg";
  ASSERT_TRUE(EyeShows(run.standin, "\"mode\":4", 10s));
  const auto second = launcher.Start(program, {}, false);
  ASSERT_TRUE(second);
  EXPECT_TRUE(EndsWithin(launcher, *second, 5s));
  EXPECT_TRUE(fs::exists(control));
  EXPECT_FALSE(fs::exists(run.base.Path() / "EyeRet.cfg"));
  EXPECT_FALSE(EndsWithin(launcher, *first, 100ms));
  fs::remove(control);
  const auto gone = std::chrono::steady_clock::now();
  for (int i = 0; i < 500 && !fs::exists(run.base.Path() / "EyeRet.cfg"); ++i) std::this_thread::sleep_for(2ms);
  EXPECT_LT(std::chrono::steady_clock::now() - gone, 150ms) << "a 50 ms poll";
  EXPECT_TRUE(EndsWithin(launcher, *first, 5s));
  launcher.Close(*first);
  launcher.Close(*second);
}

TEST(CompanionPrograms, OcumoWithoutASimulatorSaysSoAndWritesNothing) {
  test::KeepDisplayOpen();
  auto desktop = test::X11Desktop::Open();
  if (!desktop) GTEST_SKIP() << "needs an X display with XTEST";
  test::TempDir base;
  test::TempDir runtime;
  test::EnvironmentOverride xdg{"XDG_RUNTIME_DIR", runtime.Path().string()};
  test::EnvironmentOverride qpa{"QT_QPA_PLATFORM", "xcb"};
  const fs::path program = Install(base, "Ocumo");
  platform::PosixProcessLauncher launcher;
  const auto pid = launcher.Start(program, {}, false);
  ASSERT_TRUE(pid);
  const auto box = desktop->WaitForWindow("Ocumo", 10s);
  ASSERT_NE(box, 0u) << "the message box";
  desktop->Focus(box);
  desktop->Type(XK_Return);
  EXPECT_TRUE(EndsWithin(launcher, *pid, 5s));
  EXPECT_FALSE(fs::exists(base.Path() / "Ocumo.cfg"));
  EXPECT_FALSE(fs::exists(base.Path() / "EyeRet.cfg"));
  launcher.Close(*pid);
}

}  // namespace
}  // namespace vx
