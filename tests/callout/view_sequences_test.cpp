// The camera sequences against the stand-in's simulator in this process, on virtual time:
// the keys pressed (from the stand-in's log), their times, the APU loop and the files.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "announce/board.h"
#include "callout/exp_link.h"
#include "callout/view_sequences.h"
#include "datafiles/eye_check_file.h"
#include "exp_fixture.h"
#include "mainfiles/files.h"
#include "mainfiles/route.h"
#include "platform/process.h"
#include "platform/random.h"
#include "platform/timer_scheduler.h"
#include "state/pro_context.h"
#include "support/sound_files.h"
#include "support/standin_in_process.h"

namespace vx::callout {
namespace {

using Op = platform::RecordingSoundDevice::Op;

struct KeyDown {
  double sim;
  int vk;
};

class ViewSequencesTest : public ::testing::Test, public test::ExpProgram {
 protected:
  test::InProcessStandin standin{clock};
  void SetUp() override {
    exp.svc.sim = &standin.client;
    exp.svc.simWindows = &standin.windows;
    exp.svc.simFocus = &standin.focus;
    exp.svc.keys = &standin.keys;
    ASSERT_TRUE(ConnectSimulatorExp(exp));
    ASSERT_TRUE(sound.Init());
    const auto image = test::MakeToneWav({.sampleRate = 22050, .seconds = 2.0});
    for (int i = 0; i < state::kCallSoundCount; ++i) {
      exp.sound.CallSoundBuffer[i] = sound.CreateBuffer(image, 1, "call" + std::to_string(i));
    }
    auto& p = exp.settings.ViewPresets;
    p[0] = {"3", "20", "80", "0", "0"};
    p[1] = {"3", "20", "80", "190", "SE1"};  // Shift+E, 1: the boarding door
    p[2] = {"3", "20", "80", "120", "SE2"};  // Shift+E, 2: the cargo door
    p[3] = {"10", "60", "60", "0", "5"};
    exp.settings.ApuSoundSettings.positions = {"右", "無"};
    exp.settings.ApuSoundSettings.volumes = {"7", "5"};
  }
  // Key presses as the simulator saw them, with their simulator times.
  std::vector<KeyDown> Downs() const {
    std::vector<KeyDown> out;
    for (const auto& line : standin.simulator.LogLines()) {
      if (line.find("\"kind\":\"key\"") == std::string::npos || line.find("\"down\":true") == std::string::npos) continue;
      out.push_back({std::stod(line.substr(line.find("\"sim\":") + 6)), std::stoi(line.substr(line.find("\"vk\":") + 5))});
    }
    return out;
  }
  std::vector<double> Chords() const {
    std::vector<double> out;
    for (const auto& k : Downs()) {
      if (k.vk == 8) out.push_back(k.sim);
    }
    return out;
  }
  int ViewMode() { return static_cast<int>(standin.simulator.Area().GetUnsigned(0x8320, 1)); }
  // The main program takes its file away after `seconds` (as the file poll sees it).
  void RemoveAfter(double seconds, std::int16_t& present, const char* file) {
    const auto id = timers.Create([this, &present, file] {
      paths.DeleteIfExists(file);
      present = 0;
    });
    timers.SetInterval(id, static_cast<int>(seconds * 1000));
    timers.SetEnabled(id, true);
  }
  void Write(const char* file, const std::string& text) { std::ofstream(paths.Under(file), std::ios::binary) << text; }
  double Seconds() const { return clock.MonotonicNanos() / 1e9; }
};

TEST(RotationTimes, ByTheOptionDigit) {
  struct Case {
    const char* option;
    double rotate, pause;
  };
  for (const Case& c : {Case{"1", 10, 30}, Case{"5", 20, 45}, Case{"9", 30, 60}, Case{"0", 10, 30},
                        Case{"x", 10, 30}, Case{"12", 10, 30}}) {
    const RotationTimes t = RotationTimesFor(c.option);
    EXPECT_EQ(t.rotateSeconds, c.rotate) << c.option;
    EXPECT_EQ(t.pauseSeconds, c.pause) << c.option;
  }
}

TEST_F(ViewSequencesTest, RotatingViewRotatesAndPausesByTheDigit) {
  exp.frame.EyeViewArmed = 1;
  exp.frame.EyeViewPresent = -1;
  RemoveAfter(100, exp.frame.EyeViewPresent, "\\EyeView.cfg");
  RunExternalViewCycle(exp);
  const auto chords = Chords();
  ASSERT_GE(chords.size(), 100u);
  // The first rotation: 20 s of presses every 0.2 s, then 45 s without.
  std::size_t i = 1;
  while (i < chords.size() && chords[i] - chords[i - 1] < 1.0) ++i;
  EXPECT_NEAR(chords[i - 1] - chords[0], 20.0, 0.5);
  ASSERT_LT(i, chords.size());
  EXPECT_NEAR(chords[i] - chords[i - 1], 45.0, 1.0);
  EXPECT_EQ(ViewMode(), 1) << "back in the cockpit";
}

TEST_F(ViewSequencesTest, RotationAndPauseKeepTheirLengthsAcrossMidnightAndAClockChange) {
  exp.frame.EyeViewArmed = 1;
  exp.frame.EyeViewPresent = -1;
  clock.SetWallClock({2026, 12, 10, 23, 59, 55, 0});
  pump.After(std::chrono::seconds(15), [this] { clock.SetWallClock({2026, 12, 11, 7, 0, 0, 0}); });
  RemoveAfter(100, exp.frame.EyeViewPresent, "\\EyeView.cfg");
  RunExternalViewCycle(exp);
  const auto chords = Chords();
  ASSERT_GE(chords.size(), 100u);
  std::size_t i = 1;
  while (i < chords.size() && chords[i] - chords[i - 1] < 1.0) ++i;
  EXPECT_NEAR(chords[i - 1] - chords[0], 20.0, 0.5);
  ASSERT_LT(i, chords.size());
  EXPECT_NEAR(chords[i] - chords[i - 1], 45.0, 1.0);
}

TEST_F(ViewSequencesTest, RemovingTheFileInAPauseEndsWithinASecond) {
  exp.settings.ViewPresets[3][4] = "1";
  exp.frame.EyeViewArmed = 1;
  exp.frame.EyeViewPresent = -1;
  RemoveAfter(5 + 10 + 12, exp.frame.EyeViewPresent, "\\EyeView.cfg");  // 12 s into the pause
  RunExternalViewCycle(exp);
  EXPECT_LE(Seconds(), 5 + 10 + 12 + 1.3) << "the pause began a little after 15 s";
  EXPECT_EQ(ViewMode(), 1);
}

TEST_F(ViewSequencesTest, DoorAtDepartureWithJetwayAndAtArrival) {
  struct Case {
    std::int16_t arrival;
    bool jetway;
    double seconds;
  };
  for (const Case& c : {Case{0, true, 0.4 + 20 + 3 + 0.4 + 12}, Case{1, false, 3 + 0.4 + 12}}) {
    SCOPED_TRACE(c.arrival);
    standin.simulator.Area().Set(0x8320, 1, 1);
    exp.sd.AesDeparture = 1;
    exp.sim.ShowArrivalHeight = c.arrival;
    exp.frame.EyeDoorPresent = -1;
    Write("\\EyeDoor.cfg", "1\r\n");
    const auto before = Downs().size();
    const double t0 = Seconds();
    RunDoorViewSequence(exp);
    EXPECT_NEAR(Seconds() - t0, c.seconds, 0.3);
    std::vector<int> vks;
    const auto downs = Downs();
    for (std::size_t k = before; k < downs.size(); ++k) vks.push_back(downs[k].vk);
    bool f6 = false, door = false;
    for (std::size_t k = 0; k + 1 < vks.size(); ++k) {
      if (vks[k] == 87 && vks[k + 1] == 117) f6 = true;
      if (vks[k] == 69 && vks[k + 1] == 49) door = true;
    }
    EXPECT_EQ(f6, c.jetway);
    EXPECT_TRUE(door);
    EXPECT_FALSE(paths.Exists("\\EyeDoor.cfg"));
    EXPECT_EQ(exp.frame.EyeDoorPresent, 0);
    EXPECT_EQ(exp.sim.ShowArrivalHeight, 0);
    if (c.arrival == 1) {
      EXPECT_EQ(ViewMode(), 1) << "back in the cockpit";
    }
  }
  // The APU at 7: 7 x 300 - 3000, on the right.
  const auto loops = sound.CallsOf({Op::PlayLooping});
  ASSERT_EQ(loops.size(), 2u);
  EXPECT_EQ(loops[0].buffer, exp.sound.CallSoundBuffer[40]);
  EXPECT_EQ(loops[0].volume, -900);
  EXPECT_EQ(loops[0].pan, 10000);
  EXPECT_EQ(sound.Find(exp.sound.CallSoundBuffer[40])->stopped, true);
}

TEST_F(ViewSequencesTest, CargoWithoutApuSound) {
  exp.frame.EyeCargoPresent = -1;
  Write("\\EyeCargo.cfg", "1\r\n");
  RunCargoViewSequence(exp);
  EXPECT_TRUE(sound.CallsOf({Op::PlayLooping}).empty()) << "APU position 無";
  EXPECT_FALSE(paths.Exists("\\EyeCargo.cfg"));
  EXPECT_EQ(exp.frame.EyeCargoPresent, 0);
  EXPECT_EQ(ViewMode(), 1);
}

TEST_F(ViewSequencesTest, InspectionOpensTheDoorsAndHoldsUntilTheFileGoes) {
  state::ExpInspectionValues check;
  check.InspectionDoorSwitch = "ON";
  check.InspectionBoardFlag = 0;
  datafiles::WriteEyeCheckCfgFile(paths.Under("\\EyeCheck.cfg"), check);
  exp.frame.EyeCheckArmed = 1;
  exp.frame.EyeCheckPresent = -1;
  RemoveAfter(60, exp.frame.EyeCheckPresent, "\\EyeCheck.cfg");
  RunInspectionViewSequence(exp);
  std::vector<int> vks;
  for (const auto& k : Downs()) vks.push_back(k.vk);
  // Cargo door (Shift+E, 2) before the boarding door (Shift+E, 1).
  std::size_t cargo = vks.size(), boarding = vks.size();
  for (std::size_t k = 0; k + 1 < vks.size(); ++k) {
    if (vks[k] == 69 && vks[k + 1] == 50 && cargo == vks.size()) cargo = k;
    if (vks[k] == 69 && vks[k + 1] == 49 && boarding == vks.size()) boarding = k;
  }
  EXPECT_LT(cargo, boarding);
  EXPECT_LT(boarding, vks.size());
  EXPECT_FALSE(Chords().empty()) << "the walk-around";
  EXPECT_GE(Seconds(), 60 + 10);
  EXPECT_LE(Seconds(), 60 + 10 + 1.5);
  EXPECT_EQ(exp.frame.EyeCheckArmed, 2);
  EXPECT_EQ(ViewMode(), 1);
}

}  // namespace
}  // namespace vx::callout

