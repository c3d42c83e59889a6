// The captain's greeting (A2) on virtual time with scripted answers of its prompt: every
// language set over the noise bed (the pause, the sequences, the cockpit's parts, the
// cabin); the openings by the local hour, the late departure and the airline's folder;
// Cancel; a cut while the prompt is open; the hidden set, asked for nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "announce/captain_greeting.h"
#include "announce/group_fixture.h"
#include "announce/prompt_wait.h"
#include "announce/scripted_prompts.h"
#include "announce/sound_slots.h"
#include "simlink/channels.h"

namespace vx::announce {
namespace {

using namespace std::chrono_literals;
using test::ExpectMarks;

constexpr int kVolume = -600;  // volume setting 8
constexpr char kNoise[] = "\\Wav\\CP\\A2_noise.wav";
constexpr char kHidden[] = "\\Wav\\himitu\\nw057\\A2機長挨拶.wav";

const test::Recording kRecordings[] = {
    {"\\Wav\\CP\\A2_0.wav", 1.0},        {"\\Wav\\CP\\A2_6.wav", 1.5},
    {"\\Wav\\CP\\A2_1MJ.wav", 1.0},      {"\\Wav\\CP\\A2_1AJ.wav", 1.0},
    {"\\Wav\\CP\\A2_1EJ.wav", 1.0},      {"\\Wav\\CP\\A2_2J.wav", 1.0},
    {"\\Wav\\CP\\A2_3Jdelay.wav", 1.0},  {"\\Wav\\CP\\A2_3Jontime.wav", 1.0},
    {"\\Wav\\CP\\A2_4J.wav", 1.0},       {"\\Wav\\CP\\A2_5J.wav", 1.0},
    {"\\Wav\\CP\\A2_6J.wav", 1.0},       {"\\Wav\\CP\\A2_7J.wav", 1.0},
    {"\\Wav\\CP\\A2_1.wav", 1.0},        {"\\Wav\\CP\\A2_2.wav", 1.0},
    {"\\Wav\\CP\\A2_3.wav", 1.0},        {"\\Wav\\CP\\A2_4.wav", 1.0},
    {"\\Wav\\CP\\A2_5.wav", 1.0},        {"\\Wav\\CP\\A2_1ME.wav", 1.0},
    {"\\Wav\\CP\\A2_1AE.wav", 1.0},      {"\\Wav\\CP\\A2_1EE.wav", 1.0},
    {"\\Wav\\CP\\A2_2E.wav", 1.0},       {"\\Wav\\CP\\A2_3E.wav", 1.0},
    {"\\Wav\\CP\\A2_4E.wav", 1.0},       {"\\Wav\\CP\\A2_5E.wav", 1.0},
    {"\\Wav\\CP\\A2_6E.wav", 1.0},       {kNoise, 4.0},
    {"\\Wav\\CP\\Cmp\\Japan\\PCOMP_03.wav", 0.8},  {"\\Wav\\CP\\Cmp\\World\\PCOMP_05.wav", 0.8},
    {"\\Wav\\CP\\Alt\\11000mJ.wav", 0.6},  {"\\Wav\\CP\\Alt\\ALT_11.wav", 0.6},
    {"\\Wav\\CP\\Alt\\35000ftE.wav", 0.6}, {"\\Wav\\CP\\Alt\\11000mE.wav", 0.6},
    {"\\Wav\\CP\\Spd\\900kmhJ.wav", 0.6},  {"\\Wav\\CP\\Spd\\SPD_09.wav", 0.6},
    {"\\Wav\\CP\\Spd\\900kmhE.wav", 0.6},
    {"\\Wav\\CP\\Weather\\cloudrainJ.wav", 0.7}, {"\\Wav\\CP\\Weather\\cloudrainE.wav", 0.7},
    {"\\Wav\\CP\\Tmp\\-05doJ.wav", 0.5},   {"\\Wav\\CP\\Tmp\\-05doE.wav", 0.5},
    {kHidden, 6.0},
};

// The sequences at 10 o'clock local time, on time, airline 3, 35000 ft, 900 km/h, "曇り時々雨"
// and -5 degrees at the destination.
void NewJapanese(test::ExpectedRun& run) {
  run.Part("\\Wav\\CP\\A2_1AJ.wav", "Ａ２：機長挨拶１")
      .Part("\\Wav\\CP\\A2_2J.wav", "Ａ２：機長挨拶２")
      .Part("\\Wav\\CP\\A2_3Jontime.wav", "Ａ２：機長挨拶３")
      .Part("\\Wav\\CP\\Alt\\11000mJ.wav", "Ａ２：機長高度(ｍ)")
      .Part("\\Wav\\CP\\A2_4J.wav", "Ａ２：機長挨拶４")
      .Part("\\Wav\\CP\\Spd\\900kmhJ.wav", "Ａ２：機長速度")
      .Part("\\Wav\\CP\\A2_5J.wav", "Ａ２：機長挨拶５")
      .Part("\\Wav\\CP\\Weather\\cloudrainJ.wav", "Ａ２：機長天候")
      .Part("\\Wav\\CP\\A2_6J.wav", "Ａ２：機長挨拶６")
      .Part("\\Wav\\CP\\Tmp\\-05doJ.wav", "Ａ２：機長気温")
      .Part("\\Wav\\CP\\A2_7J.wav", "Ａ２：機長挨拶７");
}

void English(test::ExpectedRun& run) {
  run.Part("\\Wav\\CP\\A2_1ME.wav", "Ａ２：英語挨拶１")
      .Part("\\Wav\\CP\\A2_2E.wav", "Ａ２：英語挨拶２")
      .Part("\\Wav\\CP\\Alt\\35000ftE.wav", "Ａ２：英語高度(ft)")
      .Part("\\Wav\\CP\\A2_3E.wav", "Ａ２：英語挨拶３")
      .Part("\\Wav\\CP\\Alt\\11000mE.wav", "Ａ２：英語高度(ｍ)")
      .Part("\\Wav\\CP\\A2_4E.wav", "Ａ２：英語挨拶４")
      .Part("\\Wav\\CP\\Spd\\900kmhE.wav", "Ａ２：英語速度")
      .Part("\\Wav\\CP\\A2_5E.wav", "Ａ２：英語挨拶５")
      .Part("\\Wav\\CP\\Weather\\cloudrainE.wav", "Ａ２：英語天候")
      .Part("\\Wav\\CP\\Tmp\\-05doE.wav", "Ａ２：英語気温")
      .Part("\\Wav\\CP\\A2_6E.wav", "Ａ２：英語挨拶６");
}

// The airline's name twice, the older Japanese phrases, no weather or temperature.
void Company(test::ExpectedRun& run) {
  run.Part("\\Wav\\CP\\A2_1.wav")
      .Part("\\Wav\\CP\\Cmp\\Japan\\PCOMP_03.wav", "Ａ２：航空会社名")
      .Part("\\Wav\\CP\\A2_2.wav", "Ａ２：機長挨拶２")
      .Part("\\Wav\\CP\\Alt\\ALT_11.wav", "Ａ２：高度")
      .Part("\\Wav\\CP\\Spd\\SPD_09.wav", "Ａ２：速度")
      .Part("\\Wav\\CP\\A2_3.wav", "Ａ２：機長挨拶３")
      .Part("\\Wav\\CP\\A2_4.wav", "Ａ２：機長挨拶４")
      .Part("\\Wav\\CP\\Cmp\\Japan\\PCOMP_03.wav", "Ａ２：航空会社名")
      .Part("\\Wav\\CP\\A2_5.wav", "Ａ２：機長挨拶５");
}

class CaptainGreetingTest : public test::GroupTest {
 protected:
  CaptainGreetingTest() : GroupTest(kRecordings), prompts(p.pump) {
    VolumeSetting(12, 8);
    p.pro.engine.flightForms = &prompts;
    p.pro.briefing.SelectedAirlineIndex = "3";
    p.pro.files.RouteAirports[0].slot = "1";
    p.pro.files.RouteAirports[1].slot = "5";
    p.pro.flight.AirStep = 2;
    p.WriteFlightData(20000, 35000);
    state::FlightDataRecord r = p.pro.sim.FlightData;
    r.heightAboveGroundFt = 20000;
    r.altitudeFt = 35000;
    r.groundSpeedKmh = 900;
    r.localHour = 10;
    simlink::WriteDataChannel(r, p.pro.sim.ChannelHandles.data);
    MusicRunning();
    p.SetOrigin();
  }
  // The prompt answers `state` after `delay`, storing the language, "曇り時々雨" and -5 on OK.
  void Answers(std::chrono::milliseconds delay, std::int16_t state, int language = 1) {
    prompts.Answer(FlightForm::frmCPAnounce, delay, [this, state, language] {
      auto& f = p.pro.flight;
      if (state == kPromptConfirmed) {
        f.CaptainAnnounceLanguage = static_cast<std::int16_t>(language);
        f.DestinationWeather = 3;
        f.DestinationTemperature = -5;
      }
      f.CaptainAnnounceState = state;
    });
  }

