// The companion programs end when the main program deletes their control file; the
// viewpoint program hands its values back in EyeRet.cfg as it ends.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <initializer_list>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>
#include <vector>

#include <X11/keysym.h>

#include "datafiles/ocumo_files.h"
#include "datafiles/pushback_file.h"
#include "platform/process.h"
#include "platform/shared_memory.h"
#include "simlink/channel_layout.h"
#include "simlink/channels.h"
#include "simlink/eye_keys.h"
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

// Shared memories of the test's own: the programs take the prefix of their names from
// the environment.
struct OwnChannels {
  std::string prefix = test::UniqueName("companion") + "_";
  test::EnvironmentOverride variable{"VX_CHANNEL_PREFIX", prefix};
};

// The call-out program finds the stand-in where the programs look for the simulator
// ($XDG_RUNTIME_DIR, here a folder of the test's own) and plays sound on no device.
struct CallOutRun {
  CallOutRun() : standin(runtime.Path() / "vexlor-sim", "", {}) {}
  test::TempDir base;
  test::TempDir runtime;
  test::EnvironmentOverride xdg{"XDG_RUNTIME_DIR", runtime.Path().string()};
  test::EnvironmentOverride audio{"SDL_AUDIODRIVER", "dummy"};
  OwnChannels channels;
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

// The running call-out program performs a 35 m push on the stand-in's simulator (its
// pushback, four times real speed): straight back, a 30 degree turn to the right, and
// vexlorPB.cfg taken away at the end.
TEST(CompanionPrograms, CallOutProgramPushesTheStandinsAircraftAndTakesThePushbackFile) {
  test::TempDir base;
  test::TempDir runtime;
  test::EnvironmentOverride xdg{"XDG_RUNTIME_DIR", runtime.Path().string()};
  test::EnvironmentOverride audio{"SDL_AUDIODRIVER", "dummy"};
  test::StandinProcess standin{runtime.Path() / "vexlor-sim", "", {"--time-scale", "4"}};
  const auto get = [&standin](const char* offset, const char* size) {
    return std::stoll(standin.Ctl({"get", offset, size}).out);
  };
  ASSERT_EQ(standin.Ctl({"set", "0x0564", "4", "3889445"}).exitCode, 0);  // about 35 N
  ASSERT_EQ(standin.Ctl({"set", "0x0580", "4", "0"}).exitCode, 0);        // facing north
  ASSERT_EQ(standin.Ctl({"set", "0x02A0", "2", "0"}).exitCode, 0);        // no magnetic variation
  const long long latBefore = get("0x0564", "4");

  const fs::path program = Install(base, "VexlorEXP");
  platform::PosixProcessLauncher launcher;
  const auto pid = launcher.Start(program, {}, false);
  ASSERT_TRUE(pid);
  const fs::path settings = base.Path() / "vexlorEXP.cfg";
  for (int i = 0; i < 250 && !fs::exists(settings); ++i) std::this_thread::sleep_for(20ms);
  ASSERT_TRUE(fs::exists(settings));

  state::ExpPushbackValues pb;
  pb.pushbackOn = 1;
  pb.PushbackMode = 1;
  pb.PushbackDistance = 35;
  pb.PushbackSide = "右";
  pb.PushbackTurnMode = 1;
  pb.PushbackTurnAngle = 30;
  pb.PushbackCompassWord = "北";
  datafiles::WriteVexlorPbCfgFile(base.Path() / "vexlorPB.cfg", pb);
  const fs::path request = base.Path() / "vexlorPB.cfg";
  const auto end = std::chrono::steady_clock::now() + 30s;
  while (fs::exists(request) && std::chrono::steady_clock::now() < end) std::this_thread::sleep_for(50ms);
  EXPECT_FALSE(fs::exists(request)) << "the push ends and takes its file";

  EXPECT_LT(get("0x0564", "4"), latBefore) << "pushed back, to the south";
  EXPECT_EQ(get("0x31F4", "4"), 3) << "the simulator's pushback stopped";
  const double heading = static_cast<double>(static_cast<std::uint32_t>(get("0x0580", "4"))) / 4294967296.0 * 360.0;
  EXPECT_NEAR(heading, 30.0, 2.0);
  EXPECT_TRUE(launcher.IsRunning(*pid)) << "the program runs on";
  fs::remove(settings);
  EXPECT_TRUE(EndsWithin(launcher, *pid, 5s));
  launcher.Close(*pid);
}

// The stand-in is killed under the running call-out program: the flight data record stands
// still and the program runs on; a stand-in started again on the same socket is taken up,
// and the record follows its clock.
TEST(CompanionPrograms, CallOutProgramTakesUpAStandinStartedAgainOnTheSameSocket) {
  test::TempDir base;
  test::TempDir runtime;
  test::EnvironmentOverride xdg{"XDG_RUNTIME_DIR", runtime.Path().string()};
  test::EnvironmentOverride audio{"SDL_AUDIODRIVER", "dummy"};
  OwnChannels channels;
  const fs::path folder = runtime.Path() / "vexlor-sim";
  test::StandinProcess first{folder, "", {"--start", "2024-05-01 09:30:00", "--time-scale", "1"}};
  const fs::path program = Install(base, "VexlorEXP");
  platform::PosixProcessLauncher launcher;
  const auto pid = launcher.Start(program, {}, false);
  ASSERT_TRUE(pid);
  state::Channel data;
  const auto record = [&data] {
    state::FlightDataRecord r;
    simlink::ReadDataChannel(r, data);
    return r;
  };
  const auto clockOfRecord = [&record] {
    const auto r = record();
    return r.localHour * 100 + r.localMinute;
  };
  const auto waitForRecord = [&](int hhmm, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
      if (data.IsOpen() || simlink::OpenDataChannel(channels.prefix, data)) {
        if (clockOfRecord() == hhmm) return true;
      }
      std::this_thread::sleep_for(50ms);
    }
    return false;
  };
  ASSERT_TRUE(waitForRecord(930, 10s)) << "the record of the first stand-in";
  // The first stand-in's clock runs: the record follows it second by second.
  const auto running = record();
  const auto moveEnd = std::chrono::steady_clock::now() + 5s;
  while (record() == running && std::chrono::steady_clock::now() < moveEnd) std::this_thread::sleep_for(50ms);
  ASSERT_NE(record(), running) << "the record follows the running clock";

