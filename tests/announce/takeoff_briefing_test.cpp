// The take-off briefing on virtual time for one known briefing: runway 34R, wind 340 at 7
// slightly from the right, 18 and 11 degrees, QNH 2992, fuel 42,000 lb on 260,000 lb,
// flaps 5, V-speeds 140/145/150, cruise 35,000 ft. The whole group with the card's moves,
// captions and hand-over files on one timeline; the view switch with a fake call-out
// program and both airport add-on flags; the centre runway; an abort and the window
// closing in the first half; and the loaders' digit rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "announce/flight_lifecycle.h"
#include "announce/group_fixture.h"
#include "announce/sound_slots.h"
#include "announce/takeoff_briefing.h"

namespace vx::announce {
namespace {

using test::ExpectMarks;
using test::Mark;

constexpr int kVolume = -300;  // volume setting 9 of index 1

std::string Tob(int n) { return "\\Wav\\TOB\\ca1g" + std::string(n < 10 ? "0" : "") + std::to_string(n) + ".wav"; }
const std::string kE = "\\Wav\\CP\\NumE\\";
const std::string kJ = "\\Wav\\CP\\NumJ\\";
const std::string kEtc = "\\Wav\\CP\\Etc\\";

const test::Recording kRecordings[] = {
    {"\\Wav\\TOB\\ca1g01.wav", 8.0},  {"\\Wav\\TOB\\ca1g02.wav", 1.0},  {"\\Wav\\TOB\\ca1g03.wav", 1.0},
    {"\\Wav\\TOB\\ca1g04.wav", 1.0},  {"\\Wav\\TOB\\ca1g05.wav", 1.0},  {"\\Wav\\TOB\\ca1g06.wav", 1.0},
    {"\\Wav\\TOB\\ca1g07.wav", 1.0},  {"\\Wav\\TOB\\ca1g08.wav", 1.0},  {"\\Wav\\TOB\\ca1g09.wav", 1.0},
    {"\\Wav\\TOB\\ca1g10.wav", 1.0},  {"\\Wav\\TOB\\ca1g11.wav", 12.0}, {"\\Wav\\TOB\\ca1g12.wav", 1.0},
    {"\\Wav\\TOB\\ca1g13.wav", 10.0}, {"\\Wav\\TOB\\ca1g14.wav", 2.0},  {"\\Wav\\TOB\\ca1g15.wav", 2.0},
    {"\\Wav\\CP\\NumE\\cp_cm0.wav", 1.0}, {"\\Wav\\CP\\NumE\\cp_cm1.wav", 1.0}, {"\\Wav\\CP\\NumE\\cp_cm2.wav", 1.0},
    {"\\Wav\\CP\\NumE\\cp_cm3.wav", 1.0}, {"\\Wav\\CP\\NumE\\cp_cm4.wav", 1.0}, {"\\Wav\\CP\\NumE\\cp_cm5.wav", 1.0},
    {"\\Wav\\CP\\NumE\\cp_cm9.wav", 1.0}, {"\\Wav\\CP\\NumE\\cp_ce0.wav", 1.0}, {"\\Wav\\CP\\NumE\\cp_ce2.wav", 1.0},
    {"\\Wav\\CP\\NumE\\cp_ce4.wav", 1.0}, {"\\Wav\\CP\\NumE\\cp_ce5.wav", 1.0}, {"\\Wav\\CP\\NumE\\cp_ce9.wav", 1.0},
    {"\\Wav\\CP\\NumJ\\cp_nh3.wav", 1.0}, {"\\Wav\\CP\\NumJ\\cp_nj4.wav", 1.0}, {"\\Wav\\CP\\NumJ\\cp_nj1.wav", 1.0},
    {"\\Wav\\CP\\NumJ\\cp_nm4.wav", 1.0}, {"\\Wav\\CP\\NumJ\\cp_ng3.wav", 1.0}, {"\\Wav\\CP\\NumJ\\cp_nk1.wav", 1.0},
    {"\\Wav\\CP\\NumJ\\cp_nk3.wav", 1.0}, {"\\Wav\\CP\\NumJ\\cp_nh5.wav", 1.0}, {"\\Wav\\CP\\NumJ\\cp_nm3.wav", 1.0},
    {"\\Wav\\CP\\NumJ\\cp_ns0.wav", 1.0},  // the wind's ones, 0: not spoken
    {"\\Wav\\CP\\NumKnot\\cp_ks7.wav", 1.0}, {"\\Wav\\CP\\NumDo\\cp_ds8.wav", 1.0}, {"\\Wav\\CP\\NumDo\\cp_ds1.wav", 1.0},
    {"\\Wav\\CP\\NumLbs\\cp_pk2.wav", 1.0}, {"\\Wav\\CP\\NumFeet\\cp_fk5.wav", 1.0},
    {"\\Wav\\CP\\NumFeet\\cp_fk3.wav", 1.0},
    {"\\Wav\\CP\\Etc\\cp_rwr.wav", 1.0}, {"\\Wav\\CP\\Etc\\cp_rwl.wav", 1.0}, {"\\Wav\\CP\\Etc\\cp_wry.wav", 1.0},
    {"\\Wav\\CP\\Etc\\cp_flap.wav", 1.0}, {"\\Wav\\CP\\Etc\\cp_t1c1.wav", 1.0}, {"\\Wav\\CP\\Etc\\cp_up.wav", 1.0},
    {"\\Wav\\CP\\Etc\\cp_upnav.wav", 1.0}, {"\\Wav\\CP\\Etc\\cp_efacc.wav", 1.0}, {"\\Wav\\CP\\Etc\\cp_acc.wav", 1.0},
    {"\\Wav\\CP\\Etc\\cp_treduc.wav", 1.0}, {"\\Wav\\CP\\Etc\\cp_pwr.wav", 1.0}, {"\\Wav\\CP\\Etc\\cp_minas.wav", 1.0},
};

// Marks in the order the program's timeline keeps them: by time, and at one time the
// captions, then the hand-over files, then the card's moves.
std::vector<Mark> Arranged(const std::vector<Mark>& marks) {
  const auto rank = [](const Mark& m) {
    if (m.what.empty() || m.what.rfind("Ｇ", 0) == 0) return 0;
    if (m.what[0] == '+' || m.what[0] == '-') return 1;
    return 2;
  };
  std::vector<Mark> out;
  for (int r = 0; r < 3; ++r)
    for (const Mark& m : marks)
      if (rank(m) == r) out.push_back(m);
  std::stable_sort(out.begin(), out.end(), [](const Mark& a, const Mark& b) { return a.atMs < b.atMs; });
  return out;
}

class TakeoffBriefingTest : public test::GroupTest {
 protected:
  TakeoffBriefingTest() : GroupTest(kRecordings) {
    VolumeSetting(1, 9);
    KnownTakeoffBriefing(p);
    p.pro.sim.FlightMaxima.altitudeFt = 1000;
    p.pro.main.ViewSwitchOption = "OFF";
    p.pro.flight.GroundStep = 1;
    MusicRunning();
    p.Watch({"\\EyeCargo.cfg", "\\EyeDoor.cfg"});
    p.SetOrigin();
  }