  test::ScriptedPrompts prompts;
};

struct LanguageCase {
  const char* name;
  int language;
  bool cockpit;
  bool pause;  // 2 s before the greeting
  std::vector<void (*)(test::ExpectedRun&)> sequences;
};

std::ostream& operator<<(std::ostream& os, const LanguageCase& c) { return os << c.name; }

const LanguageCase kLanguages[] = {
    {"NewJapanese", 1, true, true, {NewJapanese}},
    {"NewJapaneseAndEnglish", 2, true, true, {NewJapanese, English}},
    {"English", 3, true, true, {English}},
    {"Japanese", 4, true, false, {Company}},
    {"JapaneseAndEnglish", 5, true, false, {Company, English}},
    {"OtherValue", 7, true, false, {Company}},
    {"NewJapaneseInTheCabin", 1, false, true, {NewJapanese}},
};

class GreetingLanguageTest : public CaptainGreetingTest, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(GreetingLanguageTest, PlaysTheLanguageSetOverTheNoiseBed) {
  const LanguageCase& c = GetParam();
  if (!c.cockpit) p.strip.texts[simlink::CabinBox::tbxCockpit] = "Cabin";
  Answers(0ms, kPromptConfirmed, c.language);
  p.Serve(12);

  auto run = Expect(1000, kVolume);  // after the music went down
  if (c.cockpit) run.Part("\\Wav\\CP\\A2_0.wav");
  const double noiseStart = run.Now();
  if (c.pause) run.Pause(2);
  for (auto sequence : c.sequences) sequence(run);
  run.Pause(1);
  const double noiseStop = run.Now();
  run.Pause(1);
  if (c.cockpit) run.Part("\\Wav\\CP\\A2_6.wav");
  run.played.insert(run.played.begin() + (c.cockpit ? 1 : 0), {kNoise, noiseStart, noiseStop, kVolume, 0, true});

