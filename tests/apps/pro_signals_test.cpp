// The real VexlorPro ended by a signal closes as its main window's closing does: the
// viewpoint program it started ends with it and no shared memory of it stays behind. A
// second signal while the closing's question is up, or a signal while only a box of the
// start is up, ends it at once. A program it started that ends is reaped at once, not left
// as a zombie.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <X11/keysym.h>

#include "platform/shared_memory.h"
#include "support/processes.h"
#include "support/standin_process.h"
#include "support/temp_dir.h"
#include "support/x11_desktop.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int kNameBoxX = 184, kNameBoxY = 32;  // frmPass.tbxUserName
constexpr int kOcumoX = 76, kOcumoY = 300;      // frmMain.buttonOcumo, below the menu bar
constexpr const char* kChannels[] = {"VEXLORPRO_EYE", "VEXLORPRO_VOL", "VEXLORPRO_STAB", "VEXLORPRO_DATA"};

using test::Await;
using test::ProcessState;

class ProSignalsTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display";
    const char* build = std::getenv("VX_BUILD_DIR");
    ASSERT_NE(build, nullptr);
    sample = fs::path(build) / "sample-installation";
    if (!fs::exists(sample / "ExePro" / "VexlorPro")) GTEST_SKIP() << "no sample installation in " << sample;
    // One connection for all the tests: a display whose last client goes resets itself,
    // and a test that opened it just then would find none.
    static const std::unique_ptr<test::X11Desktop> shared = test::X11Desktop::Open();
    desktop = shared.get();
    ASSERT_NE(desktop, nullptr) << "display without XTEST";
  }

  void TearDown() override { EndAll(); }

  // A fresh installation and stand-in.
  void Prepare() {
    work.emplace();
    run.emplace();
    base = work->Path() / "base";
    test::CopyInstallation(sample, base);
    channelPrefix = test::UniqueName("vxsig") + "_";
    standin.emplace(run->Path() / "vexlor-sim", "", std::vector<std::string>{});
  }

  // VexlorPro started on a fresh installation, up to its main window.
  void StartToMainWindow() {
    Prepare();
    StartVexlorPro();
    const auto pass = desktop->WaitForWindow("VexlorPro", 30s);
    ASSERT_NE(pass, 0u) << "no start-up window";
    test::X11Desktop::WindowId main = 0;
    for (int attempt = 0; attempt < 3 && !main; ++attempt) {
      std::this_thread::sleep_for(300ms);
      desktop->Focus(pass);
      desktop->Click(pass, kNameBoxX, kNameBoxY);
      desktop->Type(XK_Return);
      main = desktop->WaitForWindow("VEXLOR-PRO  v3.02", 10s);
    }
    ASSERT_NE(main, 0u) << "no main window";
    mainWindow = main;
    std::this_thread::sleep_for(300ms);
  }

  // The same with the viewpoint program started from the main window.
  void StartWithViewpointProgram() {
    StartToMainWindow();
    if (HasFatalFailure()) return;
    for (int attempt = 0; attempt < 3 && ocumoPid <= 0; ++attempt) {
      desktop->Click(mainWindow, kOcumoX, kOcumoY);
      Await([&] { return (ocumoPid = Started("Ocumo")) > 0; }, 10s);
    }
    ASSERT_GT(ocumoPid, 0) << "the viewpoint program did not start";
    ASSERT_NE(desktop->WaitForWindow("Ocumo  v2.25", 15s), 0u) << "no viewpoint window";
    std::this_thread::sleep_for(1s);  // its start sequence done, its poll running
  }

  void StartVexlorPro() {
    const std::map<std::string, std::string> overrides = {
        {"XDG_RUNTIME_DIR", run->Str()},       {"SDL_AUDIODRIVER", "dummy"},   {"QT_QPA_PLATFORM", "xcb"},
        {"QT_ENABLE_HIGHDPI_SCALING", "0"},    {"QT_SCALE_FACTOR", "1"},       {"VX_CHANNEL_PREFIX", channelPrefix},
        {"VOVU_STANDIN_LOG", (work->Path() / "board.log").string()},
    };
    const fs::path program = base / "ExePro" / "VexlorPro";
    proPid = test::StartProgram(program, overrides, work->Path() / "vexlorpro.out");
    ASSERT_GT(proPid, 0) << "cannot start " << program;
  }

  // A running process of the installation's program `name`; 0 when none.
  pid_t Started(const std::string& name) const {
    const std::vector<pid_t> pids = test::ProcessesUnder(base / "ExePro" / name);
    return pids.empty() ? 0 : pids.front();
  }

  bool ProExited(int& status, std::chrono::milliseconds limit = 15s) {
    if (proPid <= 0 || !Await([&] { return waitpid(proPid, &status, WNOHANG) == proPid; }, limit)) return false;
    proPid = -1;
    return true;
  }

  // VexlorPro ended within 5 s of `after`, by its own ending path (exit code 0), not killed.
  void ExpectEndedCleanlyWithin5s(const char* after) {
    int status = 0;
    ASSERT_TRUE(ProExited(status, 5s)) << "VexlorPro did not end within 5 s of " << after;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "ended by the signal itself: " << status;
  }

  // Answers the question of the closing (No: the settings file stays as it is).
  void AnswerClosingQuestion() {
    const auto box = desktop->WaitForWindow("設定値の保存", 10s);
    if (!box) return;
    desktop->Focus(box);
    std::this_thread::sleep_for(150ms);
    desktop->Type(XK_n);
  }

  std::vector<std::string> ChannelObjectsLeft() const {
    std::vector<std::string> left;
    for (const char* name : kChannels) {
      const std::string object = platform::SharedMemory::ObjectName(channelPrefix, name);
      for (const std::string& n : {object, object + ".init"}) {
        if (fs::exists("/dev/shm" + n)) left.push_back(n);
      }
    }
    return left;
  }

  void EndAll() {
    if (proPid > 0) {
      kill(proPid, SIGKILL);
      waitpid(proPid, nullptr, 0);
      proPid = -1;
    }
    if (ocumoPid > 0) kill(ocumoPid, SIGKILL);
    ocumoPid = -1;
    if (work) {
      EXPECT_EQ(test::SanitizerReports(work->Path() / "vexlorpro.out"), "");
    }
    for (const char* name : kChannels) platform::SharedMemory::Remove(channelPrefix, name);
    standin.reset();
    run.reset();
    work.reset();
  }

  fs::path sample, base;
  test::X11Desktop* desktop = nullptr;
  std::optional<test::TempDir> work, run;
  std::optional<test::StandinProcess> standin;
  std::string channelPrefix;
  test::X11Desktop::WindowId mainWindow = 0;
  pid_t proPid = -1;
  pid_t ocumoPid = -1;
};

