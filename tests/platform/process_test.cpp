#include "platform/process.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "support/temp_dir.h"

namespace vx::platform {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 5000ms) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(5ms);
  }
  return true;
}

// True when `pid` is neither running nor left as a zombie of ours.
bool Gone(int pid) {
  errno = 0;
  return ::waitpid(pid, nullptr, WNOHANG) < 0 && errno == ECHILD;
}

TEST(PosixProcessLauncher, ShortProgramEndsAndIsReaped) {
  PosixProcessLauncher launcher;
  const auto pid = launcher.Start("/bin/true", {}, true);
  ASSERT_TRUE(pid);
  EXPECT_TRUE(WaitUntil([&] { return !launcher.IsRunning(*pid); }));
  EXPECT_TRUE(Gone(*pid));
}

TEST(PosixProcessLauncher, ArgumentsReachTheProgramUntouchedByAnyShell) {
  test::TempDir dir;
  const auto out = dir.Path() / "args.txt";
  PosixProcessLauncher launcher;
  const std::vector<std::string> args = {"record", out.string(), "a b", "$HOME;echo x", "*", "\"q\"", "出発"};
  const auto pid = launcher.Start(VX_PROCESS_PROBE, args, true);
  ASSERT_TRUE(pid);
  ASSERT_TRUE(WaitUntil([&] { return !launcher.IsRunning(*pid); }));
  EXPECT_EQ(dir.ReadBytes("args.txt"), "a b\n$HOME;echo x\n*\n\"q\"\n出発\nVX_NO_FOCUS=(unset)\n");
}

TEST(PosixProcessLauncher, NoFocusIsPassedInTheEnvironment) {
  test::TempDir dir;
  PosixProcessLauncher launcher;
  ::setenv("VX_NO_FOCUS", "1", 1);  // inherited from our own start: must not leak
  const auto withFocus = launcher.Start(VX_PROCESS_PROBE, {"record", (dir.Path() / "f.txt").string()}, true);
  ::unsetenv("VX_NO_FOCUS");
  const auto noFocus = launcher.Start(VX_PROCESS_PROBE, {"record", (dir.Path() / "n.txt").string()}, false);
  ASSERT_TRUE(withFocus && noFocus);
  ASSERT_TRUE(WaitUntil([&] { return !launcher.IsRunning(*withFocus) && !launcher.IsRunning(*noFocus); }));
  EXPECT_EQ(dir.ReadBytes("f.txt"), "VX_NO_FOCUS=(unset)\n");
  EXPECT_EQ(dir.ReadBytes("n.txt"), "VX_NO_FOCUS=1\n");
}

TEST(PosixProcessLauncher, CloseEndsARunningProgram) {
  PosixProcessLauncher launcher;
  const auto pid = launcher.Start("/bin/sleep", {"30"}, false);
  ASSERT_TRUE(pid);
  EXPECT_TRUE(launcher.IsRunning(*pid));
  const auto start = std::chrono::steady_clock::now();
  launcher.Close(*pid);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 400ms);
  EXPECT_FALSE(launcher.IsRunning(*pid));
  EXPECT_TRUE(Gone(*pid));
}

TEST(PosixProcessLauncher, CloseKillsAProgramThatIgnoresTheRequest) {
  test::TempDir dir;
  PosixProcessLauncher launcher;
  const auto pid = launcher.Start(VX_PROCESS_PROBE, {"stubborn", (dir.Path() / "r.txt").string()}, true);
  ASSERT_TRUE(pid);
  ASSERT_TRUE(WaitUntil([&] { return dir.ReadBytes("r.txt") == "ready\n"; }));
  launcher.Close(*pid);
  EXPECT_FALSE(launcher.IsRunning(*pid));
  EXPECT_TRUE(Gone(*pid));
}

TEST(PosixProcessLauncher, UnknownIdsAndMissingProgramsAreHarmless) {
  PosixProcessLauncher launcher;
  EXPECT_FALSE(launcher.Start("/nonexistent/program", {}, true));
  EXPECT_FALSE(launcher.Start("no-such-program-anywhere", {}, true));
  EXPECT_FALSE(launcher.Start("", {}, true));
  EXPECT_FALSE(launcher.IsRunning(::getpid()));
  launcher.Close(::getpid());  // not one of ours: nothing happens
  launcher.Close(::getppid());
  const auto pid = launcher.Start("sleep", {"30"}, true);  // found on PATH
  ASSERT_TRUE(pid);
  EXPECT_TRUE(launcher.IsRunning(*pid));
  launcher.Close(*pid);
  launcher.Close(*pid);  // a second close of the same id does nothing
  EXPECT_TRUE(Gone(*pid));
}

}  // namespace
}  // namespace vx::platform