  first.Kill();
  std::this_thread::sleep_for(500ms);  // a read under way when the stand-in went
  const auto lastRead = record();
  std::this_thread::sleep_for(1500ms);
  EXPECT_EQ(record(), lastRead) << "stands still";
  EXPECT_EQ(lastRead.localHour * 100 + lastRead.localMinute, 930) << "the last time the first stand-in gave";
  EXPECT_TRUE(launcher.IsRunning(*pid)) << "the program runs on";

  test::StandinProcess second{folder, "", {"--start", "2024-05-01 11:15:00", "--time-scale", "0"}};
  EXPECT_TRUE(waitForRecord(1115, 5s)) << "the record of the second stand-in";
  EXPECT_TRUE(launcher.IsRunning(*pid));
  simlink::CloseSharedMapping(data);
  fs::remove(base.Path() / "vexlorEXP.cfg");
  EXPECT_TRUE(EndsWithin(launcher, *pid, 5s));
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
  OwnChannels channels;
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

// Keys the main program forwards move the stand-in's eye; Esc hands the values back. A key
// left in the channel for a viewpoint program that ended before it took it moves nothing.
TEST(CompanionPrograms, OcumoKeysMoveTheStandinsEyePoint) {
  CallOutRun run;
  const fs::path program = Install(run.base, "Ocumo");
  state::ProContext pro;
  ASSERT_TRUE(simlink::OpenEyeChannel(run.channels.prefix, pro.sim.ChannelHandles.eye));
  ASSERT_TRUE(simlink::ForwardEyeKey(pro, 104));  // 8: forward
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

  auto send = [&](std::int16_t code, const std::string& shows) {
    SCOPED_TRACE(code);
    ASSERT_TRUE(simlink::ForwardEyeKey(pro, code));
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
  OwnChannels channels;
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

// A program started on its own, whose end (status and signal) the test reads.
class Spawned {
 public:
  explicit Spawned(const fs::path& program) {
    const std::string path = program.string();
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
    if (posix_spawn(&pid_, path.c_str(), nullptr, nullptr, argv, environ) != 0) pid_ = -1;
  }
  ~Spawned() {
    if (pid_ > 0 && !status_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  bool Started() const { return pid_ > 0; }
  pid_t Pid() const { return pid_; }
  // Whether it ended within the limit; its status then.
  bool EndsWithin(std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!status_ && std::chrono::steady_clock::now() < end) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) status_ = status;
      else std::this_thread::sleep_for(20ms);
    }
    return status_.has_value();
  }
  // Ended by returning from main or exit(), not by a signal (abort, crash) or a core.
  bool EndedCleanly() const { return status_ && WIFEXITED(*status_); }
  std::string How() const {
    if (!status_) return "running";
    if (WIFSIGNALED(*status_)) return "signal " + std::to_string(WTERMSIG(*status_)) + (WCOREDUMP(*status_) ? " (core)" : "");
    return "exit " + std::to_string(WEXITSTATUS(*status_));
  }

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
};

// A control or return file that cannot be written (a folder stands in its place) is told
// in a box; the program then ends by itself, its clean-up done, without a signal.
TEST(CompanionPrograms, CallOutProgramThatCannotWriteItsSettingsFileSaysSoAndEnds) {
  test::KeepDisplayOpen();
  auto desktop = test::X11Desktop::Open();
  if (!desktop) GTEST_SKIP() << "needs an X display with XTEST";
  CallOutRun run;
  test::EnvironmentOverride qpa{"QT_QPA_PLATFORM", "xcb"};
  const fs::path program = Install(run.base, "VexlorEXP");
  fs::create_directories(run.base.Path() / "vexlorEXP.cfg");
  run.base.WriteBytes("vexlorSD.cfg", ";\r\n");
  Spawned exp(program);
  ASSERT_TRUE(exp.Started());
  const auto box = desktop->WaitForWindow("VEXLOR-EXP", 10s);
  ASSERT_NE(box, 0u) << "the message box";
  desktop->Focus(box);
  desktop->Type(XK_Return);
  ASSERT_TRUE(exp.EndsWithin(5s)) << "no program left behind";
  EXPECT_TRUE(exp.EndedCleanly()) << exp.How();
  EXPECT_FALSE(fs::exists(run.base.Path() / "vexlorSD.cfg")) << "its clean-up ran";
}

// The objects in /dev/shm of the named shared memories under `prefix` (each memory and
// its ".init" lock) that are still there.
std::vector<std::string> SharedMemoryObjects(const std::string& prefix, std::initializer_list<const char*> names) {
  std::vector<std::string> present;
  for (const char* name : names) {
    const std::string object = platform::SharedMemory::ObjectName(prefix, name);
    for (const std::string& n : {object, object + ".init"})
      if (fs::exists("/dev/shm" + n)) present.push_back(n);
  }
  return present;
}

// Takes the named shared memories under `prefix` away at the end of a test, whatever it met.
struct SharedMemoryCleanUp {
  std::string prefix;
  std::vector<const char*> names;
  ~SharedMemoryCleanUp() {
    for (const char* name : names) platform::SharedMemory::Remove(prefix, name);
  }
};

// An empty voice file stops the start with a box that names it. An ending signal while
// that box is up ends the program as its window's closing does: the box goes, the
// program exits, its three shared memories and the files its end deletes are gone.
TEST(CompanionPrograms, CallOutProgramEndedByASignalWhileAFileBoxIsUpLeavesNothingBehind) {
  test::KeepDisplayOpen();
  auto desktop = test::X11Desktop::Open();
  if (!desktop) GTEST_SKIP() << "needs an X display with XTEST";
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(strsignal(signal));
    CallOutRun run;
    test::EnvironmentOverride qpa{"QT_QPA_PLATFORM", "xcb"};
    const fs::path program = Install(run.base, "VexlorEXP");
    run.base.WriteBytes("Wav/FO/to_2.wav", "");
    run.base.WriteBytes("vexlorSD.cfg", ";\r\n");
    const auto channels = {simlink::kVolChannelName, simlink::kStabChannelName, simlink::kDataChannelName};
    const SharedMemoryCleanUp cleanUp{run.channels.prefix, channels};
    Spawned exp(program);
    ASSERT_TRUE(exp.Started());
    ASSERT_NE(desktop->WaitForWindow("VexlorEXP", 10s), 0u) << "the message box";
    EXPECT_EQ(SharedMemoryObjects(run.channels.prefix, channels).size(), 6u) << "held while the box is up";
    EXPECT_TRUE(fs::exists(run.base.Path() / "vexlorEXP.cfg"));
    ASSERT_EQ(kill(exp.Pid(), signal), 0);
    ASSERT_TRUE(exp.EndsWithin(5s)) << "the box ended with the program";
    EXPECT_EQ(exp.How(), "exit 0");
    EXPECT_EQ(SharedMemoryObjects(run.channels.prefix, channels), std::vector<std::string>{});
    EXPECT_FALSE(fs::exists(run.base.Path() / "vexlorSD.cfg")) << "its end ran";
    EXPECT_EQ(desktop->FindWindow("VexlorEXP"), 0u);
  }
}

// The viewpoint program ended by a signal hands its values back and leaves its shared
// memory and control file behind no more than when its control file is deleted.
TEST(CompanionPrograms, OcumoEndedByASignalEndsAsWhenItsFileIsDeleted) {
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(strsignal(signal));
    CallOutRun run;
    const fs::path program = Install(run.base, "Ocumo");
    const SharedMemoryCleanUp cleanUp{run.channels.prefix, {simlink::kEyeChannelName}};
    Spawned ocumo(program);
    ASSERT_TRUE(ocumo.Started());
    ASSERT_TRUE(EyeShows(run.standin, "\"mode\":4", 10s)) << "its start done";
    EXPECT_EQ(SharedMemoryObjects(run.channels.prefix, {simlink::kEyeChannelName}).size(), 2u);
    ASSERT_EQ(kill(ocumo.Pid(), signal), 0);
    ASSERT_TRUE(ocumo.EndsWithin(5s));
    EXPECT_EQ(ocumo.How(), "exit 0");
    EXPECT_EQ(SharedMemoryObjects(run.channels.prefix, {simlink::kEyeChannelName}), std::vector<std::string>{});
    EXPECT_FALSE(fs::exists(run.base.Path() / "Ocumo.cfg"));
    EXPECT_TRUE(fs::exists(run.base.Path() / "EyeRet.cfg"));
  }
}