namespace vx::callout {
namespace {

TEST_F(ViewSequencesTest, InspectionShowsTheBoardAndClosesItByItsProcess) {
  platform::RecordingProcessLauncher processes;
  platform::ScriptedRandom random;
  exp.svc.processes = &processes;
  exp.svc.random = &random;
  std::filesystem::create_directories(base.Path() / "vovu030");
  Write("\\vovu030\\Vovu", "#!/bin/sh\n");
  state::ExpInspectionValues check;
  check.InspectionDoorSwitch = "OFF";
  check.InspectionBoardFlag = 1;
  check.gate = 12;
  check.airlineSlot = "1";
  check.flightNumber = "123";
  check.hour = 10;
  check.minute = 5;
  check.departureSlot = "1";
  check.arrivalSlot = "2";
  datafiles::WriteEyeCheckCfgFile(paths.Under("\\EyeCheck.cfg"), check);
  exp.frame.EyeCheckArmed = 1;
  exp.frame.EyeCheckPresent = -1;
  RemoveAfter(50, exp.frame.EyeCheckPresent, "\\EyeCheck.cfg");
  RunInspectionViewSequence(exp);
  ASSERT_EQ(processes.started.size(), 1u);
  EXPECT_EQ(processes.closed, std::vector<int>{processes.started[0].pid}) << "closed by its own id";
  EXPECT_EQ(exp.view.BoardTaskId, 0);
  EXPECT_EQ(ViewMode(), 1);
}

}  // namespace
}  // namespace vx::callout

