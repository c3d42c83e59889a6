// The main program itself, started and ended on an X display as a person would, over a
// settings file that it cannot read (or one saved in UTF-8), cannot replace, or on a full
// disk, over
// a damaged resume snapshot that the user asks to resume, and from a folder that turns
// read-only: the user's VexlorPro.cfg stays byte for byte what it was, the program ends,
// and its single-instance lock is free for the next start.
#include <gtest/gtest.h>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <X11/keysym.h>

#include "platform/instance_lock.h"
#include "runtime/cp932.h"
#include "support/processes.h"
#include "support/standin_process.h"
#include "support/temp_dir.h"
#include "support/x11_desktop.h"
#include "support/x11_typist.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr uid_t kNobody = 65534;
constexpr const char* kPass = "VexlorPro";            // the start-up window, and untitled boxes
constexpr const char* kMain = "VEXLOR-PRO  v3.02";
constexpr const char* kSaveQuestion = "設定値の保存";  // also the title of a failed save
constexpr int kExitX = 340, kExitY = 300;            // the Exit button, below the menu bar
constexpr int kStartX = 212, kStartY = 300;          // the Start button
constexpr const char* kResumeQuestion = "途中データ読込";
constexpr const char* kStartUpSteps = "VexlorPro 起動";  // what the load could not do
constexpr const char* kBriefingSheet = "Takeoff Briefing";  // a fresh flight's first window
constexpr const char* kCallOutWindow = "VexlorEXP";

std::string FileBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void PutBytes(const fs::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out << bytes;
}

// A user's settings file that names itself: the hand-written settings golden (CP932, CR LF).
std::string UsersSettingsBytes() {
  const char* source = std::getenv("VX_SOURCE_DIR");
  std::string bytes = FileBytes(fs::path(source ? source : ".") / "tests/mainfiles/settings_golden/settings_saved.cfg");
  bytes.replace(bytes.find("=MyFlight.cfg"), 13, "=VexlorPro.cfg");
  return bytes;
}

// This test process in a mount namespace of its own (its children share it), so that it
// may mount a small tmpfs and make folders read-only. False where that is not allowed.
bool OwnMountNamespace() {
  static const bool own = ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
  return own;
}

bool MountReadOnly(const fs::path& folder) {
  return OwnMountNamespace() && ::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) == 0 &&
         ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
}

// VexlorPro started from <base>/ExePro, as this user or as "nobody" (to whom a file of mode
// 0 is unreadable, unlike to root); its end (status, signal) is read by the test.
class ProProcess {
 public:
  ProProcess(const fs::path& base, const fs::path& runtimeDir, bool asNobody) {
    const std::string program = (base / "ExePro" / "VexlorPro").string();
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
      const std::string v = *e;
      if (v.rfind("XDG_RUNTIME_DIR=", 0) && v.rfind("QT_QPA_PLATFORM=", 0) && v.rfind("SDL_AUDIODRIVER=", 0) && v.rfind("SDL_DISKAUDIOFILE=", 0) &&
          v.rfind("HOME=", 0) && v.rfind("XAUTHORITY=", 0))
        env.push_back(v);
    }
    env.push_back("XDG_RUNTIME_DIR=" + runtimeDir.string());
    env.push_back("HOME=" + runtimeDir.string());
    env.push_back("QT_QPA_PLATFORM=xcb");
    env.push_back("SDL_AUDIODRIVER=disk");  // a sound device that is always there
    env.push_back("SDL_DISKAUDIOFILE=" + (runtimeDir / "played.raw").string());
    if (const char* auth = std::getenv("XAUTHORITY"); auth && *auth) {
      // The display's key where the other user may read it.
      const fs::path copy = runtimeDir / "Xauthority";
      fs::copy_file(auth, copy, fs::copy_options::overwrite_existing);
      fs::permissions(copy, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
      env.push_back("XAUTHORITY=" + copy.string());
    }
    std::vector<char*> envp;
    for (auto& v : env) envp.push_back(v.data());
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    pid_ = ::fork();
    if (pid_ == 0) {
      if (asNobody && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(126);
      ::execve(program.c_str(), argv, envp.data());
      ::_exit(127);
    }
  }
  ~ProProcess() {
    if (pid_ > 0 && !status_) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
  }
  bool EndsWithin(std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!status_ && std::chrono::steady_clock::now() < end) {
      int status = 0;
      if (::waitpid(pid_, &status, WNOHANG) == pid_) status_ = status;
      else std::this_thread::sleep_for(20ms);
    }
    return status_.has_value();
  }
  std::string How() const {
    if (!status_) return "running";
    if (WIFSIGNALED(*status_)) return "signal " + std::to_string(WTERMSIG(*status_));
    return "exit " + std::to_string(WEXITSTATUS(*status_));
  }

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
};

