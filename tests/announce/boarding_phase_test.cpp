// The boarding guidance on virtual time for one known flight: airline 3, flight 1205 at
// 9:35 from gate 12, slot 1 to slot 5. The whole played timeline with captions, the
// hand-over file and the board program; with the view switch, with the board, with the
// special recording; an abort, the window closing while the board shows, and the faults
// that leave the chime silent or the board or the inspection view out.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "announce/boarding_phase.h"
#include "announce/group_fixture.h"
#include "announce/flight_lifecycle.h"
#include "announce/request_dispatcher.h"
#include "announce/sound_slots.h"
#include "datafiles/eye_check_file.h"
#include "runtime/cp932.h"
#include "runtime/runtime_error.h"

namespace vx::announce {
namespace {

using test::ExpectMarks;
using test::Mark;
using test::Played;

constexpr int kVolume = -600;  // volume setting 8 of index 0

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

// The recordings of the flight, and two that exist but the digit masks leave unspoken.
constexpr char kChime[] = "\\Wav\\Lob\\haneda.wav";
constexpr char kMurmur[] = "\\Wav\\Lob\\zawazawa_m.wav";
constexpr char kMurmurEnd[] = "\\Wav\\Lob\\zawazawa_e.wav";
const test::Recording kRecordings[] = {
    {kChime, 2.0},
    {"\\Wav\\Lob\\出発最終案内.wav", 3.0},
    {"\\Wav\\Lob\\お客様は.wav", 1.5},
    {"\\Wav\\Lob\\お急ぎ下さい.wav", 2.5},
    {"\\Wav\\Lob\\繰返しお知らせ.wav", 2.0},
    {kMurmur, 5.0},
    {kMurmurEnd, 4.0},
    {"\\Wav\\Lob\\Cmp\\Japan\\LCOMP_03.wav", 1.0},
    {"\\Wav\\Lob\\Apt0\\Japan\\LAPT_05.wav", 1.0},
    {"\\Wav\\Lob\\NumHour\\09時.wav", 0.5},
    {"\\Wav\\Lob\\NumJ\\lo_nj3.wav", 0.5},
    {"\\Wav\\Lob\\NumMinu\\05分発.wav", 0.5},
    {"\\Wav\\Lob\\NumJ\\lo_nk1.wav", 0.5},
    {"\\Wav\\Lob\\NumJ\\lo_nh2.wav", 0.5},
    {"\\Wav\\Lob\\NumBin\\lo_bs5.wav", 0.5},
    {"\\Wav\\Lob\\NumJ\\lo_nj1.wav", 0.5},
    {"\\Wav\\Lob\\NumGate\\lo_gs2.wav", 0.5},
    {"\\Wav\\Lob\\NumJ\\lo_nj0.wav", 0.5},  // the flight's tens place, 0: not spoken
    {"\\Wav\\Lob\\NumJ\\lo_nh0.wav", 0.5},  // the gate's hundreds place, 0: not spoken
    {"\\Wav\\himitu\\nw057\\G0搭乗案内.wav", 20.0},
    {"\\Wav\\Lob\\Type_b.wav", 2.0},  // a chime to draw when the airport has none
};

class BoardingTest : public test::GroupTest {
 protected:
  BoardingTest() : GroupTest(kRecordings) {
    p.pro.svc.processes = &launcher;
    VolumeSetting(0, 8);

    auto& tob = p.pro.briefing.TobBriefing;
    tob.FlightNumber = "1205";
    tob.DepartureGate = 12;
    tob.FlipBoardOn = 0;
    p.pro.briefing.SelectedAirlineIndex = "3";
    p.pro.briefing.BriefingTimes.events[0].localHour = 9;
    p.pro.briefing.BriefingTimes.events[0].localMinute = 35;
    p.pro.main.ViewSwitchOption = "OFF";
    auto& files = p.pro.files;
    files.RouteAirports[0].slot = "1";
    files.RouteAirports[1].slot = "5";
    files.AirportTable[1].チャイム = "haneda.wav";
    files.AirportTable[1].空港名パタパタ = "東京";
    files.AirportTable[5].空港名パタパタ = "札幌";
    files.AirportTable[7].空港名パタパタ = "大阪";

    // On the ground at 9:40 local, GMT nine hours behind.
    OnTheGroundAt(p, 9, 40, -540);
    p.pro.sim.FlightMaxima.altitudeFt = 37000;
    auto& fuel = p.pro.sim.FuelTotals;
    fuel = {.leftPercent = 90, .rightPercent = 91, .centrePercent = 50, .totalPercent = 70, .totalCapacity = 9000,
            .leftGallons = 2000, .rightGallons = 2010, .centreGallons = 2300, .totalGallons = 6310,
            .leftLbs = 13400, .rightLbs = 13467, .centreLbs = 15410, .FuelTotalLbs = 42277};

    MusicRunning();
    p.Watch({"\\EyeCheck.cfg"});
    p.SetOrigin();
  }

