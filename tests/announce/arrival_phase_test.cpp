// The two groups that close a flight, on virtual time, for one known flight: JAL (airline
// 0) flight 1234 from slot 1 to slot 5, arrival gate 105. G6 with the view switch and the
// board on: its played timeline, captions, hand-over files, board program and report
// viewer on one timeline, and what it leaves (the three records, the delay class, the
// mileage and its window, the saved settings); with both call-out options off, an arrival
// marked for the AES add-on, no FlightReport folder, two runs in one minute, and the
// flight window closing in its waits. G5 with its parts and with the hidden set.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "announce/arrival_phase.h"
#include "announce/flight_lifecycle.h"
#include "announce/group_fixture.h"
#include "announce/mileage.h"
#include "announce/sound_slots.h"
#include "platform/sim_focus.h"
#include "platform/text_viewer.h"

namespace vx::announce {
namespace {

using test::ExpectMarks;
using test::Mark;
using test::Played;

// Into the marks in order of time, after those of the same time (a hand-over file is
// seen at the pump after the caption written with it).
void InsertMark(std::vector<Mark>& marks, const Mark& mark) {
  auto at = std::find_if(marks.begin(), marks.end(), [&](const Mark& m) { return m.atMs > mark.atMs; });
  marks.insert(at, mark);
}

constexpr int kVolume = -600;  // volume setting 8

// The process launcher of the test, noting when it starts and closes a program.
class TimedLauncher final : public platform::ProcessLauncher {
 public:
  explicit TimedLauncher(test::EngineProgram& p) : p_(p) {}
  std::optional<int> Start(const std::filesystem::path& program, const std::vector<std::string>& args,
                           bool takeFocus) override {
    const auto pid = inner.Start(program, args, takeFocus);
    if (pid) marks.push_back({p_.Ms(p_.clock.MonotonicNanos()), "start " + std::to_string(*pid)});
    return pid;
  }
  bool IsRunning(int pid) override { return inner.IsRunning(pid); }
  void Close(int pid) override {
    inner.Close(pid);
    marks.push_back({p_.Ms(p_.clock.MonotonicNanos()), "close " + std::to_string(pid)});
  }
  platform::RecordingProcessLauncher inner;
  std::vector<Mark> marks;

 private:
  test::EngineProgram& p_;
};

// The report viewer of the test, noting when it shows which file.
class TimedViewer final : public platform::TextViewer {
 public:
  explicit TimedViewer(test::EngineProgram& p) : p_(p) {}
  void Show(const std::filesystem::path& file, bool onTop) override {
    shown.push_back({file, onTop});
    marks.push_back({p_.Ms(p_.clock.MonotonicNanos()), "show " + file.filename().string()});
  }
  std::vector<platform::RecordingTextViewer::Shown> shown;
  std::vector<Mark> marks;