  // The call-out program: deletes each view file `seconds` after it appears.
  void FakeCallOutProgram(double cargoSeconds, double doorSeconds) {
    p.alsoOnPump = [this, cargoSeconds, doorSeconds] {
      for (auto [file, seconds] : {std::pair{"\\EyeCargo.cfg", cargoSeconds}, std::pair{"\\EyeDoor.cfg", doorSeconds}}) {
        if (!seen_[file] && p.Exists(file)) {
          seen_[file] = true;
          const std::string name = file;
          p.pump.At(p.clock.MonotonicNanos() + static_cast<std::int64_t>(seconds * 1e9),
                    [this, name] { p.paths.DeleteIfExists(name); });
        }
      }
    };
  }

  // The first half from 1 s: card rows 0 to 9, runway to QNH (29 s).
  test::ExpectedRun FirstHalf() const {
    auto run = Expect(1000, kVolume);
    run.Note("Ｇ１：ＴＯＢ１－０１").Note("mark 0").Note("reveal 0");
    // ca1g01 plays 8 s; the card's first rows run under it, at 5, 6 and 7 s.
    run.played = {{Tob(1), 1000, 9000, kVolume, 0, false}};
    for (auto [at, moves] : std::initializer_list<std::pair<double, std::vector<std::string>>>{
             {5000, {"unmark 0", "mark 1", "reveal 1"}},
             {6000, {"unmark 1", "mark 2", "reveal 2"}},
             {7000, {"unmark 2", "mark 3", "mark 10", "reveal 10"}}})
      for (const std::string& m : moves) run.captions.push_back({at, m});
    run = Continue(run, 9000);
    run.Part(kE + "cp_cm3.wav").Part(kE + "cp_ce4.wav").Part(kEtc + "cp_rwr.wav");
    run.Note("Ｇ１：ＴＯＢ１－０２").Note("unmark 3").Note("unmark 10").Note("reveal 4").Note("mark 4").Note("mark 5");
    run.Part(Tob(2)).Part(kJ + "cp_nh3.wav").Part(kJ + "cp_nj4.wav").Part(Tob(4)).Part("\\Wav\\CP\\NumKnot\\cp_ks7.wav");
    run.Note("reveal 5").Part(kEtc + "cp_wry.wav");
    run.Note("Ｇ１：ＴＯＢ１－０３").Note("unmark 4").Note("unmark 5").Note("reveal 6").Note("mark 6").Note("mark 7");
    run.Part(Tob(3)).Part(kJ + "cp_nj1.wav").Part("\\Wav\\CP\\NumDo\\cp_ds8.wav").Note("reveal 7");
    run.Part(Tob(4)).Part(kJ + "cp_nj1.wav").Part("\\Wav\\CP\\NumDo\\cp_ds1.wav");
    run.Note("Ｇ１：ＴＯＢ１－０５").Note("reveal 8").Note("unmark 6").Note("unmark 7").Note("mark 8");
    run.Part(Tob(5)).Parts({kE + "cp_cm2.wav", kE + "cp_ce9.wav", kE + "cp_cm9.wav", kE + "cp_ce2.wav"});
    run.Note("Ｇ１：ＴＯＢ１－０６").Note("unmark 8").Note("mark 9").Note("reveal 9").Part(Tob(6));
    return run;
  }