  test::ExpectTimeline(p.Timeline(), run.played, 20);
  ExpectMarks(p.Marks(), run.Captions("Ａ２：機長挨拶１", run.Now()), 20);
  EXPECT_EQ(prompts.shown, std::vector<FlightForm>{FlightForm::frmCPAnounce});
  EXPECT_EQ(p.pro.flight.AtcChatterChannel, 4);
  EXPECT_EQ(p.pro.flight.CurrentVolumeIndex, 12);
  EXPECT_EQ(p.pro.flight.AirStep, 5);
  ExpectGroupDone(7, 32);
}

INSTANTIATE_TEST_SUITE_P(A2, GreetingLanguageTest, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) { return std::string(info.param.name); });

// The loader's choices: the openings by the local hour, the third Japanese part by the
// departure's delay, the airline's folder and number.
TEST_F(CaptainGreetingTest, LoaderChoices) {
  const struct {
    int hour;
    int language;
    bool delayed;
    const char* airline;
    const char* japanese1;  // slot 9
    const char* japanese3;  // slot 11
    const char* english1;   // slot 21
    const char* name;       // slot 16
  } cases[] = {
      {4, 1, false, "3", "A2_1EJ", "A2_3Jontime", "A2_1EE", "Cmp\\Japan\\PCOMP_03"},
      {5, 1, false, "3", "A2_1MJ", "A2_3Jontime", "A2_1ME", "Cmp\\Japan\\PCOMP_03"},
      {9, 2, false, "3", "A2_1MJ", "A2_3Jontime", "A2_1ME", "Cmp\\Japan\\PCOMP_03"},
      {10, 1, false, "3", "A2_1AJ", "A2_3Jontime", "A2_1ME", "Cmp\\Japan\\PCOMP_03"},
      {11, 1, true, "3", "A2_1AJ", "A2_3Jdelay", "A2_1ME", "Cmp\\Japan\\PCOMP_03"},
      {12, 1, false, "105", "A2_1AJ", "A2_3Jontime", "A2_1AE", "Cmp\\World\\PCOMP_05"},
      {17, 1, false, "3", "A2_1AJ", "A2_3Jontime", "A2_1AE", "Cmp\\Japan\\PCOMP_03"},
      {18, 1, false, "3", "A2_1AJ", "A2_3Jontime", "A2_1EE", "Cmp\\Japan\\PCOMP_03"},
      {19, 2, true, "3", "A2_1EJ", "A2_3Jdelay", "A2_1EE", "Cmp\\Japan\\PCOMP_03"},
      // The airline-name Japanese has no hour or delay of its own.
      {19, 4, true, "105", "A2_1", "A2_3", "A2_1EE", "Cmp\\World\\PCOMP_05"},
  };
  auto file = [&](int slot) { return p.Literal(p.pro.engine.SoundSlotFile[static_cast<std::size_t>(slot)]); };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hour);
    p.pro.sim.SimClock.localHour = static_cast<std::int16_t>(c.hour);
    p.pro.flight.CaptainAnnounceLanguage = static_cast<std::int16_t>(c.language);
    p.pro.engine.DepartureDelayed = c.delayed;
    p.pro.briefing.SelectedAirlineIndex = c.airline;
    PrepareCaptainGreeting(p.pro);
    EXPECT_EQ(file(9), std::string("\\Wav\\CP\\") + c.japanese1 + ".wav");
    EXPECT_EQ(file(11), std::string("\\Wav\\CP\\") + c.japanese3 + ".wav");
    EXPECT_EQ(file(21), std::string("\\Wav\\CP\\") + c.english1 + ".wav");
    EXPECT_EQ(file(16), std::string("\\Wav\\CP\\") + c.name + ".wav");
    EXPECT_EQ(p.pro.engine.FirstLoadedSlot, 7);
    EXPECT_EQ(p.pro.engine.LastLoadedSlot, 32);
    StopAllAnnouncementSounds(p.pro);
  }
}