 private:
  test::EngineProgram& p_;
};

constexpr char kChime[] = "\\Wav\\Lob\\chitose.wav";
constexpr char kMurmur[] = "\\Wav\\Lob\\zawazawa_m.wav";
constexpr char kMurmurEnd[] = "\\Wav\\Lob\\zawazawa_e.wav";
const test::Recording kRecordings[] = {
    // G6
    {kChime, 2.0},
    {"\\Wav\\Lob\\到着便のお知らせ.wav", 3.0},
    {"\\Wav\\Lob\\到着しました.wav", 1.5},
    {"\\Wav\\Lob\\繰返しご案内.wav", 2.0},
    {"\\Wav\\Lob\\NumDelay\\10分遅れ.wav", 1.0},
    {kMurmur, 5.0},
    {kMurmurEnd, 4.0},
    {"\\Wav\\Lob\\Cmp\\Japan\\LCOMP_00.wav", 1.0},
    {"\\Wav\\Lob\\Apt1\\Japan\\LAPT_01.wav", 1.0},
    {"\\Wav\\Lob\\NumJ\\lo_nk1.wav", 0.5},
    {"\\Wav\\Lob\\NumJ\\lo_nh2.wav", 0.5},
    {"\\Wav\\Lob\\NumJ\\lo_nj3.wav", 0.5},
    {"\\Wav\\Lob\\NumBin\\lo_bs4.wav", 0.5},
    {"\\Wav\\Lob\\NumJ\\lo_nh1.wav", 0.5},
    {"\\Wav\\Lob\\NumJ\\lo_nj0.wav", 0.5},  // the gate's tens place, 0: not spoken
    {"\\Wav\\Lob\\NumGate\\lo_gs5.wav", 0.5},
    {"\\Wav\\CP\\G6_0.wav", 1.0},
    {"\\Wav\\CA1\\G6_1.wav", 2.0},
    {"\\Wav\\CA1\\G6_2.wav", 2.0},
    {"\\Wav\\CA1\\Cmp\\Japan\\SCOMP_00.wav", 1.0},
    {"\\Wav\\CP\\G6_3.wav", 1.0},
    // G5
    {"\\Wav\\CA1\\G5_1.wav", 3.0},
    {"\\Wav\\CA1\\G5_2.wav", 2.0},
    {"\\Wav\\CA1\\G5_3.wav", 2.5},
    {"\\Wav\\CA1\\Apt\\Japan\\SAPT_05.wav", 1.0},
    {"\\Wav\\himitu\\nw057\\G5到着アナウンス.wav", 12.0},
};

class ArrivalTest : public test::GroupTest {
 protected:
  ArrivalTest() : GroupTest(kRecordings) {
    p.pro.svc.processes = &launcher;
    p.pro.svc.textViewer = &viewer;
    VolumeSetting(5, 8);
    VolumeSetting(6, 8);
    std::filesystem::create_directories(p.dir.Path() / "FlightReport");

    auto& tob = p.pro.briefing.TobBriefing;
    tob.FlightNumber = "1234";
    tob.FlipBoardOn = 1;
    tob.ArrivalAesFlag = 0;
    p.pro.briefing.CabinAttendantChoice = 1;
    p.pro.briefing.SelectedAirlineIndex = "0";
    p.pro.main.ArrivalGate = 105;
    p.pro.main.ViewSwitchOption = "ON";
    p.pro.main.SpeedCallOption = "ON";
    p.pro.main.AltitudeCallOption = "OFF";
    // Scheduled 12:10 local, 03:10 GMT.
    p.pro.briefing.BriefingTimes.events[1] = {0, 0, 3, 10};
    auto& files = p.pro.files;
    files.RouteAirports[0].slot = "1";
    files.RouteAirports[1].slot = "5";
    files.AirportTable[1].ICAO = "RJTT";
    files.AirportTable[1].空港名パタパタ = "東京";
    files.AirportTable[5].ICAO = "RJFF";
    files.AirportTable[5].チャイム = "chitose.wav";
    files.AirportTable[5].空港名パタパタ = "福岡";
    files.AirportTable[5].緯度 = 100000;  // about 100 km north of slot 1
    files.MileageTotal = 4990;
    p.pro.flight.GroundStep = 6;

    // At the gate at 12:25 local, GMT nine hours behind: 15 minutes late.
    OnTheGroundAt(p, 12, 25, -540);
    p.pro.sim.SimClock = {12, 25, 0, 3, 25};
    p.pro.sim.SimTimeOffset = -540;
    p.pro.sim.FlightMaxima.altitudeFt = 37000;

    std::filesystem::create_directories(p.dir.Path() / "vovu030");
    p.File("\\vovu030\\Vovu", "#!/bin/sh\n");
    MusicRunning();
    p.Watch({"\\EyeCargo.cfg", "\\EyeDoor.cfg"});
    p.SetOrigin();
  }

