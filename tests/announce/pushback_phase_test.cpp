// The pushback group on virtual time for one known flight: airline 3, flight 1205 to slot
// 5 from runway 16R, cabin attendant 1 (short welcome). The engine start before, during
// and after the pushback, the pushback off with the airport add-on, the hidden set, the
// add-on engine start (and its failed read), and the loader's slots, digits and voice draw.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>

#include "announce/group_fixture.h"
#include "announce/pushback_phase.h"
#include "announce/sound_slots.h"
#include "runtime/cp932.h"

namespace vx::announce {
namespace {

using test::ExpectMarks;
using test::Mark;
using test::Played;

constexpr int kPrevious = -1500;  // the volume the previous announcement left
constexpr int kGroup = -600;      // index 2, setting 8
constexpr int kWelcome = -1200;   // index 20, setting 6
constexpr int kEngine = -300;     // index 22, setting 9
constexpr int kRight = 10000;
constexpr int kLeft = -10000;

constexpr char kLoop[] = "\\Wav\\CP\\G2_02_i.wav";
constexpr char kTalk[] = "\\Wav\\CP\\G2_02_1_new.wav";
constexpr char kClosing[] = "\\Wav\\CP\\G2_02_2_new.wav";
constexpr char kEngineR[] = "\\Wav\\Etc\\エンジン始動音\\767E_R.wav";
constexpr char kEngineL[] = "\\Wav\\Etc\\エンジン始動音\\767E_L.wav";
constexpr char kPushed[] = "\\Wav\\Etc\\プッシュバック\\g_pb_ps.wav";
const test::Recording kRecordings[] = {
    {kLoop, 10.0},
    {kTalk, 100.0},
    {kClosing, 5.0},
    {"\\Wav\\CP\\G2_06_i.wav", 10.0},
    {"\\Wav\\CP\\G2_06_1_new.wav", 100.0},
    {"\\Wav\\CP\\G2_06_2_new.wav", 5.0},
    {"\\Wav\\CP\\G2_00_2AES.wav", 5.0},
    {kEngineR, 20.0},
    {kEngineL, 20.0},
    {"\\Wav\\Etc\\プッシュバック\\g_pb_1_.wav", 1.0},
    {"\\Wav\\Etc\\プッシュバック\\g_pb_z_6.wav", 1.0},
    {"\\Wav\\Etc\\プッシュバック\\g_pb_z_r.wav", 1.0},
    {kPushed, 2.0},
    {"\\Wav\\CA1\\G1_1.wav", 3.0},
    {"\\Wav\\CA1\\G1_2.wav", 4.0},
    {"\\Wav\\CA1\\Cmp\\Japan\\SCOMP_03.wav", 2.0},
    {"\\Wav\\himitu\\nw057\\G2プッシュバック開始.wav", 80.0},
    // The add-on 767.
    {"\\Wav\\CP\\G2_00_i.wav", 10.0},
    {"\\Wav\\CP\\G2_00_1.wav", 2.0},
    {"\\Wav\\CP\\G2_00_2.wav", 5.0},
    {"\\Wav\\CP\\G2_00_N2.wav", 1.0},
    {"\\Wav\\CP\\G2_00_SC.wav", 1.0},
    {"\\Wav\\CP\\G2_00_E1.wav", 1.0},
    {"\\Wav\\CP\\G2_00_ASC.wav", 2.0},
    {"\\Wav\\Etc\\エンジン始動音\\lds767E01.wav", 5.0},
    {"\\Wav\\Etc\\エンジン始動音\\lds767E03.wav", 5.0},
    {"\\Wav\\Etc\\エンジン始動音\\lds767E_R.wav", 5.0},
    {"\\Wav\\Etc\\エンジン始動音\\lds767E_L.wav", 5.0},
};

class PushbackTest : public test::GroupTest {
 protected:
  PushbackTest() : GroupTest(kRecordings) {
    VolumeSetting(2, 8);
    VolumeSetting(20, 6);
    VolumeSetting(22, 9);
    p.pro.flight.CurrentVolume = kPrevious;
    auto& tob = p.pro.briefing.TobBriefing;
    tob.FlightNumber = "1205";
    tob.TakeoffRunway = "16R";
    tob.AircraftTypeCode = 2;
    p.pro.briefing.SelectedAirlineIndex = "3";
    p.pro.briefing.CabinAttendantChoice = 1;
    p.pro.files.RouteAirports[0].slot = "1";
    p.pro.files.RouteAirports[1].slot = "5";
    auto& pb = p.pro.briefing.PushbackSettings;
    pb = {};
    pb.engineStartTiming = 0;
    p.pro.flight.GroundStep = 2;
    MusicRunning();
    // The call-out program: pushes back for 29 s after it sees vexlorPB.cfg.
    p.alsoOnPump = [this] {
      if (!pushing_ && p.Exists("\\vexlorPB.cfg")) {
        pushing_ = true;
        p.pump.At(p.clock.MonotonicNanos() + 29'000'000'000, [this] { p.paths.DeleteIfExists("\\vexlorPB.cfg"); });
      }
    };
    p.Watch({"\\vexlorPB.cfg"});
    p.SetOrigin();
  }

  // The timed engine start of type 2 from `at`: the talk and the four engines.
  static std::vector<Played> EngineStart(double at) {
    return {{kTalk, at, at + 100000, kEngine, 0, false},
            {kEngineR, at + 30000, at + 50000, 0, kRight, false},
            {kEngineR, at + 52000, at + 72000, 0, kRight, false},
            {kEngineL, at + 75000, at + 95000, 0, kLeft, false},
            {kEngineL, at + 98000, at + 118000, 0, kLeft, false}};
  }
  // The call-outs from `at` at the group's volume.
  test::ExpectedRun CallOuts(double at) const {
    auto run = Expect(at, kGroup);
    run.Parts({"\\Wav\\Etc\\プッシュバック\\g_pb_1_.wav", "\\Wav\\Etc\\プッシュバック\\g_pb_z_6.wav",
               "\\Wav\\Etc\\プッシュバック\\g_pb_z_r.wav"});
    return run;
  }
  // The short welcome from `at`; its last part plays on.
  test::ExpectedRun ShortWelcome(double at) const {
    auto run = Expect(at, kWelcome);
    run.Part("\\Wav\\CA1\\G1_1.wav", "Ｇ２：挨拶１")
        .Part("\\Wav\\CA1\\Cmp\\Japan\\SCOMP_03.wav", "Ｇ２：航空会社名")
        .Part("\\Wav\\CA1\\G1_2.wav", "Ｇ２：挨拶２");
    return run;
  }

  static void Sort(std::vector<Played>& played) {
    // By start (to the tenth of a second), then by file.
    std::stable_sort(played.begin(), played.end(), [](const Played& a, const Played& b) {
      const auto ta = std::llround(a.startMs / 100), tb = std::llround(b.startMs / 100);
      return ta != tb ? ta < tb : a.file < b.file;
    });
  }

  void ExpectGroupDone() const {
    EXPECT_EQ(p.pro.flight.GroundStep, 3);
    EXPECT_FALSE(p.Exists("\\vexlorPB.cfg"));
    GroupTest::ExpectGroupDone(7, 39);
  }

  bool pushing_ = false;
};

// Timing 0, 1 and 2 of type 2: where the engine start falls, and the volume the closing
// talk takes from whatever was set last.
struct TimingCase {
  int timing;
  double callOuts, engines, pushed, closing;
  int closingVolume;
};
class EngineTimingTest : public PushbackTest, public ::testing::WithParamInterface<TimingCase> {};

INSTANTIATE_TEST_SUITE_P(
    Timings, EngineTimingTest,
    ::testing::Values(
        // Engines from 1 s (talk 100 s); call-outs at 101 s, the hand-over until 133 s.
        TimingCase{0, 101000, 1000, 134000, 136000, kGroup},
        // Engines right after the welcome's last part starts (26 s), the pushback done by then.
        TimingCase{1, 1000, 26000, 126000, 128000, kGroup},
        // Engines after the pushback sound (34 s to 36 s): the closing talk at their volume.
        TimingCase{2, 1000, 36000, 34000, 136000, kEngine}));

TEST_P(EngineTimingTest, TheEngineStartBeforeDuringOrAfterThePushback) {
  const TimingCase& c = GetParam();
  p.pro.briefing.PushbackSettings.engineStartTiming = static_cast<std::int16_t>(c.timing);
  p.Serve(12);

  const double end = c.closing + 5000;
  const double welcome = c.callOuts + 3000 + 17000;
  std::vector<Played> played = CallOuts(c.callOuts).played;
  const auto greeting = ShortWelcome(welcome);
  played.insert(played.end(), greeting.played.begin(), greeting.played.end());
  for (Played engine : EngineStart(c.engines)) {
    engine.endMs = std::min(engine.endMs, end);  // the clean-up stops what still plays
    played.push_back(engine);
  }
  played.push_back({kPushed, c.pushed, c.pushed + 2000, kGroup, 0, false});
  played.push_back({kClosing, c.closing, end, c.closingVolume, 0, false});
  played.push_back({kLoop, 1000, c.closing, kPrevious, 0, true});
  Sort(played);
  auto actual = p.Timeline();
  Sort(actual);
  test::ExpectTimeline(actual, played, 20);

  std::vector<Mark> marks = greeting.Captions("Ｇ２：プッシュバック", end);
  marks.push_back({c.callOuts + 3000, "+\\vexlorPB.cfg"});
  marks.push_back({c.callOuts + 3000 + 29000, "-\\vexlorPB.cfg"});
  std::stable_sort(marks.begin(), marks.end(), [](const Mark& a, const Mark& b) { return a.atMs < b.atMs; });
  ExpectMarks(p.Marks(), marks, 20);
  ExpectGroupDone();
}

TEST_F(PushbackTest, TheThirdEngineOfATrijetStartsCentredAt99SecondsAtFullVolumeEvenWhenQuiet) {
  p.pro.briefing.TobBriefing.AircraftTypeCode = 6;
  p.pro.engine.QuietSound = 1;
  p.Serve(12);
  std::vector<Played> engines;
  for (const Played& played : p.Timeline())
    if (played.file.find("767E") != std::string::npos) engines.push_back(played);
  test::ExpectTimeline(engines, {{kEngineR, 22000, 42000, 0, kRight, false},
                                 {kEngineL, 58000, 78000, 0, kLeft, false},
                                 {kEngineL, 100000, 120000, 0, 0, false}},
                       20);
  ExpectGroupDone();
}

// Without the engine-start sound only the talk plays, and the group waits for the later of
// its end and the first start time (30 s for type 2): the call-outs after a talk of 100 s
// come at its end, after one of 10 s at the first start time.
TEST_F(PushbackTest, WithoutTheEngineSoundOnlyTheTalkPlays) {
  p.pro.briefing.PushbackSettings.engineStartSound = 0;
  struct Case {
    double talkSeconds;
    double callOutsMs;
  };
  for (const Case& c : {Case{100, 101000}, Case{10, 31000}}) {
    SCOPED_TRACE(c.talkSeconds);
    p.Wav(kTalk, c.talkSeconds);
    p.pro.flight.GroundStep = 2;
    p.sound.calls.clear();
    pushing_ = false;
    p.SetOrigin();
    p.Serve(12);
    const auto timeline = p.Timeline();
    for (const Played& played : timeline) EXPECT_EQ(played.file.find("767E"), std::string::npos) << played.file;
    const auto talk = std::find_if(timeline.begin(), timeline.end(), [](const Played& x) { return x.file == kTalk; });
    ASSERT_NE(talk, timeline.end());
    EXPECT_NEAR(talk->startMs, 1000, 20);
    EXPECT_NEAR(talk->endMs, 1000 + c.talkSeconds * 1000, 20);
    const auto firstCall = std::find_if(timeline.begin(), timeline.end(),
                                        [](const Played& x) { return x.file.find("g_pb_1_") != std::string::npos; });
    ASSERT_NE(firstCall, timeline.end());
    EXPECT_NEAR(firstCall->startMs, c.callOutsMs, 20);
    ExpectGroupDone();
  }
}

// A cut during the call-outs skips the rest (the part playing plays out), but the hand-over
// is still written and its 17 s still pass; the wait for the pushback's end and everything later are skipped.
TEST_F(PushbackTest, ACutDuringTheCallOutsStillHandsThePushbackOver) {
  p.pro.briefing.PushbackSettings.cockpitConversation = 0;
  p.pump.At(p.origin + 1'500'000'000, [&] { p.pro.engine.AnnounceAbort = true; });
  p.Serve(12);
  test::ExpectTimeline(p.Timeline(), {{kLoop, 1000, 18500, kPrevious, 0, true},
                                      {"\\Wav\\Etc\\プッシュバック\\g_pb_1_.wav", 1000, 2000, kGroup, 0, false}},
                       20);
  ExpectMarks(p.Marks(), {{0, "Ｇ２：プッシュバック"}, {1500, "+\\vexlorPB.cfg"}, {18500, ""}}, 20);
  EXPECT_TRUE(p.Exists("\\vexlorPB.cfg")) << "the call-out program's to delete";
}

TEST_F(PushbackTest, WithTheAirportAddOnThereIsNoPushbackAndTheClosingTalkIsItsOwn) {
  p.pro.briefing.TobBriefing.DepartureAesFlag = 1;
  p.pro.briefing.PushbackSettings.pushbackOn = 0;
  p.pro.briefing.PushbackSettings.cockpitConversation = 0;  // no engine start at any timing
  p.Serve(12);
  const auto greeting = ShortWelcome(1000);
  std::vector<Played> played = greeting.played;
  played.insert(played.begin(), {kLoop, 1000, 6000, kPrevious, 0, true});
  played.push_back({"\\Wav\\CP\\G2_00_2AES.wav", 6000, 11000, kWelcome, 0, false});
  test::ExpectTimeline(p.Timeline(), played, 20);
  ExpectMarks(p.Marks(), greeting.Captions("Ｇ２：プッシュバック", 11000), 20);
  ExpectGroupDone();
}

TEST_F(PushbackTest, TheHiddenSetPlaysItsRecordingFor68SecondsInPlaceOfTheWelcome) {
  p.pro.engine.SpecialVoiceOn = true;
  p.pro.briefing.PushbackSettings.pushbackOn = 0;
  p.pro.briefing.PushbackSettings.cockpitConversation = 0;
  p.Serve(12);
  test::ExpectTimeline(p.Timeline(), {{"\\Wav\\himitu\\nw057\\G2プッシュバック開始.wav", 1000, 81000, 0, 0, false},
                                      {kLoop, 69000, 69000, kPrevious, 0, true},
                                      {kClosing, 69000, 74000, kPrevious, 0, false}},
                       20);
  ExpectMarks(p.Marks(), {{0, "Ｇ２：プッシュバック"}, {81000, ""}}, 20);
  EXPECT_EQ(SlotBuffer(p.pro, kSpecialSlot), 0);
  ExpectGroupDone();
}

// The add-on 767: its switches read every 0.2 s; the first already in place.
class AddonEngineStartTest : public PushbackTest {
 protected:
  AddonEngineStartTest() {
    p.pro.briefing.TobBriefing.AircraftTypeCode = 0;
    p.pro.briefing.PushbackSettings.pushbackOn = 0;
  }
  static platform::AddonDataRecord Switches(int fuel1, int fuel2, int start1, int start2) {
    platform::AddonDataRecord r;
    r.Set(platform::AddonDataRecord::kFuelControl1, fuel1);
    r.Set(platform::AddonDataRecord::kFuelControl2, fuel2);
    r.Set(platform::AddonDataRecord::kStartSwitch1, start1);
    r.Set(platform::AddonDataRecord::kStartSwitch2, start2);
    return r;
  }
};

TEST_F(AddonEngineStartTest, EachCallAndSoundFollowsItsSwitch) {
  auto& addon = p.addon;
  addon.QueueRead(platform::kAddonOk, Switches(0, 0, 0, 0));  // engine 2's start switch already at GND
  addon.QueueRead(platform::kAddonOk, Switches(0, 0, 0, 0));
  addon.QueueRead(platform::kAddonOk, Switches(0, 1, 0, 0));  // fuel 2 RUN at 1.4 s
  addon.QueueRead(platform::kAddonOk, Switches(0, 1, 0, 1));  // engine 2 AUTO at 1.6 s
  addon.QueueRead(platform::kAddonOk, Switches(1, 1, 1, 1));  // fuel 1 RUN and engine 1 AUTO at 11.8 s
  p.Serve(12);
  const std::string e = "\\Wav\\Etc\\エンジン始動音\\";
  const std::string cp = "\\Wav\\CP\\";
  std::vector<Played> played = {
      {cp + "G2_00_i.wav", 1000, 28800, kPrevious, 0, true},
      {cp + "G2_00_1.wav", 1000, 3000, kEngine, 0, false},
      {e + "lds767E01.wav", 1000, 6000, 0, kRight, false},
      {cp + "G2_00_N2.wav", 1400, 2400, kEngine, 0, false},
      {e + "lds767E03.wav", 1400, 6400, 0, kRight, false},
      {e + "lds767E_R.wav", 1600, 6600, 0, kRight, false},
      {cp + "G2_00_SC.wav", 1600, 2600, kEngine, 0, false},
      {cp + "G2_00_E1.wav", 11600, 12600, kEngine, 0, false},
      {e + "lds767E01.wav", 11600, 16600, 0, kLeft, false},
      {cp + "G2_00_N2.wav", 11800, 12800, kEngine, 0, false},
      {e + "lds767E03.wav", 11800, 16800, 0, kLeft, false},
      {e + "lds767E_L.wav", 11800, 16800, 0, kLeft, false},
      {cp + "G2_00_SC.wav", 11800, 12800, kEngine, 0, false},
      {cp + "G2_00_ASC.wav", 21800, 23800, kEngine, 0, false},
  };
  const auto greeting = ShortWelcome(23800);
  played.insert(played.end(), greeting.played.begin(), greeting.played.end());
  played.push_back({cp + "G2_00_2.wav", 28800, 33800, kWelcome, 0, false});
  test::ExpectTimeline(p.Timeline(), played, 20);
  std::vector<Mark> marks = {{0, "Ｇ２：プッシュバック"},   {1000, "Eng2 OFF→GND"},        {1000, "Fuel2 CUTOFF→RUN"},
                             {1400, "Eng2 N2→30"},           {1400, "Eng2 GND→AUTO"},       {1600, "Eng2 Start Complete"},
                             {11600, "Eng1 OFF→GND"},        {11600, "Fuel1 CUTOFF→RUN"},   {11800, "Eng1 N2→30"},
                             {11800, "Eng1 GND→AUTO"},       {11800, "Eng1 Start Complete"}, {21800, "After Start Check"}};
  const auto captions = greeting.Captions("", 33800);
  marks.insert(marks.end(), captions.begin() + 1, captions.end());
  ExpectMarks(p.Marks(), marks, 20);
  EXPECT_EQ(addon.readCount, 5);
  ExpectGroupDone();
}

TEST_F(AddonEngineStartTest, AFailedReadEndsTheGroupWithItsCleanUp) {
  p.addon.QueueRead(platform::kAddonOk, Switches(0, 0, 0, 0));
  p.addon.QueueRead(platform::kAddonNotRunning);
  p.Serve(12);
  test::ExpectTimeline(p.Timeline(), {{"\\Wav\\CP\\G2_00_i.wav", 1000, 1200, kPrevious, 0, true},
                                      {"\\Wav\\CP\\G2_00_1.wav", 1000, 1200, kEngine, 0, false},
                                      {"\\Wav\\Etc\\エンジン始動音\\lds767E01.wav", 1000, 1200, 0, kRight, false}},
                       20);
  ExpectMarks(p.Marks(), {{0, "Ｇ２：プッシュバック"}, {1000, "Eng2 OFF→GND"}, {1000, "Fuel2 CUTOFF→RUN"}, {1200, ""}},
              20);
  ExpectGroupDone();
}

TEST_F(PushbackTest, TheLoaderNamesTheWelcomeOfAnyFlight) {
  struct Case {
    const char* flight;
    const char* airline;
    const char* arrival;
    int hour;
    std::map<int, std::string> slots;  // "" silent
    std::string mask;
  };
  const std::string ca4 = "\\Wav\\CA4\\";
  const Case cases[] = {
      {"900", "105", "102", 9,
       {{7, ca4 + "Cmp\\World\\SCOMP_05.wav"}, {8, ca4 + "Apt\\World\\SAPT_02.wav"}, {9, ca4 + "G1_1_3.wav"},
        {12, ca4 + "G1_4_int.wav"}, {14, ca4 + "NumJ\\ca_nk0.wav"}, {15, ca4 + "NumBin\\ca_bh9.wav"},
        {16, ca4 + "NumBin\\ca_bj0.wav"}, {17, ca4 + "NumBin\\ca_bs0.wav"}},
       "0100"},
      {"1234", "3", "5", 10,
       {{7, ca4 + "Cmp\\Japan\\SCOMP_03.wav"}, {8, ca4 + "Apt\\Japan\\SAPT_05.wav"}, {9, ca4 + "G1_1_1.wav"},
        {12, ca4 + "G1_4_dom.wav"}, {14, ca4 + "NumJ\\ca_nk1.wav"}, {15, ca4 + "NumJ\\ca_nh2.wav"},
        {16, ca4 + "NumJ\\ca_nj3.wav"}, {17, ca4 + "NumBin\\ca_bs4.wav"}},
       "1111"},
      // A flight number that is no number, or beyond four places, is not spoken.
      {"12a", "3", "5", 18, {{9, ca4 + "G1_1_2.wav"}, {14, ""}, {17, ""}}, "0000"},
      {"12345", "3", "5", 23, {{9, ca4 + "G1_1_2.wav"}, {14, ""}}, "0000"},
  };
  p.pro.briefing.CabinAttendantChoice = 4;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flight);
    p.pro.engine.SoundSlotFile.fill("stale");
    p.pro.briefing.TobBriefing.FlightNumber = c.flight;
    p.pro.briefing.SelectedAirlineIndex = c.airline;
    p.pro.files.RouteAirports[1].slot = c.arrival;
    p.pro.sim.SimClock.localHour = static_cast<std::int16_t>(c.hour);
    PreparePushbackAnnouncement(p.pro);
    for (const auto& [slot, literal] : c.slots) {
      const std::string& file = p.pro.engine.SoundSlotFile[static_cast<std::size_t>(slot)];
      EXPECT_EQ(literal.empty() ? file : p.Literal(file), literal) << slot;
    }
    EXPECT_EQ(p.pro.engine.WelcomeVoiceSet, 4);
    EXPECT_EQ(p.pro.engine.FlightNumberMask, c.mask);
    for (int slot : {21, 22, 24, 25}) EXPECT_EQ(p.pro.engine.SoundSlotFile[static_cast<std::size_t>(slot)], "") << slot;
    StopAllAnnouncementSounds(p.pro);
  }