  void MakeBoardProgram() {
    std::filesystem::create_directories(p.dir.Path() / "vovu030");
    p.File("\\vovu030\\Vovu", "#!/bin/sh\n");
  }

  // The call from `at`: chime, first part, details, 2 s, repeat, details, chime (31 s);
  // without a chime when there is none to play, without the flight number's digits when
  // it is not spoken (28 s).
  test::ExpectedRun Call(double at, const char* chime = kChime, bool flightDigits = true) const {
    auto details = Expect(0, kVolume);
    details.Part("\\Wav\\Lob\\Cmp\\Japan\\LCOMP_03.wav", "Ｇ０：航空会社名")
        .Parts({"\\Wav\\Lob\\NumHour\\09時.wav", "\\Wav\\Lob\\NumJ\\lo_nj3.wav", "\\Wav\\Lob\\NumMinu\\05分発.wav"});
    if (flightDigits)
      details.Parts({"\\Wav\\Lob\\NumJ\\lo_nk1.wav", "\\Wav\\Lob\\NumJ\\lo_nh2.wav", "\\Wav\\Lob\\NumBin\\lo_bs5.wav"});
    details.Part("\\Wav\\Lob\\Apt0\\Japan\\LAPT_05.wav", "Ｇ０：到着空港")
        .Part("\\Wav\\Lob\\お客様は.wav", "Ｇ０：出発案内２")
        .Parts({"\\Wav\\Lob\\NumJ\\lo_nj1.wav", "\\Wav\\Lob\\NumGate\\lo_gs2.wav"})
        .Part("\\Wav\\Lob\\お急ぎ下さい.wav", "Ｇ０：出発案内３");
    auto call = Expect(at, kVolume);
    if (chime) call.Part(chime, "Ｇ０：チャイム");
    call.Part("\\Wav\\Lob\\出発最終案内.wav", "Ｇ０：出発案内１").Then(details).Pause(2);
    call.Part("\\Wav\\Lob\\繰返しお知らせ.wav", "Ｇ０：繰返し").Then(details);
    if (chime) call.Part(chime, "Ｇ０：チャイム");
    return call;
  }

  // The murmur loops from `from` to `to`; its end plays from `to` for 4 s.
  static std::vector<Played> WithMurmur(double from, double to, std::vector<Played> call) {
    call.insert(call.begin(), {kMurmur, from, to, kVolume, 0, true});
    call.push_back({kMurmurEnd, to, to + 4000, kVolume, 0, false});
    return call;
  }

  void ExpectGroupDone() const {
    EXPECT_EQ(p.pro.flight.GroundStep, 1);
    EXPECT_FALSE(p.Exists("\\EyeCheck.cfg"));
    GroupTest::ExpectGroupDone(7, 25);
  }