  // The call-out program: takes each view file three seconds after it appears.
  void CallOutProgramTakesViews() {
    p.alsoOnPump = [this] {
      for (const char* literal : {"\\EyeCargo.cfg", "\\EyeDoor.cfg"}) {
        auto& seen = seenAt[literal];
        if (!p.Exists(literal)) {
          seen = 0;
        } else if (seen == 0) {
          seen = p.clock.MonotonicNanos();
        } else if (p.clock.MonotonicNanos() - seen >= 3'000'000'000) {
          p.paths.DeleteIfExists(literal);
        }
      }
    };
  }

  // Airline, flight number, origin, delay, gate, second notice (7.5 s; 5.5 s without the
  // flight number's digits).
  test::ExpectedRun Details(bool flightDigits = true) const {
    auto run = Expect(0, kVolume);
    run.Part("\\Wav\\Lob\\Cmp\\Japan\\LCOMP_00.wav", "Ｇ６：航空会社名");
    if (flightDigits)
      run.Parts({"\\Wav\\Lob\\NumJ\\lo_nk1.wav", "\\Wav\\Lob\\NumJ\\lo_nh2.wav", "\\Wav\\Lob\\NumJ\\lo_nj3.wav",
                 "\\Wav\\Lob\\NumBin\\lo_bs4.wav"});
    run.Part("\\Wav\\Lob\\Apt1\\Japan\\LAPT_01.wav", "Ｇ６：出発空港")
        .Part("\\Wav\\Lob\\NumDelay\\10分遅れ.wav", "Ｇ６：到着遅れ")
        .Parts({"\\Wav\\Lob\\NumJ\\lo_nh1.wav", "\\Wav\\Lob\\NumGate\\lo_gs5.wav"})
        .Part("\\Wav\\Lob\\到着しました.wav", "Ｇ６：到着案内２");
    return run;
  }

  // From the murmur at 1 s: 5 s, the guidance (chime, notice, details, 1 s, the board's
  // 1 s, 3 s, repeat, details, chime) to 35 s (31 s without the flight number's digits).
  test::ExpectedRun Guidance(bool flightDigits = true) const {
    auto run = Expect(6000, kVolume);
    run.Part(kChime, "Ｇ６：チャイム").Part("\\Wav\\Lob\\到着便のお知らせ.wav", "Ｇ６：到着案内１").Then(Details(flightDigits));
    run.Pause(5).Part("\\Wav\\Lob\\繰返しご案内.wav", "Ｇ６：繰返し").Then(Details(flightDigits)).Part(kChime, "Ｇ６：チャイム");
    return run;
  }

  // The finals from `at`: the captain, the attendant, the airline, the second part and
  // (unless the arrival is marked for AES) the captain's last part.
  test::ExpectedRun Finals(double at, bool captainLast = true) const {
    auto run = Expect(at, kVolume);
    run.Part("\\Wav\\CP\\G6_0.wav").Part("\\Wav\\CA1\\G6_1.wav");
    run.Part("\\Wav\\CA1\\Cmp\\Japan\\SCOMP_00.wav", "Ｇ６：航空会社名").Part("\\Wav\\CA1\\G6_2.wav", "Ｇ６：最終放送２");
    if (captainLast) run.Part("\\Wav\\CP\\G6_3.wav");
    return run;
  }

  // The murmur under the guidance that ends at `guidanceEnd`, its end for 4 s, the finals.
  static std::vector<Played> WithMurmur(std::vector<Played> lobby, const std::vector<Played>& finals,
                                        double guidanceEnd = 35000) {
    lobby.insert(lobby.begin(), {kMurmur, 1000, guidanceEnd, kVolume, 0, true});
    lobby.push_back({kMurmurEnd, guidanceEnd, guidanceEnd + 4000, kVolume, 0, false});
    lobby.insert(lobby.end(), finals.begin(), finals.end());
    return lobby;
  }