  // The expected run so far, going on at `at`.
  test::ExpectedRun Continue(const test::ExpectedRun& so, double at) const {
    auto run = Expect(at, kVolume);
    run.played = so.played;
    run.captions = so.captions;
    return run;
  }

  static void Move(test::ExpectedRun& run, int from, int to) {
    run.Note("unmark " + std::to_string(from)).Note("mark " + std::to_string(to)).Note("reveal " + std::to_string(to));
  }

  // The second half from `at`: card rows 11 to 28 (48 s).
  test::ExpectedRun SecondHalf(double at) const {
    auto run = Expect(at, kVolume);
    run.Note("Ｇ１：ＴＯＢ１－０７");
    Move(run, 9, 11);
    run.Part(Tob(7)).Part(kJ + "cp_nm4.wav").Part("\\Wav\\CP\\NumLbs\\cp_pk2.wav");
    run.Note("Ｇ１：ＴＯＢ１－０８").Note("unmark 11").Note("reveal 14").Note("mark 14");
    run.Part(Tob(8)).Part(kJ + "cp_ng3.wav").Part("\\Wav\\CP\\NumLbs\\cp_pk2.wav");
    Move(run, 14, 15);
    run.Parts({kEtc + "cp_flap.wav", kE + "cp_cm0.wav", kE + "cp_ce5.wav"});
    Move(run, 15, 16);
    run.Part(kEtc + "cp_t1c1.wav");
    Move(run, 16, 17);
    run.Parts({kEtc + "cp_upnav.wav", kEtc + "cp_up.wav"});
    Move(run, 17, 18);
    run.Parts({kEtc + "cp_efacc.wav", kJ + "cp_nk1.wav", kJ + "cp_nh5.wav"});
    Move(run, 18, 19);
    run.Parts({kEtc + "cp_acc.wav", kJ + "cp_nk3.wav"});
    Move(run, 19, 20);
    run.Parts({kEtc + "cp_treduc.wav", kJ + "cp_nk1.wav", kJ + "cp_nh5.wav"});
    run.Note("Ｇ１：ＴＯＢ１－０９");
    Move(run, 20, 21);
    run.Parts({Tob(9), kE + "cp_cm1.wav", kE + "cp_cm4.wav", kE + "cp_ce0.wav"});
    Move(run, 21, 22);
    run.Parts({kE + "cp_cm1.wav", kE + "cp_cm4.wav", kE + "cp_ce5.wav"});
    Move(run, 22, 23);
    run.Parts({kE + "cp_cm1.wav", kE + "cp_cm5.wav", kE + "cp_ce0.wav"});
    run.Note("Ｇ１：ＴＯＢ１－１０");
    Move(run, 23, 24);
    run.Parts({Tob(10), kJ + "cp_nm3.wav", "\\Wav\\CP\\NumFeet\\cp_fk5.wav"});
    run.Note("Ｇ１：ＴＯＢ１－１１");
    Move(run, 24, 25);
    // ca1g11 plays 12 s; the card moves on after 10 s.
    const double talk = run.Now();
    run.played.push_back({Tob(11), talk, talk + 12000, kVolume, 0, false});
    run.Pause(10);
    Move(run, 25, 26);
    run.Pause(2);
    Move(run, 26, 27);
    run.Part("\\Wav\\CP\\NumFeet\\cp_fk3.wav");
    run.Note("Ｇ１：ＴＯＢ１－１２");
    Move(run, 27, 28);
    run.Parts({Tob(12), kEtc + "cp_pwr.wav"}).Note("unmark 28");
    return run;
  }