TEST(CompanionPrograms, OcumoThatCannotWriteItsControlFileSaysSoAndEnds) {
  test::KeepDisplayOpen();
  auto desktop = test::X11Desktop::Open();
  if (!desktop) GTEST_SKIP() << "needs an X display with XTEST";
  CallOutRun run;
  test::EnvironmentOverride qpa{"QT_QPA_PLATFORM", "xcb"};
  const fs::path program = Install(run.base, "Ocumo");
  fs::create_directories(run.base.Path() / "Ocumo.cfg");
  Spawned ocumo(program);
  ASSERT_TRUE(ocumo.Started());
  const auto box = desktop->WaitForWindow("Ocumo", 10s);
  ASSERT_NE(box, 0u) << "the message box";
  EXPECT_EQ(desktop->FindWindow("Ocumo  v2.25"), 0u) << "no window of its own";
  desktop->Focus(box);
  desktop->Type(XK_Return);
  ASSERT_TRUE(ocumo.EndsWithin(5s));
  EXPECT_TRUE(ocumo.EndedCleanly()) << ocumo.How();
  EXPECT_EQ(ocumo.How(), "exit 1") << "a start that failed";
}

TEST(CompanionPrograms, OcumoThatCannotWriteItsReturnFileSaysSoAndEnds) {
  test::KeepDisplayOpen();
  auto desktop = test::X11Desktop::Open();
  if (!desktop) GTEST_SKIP() << "needs an X display with XTEST";
  CallOutRun run;
  test::EnvironmentOverride qpa{"QT_QPA_PLATFORM", "xcb"};
  const fs::path program = Install(run.base, "Ocumo");
  datafiles::WriteOcumoCfgFile(run.base.Path() / "Ocumo.cfg", datafiles::DefaultOcumoCfg());
  fs::create_directories(run.base.Path() / "EyeRet.cfg");
  Spawned ocumo(program);
  ASSERT_TRUE(ocumo.Started());
  ASSERT_NE(desktop->WaitForWindow("Ocumo  v2.25", 10s), 0u);
  fs::remove(run.base.Path() / "Ocumo.cfg");
  const auto box = desktop->WaitForWindow("Ocumo", 5s);
  ASSERT_NE(box, 0u) << "the message box";
  desktop->Focus(box);
  desktop->Type(XK_Return);
  ASSERT_TRUE(ocumo.EndsWithin(5s));
  EXPECT_TRUE(ocumo.EndedCleanly()) << ocumo.How();
}

}  // namespace
}  // namespace vx
