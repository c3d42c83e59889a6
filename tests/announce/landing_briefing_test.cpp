// The landing briefing (A4) on virtual time with scripted answers of its prompt: confirmed
// briefings over the runway sides, the go-around altitude's places and the flaps' digits;
// the silent endings (Cancel, the close box, both call-out options off, no prompt); a cut
// while the prompt is open; the flight ending while it is open.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "announce/group_fixture.h"
#include "announce/landing_briefing.h"
#include "announce/prompt_wait.h"
#include "announce/scripted_prompts.h"
#include "announce/sound_slots.h"

namespace vx::announce {
namespace {

using namespace std::chrono_literals;
using test::ExpectMarks;

constexpr int kVolume = -600;  // volume setting 8

const test::Recording kRecordings[] = {
    {"\\Wav\\CP\\A4_1.wav", 2.0},          {"\\Wav\\CP\\A4_2.wav", 1.5},
    {"\\Wav\\CP\\A4_3.wav", 1.5},          {"\\Wav\\CP\\A4_4.wav", 1.0},
    {"\\Wav\\CP\\NumE\\cp_cm0.wav", 0.5},  {"\\Wav\\CP\\NumE\\cp_cm1.wav", 0.5},
    {"\\Wav\\CP\\NumE\\cp_cm2.wav", 0.5},  {"\\Wav\\CP\\NumE\\cp_cm3.wav", 0.5},
    {"\\Wav\\CP\\NumE\\cp_ce0.wav", 0.4},  {"\\Wav\\CP\\NumE\\cp_ce2.wav", 0.4},
    {"\\Wav\\CP\\NumE\\cp_ce4.wav", 0.4},  {"\\Wav\\CP\\NumE\\cp_ce5.wav", 0.4},
    {"\\Wav\\CP\\NumE\\cp_ce6.wav", 0.4},  {"\\Wav\\CP\\NumE\\cp_ce9.wav", 0.4},
    {"\\Wav\\CP\\Etc\\cp_rwr.wav", 0.6},   {"\\Wav\\CP\\Etc\\cp_rwl.wav", 0.6},
    {"\\Wav\\CP\\NumJ\\cp_nk1.wav", 0.7},  {"\\Wav\\CP\\NumJ\\cp_nk3.wav", 0.7},
    {"\\Wav\\CP\\NumJ\\cp_nk4.wav", 0.7},  {"\\Wav\\CP\\NumJ\\cp_nh5.wav", 0.8},
    {"\\Wav\\CP\\NumJ\\cp_nh8.wav", 0.8},
};

// A briefing as the prompt stores it on OK.
struct Briefing {
  const char* tens;
  const char* units;
  const char* side;
  int goAroundFt;
  int flaps;
};

class LandingBriefingTest : public test::GroupTest {
 protected:
  LandingBriefingTest() : GroupTest(kRecordings), prompts(p.pump) {
    VolumeSetting(14, 8);
    p.pro.engine.flightForms = &prompts;
    p.pro.files.RouteAirports[0].slot = "1";
    p.pro.files.RouteAirports[1].slot = "5";
    p.pro.flight.AirStep = 4;
    p.WriteFlightData(20000, 35000);
    MusicRunning();
    p.SetOrigin();
  }
  // The prompt answers `state` after `delay`, storing `b` on OK.
  void Answers(std::chrono::milliseconds delay, std::int16_t state, Briefing b = {"1", "6", "ライト(R)", 4500, 15}) {
    prompts.Answer(FlightForm::frmLDB, delay, [this, state, b] {
      auto& stored = p.pro.flight.LandingBriefing;
      if (state == kPromptConfirmed) {
        stored.LandingRunwayParts = {b.tens, b.units, b.side};
        stored.GoAroundAltitude = static_cast<std::int16_t>(b.goAroundFt);
        stored.GoAroundFlap = static_cast<std::int16_t>(b.flaps);
      }
      p.pro.flight.LandingBriefingState = state;
    });
  }