namespace vx::callout {
namespace {

// The departure board of the inspection view and the main program's own board, for one
// route: the main program's board is asked, its route and EyeCheck.cfg written as the
// boarding group writes them, and the call-out program's sequence reads that file.
struct RouteCase {
  const char* departure;
  const char* arrival;
  bool shown;
};
void PrintTo(const RouteCase& c, std::ostream* os) { *os << '"' << c.departure << "\" to \"" << c.arrival << '"'; }

class InspectionRouteTest : public ViewSequencesTest, public ::testing::WithParamInterface<RouteCase> {
 protected:
  void SetUp() override {
    ViewSequencesTest::SetUp();
    exp.svc.processes = &processes;
    exp.svc.random = &random;
    pro.svc = exp.svc;
    std::filesystem::create_directories(base.Path() / "vovu030");
    Write("\\vovu030\\Vovu", "#!/bin/sh\n");
    for (state::AirportTableArray* table : {&pro.files.AirportTable, &exp.airports}) {
      (*table)[1].空港名パタパタ = "東京";
      (*table)[2].空港名パタパタ = "札幌";
      (*table)[3].空港名パタパタ = "大阪";
    }
    pro.main.ViewSwitchOption = "ON";
    auto& tob = pro.briefing.TobBriefing;
    tob.FlipBoardOn = 1;
    tob.DepartureGate = 12;
    tob.FlightNumber = "123";
    pro.briefing.SelectedAirlineIndex = "1";
    pro.briefing.BriefingTimes.events[0].localHour = 10;
    pro.briefing.BriefingTimes.events[0].localMinute = 5;
  }
  platform::RecordingProcessLauncher processes;
  platform::ScriptedRandom random;
  state::ProContext pro;
};

TEST_P(InspectionRouteTest, BothProgramsShowTheBoardForTheSameRoutesOnly) {
  const RouteCase& c = GetParam();
  pro.files.RouteAirports[0].slot = c.departure;
  pro.files.RouteAirports[1].slot = c.arrival;
  mainfiles::ApplyRouteAirports(pro.files);
  const datafiles::BoardShown ours = announce::ShowFlightBoard(pro, datafiles::kDeparturesBoard);
  EXPECT_EQ(ours.Shown(), c.shown) << ours.fault;
  announce::CloseDepartureBoardNow(pro);
  const std::size_t before = processes.started.size();

  mainfiles::WriteEyeCheckCfg(pro);
  exp.frame.EyeCheckArmed = 1;
  exp.frame.EyeCheckPresent = -1;
  RemoveAfter(50, exp.frame.EyeCheckPresent, "\\EyeCheck.cfg");
  RunInspectionViewSequence(exp);
  EXPECT_EQ(processes.started.size() - before, c.shown ? 1u : 0u) << "the call-out program's board";
  EXPECT_EQ(ViewMode(), 1);
}

INSTANTIATE_TEST_SUITE_P(Routes, InspectionRouteTest,
                         ::testing::Values(RouteCase{"1", "2", true}, RouteCase{"1", "30000", false},
                                           RouteCase{"30000", "2", false}, RouteCase{"1", "大阪", false},
                                           RouteCase{" 1", "３", true}));

}  // namespace
}  // namespace vx::callout