  // The short welcome leaves the long one's slots silent.
  p.pro.briefing.CabinAttendantChoice = 1;
  p.pro.engine.SoundSlotFile.fill("stale");
  PreparePushbackAnnouncement(p.pro);
  for (int slot : {8, 11, 12, 13, 14, 15, 16, 17, 21, 22, 24, 25})
    EXPECT_EQ(p.pro.engine.SoundSlotFile[static_cast<std::size_t>(slot)], "") << slot;
  EXPECT_EQ(p.Literal(p.pro.engine.SoundSlotFile[23]), "\\Wav\\CP\\G2_00_N2.wav");
  EXPECT_EQ(p.Literal(p.pro.engine.SoundSlotFile[28]), "\\Wav\\CP\\G2_00_ASC.wav");
  StopAllAnnouncementSounds(p.pro);
}

TEST_F(PushbackTest, TheWelcomeVoiceIsDrawnAmongThoseThatHaveTheirRecordings) {
  struct Case {
    const char* what;
    int choice;
    std::vector<double> draws;
    bool voicesOneToThree;  // the recordings of voices 1 to 3 exist
    int voice;
    std::size_t drawsLeft;
  };
  const Case cases[] = {
      {"the chosen voice", 1, {}, true, 1, 0},
      {"a draw of 4 at once", 0, {0.8, 0.1}, true, 4, 1},
      {"a chosen voice without recordings draws", 3, {0.1}, true, 1, 0},
      {"21 draws without recordings, then 4", 0, std::vector<double>(22, 0.3), false, 4, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    p.pro.briefing.CabinAttendantChoice = static_cast<std::int16_t>(c.choice);
    if (!c.voicesOneToThree) std::filesystem::remove_all(p.dir.Path() / "Wav/CA1");
    if (c.choice == 3) std::filesystem::remove_all(p.dir.Path() / "Wav/CA3");
    for (double d : c.draws) p.random.Push(d);
    PreparePushbackAnnouncement(p.pro);
    EXPECT_EQ(p.pro.engine.WelcomeVoiceSet, c.voice);
    EXPECT_EQ(p.random.Pending(), c.drawsLeft);
    while (p.random.Pending() > 0) p.random.Next();
    StopAllAnnouncementSounds(p.pro);
  }
}

}  // namespace
}  // namespace vx::announce