  TimedLauncher launcher{p};
};

TEST_F(BoardingTest, TheWholeCallWithoutViewSwitchOrBoard) {
  p.Serve(10);
  // Music down and 1 s; the murmur loops from 1 s; the call from 1 s to 32 s; 3 s; the
  // murmur's end for 4 s; the caption emptied at 39 s and the music back 1 s later.
  const auto call = Call(1000);
  test::ExpectTimeline(p.Timeline(), WithMurmur(1000, 35000, call.played), 20);
  ExpectMarks(p.Marks(), call.Captions("Ｇ０：空港案内", 39000), 20);
  ASSERT_EQ(p.MusicLevels().size(), 2u);
  EXPECT_NEAR(p.MusicLevels()[1].first, 40000, 20);
  EXPECT_TRUE(launcher.marks.empty());
  ExpectGroupDone();

  const state::EngineState& e = p.pro.engine;
  EXPECT_EQ(e.FlightDigitMask, "1101");
  EXPECT_EQ(e.MinuteDigitMask, "11");
  EXPECT_EQ(e.GateDigitMask, "011");
  EXPECT_EQ(p.pro.flight.FlightStage, 0);
  EXPECT_EQ(p.pro.flight.CurrentVolumeIndex, 0);
  // The departure clock, fuel and maxima of the flight's start.
  const auto& times = p.pro.briefing.BriefingTimes;
  EXPECT_EQ(times.events[2].localHour, 9);
  EXPECT_EQ(times.events[2].localMinute, 40);
  EXPECT_EQ(times.departureTimeDifference, -540);
  EXPECT_EQ(times.events[0].gmtHour, 0);
  EXPECT_EQ(times.events[0].gmtMinute, 35);
  EXPECT_EQ(p.pro.briefing.DepartureFuel,
            (std::array<std::int32_t, 12>{90, 13400, 2000, 91, 13467, 2010, 50, 15410, 2300, 70, 42277, 6310}));
  EXPECT_EQ(p.pro.sim.FlightMaxima.altitudeFt, 0);
}

// A flight number that is no number, or beyond four places, is not spoken: the call goes
// on without its digits and the ground step moves on.
class BoardingFlightNumberTest : public BoardingTest, public ::testing::WithParamInterface<const char*> {};
INSTANTIATE_TEST_SUITE_P(NotSpoken, BoardingFlightNumberTest, ::testing::Values("JL123", "", "40000"));

TEST_P(BoardingFlightNumberTest, TheCallGoesOnWithoutTheFlightNumber) {
  p.pro.briefing.TobBriefing.FlightNumber = GetParam();
  p.Serve(10);
  const auto call = Call(1000, kChime, false);
  test::ExpectTimeline(p.Timeline(), WithMurmur(1000, 32000, call.played), 20);
  ExpectMarks(p.Marks(), call.Captions("Ｇ０：空港案内", 36000), 20);
  EXPECT_EQ(p.pro.engine.FlightDigitMask, "0000");
  ExpectGroupDone();
}

TEST_F(BoardingTest, WithTheViewSwitchTheInspectionViewRunsTenSecondsBeforeAndTenAfter) {
  p.pro.main.ViewSwitchOption = "ON";
  p.pro.briefing.TobBriefing.FlipBoardOn = 1;  // the call-out program's board, not ours
  MakeBoardProgram();
  std::string written;
  p.pump.At(p.origin + 5'000'000'000, [&] {
    datafiles::EyeCheckCfg values;
    datafiles::ReadEyeCheckCfgFile(p.paths.Under("\\EyeCheck.cfg"), values);
    written = values.InspectionDoorSwitch + " " + std::to_string(values.InspectionBoardFlag) + " " +
              values.arrivalBoardName + " " + values.flightNumber;
  });
  p.Serve(10);
  // The call 10 s later; EyeCheck.cfg from the start to 3 s after the call; 7 s more.
  test::ExpectTimeline(p.Timeline(), WithMurmur(1000, 52000, Call(11000).played), 20);
  std::vector<Mark> marks = Call(11000).Captions("Ｇ０：空港案内", 56000);
  marks.insert(marks.begin() + 1, {0, "+\\EyeCheck.cfg"});
  marks.insert(marks.end() - 1, {45000, "-\\EyeCheck.cfg"});
  ExpectMarks(p.Marks(), marks, 20);
  EXPECT_EQ(written, "ON 1 札幌 1205");
  EXPECT_TRUE(launcher.marks.empty()) << "the board is the call-out program's";
  ExpectGroupDone();
}

TEST_F(BoardingTest, AnErrorDuringTheCallTakesEyeCheckAwaySoTheNextRunShowsItAnew) {
  p.pro.main.ViewSwitchOption = "ON";
  p.pump.At(p.origin + 5'000'000'000, [] { throw runtime::RuntimeError(runtime::kTypeMismatch); });
  p.boxes.Expect("VexlorPro", ui::Answer::Ok, "型が一致しません。");
  p.Serve(10);
  EXPECT_EQ(p.boxes.PendingExpectations(), 0u);
  ASSERT_EQ(p.boxes.shown.size(), 1u);
  p.boxes.shown.clear();
  // Written at the start; the error in the lobby's waiting time ends the group, which
  // takes the file away with its clean-up.
  ExpectMarks(p.Marks(), {{0, "Ｇ０：空港案内"}, {0, "+\\EyeCheck.cfg"}, {5000, ""}, {5000, "-\\EyeCheck.cfg"}}, 20);
  EXPECT_FALSE(p.Exists("\\EyeCheck.cfg"));
  EXPECT_EQ(p.pro.flight.GroundStep, 0);
  GroupTest::ExpectGroupDone(7, 25);

  // Run again, the call-out program sees the file appear anew.
  p.Serve(10);
  const auto marks = p.Marks();
  EXPECT_EQ(std::count_if(marks.begin(), marks.end(), [](const Mark& m) { return m.what == "+\\EyeCheck.cfg"; }), 2);
  ExpectGroupDone();
}

TEST_F(BoardingTest, WithTheBoardItShowsFromTheMurmurUntilASecondBeforeTheLastWait) {
  MakeBoardProgram();
  p.pro.briefing.TobBriefing.FlipBoardOn = 1;
  // No chime of the airport's own: a Type_ chime drawn first, then the board's draws.
  p.pro.files.AirportTable[1].チャイム = "";
  p.Wav("\\Wav\\Lob\\Type_a.wav", 2.0);
  p.random.Push(0.6);  // Type_b
  p.Serve(10);
  const auto call = Call(1000, "\\Wav\\Lob\\Type_b.wav");
  test::ExpectTimeline(p.Timeline(), WithMurmur(1000, 36000, call.played), 20);
  ExpectMarks(p.Marks(), call.Captions("Ｇ０：空港案内", 40000), 20);
  ExpectMarks(launcher.marks, {{1000, "start 1000"}, {33000, "close 1000"}}, 20);
  const auto& started = launcher.inner.started.at(0);
  EXPECT_EQ(started.program, p.dir.Path() / "vovu030" / "Vovu");
  EXPECT_EQ(started.args, std::vector<std::string>{(p.dir.Path() / "vovu030" / "出発.pdt").string()});
  EXPECT_EQ(p.pro.files.BoardDestinationName, "札幌");
  EXPECT_EQ(p.pro.files.BoardTaskId, 0);
  // The own flight first; destinations drawn only among the eligible (大阪).
  const std::string timetable = runtime::Cp932ToUtf8(p.dir.ReadBytes("vovu030/出発.pdt"));
  EXPECT_NE(timetable.find("\"0\",\"7\",\"1\",\"2\",\"0\",\"5\",\"10\",\"0\",\"1\",\"10\",\"093500\",\"1\""),
            std::string::npos);
  const std::string plan = runtime::Cp932ToUtf8(p.dir.ReadBytes("vovu030/出発.ppl"));
  EXPECT_NE(plan.find("[ColumnData06]\r\n\"\",\"$FFFFFF\",\"$000000\"\r\n\"大阪\""), std::string::npos);
  ExpectGroupDone();
}

TEST_F(BoardingTest, ABoardThatCannotBeShownIsReportedAndTheGroupGoesOnWithoutIt) {
  p.pro.briefing.TobBriefing.FlipBoardOn = 1;  // but no vovu030 folder
  p.Serve(10);
  test::ExpectTimeline(p.Timeline(), WithMurmur(1000, 35000, Call(1000).played), 20);
  const std::string report = "Ｇ０：パタパタ表示なし（vovu030 フォルダがありません）";
  std::vector<Mark> marks = Call(1000).Captions("Ｇ０：空港案内", 39000);
  marks.insert(marks.begin() + 1, {1000, report});
  marks.insert(marks.end() - 1, {32000, report});
  ExpectMarks(p.Marks(), marks, 20);
  EXPECT_TRUE(launcher.marks.empty());
  ExpectGroupDone();

  // The pickers' "no slot" as the arrival: no board name to show.
  MakeBoardProgram();
  p.pro.files.RouteAirports[1].slot = "999";
  p.pro.flight.GroundStep = 0;
  p.window.history.clear();
  p.Serve(10);
  bool reported = false;
  for (const Mark& m : p.Marks()) reported = reported || m.what == "Ｇ０：パタパタ表示なし（空港番号が正しくありません）";
  EXPECT_TRUE(reported);
  EXPECT_TRUE(launcher.marks.empty());
  ExpectGroupDone();
}

TEST_F(BoardingTest, AnInspectionViewWhoseFileCannotBeWrittenIsReportedAndTheGroupGoesOn) {
  p.pro.main.ViewSwitchOption = "ON";
  std::filesystem::create_directories(p.dir.Path() / "EyeCheck.cfg");  // a folder in the file's place
  p.Serve(10);
  const auto marks = p.Marks();
  ASSERT_GE(marks.size(), 3u);
  EXPECT_EQ(marks[0].what, "Ｇ０：空港案内");
  const std::string report = marks[1].what;
  EXPECT_EQ(report.rfind("Ｇ０：視点切替なし（", 0), 0u) << report;
  EXPECT_EQ(marks[marks.size() - 2].what, report);
  EXPECT_EQ(marks.back().what, "");
  EXPECT_FALSE(p.Timeline().empty());
  ExpectGroupDone();
}

TEST_F(BoardingTest, NoChimeAtAllLeavesTheChimeSilentWithoutAMessage) {
  p.pro.files.AirportTable[1].チャイム = "..\\Lob\\haneda.wav";  // leaves the lobby folder: missing
  std::filesystem::remove(p.dir.Path() / "Wav/Lob/Type_b.wav");  // and no chime to draw
  p.Serve(10);
  EXPECT_EQ(p.pro.engine.SoundSlotFile[13], "");
  // The silent chimes take no time.
  test::ExpectTimeline(p.Timeline(), WithMurmur(1000, 31000, Call(1000, nullptr).played), 20);
  ExpectGroupDone();
}

TEST_F(BoardingTest, TheSpecialRecordingReplacesTheMurmurAndTheCall) {
  p.pro.engine.SpecialVoiceOn = true;
  p.Serve(10);
  // Slot 6 at full volume from 1 s for its 20 s; 10 s in place of the call, 3 s.
  test::ExpectTimeline(p.Timeline(), {{"\\Wav\\himitu\\nw057\\G0搭乗案内.wav", 1000, 21000, 0, 0, false}}, 20);
  ExpectMarks(p.Marks(), {{0, "Ｇ０：空港案内"}, {21000, ""}}, 20);
  EXPECT_EQ(SlotBuffer(p.pro, kSpecialSlot), 0);
  ExpectGroupDone();
}

TEST_F(BoardingTest, AnAbortInTheFirstChimeSkipsTheCallButStillEndsTheMurmurAndCleansUp) {
  MakeBoardProgram();
  p.pro.briefing.TobBriefing.FlipBoardOn = 1;
  p.pump.At(p.origin + 1'500'000'000, [&] { p.pro.engine.AnnounceAbort = true; });
  p.Serve(10);
  // Every wait after the cut ends at once: the board closed, the murmur's end started
  // and cut by the clean-up.
  test::ExpectTimeline(p.Timeline(), {{"\\Wav\\Lob\\zawazawa_m.wav", 1000, 1500, kVolume, 0, true},
                                      {"\\Wav\\Lob\\haneda.wav", 1000, 1500, kVolume, 0, false},
                                      {"\\Wav\\Lob\\zawazawa_e.wav", 1500, 1500, kVolume, 0, false}},
                       20);
  ExpectMarks(p.Marks(), {{0, "Ｇ０：空港案内"}, {1000, "Ｇ０：チャイム"}, {1500, ""}}, 20);
  ExpectMarks(launcher.marks, {{1000, "start 1000"}, {1500, "close 1000"}}, 20);
  ASSERT_EQ(p.MusicLevels().size(), 2u);
  EXPECT_NEAR(p.MusicLevels()[1].first, 1500, 20) << "the restore's wait ends with the cut too";
  ExpectGroupDone();
}

TEST_F(BoardingTest, TheWindowClosingWhileTheBoardShowsEndsTheGroupAndTheBoard) {
  MakeBoardProgram();
  p.pro.briefing.TobBriefing.FlipBoardOn = 1;
  p.pump.At(p.origin + 5'000'000'000, [&] { EndFlight(p.pro); });
  p.Serve(10);
  ExpectMarks(launcher.marks, {{1000, "start 1000"}, {5000, "close 1000"}}, 20);
  EXPECT_EQ(p.pro.files.BoardTaskId, 0);
  const auto timeline = p.Timeline();
  ASSERT_FALSE(timeline.empty());
  EXPECT_EQ(timeline.back().file, "\\Wav\\Lob\\出発最終案内.wav");
  EXPECT_EQ(p.pro.flight.GroundStep, 0);
  EXPECT_EQ(p.Marks().back().what, "Ｇ０：出発案内１");
  EXPECT_EQ(p.sound.LiveBuffers(), 0);
}

TEST_F(BoardingTest, TheLoaderNamesTheSlotsOfAnyFlight) {
  struct Case {
    const char* flight;
    int minute, gate;
    const char* airline;
    const char* arrival;
    std::map<int, std::string> slots;  // slot: file literal
    std::string flightMask, minuteMask, gateMask;
  };
  const Case cases[] = {
      {"120", 0, 5, "3", "5",
       {{16, "\\Wav\\Lob\\NumJ\\lo_nk0.wav"}, {17, "\\Wav\\Lob\\NumJ\\lo_nh1.wav"},
        {18, "\\Wav\\Lob\\NumBin\\lo_bj2.wav"}, {22, "\\Wav\\Lob\\NumMinu\\00分発.wav"},
        {25, "\\Wav\\Lob\\NumGate\\lo_gs5.wav"}},
       "0110", "01", "001"},
      {"1005", 30, 20, "103", "150",
       {{14, "\\Wav\\Lob\\Cmp\\World\\LCOMP_03.wav"}, {15, "\\Wav\\Lob\\Apt0\\World\\LAPT_50.wav"},
        {16, "\\Wav\\Lob\\NumJ\\lo_nk1.wav"}, {19, "\\Wav\\Lob\\NumBin\\lo_bs5.wav"},
        {21, "\\Wav\\Lob\\NumMinu\\30分発.wav"}, {24, "\\Wav\\Lob\\NumGate\\lo_gj2.wav"}},
       "1001", "10", "010"},
      {"7", 5, 105, "0", "0",
       {{14, "\\Wav\\Lob\\Cmp\\Japan\\LCOMP_00.wav"}, {19, "\\Wav\\Lob\\NumBin\\lo_bs7.wav"},
        {21, "\\Wav\\Lob\\NumJ\\lo_nj0.wav"}, {22, "\\Wav\\Lob\\NumMinu\\05分発.wav"},
        {23, "\\Wav\\Lob\\NumJ\\lo_nh1.wav"}, {25, "\\Wav\\Lob\\NumGate\\lo_gs5.wav"}},
       "0001", "01", "101"},
  };
  p.pro.briefing.BriefingTimes.events[0].localHour = 7;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flight);
    p.pro.briefing.TobBriefing.FlightNumber = c.flight;
    p.pro.briefing.BriefingTimes.events[0].localMinute = static_cast<std::int16_t>(c.minute);
    p.pro.briefing.TobBriefing.DepartureGate = static_cast<std::int16_t>(c.gate);
    p.pro.briefing.SelectedAirlineIndex = c.airline;
    p.pro.files.RouteAirports[1].slot = c.arrival;
    PrepareBoardingAnnouncement(p.pro);
    for (const auto& [slot, file] : c.slots) EXPECT_EQ(p.Literal(p.pro.engine.SoundSlotFile[slot]), file) << slot;
    EXPECT_EQ(p.Literal(p.pro.engine.SoundSlotFile[13]), "\\Wav\\Lob\\haneda.wav");
    EXPECT_EQ(p.Literal(p.pro.engine.SoundSlotFile[20]), "\\Wav\\Lob\\NumHour\\07時.wav");
    EXPECT_EQ(p.pro.engine.FlightDigitMask, c.flightMask);
    EXPECT_EQ(p.pro.engine.MinuteDigitMask, c.minuteMask);
    EXPECT_EQ(p.pro.engine.GateDigitMask, c.gateMask);
    EXPECT_EQ(p.pro.engine.FirstLoadedSlot, 7);
    EXPECT_EQ(p.pro.engine.LastLoadedSlot, 25);
    StopAllAnnouncementSounds(p.pro);
  }
  EXPECT_TRUE(p.boxes.shown.empty());
}

}  // namespace
}  // namespace vx::announce