  std::vector<std::string> Reports() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(p.dir.Path() / "FlightReport"))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  TimedLauncher launcher{p};
  TimedViewer viewer{p};
  std::map<std::string, std::int64_t> seenAt;
};

TEST_F(ArrivalTest, TheEndOfTheFlightWithViewsAndBoard) {
  CallOutProgramTakesViews();
  platform::FakeSimFocus focus;
  focus.inFront = false;
  p.pro.svc.simFocus = &focus;
  p.pro.sim.SimWindow = 4242;
  p.Serve(16);

  const auto finals = Finals(39000);
  test::ExpectTimeline(p.Timeline(), WithMurmur(Guidance().played, finals.played), 20);
  std::vector<Mark> marks = Guidance().Captions("Ｇ６：最終放送１", 0);
  marks.pop_back();  // the caption is emptied after the finals
  for (const Mark& m : finals.captions) marks.push_back(m);
  marks.push_back({46000, ""});
  // The cargo view after the first details' 1 s and 3 s; the door view after the last
  // chime; each taken by the call-out program 3 s later.
  for (const Mark& m : std::initializer_list<Mark>{
           {23500, "+\\EyeCargo.cfg"}, {26500, "-\\EyeCargo.cfg"}, {35000, "+\\EyeDoor.cfg"}, {38000, "-\\EyeDoor.cfg"}})
    InsertMark(marks, m);
  ExpectMarks(p.Marks(), marks, 20);
  ExpectMarks(launcher.marks, {{1000, "start 1000"}, {20500, "close 1000"}}, 20);
  EXPECT_EQ(launcher.inner.started.at(0).args,
            std::vector<std::string>{(p.dir.Path() / "vovu030" / "到着.pdt").string()});
  EXPECT_EQ(p.pro.files.BoardOriginName, "東京");
  ExpectMarks(viewer.marks, {{46000, "show Report_20000101_1200.txt"}}, 20);
  EXPECT_TRUE(viewer.shown.at(0).onTop);
  ASSERT_EQ(p.MusicLevels().size(), 2u);
  EXPECT_NEAR(p.MusicLevels()[1].first, 47000, 20);

  // What the flight's end leaves.
  EXPECT_EQ(Reports(), (std::vector<std::string>{"FlightReport.csv", "FlightReport.txt", "Report_20000101_1200.txt"}));
  const auto& times = p.pro.briefing.BriefingTimes;
  EXPECT_EQ(times.events[3].localHour, 12);
  EXPECT_EQ(times.events[3].localMinute, 25);
  EXPECT_EQ(times.arrivalTimeDifference, -540);
  EXPECT_EQ(times.events[1].localHour, 12);
  EXPECT_EQ(times.events[1].localMinute, 10);
  EXPECT_EQ(p.pro.files.ArrivalDelayClass, 10);
  EXPECT_EQ(p.pro.sim.FlightMaxima.altitudeFt, 0);
  EXPECT_EQ(p.pro.engine.FlightNumberDigitMask, "1111");
  EXPECT_EQ(p.pro.engine.GateDigitMask, "101");
  EXPECT_EQ(p.pro.flight.FlightStage, 2);
  EXPECT_NEAR(p.pro.files.MileageTotal, 4990 + p.pro.files.RouteDistance / 1.852, 1e-9);
  EXPECT_GT(p.pro.files.RouteDistance, 90);
  EXPECT_EQ(p.pro.files.MileageMilestone, 5000);
  EXPECT_EQ(p.forms.shown, std::vector<FlightForm>{FlightForm::frmマイル達成});
  EXPECT_TRUE(p.Exists("\\VexlorPro.cfg"));
  EXPECT_EQ(p.pro.flight.GroundStep, 7);
  GroupTest::ExpectGroupDone(7, 27);
  // The simulator (another program's window) is brought back in front through its link.
  EXPECT_EQ(focus.broughtToFront, std::vector<std::int64_t>{4242});
}

// A flight number that is no number, or beyond four places, is not spoken: the flight
// still ends with the guidance, the finals, one report line, the mileage and the save,
// and the ground step moves on.
class ArrivalFlightNumberTest : public ArrivalTest, public ::testing::WithParamInterface<const char*> {};
INSTANTIATE_TEST_SUITE_P(NotSpoken, ArrivalFlightNumberTest, ::testing::Values("JL123", "", "40000"));

TEST_P(ArrivalFlightNumberTest, TheFlightEndsWithoutTheFlightNumber) {
  p.pro.briefing.TobBriefing.FlightNumber = GetParam();
  p.pro.main.ViewSwitchOption = "OFF";
  p.Serve(16);
  const auto guidance = Guidance(false);
  const auto finals = Finals(35000);
  test::ExpectTimeline(p.Timeline(), WithMurmur(guidance.played, finals.played, 31000), 20);
  ExpectMarks(viewer.marks, {{42000, "show Report_20000101_1200.txt"}}, 20);
  EXPECT_EQ(p.pro.engine.FlightNumberDigitMask, "0000");
  const std::string csv = p.dir.ReadBytes("FlightReport/FlightReport.csv");
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 2) << "the header and this flight's line";
  EXPECT_EQ(p.pro.files.MileageMilestone, 5000);
  EXPECT_TRUE(p.Exists("\\VexlorPro.cfg"));
  EXPECT_EQ(p.pro.flight.GroundStep, 7);
  GroupTest::ExpectGroupDone(7, 27);
}