#include <chrono>
#include <sstream>
#include <thread>

namespace vx::callout {
namespace {

// The walk-around with the real board program: the stand-in board program stands in the
// "\vovu030\" folder as "Vovu"; the program runs on virtual time, the board on its own.
class InspectionBoardTest : public ViewSequencesTest {
 protected:
  std::string BoardLog() const {
    std::ifstream in(base.Path() / "vovu030" / "vovu-standin.log", std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  bool BoardLogShows(const std::string& what) const {
    for (int i = 0; i < 500; ++i) {
      if (BoardLog().find(what) != std::string::npos) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }
  // The doors the simulator opened or closed, in order.
  std::vector<std::string> Doors() const {
    std::vector<std::string> out;
    for (const auto& line : standin.simulator.LogLines()) {
      const auto at = line.find("\"door\":");
      if (line.find("\"kind\":\"door\"") != std::string::npos) out.push_back(line.substr(at, line.find('}', at) - at));
    }
    return out;
  }
  platform::PosixProcessLauncher processes;
  platform::ScriptedRandom random;
};

TEST_F(InspectionBoardTest, DoorsOpenTheBoardShowsAndClosesAndTheCockpitViewEnds) {
  exp.svc.processes = &processes;
  exp.svc.random = &random;
  std::filesystem::create_directories(base.Path() / "vovu030");
  std::filesystem::copy_file(VX_VOVU_STANDIN, base.Path() / "vovu030" / "Vovu");
  exp.airports[1].空港名パタパタ = "東京";
  exp.airports[2].空港名パタパタ = "札幌";
  state::ExpInspectionValues check;
  check.InspectionDoorSwitch = "ON";
  check.InspectionBoardFlag = 1;
  check.gate = 12;
  check.airlineSlot = "1";
  check.flightNumber = "123";
  check.hour = 10;
  check.minute = 5;
  check.departureSlot = "1";
  check.arrivalSlot = "2";
  datafiles::WriteEyeCheckCfgFile(paths.Under("\\EyeCheck.cfg"), check);
  exp.frame.EyeCheckArmed = 1;
  exp.frame.EyeCheckPresent = -1;
  // While the program waits its 35 s, the board comes up (in real time).
  bool shown = false;
  const auto look = timers.Create([&] {
    if (!shown) shown = BoardLogShows("showing");
  });
  timers.SetInterval(look, 10000);
  timers.SetEnabled(look, true);
  RemoveAfter(60, exp.frame.EyeCheckPresent, "\\EyeCheck.cfg");

  RunInspectionViewSequence(exp);

  EXPECT_TRUE(shown) << BoardLog();
  // The cargo door (2), then the boarding door (1).
  EXPECT_EQ(Doors(), (std::vector<std::string>{"\"door\":2,\"open\":true", "\"door\":1,\"open\":true"}));
  // The board was started with its timetable and ended by the signal of its close.
  EXPECT_TRUE(BoardLogShows("closed signal=15")) << BoardLog();
  const std::string log = BoardLog();
  EXPECT_NE(log.find("arg 1 " + (base.Path() / "vovu030" / "出発.pdt").string() + "\n"), std::string::npos) << log;
  EXPECT_EQ(exp.view.BoardTaskId, 0);
  EXPECT_FALSE(Chords().empty()) << "the walk-around";
  EXPECT_EQ(ViewMode(), 1) << "back in the cockpit";
}

}  // namespace
}  // namespace vx::callout