// The bytes of a file and when it was last written.
std::pair<std::string, fs::file_time_type> Written(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::string(std::istreambuf_iterator<char>(in), {}), fs::last_write_time(file)};
}

TEST_F(ProSignalsTest, AnEndingSignalClosesTheProgramAsItsWindowDoesAndEndsTheViewpointProgram) {
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(strsignal(signal));
    StartWithViewpointProgram();
    if (HasFatalFailure()) return;
    ASSERT_NE(ProcessState(ocumoPid), 0);
    ASSERT_EQ(kill(proPid, signal), 0);
    AnswerClosingQuestion();
    int status = 0;
    ASSERT_TRUE(ProExited(status)) << "VexlorPro did not end";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "ended by the signal itself: " << status;
    EXPECT_TRUE(Await([&] { return ProcessState(ocumoPid) == 0 || ProcessState(ocumoPid) == 'Z'; }, 5s))
        << "the viewpoint program outlived VexlorPro";
    EXPECT_FALSE(fs::exists(base / "Ocumo.cfg"));
    EXPECT_EQ(ChannelObjectsLeft(), std::vector<std::string>{});
    EndAll();
  }
}

TEST_F(ProSignalsTest, AProgramThatEndsIsReapedAtOnce) {
  StartWithViewpointProgram();
  if (HasFatalFailure()) return;
  fs::remove(base / "Ocumo.cfg");  // the viewpoint program ends within its 50 ms poll
  EXPECT_TRUE(Await([&] { return ProcessState(ocumoPid) == 0; }, 5s))
      << "still there in state " << ProcessState(ocumoPid);
  EXPECT_NE(ProcessState(proPid), 0) << "VexlorPro runs on";
  ocumoPid = -1;
  // A normal end leaves no shared memory either.
  ASSERT_EQ(kill(proPid, SIGTERM), 0);
  AnswerClosingQuestion();
  int status = 0;
  ASSERT_TRUE(ProExited(status));
  EXPECT_EQ(ChannelObjectsLeft(), std::vector<std::string>{});
}

// The closing's question is up when a second signal comes: the program ends at once,
// nothing saved (the settings file as it was), no shared memory of it left.
TEST_F(ProSignalsTest, ASecondSignalWhileTheSaveQuestionIsUpEndsTheProgramAtOnceUnsaved) {
  StartToMainWindow();
  if (HasFatalFailure()) return;
  const auto settings = Written(base / "VexlorPro.cfg");
  ASSERT_EQ(kill(proPid, SIGTERM), 0);
  ASSERT_NE(desktop->WaitForWindow("設定値の保存", 10s), 0u) << "no question whether to save";
  std::this_thread::sleep_for(300ms);
  ASSERT_EQ(kill(proPid, SIGTERM), 0);
  ExpectEndedCleanlyWithin5s("the second signal");
  if (HasFatalFailure()) return;
  EXPECT_EQ(Written(base / "VexlorPro.cfg"), settings) << "the settings file was written";
  EXPECT_EQ(ChannelObjectsLeft(), std::vector<std::string>{});
}

// The box that says the lock cannot be trusted is up before the start-up window: a signal
// ends the program.
TEST_F(ProSignalsTest, ASignalWhileOnlyTheStartUpBoxIsUpEndsTheProgram) {
  Prepare();
  fs::create_symlink(work->Path() / "elsewhere", run->Path() / "vexlor-sim" / "VexlorPro.lock");
  StartVexlorPro();
  ASSERT_NE(desktop->WaitForWindow("VexlorPro", 30s), 0u) << "no box about the lock";
  std::this_thread::sleep_for(500ms);
  ASSERT_EQ(kill(proPid, SIGTERM), 0);
  ExpectEndedCleanlyWithin5s("the signal");
  if (HasFatalFailure()) return;
  EXPECT_EQ(ChannelObjectsLeft(), std::vector<std::string>{});
}

}  // namespace
}  // namespace vx