TEST_F(ArrivalTest, BothCallOptionsOffLeaveOutTheFinalsButNotTheReport) {
  p.pro.main.SpeedCallOption = "OFF";
  p.pro.main.ViewSwitchOption = "OFF";
  p.Serve(16);
  test::ExpectTimeline(p.Timeline(), WithMurmur(Guidance().played, {}), 20);
  ExpectMarks(viewer.marks, {{39000, "show Report_20000101_1200.txt"}}, 20);
  EXPECT_FALSE(p.Exists("\\EyeCargo.cfg"));
  EXPECT_FALSE(p.Exists("\\EyeDoor.cfg"));
  ExpectMarks(p.Marks(), Guidance().Captions("Ｇ６：最終放送１", 39000), 20);
  EXPECT_TRUE(p.Exists("\\VexlorPro.cfg"));
}

TEST_F(ArrivalTest, AnArrivalMarkedForTheAddOnSkipsTheCaptainsLastPartAndTheViewerStaysBehind) {
  p.pro.briefing.TobBriefing.ArrivalAesFlag = 1;
  p.pro.main.ViewSwitchOption = "OFF";
  p.Serve(16);
  test::ExpectTimeline(p.Timeline(), WithMurmur(Guidance().played, Finals(39000, false).played), 20);
  ASSERT_EQ(viewer.shown.size(), 1u);
  EXPECT_FALSE(viewer.shown[0].onTop);
}

TEST_F(ArrivalTest, WithoutTheReportFolderOneBoxNoViewerAndTheMileageIsStillSaved) {
  std::filesystem::remove_all(p.dir.Path() / "FlightReport");
  p.pro.main.ViewSwitchOption = "OFF";
  p.boxes.Expect("フライトレポート", ui::Answer::Ok, "Report_20000101_1200.txt");
  p.Serve(16);
  ASSERT_EQ(p.boxes.shown.size(), 1u);
  EXPECT_NE(p.boxes.shown[0].text.find("FlightReport.txt"), std::string::npos);
  EXPECT_NE(p.boxes.shown[0].text.find("FlightReport.csv"), std::string::npos);
  test::ExpectTimeline(p.Timeline(), WithMurmur(Guidance().played, Finals(39000).played), 20);
  EXPECT_TRUE(viewer.shown.empty());
  EXPECT_EQ(p.pro.files.MileageMilestone, 5000);
  EXPECT_TRUE(p.Exists("\\VexlorPro.cfg"));
  EXPECT_EQ(p.pro.flight.GroundStep, 7);
}