  test::ScriptedPrompts prompts;
};

struct SpokenCase {
  const char* name;
  Briefing briefing;
  std::vector<const char*> runway;    // after A4_1
  std::vector<const char*> altitude;  // after A4_2
  std::vector<const char*> flaps;     // after A4_3
  bool inCabin = false;               // the listening position changes nothing
};

std::ostream& operator<<(std::ostream& os, const SpokenCase& c) { return os << c.name; }

const SpokenCase kSpoken[] = {
    {"Right4500Flaps15", {"1", "6", "ライト(R)", 4500, 15},
     {"\\Wav\\CP\\NumE\\cp_cm1.wav", "\\Wav\\CP\\NumE\\cp_ce6.wav", "\\Wav\\CP\\Etc\\cp_rwr.wav"},
     {"\\Wav\\CP\\NumJ\\cp_nk4.wav", "\\Wav\\CP\\NumJ\\cp_nh5.wav"},
     {"\\Wav\\CP\\NumE\\cp_cm1.wav", "\\Wav\\CP\\NumE\\cp_ce5.wav"}},
    {"Left3000Flaps20", {"3", "4", "レフト(L)", 3000, 20},
     {"\\Wav\\CP\\NumE\\cp_cm3.wav", "\\Wav\\CP\\NumE\\cp_ce4.wav", "\\Wav\\CP\\Etc\\cp_rwl.wav"},
     {"\\Wav\\CP\\NumJ\\cp_nk3.wav"},
     {"\\Wav\\CP\\NumE\\cp_cm2.wav", "\\Wav\\CP\\NumE\\cp_ce0.wav"}},
    {"Centre800Flaps5InTheCabin", {"0", "9", "センター(C)", 800, 5},
     {"\\Wav\\CP\\NumE\\cp_cm0.wav", "\\Wav\\CP\\NumE\\cp_ce9.wav"},
     {"\\Wav\\CP\\NumJ\\cp_nh8.wav"},
     {"\\Wav\\CP\\NumE\\cp_cm0.wav", "\\Wav\\CP\\NumE\\cp_ce5.wav"},
     true},
    {"NoSide1500Flaps25", {"2", "2", "", 1500, 25},
     {"\\Wav\\CP\\NumE\\cp_cm2.wav", "\\Wav\\CP\\NumE\\cp_ce2.wav"},
     {"\\Wav\\CP\\NumJ\\cp_nk1.wav", "\\Wav\\CP\\NumJ\\cp_nh5.wav"},
     {"\\Wav\\CP\\NumE\\cp_cm2.wav", "\\Wav\\CP\\NumE\\cp_ce5.wav"}},
};

class SpokenBriefingTest : public LandingBriefingTest, public ::testing::WithParamInterface<SpokenCase> {};

// Answered 1.2 s after the prompt showed: the next half-second poll (1.5 s) starts the group.
TEST_P(SpokenBriefingTest, SaysTheBriefingInOrderAfterTheNextPoll) {
  const SpokenCase& c = GetParam();
  if (c.inCabin) p.strip.texts[simlink::CabinBox::tbxCockpit] = "Cabin";
  Answers(1200ms, kPromptConfirmed, c.briefing);
  p.Serve(14);

  constexpr double kAnswered = 1500;
  auto run = Expect(kAnswered + 1000, kVolume);
  auto parts = [&run](const std::vector<const char*>& files) {
    for (const char* f : files) run.Part(f);
  };
  run.Part("\\Wav\\CP\\A4_1.wav");
  parts(c.runway);
  run.Note("Ａ４：ＬＤＢ－２").Part("\\Wav\\CP\\A4_2.wav");
  parts(c.altitude);
  run.Note("Ａ４：ＬＤＢ－３").Part("\\Wav\\CP\\A4_3.wav");
  parts(c.flaps);
  run.Note("Ａ４：ＬＤＢ－４").Part("\\Wav\\CP\\A4_4.wav");
  test::ExpectTimeline(p.Timeline(), run.played, 20);
  std::vector<test::Mark> marks = {{kAnswered, "Ａ４：ＬＤＢ－１"}};
  marks.insert(marks.end(), run.captions.begin(), run.captions.end());
  marks.push_back({run.Now(), ""});
  ExpectMarks(p.Marks(), marks, 20);

  EXPECT_EQ(prompts.shown, std::vector<FlightForm>{FlightForm::frmLDB});
  EXPECT_EQ(p.pro.flight.AtcChatterChannel, 5);
  EXPECT_EQ(p.pro.flight.CurrentVolumeIndex, 14);
  EXPECT_EQ(p.pro.flight.AirStep, 7);
  ExpectGroupDone(7, 17);
}

INSTANTIATE_TEST_SUITE_P(Ldb, SpokenBriefingTest, ::testing::ValuesIn(kSpoken),
                         [](const auto& info) { return std::string(info.param.name); });

// The endings that say nothing: no caption, the music not lowered, the step advanced.
struct SilentCase {
  const char* name;
  std::int16_t state;
  bool callOutsOn;
};
const SilentCase kSilent[] = {
    {"Cancel", kPromptCancelled, true},
    {"CloseBox", kPromptCancelled, true},
    {"BothCallOutOptionsOff", kPromptConfirmed, false},
};

TEST_F(LandingBriefingTest, SilentEndings) {
  for (const SilentCase& c : kSilent) {
    SCOPED_TRACE(c.name);
    p.sound.calls.clear();
    p.window.history.clear();
    p.pro.flight.AirStep = 4;
    p.pro.main.SpeedCallOption = p.pro.main.AltitudeCallOption = c.callOutsOn ? "ON" : "OFF";
    Answers(std::string_view(c.name) == "CloseBox" ? 0ms : 2000ms, c.state, {"3", "4", "レフト(L)", 3000, 20});
    const std::size_t levels = p.MusicLevels().size();
    p.Serve(14);
    EXPECT_TRUE(p.Timeline().empty());
    EXPECT_TRUE(p.Marks().empty());
    EXPECT_EQ(p.MusicLevels().size(), levels) << "the music not lowered";
    EXPECT_EQ(p.pro.flight.AirStep, 7);
    ExpectGroupDone(7, 17);
  }
  // The briefing confirmed with the options off stays stored for the call-out program.
  EXPECT_EQ(p.pro.flight.LandingBriefing.GoAroundAltitude, 3000);
}

// A cut while the prompt is open: the prompt still waits for its answer at the same
// half-second rhythm; then nothing is said, but every caption of the briefing is written.
TEST_F(LandingBriefingTest, CutWhileAskedSaysNothingAndStillWritesTheCaptions) {
  Answers(3000ms, kPromptConfirmed);
  std::int64_t pumpsAt1s = 0, pumpsAt29 = 0;
  p.pump.At(p.origin + 1'000'000'000, [&] {
    p.pro.engine.AnnounceAbort = true;
    pumpsAt1s = p.pump.PumpCount();
  });
  p.pump.At(p.origin + 2'900'000'000, [&] { pumpsAt29 = p.pump.PumpCount(); });
  p.Serve(14);

  EXPECT_TRUE(p.Timeline().empty());
  const double at = 3000;
  ExpectMarks(p.Marks(), {{at, "Ａ４：ＬＤＢ－１"}, {at, "Ａ４：ＬＤＢ－２"}, {at, "Ａ４：ＬＤＢ－３"},
                          {at, "Ａ４：ＬＤＢ－４"}, {at, ""}}, 20);
  EXPECT_LT(pumpsAt29 - pumpsAt1s, 600) << "the poll kept its pace under the cut";
  ExpectGroupDone(7, 17);
}

// A program without the landing briefing prompt ends the group as if cancelled.
TEST_F(LandingBriefingTest, WithoutThePromptNothingIsAskedOrSaid) {
  prompts.Missing(FlightForm::frmLDB);
  p.Serve(14);
  EXPECT_TRUE(prompts.shown.empty());
  EXPECT_TRUE(p.Timeline().empty());
  EXPECT_TRUE(p.Marks().empty());
  EXPECT_EQ(p.pro.flight.AirStep, 7);
  EXPECT_LT(p.Ms(p.clock.MonotonicNanos()), 100);
}

TEST_F(LandingBriefingTest, FlightEndingWhileAskedEndsTheGroupAtOnce) {
  p.pump.At(p.origin + 1'000'000'000, [&] { p.pro.engine.FlightWindowClosed = true; });
  p.Serve(14);
  EXPECT_TRUE(p.Timeline().empty());
  EXPECT_TRUE(p.Marks().empty());
  EXPECT_EQ(p.pro.flight.AirStep, 4);
}

TEST(LdbAltitudeDigitsTest, ThousandsAndHundredsSpoken) {
  const struct {
    int feet;
    const char* digits;
  } cases[] = {{4500, "11"}, {3000, "10"}, {800, "01"}, {1050, "10"}, {99, "00"}, {0, "00"}, {-500, "00"}};
  for (const auto& c : cases) EXPECT_EQ(LdbAltitudeDigits(c.feet), c.digits) << c.feet;
}

}  // namespace
}  // namespace vx::announce
