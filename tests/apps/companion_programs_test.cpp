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

#include <X11/keysym.h>

#include "datafiles/ocumo_files.h"
#include "platform/process.h"
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
  test::TempDir base;
  const fs::path program = Install(base, "Ocumo");
  datafiles::OcumoCfg sent = datafiles::DefaultOcumoCfg();
  sent.ProWindowHandle = 1234;
  sent.ViewPresets[2][1] = "77";
  sent.ApuSoundSettings.volumes[1] = "8";
  datafiles::WriteOcumoCfgFile(base.Path() / "Ocumo.cfg", sent);

  platform::PosixProcessLauncher launcher;
  const auto pid = launcher.Start(program, {}, false);
  ASSERT_TRUE(pid);
  EXPECT_FALSE(EndsWithin(launcher, *pid, 1000ms));
  fs::remove(base.Path() / "Ocumo.cfg");
  ASSERT_TRUE(EndsWithin(launcher, *pid, 5s));

  datafiles::EyeRetCfg back;
  datafiles::ReadEyeRetCfgFile(base.Path() / "EyeRet.cfg", back);
  EXPECT_EQ(back.ViewPresets, sent.ViewPresets);
  EXPECT_EQ(back.ApuSoundSettings.volumes[1], "8");
  launcher.Close(*pid);
}

}  // namespace
}  // namespace vx