TEST_F(ArrivalTest, RunTwiceInOneMinuteItKeepsBothReportsAndCreditsTwice) {
  p.pro.main.ViewSwitchOption = "OFF";
  p.pro.briefing.TobBriefing.FlipBoardOn = 0;
  p.pro.main.SpeedCallOption = "OFF";
  p.Serve(16);
  const double once = p.pro.files.MileageTotal;
  p.clock.SetWallClock({2000, 1, 1, 12, 0, 0, 0});
  p.Serve(16);
  EXPECT_EQ(Reports(), (std::vector<std::string>{"FlightReport.csv", "FlightReport.txt", "Report_20000101_1200.txt",
                                                 "Report_20000101_1200_2.txt"}));
  EXPECT_NEAR(p.pro.files.MileageTotal - once, once - 4990, 1e-9);
  EXPECT_EQ(p.pro.files.MileageMilestone, 0);
  ASSERT_EQ(viewer.shown.size(), 2u);
  EXPECT_EQ(viewer.shown[1].file.filename(), "Report_20000101_1200_2.txt");
  std::string csv = p.dir.ReadBytes("FlightReport/FlightReport.csv");
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 3);
}

// The flight's end saves "VexlorPro.cfg" unasked: one that this run could not load
// (it has not been loaded here) keeps the user's values; the mileage is still credited.
TEST_F(ArrivalTest, AVexlorProCfgThisRunDidNotLoadIsNotWrittenAtTheEnd) {
  p.pro.main.ViewSwitchOption = "OFF";
  p.dir.WriteBytes("VexlorPro.cfg", ";VexlorPro.cfg V1.11\r\n=user's own\r\n");
  p.Serve(16);
  EXPECT_EQ(p.dir.ReadBytes("VexlorPro.cfg"), ";VexlorPro.cfg V1.11\r\n=user's own\r\n");
  EXPECT_GT(p.pro.files.MileageTotal, 4990);
  GroupTest::ExpectGroupDone(7, 27);
}