// The sample installation (tables, recordings, the call-out program) that a flight needs;
// empty when it has not been made.
fs::path SampleInstallation() {
  const char* build = std::getenv("VX_BUILD_DIR");
  const fs::path sample = fs::path(build ? build : ".") / "sample-installation";
  return fs::exists(sample / "ExePro" / "VexlorPro") ? sample : fs::path();
}

// An installation: the program (or the whole sample installation, for a flight), the
// user's settings file, a runtime folder of its own.
struct Installation {
  explicit Installation(const fs::path& at, const fs::path& sample = {}) : base(at) {
    const char* build = std::getenv("VX_BUILD_DIR");
    fs::create_directories(base / "ExePro");
    if (!sample.empty()) fs::copy(sample, base, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    fs::copy_file(fs::path(build ? build : ".") / "bin" / "VexlorPro", base / "ExePro" / "VexlorPro",
                  fs::copy_options::overwrite_existing);
    PutBytes(base / "VexlorPro.cfg", UsersSettingsBytes());
  }
  fs::path Settings() const { return base / "VexlorPro.cfg"; }
  fs::path base;
  test::TempDir runtime;
};

// What one run went through.
struct RunRecord {
  std::vector<std::string> boxes;  // titles, in order, and "covered" for a click that another window took
  std::string end;
  bool mainWindow = false;
};

// Answers a box with Enter (its default button) as soon as it is shown.
bool Answer(test::X11Desktop& desktop, const std::string& title, test::X11Desktop::WindowId except = 0) {
  const auto box = desktop.WaitForWindow(title, 10s, except);
  if (!box) return false;
  desktop.Focus(box);
  desktop.Type(XK_Return);
  return true;
}

// Types the captain's name away (Enter), answers each box the load shows; when the run
// flies, presses Start, answers each box the Start shows and waits for the flight's first
// window; then presses Exit, answers the save question (No, or Yes with `answerYes`) and
// each box after it, and waits for the end.
RunRecord StartAndExit(test::X11Desktop& desktop, ProProcess& pro, const std::vector<std::string>& loadBoxes,
                       const std::optional<std::vector<std::string>>& startBoxes, const std::vector<std::string>& exitBoxes,
                       const std::function<void()>& beforeExit = {}, bool awaitCallOut = true,
                       bool answerYes = false) {
  RunRecord r;
  const auto pass = desktop.WaitForWindow(kPass, 20s);
  if (!pass) return r;
  desktop.Focus(pass);
  desktop.Type(XK_Return);
  for (const std::string& title : loadBoxes) {
    if (!Answer(desktop, title, title == kPass ? pass : 0)) return r;
    r.boxes.push_back(title);
  }
  const auto main = desktop.WaitForWindow(kMain, 10s);
  if (!main) return r;
  r.mainWindow = true;
  if (startBoxes) {
    if (!desktop.Click(main, kStartX, kStartY)) r.boxes.push_back("covered");
    for (const std::string& title : *startBoxes) {
      if (!Answer(desktop, title)) return r;
      r.boxes.push_back(title);
    }
    if (!desktop.WaitForWindow(kBriefingSheet, 10s)) return r;
    r.boxes.push_back(kBriefingSheet);
    // The call-out program has taken its settings file (which the exit deletes to end it).
    if (awaitCallOut) desktop.WaitForWindow(kCallOutWindow, 10s);
    // The main window is minimised now; without a window manager it stays on the screen
    // under the flight's windows. The user brings it back to the front.
    desktop.Raise(main);
  }
  if (beforeExit) beforeExit();
  if (!desktop.Click(main, kExitX, kExitY)) r.boxes.push_back("covered");
  const auto question = desktop.WaitForWindow(kSaveQuestion, 10s);
  if (!question) return r;
  r.boxes.push_back(kSaveQuestion);
  desktop.Focus(question);
  desktop.Type(answerYes ? XK_Return : XK_Escape);  // Yes is the default button
  for (const std::string& title : exitBoxes) {
    if (!Answer(desktop, title, question)) return r;
    r.boxes.push_back(title);
  }
  pro.EndsWithin(10s);
  r.end = pro.How();
  return r;
}

// The programs a flight started from the installation (the call-out program): the exit
// ends them; those left after a while are killed.
void EndProgramsUnder(const fs::path& base) {
  test::Await([&] { return test::ProcessesUnder(base).empty(); }, 5s);
  for (const pid_t pid : test::ProcessesUnder(base)) ::kill(pid, SIGKILL);
}

std::string Joined(const std::vector<std::string>& v) {
  std::string s;
  for (const auto& x : v) s += (s.empty() ? "" : ", ") + x;
  return s;
}

enum class Spoil { Unreadable, Utf8Bom, Utf8, ReadOnly, FullDisk, SnapshotFirstLine, SnapshotBadValue };

struct SpoiledRun {
  const char* name;
  Spoil spoil;
  std::vector<std::string> loadBoxes;
  std::vector<std::string> exitBoxes;
  std::optional<std::vector<std::string>> startBoxes = std::nullopt;  // a run that presses Start and flies
  bool answerYes = false;                                             // "Yes" to the save question
};

// The snapshot of an interrupted flight (the user's settings under another file name),
// damaged: a first line that is not the version line (a load that fell back to the
// defaults would have the exit write them), or a value that does not convert further
// down (a load that kept what it read before it would change the name the exit writes).
enum class Damage { FirstLine, BadValue };

std::string DamagedSnapshotBytes(Damage damage) {
  std::string bytes = UsersSettingsBytes();
  bytes.replace(bytes.find("=VexlorPro.cfg"), 14, "=Interrupted.cfg");
  if (damage == Damage::FirstLine) bytes.replace(bytes.find("V1.11"), 5, "V1.1?");
  if (damage == Damage::BadValue) bytes.replace(bytes.find("=41000"), 6, "=41OOO");  // letters O, not zeros
  return bytes;
}

class ProSettingsRuns : public ::testing::TestWithParam<SpoiledRun> {};

TEST_P(ProSettingsRuns, TheUsersSettingsFileSurvivesStartAndExitByteForByte) {
  test::KeepDisplayOpen();
  auto desktop = test::X11Desktop::Open();
  if (!desktop) GTEST_SKIP() << "needs an X display with XTEST";
  const SpoiledRun& run = GetParam();
  test::TempDir holder;
  fs::path base = holder.Path() / "inst";
  fs::create_directories(base);
  bool asNobody = false;
  switch (run.spoil) {
    case Spoil::Unreadable:
      asNobody = ::geteuid() == 0;  // root reads a file of mode 0 all the same
      break;
    case Spoil::FullDisk: {
      // A tmpfs just large enough for the program and the settings, filled up after them.
      const char* build = std::getenv("VX_BUILD_DIR");
      const auto size = fs::file_size(fs::path(build ? build : ".") / "bin" / "VexlorPro") + (1u << 20);
      if (!OwnMountNamespace() ||
          ::mount("tmpfs", base.c_str(), "tmpfs", 0, ("size=" + std::to_string(size) + ",mode=0755").c_str()) != 0)
        GTEST_SKIP() << "no small file system can be mounted here";
      break;
    }
    case Spoil::Utf8Bom:
    case Spoil::Utf8:
    case Spoil::ReadOnly:
      break;
    case Spoil::SnapshotFirstLine:
    case Spoil::SnapshotBadValue:
      if (SampleInstallation().empty()) GTEST_SKIP() << "no sample installation to fly on (it needs espeak-ng, sox and lame)";
      break;
  }
  const bool snapshot = run.spoil == Spoil::SnapshotFirstLine || run.spoil == Spoil::SnapshotBadValue;
  const std::string damaged =
      snapshot ? DamagedSnapshotBytes(run.spoil == Spoil::SnapshotFirstLine ? Damage::FirstLine : Damage::BadValue) : "";
  Installation inst(base, snapshot ? SampleInstallation() : fs::path());
  // A simulator to fly with, where the program looks for it: without one the flight
  // window's load ends with "ＦＳが実行されていません" (titled "VexlorPro") before it reads
  // the snapshot.
  std::optional<test::StandinProcess> standin;
  if (run.startBoxes) standin.emplace(inst.runtime.Path() / "vexlor-sim", "", std::vector<std::string>{});
  switch (run.spoil) {
    case Spoil::Unreadable:
      fs::permissions(inst.Settings(), fs::perms::none);
      if (asNobody) {
        for (const auto& f : {holder.Path(), base, base / "ExePro", inst.runtime.Path()}) ::chown(f.c_str(), kNobody, kNobody);
        ::chown((base / "ExePro" / "VexlorPro").c_str(), kNobody, kNobody);
      }
      break;
    case Spoil::Utf8Bom:  // as an editor saves it in UTF-8
      PutBytes(inst.Settings(), "\xEF\xBB\xBF" + runtime::Cp932ToUtf8(UsersSettingsBytes()));
      break;
    case Spoil::Utf8:  // as most Linux editors save it: UTF-8 without the mark
      PutBytes(inst.Settings(), runtime::Cp932ToUtf8(UsersSettingsBytes()));
      break;
    case Spoil::ReadOnly:
      fs::permissions(inst.Settings(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
      break;
    case Spoil::FullDisk: {
      std::ofstream fill(base / "filler", std::ios::binary);
      const std::string block(4096, 'x');
      while (fill.write(block.data(), static_cast<std::streamsize>(block.size()))) {
      }
      break;
    }
    case Spoil::SnapshotFirstLine:
    case Spoil::SnapshotBadValue: {
      // The user's file as the exit after an earlier, fresh flight wrote it (a flight's
      // start sets values of its own: the call-out window's place, the route's airport
      // names, the landing briefing); then the snapshot of an interrupted flight.
      ProProcess earlier(base, inst.runtime.Path(), false);
      const RunRecord e = StartAndExit(*desktop, earlier, {}, std::vector<std::string>{}, {});
      EndProgramsUnder(base);
      ASSERT_EQ(e.end, "exit 0") << "the earlier flight: " << Joined(e.boxes);
      PutBytes(base / "FlightRestart.cfg", damaged);
      break;
    }
  }
  const std::string before = FileBytes(inst.Settings());
  const auto modeBefore = fs::status(inst.Settings()).permissions();

  ProProcess pro(base, inst.runtime.Path(), asNobody);
  const RunRecord r = StartAndExit(*desktop, pro, run.loadBoxes, run.startBoxes, run.exitBoxes, {}, true, run.answerYes);
  const bool same = FileBytes(inst.Settings()) == before && fs::status(inst.Settings()).permissions() == modeBefore;
  const bool copy = fs::exists(base / "VexlorPro.cfg.読込失敗");
  std::cout << "| " << run.name << " | " << (asNobody ? "nobody" : "this user") << " | " << Joined(r.boxes) << " | "
            << r.end << " | " << (same ? "byte for byte" : "CHANGED") << " | "
            << (copy ? (FileBytes(base / "VexlorPro.cfg.読込失敗") == before ? "copy beside it, same bytes" : "copy differs")
                     : "no copy")
            << " |" << std::endl;

  EXPECT_TRUE(r.mainWindow);
  std::vector<std::string> expected = run.loadBoxes;
  if (run.startBoxes) {
    expected.insert(expected.end(), run.startBoxes->begin(), run.startBoxes->end());
    expected.push_back(kBriefingSheet);
  }
  expected.push_back(kSaveQuestion);
  expected.insert(expected.end(), run.exitBoxes.begin(), run.exitBoxes.end());
  EXPECT_EQ(r.boxes, expected);
  EXPECT_EQ(r.end, "exit 0");
  EXPECT_TRUE(same);
  if (snapshot) {
    EXPECT_EQ(FileBytes(base / "FlightRestart.cfg.読込失敗"), damaged) << "the snapshot is kept aside";
  }
  if (run.spoil == Spoil::Utf8Bom || run.spoil == Spoil::Utf8) {
    EXPECT_EQ(FileBytes(base / "VexlorPro.cfg.読込失敗"), before) << "kept aside";
  }
  EndProgramsUnder(base);
  if (run.spoil == Spoil::FullDisk) ::umount2(base.c_str(), MNT_DETACH);
}

INSTANTIATE_TEST_SUITE_P(
    Spoiled, ProSettingsRuns,
    ::testing::Values(
        // The load says it cannot read the file (and cannot copy it aside); the exit does not write it.
        SpoiledRun{"Unreadable", Spoil::Unreadable, {"CFG Read"}, {}},
        // Loaded, but marked read-only: the exit's save says it cannot replace it.
        SpoiledRun{"ReadOnly", Spoil::ReadOnly, {}, {kSaveQuestion}},
        // Saved in UTF-8 by an editor: the load refuses it and keeps it aside; "Yes" at the
        // exit is told that a file this run could not load is not written over.
        SpoiledRun{"Utf8BomYes", Spoil::Utf8Bom, {"CFG Read"}, {kSaveQuestion}, std::nullopt, true},
        SpoiledRun{"Utf8Yes", Spoil::Utf8, {"CFG Read"}, {kSaveQuestion}, std::nullopt, true},
        // BEGIN.cfg cannot be written: one box says so and the settings load all the same;
        // the exit's save, asked for or not, cannot replace them.
        SpoiledRun{"FullDisk", Spoil::FullDisk, {kStartUpSteps}, {kSaveQuestion}},
        SpoiledRun{"FullDiskYes", Spoil::FullDisk, {kStartUpSteps}, {kSaveQuestion}, std::nullopt, true},
        // A damaged resume snapshot answered "Yes" at Start: its box says the flight starts
        // afresh, the values stay as they were, and the exit writes them back unchanged.
        SpoiledRun{"SnapshotFirstLineResumed", Spoil::SnapshotFirstLine, {}, {},
                   std::vector<std::string>{kResumeQuestion, "CFG Read"}},
        SpoiledRun{"SnapshotBadValueResumed", Spoil::SnapshotBadValue, {}, {},
                   std::vector<std::string>{kResumeQuestion, "CFG Read"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The exit from a folder that turns read-only while the program runs: every step is tried,
// what failed is told, the program ends, its single-instance lock is free, and the next
// start opens the start-up window.
TEST(ProSettingsRunsExit, FromAReadOnlyFolderTheProgramEndsAndTheNextStartOpens) {
  test::KeepDisplayOpen();
  auto desktop = test::X11Desktop::Open();
  if (!desktop) GTEST_SKIP() << "needs an X display with XTEST";
  if (!OwnMountNamespace()) GTEST_SKIP() << "no read-only folder can be made here";
  test::TempDir holder;
  Installation inst(holder.Path() / "inst");
  const std::string before = FileBytes(inst.Settings());
  bool readOnly = false;
  RunRecord r;
  {
    ProProcess pro(inst.base, inst.runtime.Path(), false);
    r = StartAndExit(*desktop, pro, {}, {}, {kSaveQuestion, "VexlorPro 終了"}, [&] {
      PutBytes(inst.base / "EyeCheck.cfg", "written by a group\r\n");
      readOnly = MountReadOnly(inst.base);
    });
  }
  std::cout << "| ReadOnlyFolderExit | this user | " << Joined(r.boxes) << " | " << r.end << " | "
            << (FileBytes(inst.Settings()) == before ? "byte for byte" : "CHANGED") << " | no copy |" << std::endl;
  ASSERT_TRUE(readOnly);
  EXPECT_EQ(r.boxes, (std::vector<std::string>{kSaveQuestion, kSaveQuestion, "VexlorPro 終了"}));
  EXPECT_EQ(r.end, "exit 0");
  EXPECT_EQ(FileBytes(inst.Settings()), before);
  {
    platform::FileInstanceLock lock{inst.runtime.Path() / "vexlor-sim" / "VexlorPro.lock"};
    EXPECT_TRUE(lock.Acquire()) << "the lock is free";
  }
  ProProcess next(inst.base, inst.runtime.Path(), false);
  EXPECT_NE(desktop->WaitForWindow(kPass, 20s), 0u) << "the start-up window opens";
  ::umount2(inst.base.c_str(), MNT_DETACH);
}

// Exit pressed as soon as the flight's first window shows, while the call-out program is
// still starting (here it takes three seconds before it looks for its settings, as on a
// slow disk; and as it comes): the exit makes sure it ends, and nothing of the
// installation runs on. A call-out program that found no settings would write its
// defaults and wait for a main program that is gone.
class ExitRightAfterStart : public ::testing::TestWithParam<int> {};

TEST_P(ExitRightAfterStart, LeavesNoCallOutProgramRunning) {
  test::KeepDisplayOpen();
  auto desktop = test::X11Desktop::Open();
  if (!desktop) GTEST_SKIP() << "needs an X display with XTEST";
  if (SampleInstallation().empty()) GTEST_SKIP() << "no sample installation to fly on (it needs espeak-ng, sox and lame)";
  const int startDelaySeconds = GetParam();
  test::TempDir holder;
  Installation inst(holder.Path() / "inst", SampleInstallation());
  if (startDelaySeconds > 0) {
    const fs::path callOut = inst.base / "ExePro" / "VexlorEXP";
    fs::rename(callOut, inst.base / "ExePro" / "VexlorEXP.bin");
    PutBytes(callOut, "#!/bin/sh\nsleep " + std::to_string(startDelaySeconds) + "\nexec \"$0.bin\" \"$@\"\n");
    fs::permissions(callOut, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                 fs::perms::others_read | fs::perms::others_exec);
  }
  test::StandinProcess standin(inst.runtime.Path() / "vexlor-sim", "", {});
  RunRecord r;
  {
    ProProcess pro(inst.base, inst.runtime.Path(), false);
    r = StartAndExit(*desktop, pro, {}, std::vector<std::string>{}, {}, {}, false);
  }
  EXPECT_EQ(r.boxes, (std::vector<std::string>{kBriefingSheet, kSaveQuestion}));
  EXPECT_EQ(r.end, "exit 0");
  // A call-out program that had found its file missing would run on from here.
  std::this_thread::sleep_for(std::chrono::seconds(startDelaySeconds) + 2s);
  EXPECT_TRUE(test::ProcessesUnder(inst.base).empty()) << "a call-out program runs on after the exit";
  EXPECT_FALSE(fs::exists(inst.base / "vexlorEXP.cfg"));
  EndProgramsUnder(inst.base);
}

INSTANTIATE_TEST_SUITE_P(StartDelays, ExitRightAfterStart, ::testing::Values(0, 3),
                         [](const auto& info) { return "CallOutStartsAfter" + std::to_string(info.param) + "s"; });

}  // namespace
}  // namespace vx