TEST_F(CaptainGreetingTest, LateDepartureTakesTheDelayedThirdPart) {
  p.pro.engine.DepartureDelayed = true;
  Answers(0ms, kPromptConfirmed, 1);
  p.Serve(12);
  const auto timeline = p.Timeline();
  ASSERT_GE(timeline.size(), 5u);
  EXPECT_EQ(timeline[4].file, "\\Wav\\CP\\A2_3Jdelay.wav");
}

// Cancelled in the prompt: nothing loaded or played, no caption, the music left as it was;
// the flight step moves on all the same.
TEST_F(CaptainGreetingTest, CancelPlaysNothing) {
  Answers(1200ms, kPromptCancelled);
  const std::size_t levels = p.MusicLevels().size();
  p.Serve(12);
  EXPECT_TRUE(p.Timeline().empty());
  EXPECT_TRUE(p.Marks().empty());
  EXPECT_EQ(p.MusicLevels().size(), levels);
  EXPECT_EQ(p.pro.flight.AirStep, 5);
  EXPECT_EQ(p.pro.engine.SoundSlotFile[kFirstGroupSlot].find("A2_"), std::string::npos) << "nothing loaded";
  ExpectGroupDone(7, 32);
}

// Cut while the prompt is open, then confirmed: no part and no noise bed plays.
TEST_F(CaptainGreetingTest, CutWhileAskedPlaysNothing) {
  Answers(1200ms, kPromptConfirmed, 2);
  p.pump.At(p.origin + 700'000'000, [&] { p.pro.engine.AnnounceAbort = true; });
  p.Serve(12);
  EXPECT_TRUE(p.Timeline().empty());
  ExpectMarks(p.Marks(), {{1500, "Ａ２：機長挨拶１"}, {1500, ""}}, 20);
  ExpectGroupDone(7, 32);
}

// The hidden set: no prompt, the one recording at full volume even under quiet sound.
TEST_F(CaptainGreetingTest, HiddenSetAsksNothingAndPlaysItsRecordingAtFullVolume) {
  p.pro.engine.SpecialVoiceOn = true;
  p.pro.engine.QuietSound = -1;
  p.Serve(12);
  EXPECT_TRUE(prompts.shown.empty());
  test::ExpectTimeline(p.Timeline(), {{kHidden, 1000, 7000, 0}}, 20);
  ExpectMarks(p.Marks(), {{0, "Ａ２：機長挨拶１"}, {7000, ""}}, 20);
  EXPECT_EQ(SlotBuffer(p.pro, kSpecialSlot), 0);
  ExpectGroupDone(7, 32);
}

}  // namespace
}  // namespace vx::announce