TEST_F(ArrivalTest, TheWindowClosingInItsWaitsEndsItBeforeTheMileageAndTheSave) {
  p.pump.At(p.origin + 20'000'000'000, [&] { EndFlight(p.pro); });
  p.Serve(16);
  EXPECT_EQ(p.pro.files.MileageTotal, 4990);
  EXPECT_FALSE(p.Exists("\\VexlorPro.cfg"));
  EXPECT_TRUE(viewer.shown.empty());
  EXPECT_EQ(p.pro.flight.GroundStep, 6);
  EXPECT_EQ(p.pro.files.BoardTaskId, 0);
  EXPECT_EQ(p.sound.LiveBuffers(), 0);
  // The records were written before the guidance.
  EXPECT_EQ(Reports().size(), 3u);
}

TEST_F(ArrivalTest, AnAbortInTheGuidanceStillEndsTheMurmurAndTakesTheBoardDown) {
  p.pro.main.ViewSwitchOption = "OFF";
  p.pump.At(p.origin + 7'000'000'000, [&] { p.pro.engine.AnnounceAbort = true; });
  p.Serve(16);
  test::ExpectTimeline(p.Timeline(), {{kMurmur, 1000, 7000, kVolume, 0, true},
                                      {kChime, 6000, 7000, kVolume, 0, false},
                                      {kMurmurEnd, 7000, 7000, kVolume, 0, false}},
                       20);
  ExpectMarks(launcher.marks, {{1000, "start 1000"}, {7000, "close 1000"}}, 20);
  EXPECT_EQ(viewer.shown.size(), 1u);
  EXPECT_TRUE(p.Exists("\\VexlorPro.cfg"));
  GroupTest::ExpectGroupDone(7, 27);
}

TEST_F(ArrivalTest, ABoardOrViewFileThatCannotBeHadIsReportedInTheCaptionAndTheGroupGoesOn) {
  std::filesystem::remove_all(p.dir.Path() / "vovu030");
  std::filesystem::create_directories(p.dir.Path() / "EyeDoor.cfg");  // a folder in the file's place
  CallOutProgramTakesViews();
  p.Serve(16);
  std::vector<std::string> captions;
  for (const Mark& m : p.Marks()) captions.push_back(m.what);
  const auto has = [&](const std::string& text) {
    return std::find(captions.begin(), captions.end(), text) != captions.end();
  };
  EXPECT_TRUE(has("Ｇ６：パタパタ表示なし（vovu030 フォルダがありません）"));
  bool viewReported = false;
  for (const std::string& c : captions) viewReported = viewReported || c.rfind("Ｇ６：視点切替なし（", 0) == 0;
  EXPECT_TRUE(viewReported);
  EXPECT_TRUE(has("+\\EyeCargo.cfg")) << "the cargo view still runs";
  EXPECT_TRUE(launcher.marks.empty());
  EXPECT_EQ(viewer.shown.size(), 1u);
  EXPECT_TRUE(p.Exists("\\VexlorPro.cfg"));
  GroupTest::ExpectGroupDone(7, 27);
}

TEST_F(ArrivalTest, G5SpeaksTheArrivalAirportAndTheAirline) {
  p.Serve(15);
  auto run = Expect(1000, kVolume);
  run.Part("\\Wav\\CA1\\G5_1.wav")
      .Part("\\Wav\\CA1\\Apt\\Japan\\SAPT_05.wav", "Ｇ５：到着空港")
      .Part("\\Wav\\CA1\\G5_2.wav", "Ｇ５：到着放送２")
      .Part("\\Wav\\CA1\\Cmp\\Japan\\SCOMP_00.wav", "Ｇ５：航空会社名")
      .Part("\\Wav\\CA1\\G5_3.wav", "Ｇ５：到着放送３");
  test::ExpectTimeline(p.Timeline(), run.played, 20);
  ExpectMarks(p.Marks(), run.Captions("Ｇ５：到着放送１", run.Now()), 20);
  EXPECT_EQ(p.pro.flight.FlightStage, 1);
  GroupTest::ExpectGroupDone(7, 11);
}

TEST_F(ArrivalTest, G5TheHiddenSetReplacesItsParts) {
  p.pro.engine.SpecialVoiceOn = true;
  p.Serve(15);
  test::ExpectTimeline(p.Timeline(), {{"\\Wav\\himitu\\nw057\\G5到着アナウンス.wav", 1000, 13000, 0, 0, false}}, 20);
  ExpectMarks(p.Marks(), {{0, "Ｇ５：到着放送１"}, {13000, ""}}, 20);
}

TEST_F(ArrivalTest, TheDelayFileOfEachClass) {
  const std::pair<int, const char*> cases[] = {{-1, "00"}, {0, "00"}, {10, "10"}, {50, "50"}, {60, "60"}, {35, "60"}};
  for (const auto& [delayClass, minutes] : cases) {
    p.pro.files.ArrivalDelayClass = static_cast<std::int16_t>(delayClass);
    PrepareFinalAnnouncement(p.pro);
    EXPECT_EQ(p.Literal(p.pro.engine.SoundSlotFile[15]), std::string("\\Wav\\Lob\\NumDelay\\") + minutes + "分遅れ.wav");
    StopAllAnnouncementSounds(p.pro);
  }
}

TEST(Mileage, Milestones) {
  struct Case {
    double before, after;
    std::int32_t milestone;
  };
  const Case cases[] = {{4990, 5010, 5000}, {24000, 41000, 40000}, {220001, 221000, 0}, {5000, 5100, 0},
                        {0, 4999.9, 0},     {209999, 230000, 220000}};
  for (const Case& c : cases) EXPECT_EQ(MileageMilestoneFor(c.before, c.after), c.milestone) << c.before;
}

}  // namespace
}  // namespace vx::announce