  // Rows 29 and 30 under ca1g13 (10 s) from `at`; the card unloaded 9 s later.
  static void DoorRows(test::ExpectedRun& run, double at) {
    run.captions.push_back({at, "Ｇ１：ＴＯＢ１－１３"});
    run.captions.push_back({at, "mark 29"});
    run.captions.push_back({at, "mark 30"});
    run.played.push_back({Tob(13), at, at + 10000, kVolume, 0, false});
    run.captions.push_back({at + 3000, "reveal 29"});
    for (const char* m : {"reveal 30", "unmark 29", "unmark 30"}) run.captions.push_back({at + 4000, m});
    run.captions.push_back({at + 9000, "unload"});
  }

  // The closing from `at`: ca1g14, the cruise altitude, the greeting (6 s).
  test::ExpectedRun Closing(const test::ExpectedRun& so, double at) const {
    auto run = Continue(so, at);
    run.Note("Ｇ１：ＴＯＢ１－１４").Part(Tob(14)).Parts({kJ + "cp_nm3.wav", "\\Wav\\CP\\NumFeet\\cp_fk5.wav"});
    run.Part(Tob(15));
    return run;
  }

  void ExpectGroupDone() const {
    EXPECT_EQ(p.pro.flight.GroundStep, 2);
    EXPECT_FALSE(p.card.loaded);
    GroupTest::ExpectGroupDone(7, 50);
  }

