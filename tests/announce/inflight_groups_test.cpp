// The in-flight groups of the cabin on virtual time, as one table: each group's caption,
// volume index, radio channel and ducking, its recording on a domestic and an
// international route, the hidden set's recording, and every part at -3000 while the sound
// is quiet; A5 and A9 with the captain's part and the pause in both listening positions;
// the bounded voice draw of every loader.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "announce/group_fixture.h"
#include "announce/inflight_groups.h"
#include "announce/sound_slots.h"

namespace vx::announce {
namespace {

using test::ExpectMarks;

constexpr int kVolume = -600;  // volume setting 8

const test::Recording kRecordings[] = {
    {"\\Wav\\CA1\\A1.wav", 2.0},
    {"\\Wav\\CA1\\A3.wav", 2.5},
    {"\\Wav\\CA1\\A3int.wav", 3.0},
    {"\\Wav\\CA1\\A6.wav", 2.0},
    {"\\Wav\\CA1\\A7.wav", 2.0},
    {"\\Wav\\CA1\\A8.wav", 2.0},
    {"\\Wav\\himitu\\nw057\\A1上昇中アナウンス.wav", 4.0},
    {"\\Wav\\himitu\\nw057\\A3免税品販売.wav", 4.0},
    {"\\Wav\\himitu\\nw057\\A7到着２０分前アナウンス.wav", 4.0},
    {"\\Wav\\himitu\\nw057\\A8最終着陸態勢.wav", 4.0},
    {"\\Wav\\himitu\\nw057\\A5映画.wav", 4.0},
    {"\\Wav\\CP\\A5_0.wav", 1.0},
    {"\\Wav\\CA1\\A5_1.wav", 2.0},
    {"\\Wav\\CA1\\A5_2.wav", 2.0},
    {"\\Wav\\CA1\\A5_1int.wav", 2.5},
    {"\\Wav\\CA1\\A5_2int.wav", 2.5},
    {"\\Wav\\CA1\\Apt\\Japan\\SAPT_05.wav", 1.0},
    {"\\Wav\\CA1\\Apt\\World\\SAPT_20.wav", 1.0},
    {"\\Wav\\CP\\A9_0.wav", 1.0},
    {"\\Wav\\CA1\\A9.wav", 2.0},
};

struct Route {
  const char* departure;
  const char* arrival;
};
constexpr Route kDomestic{"12", "5"};
constexpr Route kInternational{"5", "120"};

struct Case {
  const char* name;
  std::int16_t request;
  const char* caption;
  int volumeIndex;
  int channel;  // -1: unchanged
  bool ducks;
  Route route;
  bool hidden;
  bool quiet;
  const char* file;  // the one recording played
};

std::ostream& operator<<(std::ostream& os, const Case& c) { return os << c.name; }

const Case kCases[] = {
    {"A1", 11, "Ａ１：ベルトＯＦＦ", 11, 4, true, kDomestic, false, false, "\\Wav\\CA1\\A1.wav"},
    {"A1hidden", 11, "Ａ１：ベルトＯＦＦ", 11, 4, true, kDomestic, true, false,
     "\\Wav\\himitu\\nw057\\A1上昇中アナウンス.wav"},
    {"A1quiet", 11, "Ａ１：ベルトＯＦＦ", 11, 4, true, kDomestic, false, true, "\\Wav\\CA1\\A1.wav"},
    {"A3domestic", 13, "Ａ３：サービス開始", 13, 4, true, kDomestic, false, false, "\\Wav\\CA1\\A3.wav"},
    {"A3international", 13, "Ａ３：サービス開始", 13, 4, true, kInternational, false, false,
     "\\Wav\\CA1\\A3int.wav"},
    {"A3hidden", 13, "Ａ３：サービス開始", 13, 4, true, kInternational, true, false,
     "\\Wav\\himitu\\nw057\\A3免税品販売.wav"},
    {"A6", 16, "Ａ６：サービス終了", 16, 4, true, kInternational, false, false, "\\Wav\\CA1\\A6.wav"},
    {"A6hiddenHasNone", 16, "Ａ６：サービス終了", 16, 4, true, kDomestic, true, false, "\\Wav\\CA1\\A6.wav"},
    {"A7", 17, "Ａ７：アプローチ", 17, 5, true, kDomestic, false, false, "\\Wav\\CA1\\A7.wav"},
    {"A7hidden", 17, "Ａ７：アプローチ", 17, 5, true, kDomestic, true, false,
     "\\Wav\\himitu\\nw057\\A7到着２０分前アナウンス.wav"},
    {"A8", 18, "Ａ８：最終着陸態勢", 18, 2, false, kDomestic, false, false, "\\Wav\\CA1\\A8.wav"},
    {"A8hidden", 18, "Ａ８：最終着陸態勢", 18, 2, false, kDomestic, true, false,
     "\\Wav\\himitu\\nw057\\A8最終着陸態勢.wav"},
};

class InFlightTest : public test::GroupTest {
 protected:
  InFlightTest() : GroupTest(kRecordings) {
    for (int index = 11; index <= 19; ++index) VolumeSetting(index, 8);
    p.pro.briefing.CabinAttendantChoice = 1;
    p.pro.flight.AtcChatterChannel = 0;
    Route(kDomestic);
    p.WriteFlightData(20000, 25000);
    MusicRunning();
    p.SetOrigin();
  }
  void Route(const announce::Route& r) {
    p.pro.files.RouteAirports[0].slot = r.departure;
    p.pro.files.RouteAirports[1].slot = r.arrival;
  }
  void Cabin() { p.strip.texts[simlink::CabinBox::tbxCockpit] = "Cabin"; }
};

class SingleRecordingTest : public InFlightTest, public ::testing::WithParamInterface<Case> {};

TEST_P(SingleRecordingTest, PlaysItsRecordingWithItsCaptionVolumeChannelAndDucking) {
  const Case& c = GetParam();
  Route(c.route);
  p.pro.engine.SpecialVoiceOn = c.hidden;
  if (c.quiet) p.pro.engine.QuietSound = -1;
  p.Serve(c.request);
  const double start = c.ducks ? 1000 : 0;  // the music lowered over 1 s first
  const bool special = std::string(c.file).find("himitu") != std::string::npos;
  const int volume = special ? 0 : c.quiet ? -3000 : kVolume;
  auto run = Expect(start, volume).Part(c.file);
  test::ExpectTimeline(p.Timeline(), run.played, 20);
  ExpectMarks(p.Marks(), {{0, c.caption}, {run.Now(), ""}}, 20);
  EXPECT_EQ(p.pro.flight.CurrentVolumeIndex, c.volumeIndex);
  EXPECT_EQ(p.pro.flight.AtcChatterChannel, c.channel < 0 ? 0 : c.channel);
  if (c.ducks) {
    ASSERT_FALSE(p.MusicLevels().empty());
    EXPECT_EQ(p.MusicLevels().front().second, -3000) << "lowered";
  } else {
    for (const auto& level : p.MusicLevels()) EXPECT_NE(level.second, -3000) << "not lowered";
  }
  EXPECT_EQ(SlotBuffer(p.pro, 7), 0);
  EXPECT_EQ(SlotBuffer(p.pro, 6), 0);
}

INSTANTIATE_TEST_SUITE_P(InFlight, SingleRecordingTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InFlightTest, A5InTheCockpitDomestic) {
  p.Serve(15);
  auto run = Expect(1000, kVolume);
  run.Part("\\Wav\\CP\\A5_0.wav").Pause(5).Part("\\Wav\\CA1\\A5_1.wav");
  run.Part("\\Wav\\CA1\\Apt\\Japan\\SAPT_05.wav", "Ａ５：到着空港").Part("\\Wav\\CA1\\A5_2.wav", "Ａ５：１時間前放送２");
  test::ExpectTimeline(p.Timeline(), run.played, 20);
  ExpectMarks(p.Marks(), run.Captions("Ａ５：１時間前放送１", run.Now()), 20);
  EXPECT_EQ(p.pro.flight.AtcChatterChannel, 4);
}

TEST_F(InFlightTest, A5InTheCabinInternationalStartsWithThePause) {
  Cabin();
  Route(kInternational);
  p.Serve(15);
  auto run = Expect(1000, kVolume);
  run.Pause(5).Part("\\Wav\\CA1\\A5_1int.wav");
  run.Part("\\Wav\\CA1\\Apt\\World\\SAPT_20.wav", "Ａ５：到着空港").Part("\\Wav\\CA1\\A5_2int.wav", "Ａ５：１時間前放送２");
  test::ExpectTimeline(p.Timeline(), run.played, 20);
}

TEST_F(InFlightTest, A5AbortDuringThePauseSkipsTheCabinParts) {
  p.pump.At(p.origin + 3'000'000'000, [&] { p.pro.engine.AnnounceAbort = true; });
  p.Serve(15);
  test::ExpectTimeline(p.Timeline(), {{"\\Wav\\CP\\A5_0.wav", 1000, 2000, kVolume}}, 20);
  ExpectMarks(p.Marks(), {{0, "Ａ５：１時間前放送１"}, {3000, ""}}, 20);
}

TEST_F(InFlightTest, A5HiddenSet) {
  p.pro.engine.SpecialVoiceOn = true;
  p.Serve(15);
  test::ExpectTimeline(p.Timeline(), {{"\\Wav\\himitu\\nw057\\A5映画.wav", 1000, 5000, 0}}, 20);
}

TEST_F(InFlightTest, A9KeepsTheRadioChannelAndPausesAfterTheCaptain) {
  p.pro.flight.AtcChatterChannel = 3;
  p.Serve(19);
  auto run = Expect(1000, kVolume);
  run.Part("\\Wav\\CP\\A9_0.wav").Pause(5).Part("\\Wav\\CA1\\A9.wav");
  test::ExpectTimeline(p.Timeline(), run.played, 20);
  ExpectMarks(p.Marks(), {{0, "Ａ９：気流注意"}, {run.Now(), ""}}, 20);
  EXPECT_EQ(p.pro.flight.AtcChatterChannel, 3);
  EXPECT_EQ(p.pro.flight.CurrentVolumeIndex, 19);

  Cabin();
  p.sound.calls.clear();
  p.SetOrigin();
  p.Serve(19);
  test::ExpectTimeline(p.Timeline(), {{"\\Wav\\CA1\\A9.wav", 6000, 8000, kVolume}}, 20);
}

// No voice has the group's recording: voice 1 after 21 draws, in every loader.
TEST(InFlightVoiceDraw, NoVoiceWithTheRecordingGivesVoiceOneAfter21Draws) {
  struct Loader {
    void (*load)(state::ProContext&);
    int slot;
    const char* file;
  };
  const Loader loaders[] = {
      {PrepareSeatbeltOffAnnouncement, 7, "\\Wav\\CA1\\A1.wav"},
      {PrepareServiceStartAnnouncement, 7, "\\Wav\\CA1\\A3.wav"},
      {PrepareOneHourAnnouncement, 9, "\\Wav\\CA1\\A5_1.wav"},
      {PrepareServiceEndAnnouncement, 7, "\\Wav\\CA1\\A6.wav"},
      {PrepareApproachAnnouncement, 7, "\\Wav\\CA1\\A7.wav"},
      {PrepareLandingAnnouncement, 7, "\\Wav\\CA1\\A8.wav"},
      {PrepareTurbulenceAnnouncement, 8, "\\Wav\\CA1\\A9.wav"},
  };
  for (const Loader& l : loaders) {
    test::EngineProgram p;
    p.StartFlight();
    p.pro.files.RouteAirports[0].slot = "1";
    p.pro.files.RouteAirports[1].slot = "5";
    p.pro.briefing.CabinAttendantChoice = 3;
    for (int i = 0; i < 25; ++i) p.random.Push(0.6);
    l.load(p.pro);
    EXPECT_EQ(p.Literal(p.pro.engine.SoundSlotFile[static_cast<std::size_t>(l.slot)]), l.file);
    EXPECT_EQ(p.random.Pending(), 4u) << l.file;
  }
}

}  // namespace
}  // namespace vx::announce
