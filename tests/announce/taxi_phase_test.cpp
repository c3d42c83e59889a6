// The taxi, take-off and hold groups on virtual time: G3 in the cockpit with the runway's
// right side and the airline's own safety announcement (the cabin check 5 s into it, a
// next request fading it), G3 in the cabin, G4 deleting BEGIN.cfg after a normal run and
// an abort but not after the window closed, G9 in both listening positions; the loaders'
// choices (sides, flaps, an airline file that is not there or names another folder) and
// the bounded voice draw.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "announce/flight_lifecycle.h"
#include "announce/group_fixture.h"
#include "announce/sound_slots.h"
#include "announce/taxi_phase.h"

namespace vx::announce {
namespace {

using test::ExpectMarks;

constexpr int kVolume = -600;  // volume setting 8
constexpr char kAirlineSafety[] = "\\Wav\\Etc\\安全放送\\jal.wav";

const test::Recording kRecordings[] = {
    // G3
    {"\\Wav\\CA1\\G3.wav", 20.0},
    {"\\Wav\\CA1\\G3_1.wav", 2.0},
    {"\\Wav\\CA1\\G3_2.wav", 2.0},
    {kAirlineSafety, 20.0},
    {"\\Wav\\CP\\G3_Taxi1.wav", 1.0},
    {"\\Wav\\CP\\G3_Taxi2.wav", 1.0},
    {"\\Wav\\CP\\G3_Taxi3.wav", 1.0},
    {"\\Wav\\CP\\G3_Taxi4.wav", 1.0},
    {"\\Wav\\CP\\NumE\\cp_cm3.wav", 0.5},
    {"\\Wav\\CP\\NumE\\cp_ce4.wav", 0.5},
    {"\\Wav\\CP\\Etc\\cp_rwr.wav", 0.5},
    {"\\Wav\\CP\\Etc\\cp_rwl.wav", 0.5},
    {"\\Wav\\FO\\NumE\\fo_cm3.wav", 0.5},
    {"\\Wav\\FO\\NumE\\fo_ce4.wav", 0.5},
    {"\\Wav\\FO\\Etc\\fo_rwr.wav", 0.5},
    {"\\Wav\\FO\\Etc\\fo_rwl.wav", 0.5},
    {"\\Wav\\CP\\Flap\\CP_Flap5.wav", 1.0},
    {"\\Wav\\CP\\G3_CntChk.wav", 3.0},
    {"\\Wav\\CP\\G3_BTOchk1.wav", 1.0},
    {"\\Wav\\CP\\G3_BTOchk2.wav", 1.0},
    // G4
    {"\\Wav\\CA1\\G4.wav", 3.0},
    {"\\Wav\\CP\\G4_CTO.wav", 2.0},
    // G9
    {"\\Wav\\CP\\G9_1.wav", 1.0},
    {"\\Wav\\CP\\G9_2.wav", 2.0},
};

class TaxiTest : public test::GroupTest {
 protected:
  TaxiTest() : GroupTest(kRecordings) {
    for (int index : {3, 4, 9}) VolumeSetting(index, 8);
    auto& tob = p.pro.briefing.TobBriefing;
    tob.TakeoffRunwayDigit1 = "3";
    tob.TakeoffRunwayDigit2 = "4";
    tob.TakeoffRunwaySide = "ライト(R)";
    tob.TakeoffFlap = 5;
    p.pro.briefing.CabinAttendantChoice = 1;
    p.pro.briefing.SelectedAirlineIndex = "0";
    p.pro.files.AirlineTable[0].安全放送 = " jal.wav ";
    p.pro.sim.FlightMaxima.altitudeFt = 5000;
    p.File("\\BEGIN.cfg", "1\r\n");
    p.SetOrigin();
  }
  void Cabin() { p.strip.texts[simlink::CabinBox::tbxCockpit] = "Cabin"; }
  // The taxi talk of the cockpit from 1 s: read-backs with the right side, the flaps.
  test::ExpectedRun TaxiTalk() const {
    auto run = Expect(1000, kVolume);
    run.Parts({"\\Wav\\CP\\G3_Taxi1.wav", "\\Wav\\FO\\NumE\\fo_cm3.wav", "\\Wav\\FO\\NumE\\fo_ce4.wav",
               "\\Wav\\FO\\Etc\\fo_rwr.wav", "\\Wav\\CP\\G3_Taxi2.wav", "\\Wav\\CP\\NumE\\cp_cm3.wav",
               "\\Wav\\CP\\NumE\\cp_ce4.wav", "\\Wav\\CP\\Etc\\cp_rwr.wav", "\\Wav\\CP\\G3_Taxi3.wav",
               "\\Wav\\CP\\Flap\\CP_Flap5.wav", "\\Wav\\CP\\G3_Taxi4.wav"});
    return run;
  }
  static std::vector<test::Played> Checks(double at) {
    return {{"\\Wav\\CP\\G3_BTOchk1.wav", at, at + 1000, kVolume},
            {"\\Wav\\CP\\Flap\\CP_Flap5.wav", at + 1000, at + 2000, kVolume},
            {"\\Wav\\CP\\G3_BTOchk2.wav", at + 2000, at + 3000, kVolume}};
  }
};

TEST_F(TaxiTest, G3InTheCockpitWithTheAirlinesSafetyAnnouncementAndTheCabinCheckOverIt) {
  MusicRunning();
  p.Serve(13);
  // Taxi talk 1 to 9 s; lead-in 9 to 11 s, 1 s; the airline's announcement from 12 s, the
  // cabin check 5 s into it; the closing part at its end, 2 s, the checks.
  std::vector<test::Played> played = TaxiTalk().played;
  played.push_back({"\\Wav\\CA1\\G3_1.wav", 9000, 11000, kVolume});
  played.push_back({kAirlineSafety, 12000, 32000, kVolume});
  played.push_back({"\\Wav\\CP\\G3_CntChk.wav", 17000, 20000, kVolume});
  played.push_back({"\\Wav\\CA1\\G3_2.wav", 32000, 34000, kVolume});
  for (const auto& c : Checks(36000)) played.push_back(c);
  test::ExpectTimeline(p.Timeline(), played, 20);
  ExpectMarks(p.Marks(), {{0, "Ｇ３：Ｔａｘｉ"}, {39000, ""}}, 20);
  EXPECT_EQ(p.pro.engine.AirlineSafetyFileUsed, 1);
  EXPECT_EQ(p.pro.sim.FlightMaxima.altitudeFt, 0);
  EXPECT_EQ(p.pro.flight.AtcChatterChannel, 2);
  EXPECT_EQ(p.pro.flight.GroundStep, 4);
  ExpectGroupDone(6, 23);
}

TEST_F(TaxiTest, G3ANextRequestDuringTheSafetyAnnouncementFadesItThenTwoSecondsThenTheClosingPart) {
  MusicRunning();
  p.pump.At(p.origin + 22'000'000'000, [&] { p.pro.engine.AnnounceRequest = 20; });
  p.Serve(13);
  std::vector<int> volumes;
  std::vector<double> times;
  for (const auto& c : p.sound.CallsOf({platform::RecordingSoundDevice::Op::SetVolume})) {
    volumes.push_back(c.volume);
    times.push_back(p.Ms(c.atNanos));
  }
  ASSERT_EQ(volumes.size(), 30u);
  EXPECT_NEAR(times.front(), 22000, 40);
  EXPECT_NEAR(times.back(), 22000 + 29 * 200, 40);
  const auto timeline = p.Timeline();
  ASSERT_GE(timeline.size(), 3u);
  // 30 steps of 0.2 s, 2 s: the closing part at 30 s, then 2 s and the checks.
  const std::vector<test::Played> tail = {{"\\Wav\\CA1\\G3_2.wav", 30000, 32000, kVolume}};
  const std::vector<test::Played> lastFour(timeline.end() - 4, timeline.end());
  std::vector<test::Played> expected = tail;
  for (const auto& c : Checks(34000)) expected.push_back(c);
  test::ExpectTimeline(lastFour, expected, 40);
  EXPECT_EQ(p.pro.engine.AnnounceRequest, 0);
}

TEST_F(TaxiTest, G3InTheCabinPlaysOnlyTheLeadInTheAnnouncementAndTheClosingPart) {
  Cabin();
  MusicRunning();
  p.Serve(13);
  test::ExpectTimeline(p.Timeline(),
                       {{"\\Wav\\CA1\\G3_1.wav", 1000, 3000, kVolume},
                        {kAirlineSafety, 4000, 24000, kVolume},
                        {"\\Wav\\CA1\\G3_2.wav", 24000, 26000, kVolume}},
                       20);
  ExpectMarks(p.Marks(), {{0, "Ｇ３：Ｔａｘｉ"}, {28000, ""}}, 20);
}

TEST_F(TaxiTest, G3LoaderChoices) {
  struct Case {
    const char* side;
    int flap;
    const char* airlineFile;
    const char* slot7;
    const char* slot16;
    const char* slot19;
    const char* slot20;
    int used;
  };
  const Case cases[] = {
      {"ライト(R)", 5, "jal.wav", kAirlineSafety, "\\Wav\\CP\\Etc\\cp_rwr.wav", "\\Wav\\FO\\Etc\\fo_rwr.wav",
       "\\Wav\\CP\\Flap\\CP_Flap5.wav", 1},
      {"レフト(L)", 30, "", "\\Wav\\CA1\\G3.wav", "\\Wav\\CP\\Etc\\cp_rwl.wav", "\\Wav\\FO\\Etc\\fo_rwl.wav",
       "\\Wav\\CP\\Flap\\CP_Flap30.wav", 0},
      {"センター(C)", 15, "absent.wav", "\\Wav\\CA1\\G3.wav", "\\Wav\\CP\\Etc\\cp_rwl.wav",
       "\\Wav\\FO\\Etc\\fo_rwl.wav", "\\Wav\\CP\\Flap\\CP_Flap15.wav", 0},
      {"なし", 1, "..\\..\\CA1\\G3_2.wav", "\\Wav\\CA1\\G3.wav", "\\Wav\\CP\\Etc\\cp_rwl.wav",
       "\\Wav\\FO\\Etc\\fo_rwl.wav", "\\Wav\\CP\\Flap\\CP_Flap15.wav", 0},
  };
  for (const Case& c : cases) {
    p.pro.briefing.TobBriefing.TakeoffRunwaySide = c.side;
    p.pro.briefing.TobBriefing.TakeoffFlap = static_cast<std::int16_t>(c.flap);
    p.pro.files.AirlineTable[0].安全放送 = c.airlineFile;
    PrepareSafetyAnnouncement(p.pro);
    const auto& slots = p.pro.engine.SoundSlotFile;
    EXPECT_EQ(p.Literal(slots[7]), c.slot7) << c.side;
    EXPECT_EQ(p.Literal(slots[16]), c.slot16) << c.side;
    EXPECT_EQ(p.Literal(slots[19]), c.slot19) << c.side;
    EXPECT_EQ(p.Literal(slots[20]), c.slot20) << c.side;
    EXPECT_EQ(p.pro.engine.AirlineSafetyFileUsed, c.used) << c.side;
    StopAllAnnouncementSounds(p.pro);
  }
}

// The taxi talk without both side parts (7 s from 1 s); without the airline's file the
// attendant's own announcement, with no lead-in, from 8 s.
TEST_F(TaxiTest, G3WithACentreRunwaySkipsBothSideParts) {
  p.pro.briefing.TobBriefing.TakeoffRunwaySide = "センター(C)";
  p.pro.files.AirlineTable[0].安全放送.clear();
  MusicRunning();
  p.Serve(13);
  auto run = Expect(1000, kVolume);
  run.Parts({"\\Wav\\CP\\G3_Taxi1.wav", "\\Wav\\FO\\NumE\\fo_cm3.wav", "\\Wav\\FO\\NumE\\fo_ce4.wav",
             "\\Wav\\CP\\G3_Taxi2.wav", "\\Wav\\CP\\NumE\\cp_cm3.wav", "\\Wav\\CP\\NumE\\cp_ce4.wav",
             "\\Wav\\CP\\G3_Taxi3.wav", "\\Wav\\CP\\Flap\\CP_Flap5.wav", "\\Wav\\CP\\G3_Taxi4.wav"});
  std::vector<test::Played> played = run.played;
  played.push_back({"\\Wav\\CA1\\G3.wav", 8000, 28000, kVolume});
  played.push_back({"\\Wav\\CP\\G3_CntChk.wav", 13000, 16000, kVolume});
  played.push_back({"\\Wav\\CA1\\G3_2.wav", 28000, 30000, kVolume});
  for (const auto& c : Checks(32000)) played.push_back(c);
  test::ExpectTimeline(p.Timeline(), played, 20);
  EXPECT_EQ(p.pro.engine.AirlineSafetyFileUsed, 0);
  EXPECT_EQ(p.pro.flight.GroundStep, 4);
  ExpectGroupDone(6, 23);
}

TEST_F(TaxiTest, G4DeletesBeginCfgAfterANormalRunAndAnAbortButNotAfterTheWindowClosed) {
  struct Case {
    const char* what;
    double atMs;  // when it happens; 0: nothing
    bool abort;
    bool kept;
    std::vector<test::Played> played;
  };
  const Case cases[] = {
      {"normal", 0, false, false,
       {{"\\Wav\\CA1\\G4.wav", 0, 3000, kVolume}, {"\\Wav\\CP\\G4_CTO.wav", 3000, 5000, kVolume}}},
      {"abort", 1500, true, false, {{"\\Wav\\CA1\\G4.wav", 0, 1500, kVolume}}},
      {"close", 1500, false, true, {{"\\Wav\\CA1\\G4.wav", 0, 1500, kVolume}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::EngineProgram& q = p;
    q.sound.calls.clear();
    q.StartFlight();
    q.File("\\BEGIN.cfg", "1\r\n");
    q.pro.sim.FlightMaxima.altitudeFt = 5000;
    q.SetOrigin();
    if (c.atMs > 0) {
      q.pump.At(q.origin + static_cast<std::int64_t>(c.atMs * 1e6), [&q, abort = c.abort] {
        if (abort)
          q.pro.engine.AnnounceAbort = true;
        else
          EndFlight(q.pro);
      });
    }
    q.Serve(14);
    test::ExpectTimeline(q.Timeline(), c.played, 20);
    EXPECT_EQ(q.Exists("\\BEGIN.cfg"), c.kept);
    EXPECT_EQ(q.pro.sim.FlightMaxima.altitudeFt, 0);
    if (!c.kept) {
      EXPECT_EQ(q.pro.flight.AtcChatterChannel, 3);
      EXPECT_EQ(q.pro.flight.GroundStep, 5);
    }
  }
}

TEST_F(TaxiTest, G9TheCaptainsFirstPartOnlyInTheCockpit) {
  MusicRunning();
  p.Serve(19);
  test::ExpectTimeline(p.Timeline(),
                       {{"\\Wav\\CP\\G9_1.wav", 1000, 2000, kVolume}, {"\\Wav\\CP\\G9_2.wav", 3000, 5000, kVolume}},
                       20);
  ExpectMarks(p.Marks(), {{0, "Ｇ９：離陸待ち"}, {5000, ""}}, 20);
  ExpectGroupDone(7, 8);

  Cabin();
  p.sound.calls.clear();
  p.SetOrigin();
  p.Serve(19);
  test::ExpectTimeline(p.Timeline(), {{"\\Wav\\CP\\G9_2.wav", 2000, 4000, kVolume}}, 20);
}

// No voice has the group's first recording: voice 1 after 21 draws.
TEST(TaxiVoiceDraw, NoVoiceWithTheRecordingGivesVoiceOneAfter21Draws) {
  struct Case {
    void (*loader)(state::ProContext&);
    int slot;
    const char* file;
  };
  const Case cases[] = {
      {PrepareSafetyAnnouncement, 7, "\\Wav\\CA1\\G3.wav"},
      {PrepareTakeoffAnnouncement, 8, "\\Wav\\CA1\\G4.wav"},
  };
  for (const Case& c : cases) {
    test::EngineProgram p;
    p.StartFlight();
    p.pro.briefing.CabinAttendantChoice = 3;
    for (int i = 0; i < 25; ++i) p.random.Push(0.6);
    c.loader(p.pro);
    EXPECT_EQ(p.Literal(p.pro.engine.SoundSlotFile[static_cast<std::size_t>(c.slot)]), c.file);
    EXPECT_EQ(p.random.Pending(), 4u) << c.file;
  }
}

}  // namespace
}  // namespace vx::announce