  std::map<std::string, bool> seen_;
};

TEST_F(TakeoffBriefingTest, TheWholeBriefingReadRowByRowWithTheCard) {
  p.Serve(11);
  auto run = FirstHalf();  // to 30 s
  auto second = SecondHalf(30000);  // to 78 s
  run = Continue(run, 30000).Then(second);
  DoorRows(run, 78000);
  run = Closing(run, 88000);  // to 94 s
  std::vector<Mark> marks = run.Captions("Ｇ１：ＴＯＢ１１", 94000);
  marks.insert(marks.begin(), {0, "show"});
  test::ExpectTimeline(p.Timeline(), run.played, 20);
  ExpectMarks(p.Marks(), Arranged(marks), 20);
  ASSERT_EQ(p.MusicLevels().size(), 2u);
  EXPECT_NEAR(p.MusicLevels()[1].first, 95000, 20);
  EXPECT_EQ(p.pro.sim.FlightMaxima.altitudeFt, 0);
  ExpectGroupDone();
}

// The hand-over marks and card moves among `wanted` as the program's timeline has them.
std::vector<Mark> Among(const std::vector<Mark>& marks, const std::vector<Mark>& wanted) {
  std::vector<Mark> out;
  for (const Mark& m : marks)
    for (const Mark& w : wanted)
      if (m.what == w.what) out.push_back(m);
  return out;
}

// With the view switch the card hides while the call-out program closes the cargo door
// (7.5 s, seen at the next 1 s poll); the boarding door follows slot 13 (5.5 s).
TEST_F(TakeoffBriefingTest, WithTheViewSwitchTheCallOutProgramClosesTheDoors) {
  p.pro.main.ViewSwitchOption = "ON";
  FakeCallOutProgram(7.5, 5.5);
  p.Serve(11);
  const std::vector<Mark> wanted = {{30000, "hidden"},  {30000, "+\\EyeCargo.cfg"}, {37500, "-\\EyeCargo.cfg"},
                                    {38000, "visible"}, {86000, "Ｇ１：ＴＯＢ１－１３"}, {95000, "unload"},
                                    {96000, "+\\EyeDoor.cfg"}, {101500, "-\\EyeDoor.cfg"},
                                    {102000, "Ｇ１：ＴＯＢ１－１４"}, {108000, ""}};
  ExpectMarks(Among(p.Marks(), wanted), Arranged(wanted), 20);
  ExpectGroupDone();
}

// With the airport add-on at the departure the boarding door closes while slot 13 plays.
TEST_F(TakeoffBriefingTest, WithTheAirportAddOnTheBoardingDoorClosesWhileSlot13Plays) {
  p.pro.main.ViewSwitchOption = "ON";
  p.pro.briefing.TobBriefing.DepartureAesFlag = 1;
  FakeCallOutProgram(7.5, 5.5);
  p.Serve(11);
  const std::vector<Mark> wanted = {{95000, "unload"}, {95000, "+\\EyeDoor.cfg"}, {100500, "-\\EyeDoor.cfg"},
                                    {101000, "Ｇ１：ＴＯＢ１－１４"}, {107000, ""}};
  ExpectMarks(Among(p.Marks(), wanted), Arranged(wanted), 20);
  EXPECT_EQ(p.Timeline().back().file, Tob(15));
  ExpectGroupDone();
}

TEST_F(TakeoffBriefingTest, TheCentreRunwayMarksRowThreeAndSpeaksNoSide) {
  p.pro.briefing.TobBriefing.TakeoffRunwaySide = "センター(C)";
  p.Serve(11);
  std::vector<std::string> at7s;
  for (const Mark& m : p.card.moves)
    if (std::abs(m.atMs - 7000) < 20) at7s.push_back(m.what);
  EXPECT_EQ(at7s, (std::vector<std::string>{"unmark 2", "mark 3", "reveal 3"}));
  for (const auto& played : p.Timeline()) {
    EXPECT_NE(played.file, kEtc + "cp_rwr.wav");
    EXPECT_NE(played.file, kEtc + "cp_rwl.wav");
  }
  for (const Mark& m : p.card.moves) EXPECT_NE(m.what, "mark 10");
  ExpectGroupDone();
}

TEST_F(TakeoffBriefingTest, AnAbortInTheFirstHalfSkipsThePartsButTheCardAndItsPausesGoOn) {
  p.pump.At(p.origin + 5'500'000'000, [&] { p.pro.engine.AnnounceAbort = true; });
  p.Serve(11);
  test::ExpectTimeline(p.Timeline(), {{Tob(1), 1000, 5500, kVolume, 0, false}}, 20);
  // Every row still marked in order; the 10 s of row 25 and the 3, 1 and 5 s of rows 29
  // and 30 still pass.
  const auto& moves = p.card.moves;
  const auto at = [&](const std::string& what) {
    for (const Mark& m : moves)
      if (m.what == what) return m.atMs;
    return -1.0;
  };
  EXPECT_NEAR(at("reveal 25"), 5500, 20);
  EXPECT_NEAR(at("reveal 26"), 15500, 20);
  EXPECT_NEAR(at("reveal 28"), 15500, 20);
  EXPECT_NEAR(at("reveal 29"), 18500, 20);
  EXPECT_NEAR(at("reveal 30"), 19500, 20);
  EXPECT_NEAR(at("unload"), 24500, 20);
  const auto captions = Among(p.Marks(), {{0, "Ｇ１：ＴＯＢ１－１３"}, {0, "Ｇ１：ＴＯＢ１－１４"}, {0, ""}});
  ExpectMarks(captions, {{15500, "Ｇ１：ＴＯＢ１－１３"}, {24500, "Ｇ１：ＴＯＢ１－１４"}, {24500, ""}}, 20);
  ExpectGroupDone();
}

TEST_F(TakeoffBriefingTest, TheWindowClosingInTheFirstHalfEndsTheGroupWithoutAHandOver) {
  p.pro.main.ViewSwitchOption = "ON";
  std::int64_t endedAt = 0;
  p.pump.At(p.origin + 5'500'000'000, [&] {
    EndFlight(p.pro);
    endedAt = p.clock.MonotonicNanos();
  });
  p.Serve(11);
  EXPECT_EQ(p.card.moves.back().what, "unload");
  EXPECT_NEAR(p.card.moves.back().atMs, 5500, 20);
  EXPECT_FALSE(p.card.loaded);
  for (const Mark& m : p.Marks()) EXPECT_EQ(m.what.find("EyeCargo"), std::string::npos) << m.what;
  EXPECT_FALSE(p.Exists("\\EyeCargo.cfg"));
  for (const auto& call : p.sound.calls) {
    if (call.op == platform::RecordingSoundDevice::Op::CreateBuffer) {
      EXPECT_LE(call.atNanos, endedAt);
    }
  }
  EXPECT_EQ(p.pro.flight.GroundStep, 1);
  EXPECT_EQ(p.sound.LiveBuffers(), 0);
}

TEST_F(TakeoffBriefingTest, TheLoadersSpeakEachNumberByItsRules) {
  struct Case {
    const char* what;
    std::function<void(state::ProContext&)> set;
    void (*loader)(state::ProContext&);
    std::map<int, std::string> slots;                // "" silent
    std::vector<std::pair<std::string state::EngineState::*, std::string>> masks;
  };
  using S = state::EngineState;
  auto& t = p.pro.briefing.TobBriefing;
  const Case cases[] = {
      {"calm", [](auto& pro) { pro.briefing.TobBriefing.WindSpeedText = "0"; }, PrepareTakeoffBriefing,
       {{21, "\\Wav\\CP\\NumKnot\\cp_ks0.wav"}}, {{&S::WindSpeedMask, "00"}}},
      {"000 at 5", [](auto& pro) {
         pro.briefing.TobBriefing.WindDirectionText = "000";
         pro.briefing.TobBriefing.WindSpeedText = "5";
       }, PrepareTakeoffBriefing,
       {{17, kJ + "cp_nh0.wav"}, {20, kJ + "cp_nj0.wav"}, {21, "\\Wav\\CP\\NumKnot\\cp_ks5.wav"}},
       {{&S::WindDirMask, "000"}, {&S::WindSpeedMask, "01"}}},
      {"0 degrees", [](auto& pro) { pro.briefing.TobBriefing.TemperatureText = "0"; }, PrepareTakeoffBriefing,
       {{23, "\\Wav\\CP\\NumDo\\cp_ds0.wav"}, {24, "\\Wav\\CP\\NumDo\\cp_ds0.wav"}}, {{&S::TempMask, "001"}}},
      {"-5 degrees", [](auto& pro) { pro.briefing.TobBriefing.DewPointText = "-5"; }, PrepareTakeoffBriefing,
       {{22, kEtc + "cp_minas.wav"}, {26, "\\Wav\\CP\\NumDo\\cp_ds5.wav"}}, {{&S::DewPointMask, "101"}}},
      {"no numbers", [](auto& pro) {
         pro.briefing.TobBriefing.WindDirectionText = "北";
         pro.briefing.TobBriefing.TemperatureText = "";
         pro.briefing.TobBriefing.QnhInHgText = "29x";
       }, PrepareTakeoffBriefing,
       {{17, ""}, {19, ""}, {23, ""}, {27, kE + "cp_cm2.wav"}, {29, ""}, {30, ""}},
       {{&S::WindDirMask, "000"}, {&S::TempMask, "000"}}},
      {"6,500 lb", [](auto& pro) { pro.sim.FuelTotals.FuelTotalLbs = 6500; }, PrepareWelcomeAnnouncement,
       {{18, "\\Wav\\CP\\NumLbs\\cp_pk6.wav"}}, {{&S::FuelMask, "001"}}},
      {"120,000 lb", [](auto& pro) { pro.sim.FuelTotals.FuelTotalLbs = 120000; }, PrepareWelcomeAnnouncement,
       {{16, kJ + "cp_nj1.wav"}, {17, "\\Wav\\CP\\NumLbs\\cp_pm2.wav"}}, {{&S::FuelMask, "110"}}},
      {"35,000 ft", [](auto& pro) { pro.briefing.TobBriefing.CruiseAltitude = 35000; }, PrepareWelcomeAnnouncement,
       {{37, kJ + "cp_nm3.wav"}, {38, "\\Wav\\CP\\NumFeet\\cp_fk5.wav"}}, {{&S::CruiseAltMask, "11"}}},
      {"40,000 ft", [](auto& pro) { pro.briefing.TobBriefing.CruiseAltitude = 40000; }, PrepareWelcomeAnnouncement,
       {{37, "\\Wav\\CP\\NumFeet\\cp_fm4.wav"}}, {{&S::CruiseAltMask, "10"}}},
      {"V1 95", [](auto& pro) { pro.briefing.TobBriefing.TakeoffV1 = 95; }, PrepareWelcomeAnnouncement,
       {{28, kE + "cp_cm0.wav"}, {29, kE + "cp_cm9.wav"}, {30, kE + "cp_ce5.wav"}}, {}},
      {"heights 4500/3000/800", [](auto& pro) {
         pro.briefing.TobBriefing.EngineOutAccelerationHeight = 4500;
         pro.briefing.TobBriefing.AccelerationHeight = 3000;
         pro.briefing.TobBriefing.ReductionHeight = 800;
         pro.briefing.TobBriefing.TroubleReturnAltitude = 800;
       }, PrepareWelcomeAnnouncement,
       {{40, kJ + "cp_nk4.wav"}, {41, kJ + "cp_nh5.wav"}, {43, kJ + "cp_nk3.wav"}, {46, kJ + "cp_nk0.wav"},
        {47, kJ + "cp_nh8.wav"}, {48, kJ + "cp_nk0.wav"}, {49, kJ + "cp_nh8.wav"}},
       {{&S::EngineOutAltMask, "11"}, {&S::AccelAltMask, "10"}, {&S::ReductionAltMask, "01"},
        {&S::AfterV1AltMask, "01"}}},
      {"after V1 3000", [](auto& pro) { pro.briefing.TobBriefing.TroubleReturnAltitude = 3000; },
       PrepareWelcomeAnnouncement, {{48, "\\Wav\\CP\\NumFeet\\cp_fk3.wav"}}, {{&S::AfterV1AltMask, "10"}}},
      {"thrust and return", [](auto& pro) {
         pro.briefing.TobBriefing.TakeoffThrust = "TO/CB";
         pro.briefing.TobBriefing.ClimbThrust = "Climb2";
         pro.briefing.TobBriefing.ReturnPattern = "ショートパターン";
         pro.briefing.TobBriefing.ReturnApproach = "ビジュアル";
         pro.briefing.TobBriefing.ClimbMode = "SPD/HDG/ALT";
       }, PrepareWelcomeAnnouncement,
       {{25, kEtc + "cp_tocb.wav"}, {27, kEtc + "cp_upspd.wav"}, {50, kEtc + "cp_psv.wav"}}, {}},
  };
  const state::TobBriefingValues saved = t;
  const auto fuel = p.pro.sim.FuelTotals;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    t = saved;
    p.pro.sim.FuelTotals = fuel;
    c.set(p.pro);
    c.loader(p.pro);
    for (const auto& [slot, literal] : c.slots) {
      const std::string& file = p.pro.engine.SoundSlotFile[static_cast<std::size_t>(slot)];
      EXPECT_EQ(literal.empty() ? file : p.Literal(file), literal) << slot;
    }
    for (const auto& [mask, value] : c.masks) EXPECT_EQ(p.pro.engine.*mask, value);
    StopAllAnnouncementSounds(p.pro);
  }
  EXPECT_TRUE(p.boxes.shown.empty());
}

}  // namespace
}  // namespace vx::announce
