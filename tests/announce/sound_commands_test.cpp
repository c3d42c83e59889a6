#include <gtest/gtest.h>

#include <algorithm>

#include "announce/background_music.h"
#include "announce/effect_loops.h"
#include "announce/sound_commands.h"
#include "support/sound_files.h"
#include "support/sound_program.h"

namespace vx::announce {
namespace {

using namespace std::chrono_literals;
using MusicOp = platform::RecordingMusicDevice::Op;
using Mp3Op = platform::RecordingMp3Player::Op;
using SoundOp = platform::RecordingSoundDevice::Op;

class MusicTest : public testing::Test {
 protected:
  void UsePlaylist(int engine, int count, const char* mode = state::kBgmInOrder) {
    auto& e = p.pro.engine;
    e.BgmEngine = static_cast<std::int16_t>(engine);
    e.BgmRepeatMode = mode;
    e.BgmPlaylist.count = static_cast<std::int16_t>(count);
    for (int i = 0; i < count; ++i) {
      const std::string ext = engine == 1 ? ".mid" : ".mp3";
      e.BgmPlaylist.paths[static_cast<std::size_t>(i)] = "/music/t" + std::to_string(i) + ext;
      e.BgmPlaylist.titles[static_cast<std::size_t>(i)] = "Title " + std::to_string(i);
      p.music.lengthMs["/music/t" + std::to_string(i) + ext] = 10000;
      p.mp3.trackMs["/music/t" + std::to_string(i) + ext] = 10000;
    }
  }
  // Runs the heartbeat's music check every 490 ms for `span`.
  void Heartbeats(std::chrono::milliseconds span) {
    for (auto t = 0ms; t < span; t += 490ms) {
      p.clock.Advance(490ms);
      if (p.pro.engine.BgmEngine >= 1 && p.pro.flight.BgmPlaying) PollBgmEnd(p.pro);
    }
  }
  std::vector<std::string> LoadedSegments() const {
    std::vector<std::string> files;
    for (const auto& c : p.music.CallsOf(MusicOp::Load)) files.push_back(c.file);
    return files;
  }
  std::vector<int> MasterVolumes() const {
    std::vector<int> v;
    for (const auto& c : p.music.CallsOf(MusicOp::MasterVolume)) v.push_back(c.value);
    return v;
  }
  test::SoundProgram p;
};

TEST_F(MusicTest, SegmentsPlayInOrderFromTheSecondEntryAndFollowEachOther) {
  UsePlaylist(1, 3);
  const auto before = p.clock.MonotonicNanos();
  ASSERT_TRUE(RunSoundCommand(p.pro, 50));
  EXPECT_EQ(LoadedSegments(), std::vector<std::string>{"/music/t1.mid"});
  EXPECT_EQ(p.Box(FlightBox::tbxBGM番号), "No.2/3");
  EXPECT_EQ(p.Box(FlightBox::tbxBGM名), "Title 1");
  EXPECT_TRUE(p.pro.flight.BgmPlaying);
  EXPECT_FALSE(p.pro.flight.BgmStarting);
  EXPECT_GE(p.pro.main.KeySequence.stampNanos.value_or(0), before);
  Heartbeats(9500ms);
  EXPECT_EQ(LoadedSegments().size(), 1u);  // not yet at its end
  Heartbeats(21000ms);
  EXPECT_EQ(LoadedSegments(), (std::vector<std::string>{"/music/t1.mid", "/music/t2.mid", "/music/t0.mid",
                                                        "/music/t1.mid"}));
  // Each change stops and frees the segment before, and plays the new one from its start.
  const auto plays = p.music.CallsOf(MusicOp::Play);
  ASSERT_EQ(plays.size(), 4u);
  for (const auto& c : plays) EXPECT_EQ(c.value, 0);
  EXPECT_EQ(p.music.CallsOf(MusicOp::Free).size(), 4u);
  EXPECT_EQ(p.music.Sounding(), p.pro.engine.BgmSegment);
}

TEST_F(MusicTest, RandomAndRepeatModes) {
  UsePlaylist(1, 4, state::kBgmRandom);
  for (double draw : {0.9, 0.1, 0.5}) p.random.Push(draw);
  RunSoundCommand(p.pro, 50);
  Heartbeats(20500ms);
  EXPECT_EQ(LoadedSegments(), (std::vector<std::string>{"/music/t3.mid", "/music/t0.mid", "/music/t2.mid"}));

  test::SoundProgram q;
  q.pro.engine.BgmEngine = 2;
  q.pro.engine.BgmRepeatMode = "繰り返し";
  q.pro.engine.BgmPlaylist.count = 2;
  q.pro.engine.BgmPlaylist.paths = {"/music/a.mp3", "/music/b.mp3"};
  q.mp3.trackMs["/music/a.mp3"] = 5000;
  RunSoundCommand(q.pro, 50);
  q.clock.Advance(5100ms);
  PollBgmEnd(q.pro);
  const auto opens = q.mp3.CallsOf(Mp3Op::Open);
  ASSERT_EQ(opens.size(), 2u);
  EXPECT_EQ(opens[0].file, "/music/a.mp3");
  EXPECT_EQ(opens[1].file, "/music/a.mp3");
}

TEST_F(MusicTest, SegmentsThatDoNotLoadAreTriedABoundedNumberOfTimes) {
  struct Case {
    const char* mode;
    int count;
    std::vector<std::string> failing;
    std::vector<std::string> loaded;  // over a minute of heartbeats
    bool playing;
  };
  const Case cases[] = {
      // Every track fails: each is tried once, then the music stops.
      {state::kBgmInOrder, 3, {"/music/t0.mid", "/music/t1.mid", "/music/t2.mid"},
       {"/music/t1.mid", "/music/t2.mid", "/music/t0.mid"}, false},
      {state::kBgmRandom, 2, {"/music/t0.mid", "/music/t1.mid"}, {"/music/t0.mid", "/music/t0.mid"}, false},
      // The same track again and again: one try.
      {"繰り返し", 2, {"/music/t0.mid"}, {"/music/t0.mid"}, false},
      // One failing track among good ones is passed over and the music goes on.
      {state::kBgmInOrder, 2, {"/music/t0.mid"},
       {"/music/t1.mid", "/music/t0.mid", "/music/t1.mid", "/music/t0.mid", "/music/t1.mid", "/music/t0.mid",
        "/music/t1.mid", "/music/t0.mid", "/music/t1.mid", "/music/t0.mid", "/music/t1.mid"},
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.mode) + " " + std::to_string(c.failing.size()));
    p.music.calls.clear();
    UsePlaylist(1, c.count, c.mode);
    p.pro.engine.BgmPlaylist.position = 0;
    p.pro.flight.BgmPlaying = false;
    for (int i = 0; i < 8; ++i) p.random.Push(0.1);
    p.music.failLoad = [&c](const std::string& file) {
      return std::find(c.failing.begin(), c.failing.end(), file) != c.failing.end();
    };
    RunSoundCommand(p.pro, 50);
    Heartbeats(60000ms);
    EXPECT_EQ(LoadedSegments(), c.loaded);
    EXPECT_EQ(p.pro.flight.BgmPlaying, c.playing);
    if (!c.playing) {
      EXPECT_EQ(p.Box(FlightBox::tbxBGM番号), "");
      EXPECT_EQ(p.Box(FlightBox::tbxBGM名), "");
    }
  }
}

TEST_F(MusicTest, LevelKeysStepByTwoAndWrap) {
  UsePlaylist(1, 2);
  RunSoundCommand(p.pro, 57);  // no music yet: nothing
  EXPECT_EQ(p.pro.flight.BgmVolume, 10);
  EXPECT_TRUE(MasterVolumes().empty());
  RunSoundCommand(p.pro, 50);
  std::vector<std::string> boxes;
  for (int i = 0; i < 6; ++i) {
    RunSoundCommand(p.pro, 57);
    boxes.push_back(p.Box(FlightBox::tbxBGM音量));
  }
  EXPECT_EQ(MasterVolumes(), (std::vector<int>{-600, -1200, -1800, -2400, -3000, 0}));
  EXPECT_EQ(boxes, (std::vector<std::string>{"BGM音量 8", "BGM音量 6", "BGM音量 4", "BGM音量 2", "BGM音量 0",
                                             "BGM音量 10"}));
  RunSoundCommand(p.pro, 59);  // 10 -> 0
  EXPECT_EQ(p.pro.flight.BgmVolume, 0);
  RunSoundCommand(p.pro, 59);
  EXPECT_EQ(p.pro.flight.BgmVolume, 2);
  EXPECT_EQ(MasterVolumes().back(), -2400);
}

TEST_F(MusicTest, Mp3LevelsAndStop) {
  UsePlaylist(2, 2);
  RunSoundCommand(p.pro, 50);
  EXPECT_EQ(p.mp3.volumeLeft, 100);
  RunSoundCommand(p.pro, 57);
  EXPECT_EQ(p.mp3.volumeLeft, 80);
  EXPECT_EQ(p.mp3.volumeRight, 80);
  RunSoundCommand(p.pro, 58);
  EXPECT_FALSE(p.pro.flight.BgmPlaying);
  EXPECT_EQ(p.mp3.State(), platform::kMp3Stopped);
  EXPECT_EQ(p.mp3.OpenFile(), "/music/t1.mp3");  // stays open
  EXPECT_EQ(p.Box(FlightBox::tbxBGM番号), "");
  EXPECT_EQ(p.Box(FlightBox::tbxBGM音量), "");
  RunSoundCommand(p.pro, 59);  // no music: nothing
  EXPECT_EQ(p.pro.flight.BgmVolume, 8);
  Heartbeats(20000ms);  // stopped music is not followed
  EXPECT_EQ(p.mp3.CallsOf(Mp3Op::Open).size(), 1u);
}

TEST_F(MusicTest, StartWaitsForATrackChangeUnderWay) {
  UsePlaylist(2, 2);
  p.pro.flight.BgmStarting = true;
  const auto t0 = p.Now();
  p.pump.After(700ms, [&] { p.pro.flight.BgmStarting = false; });
  RunSoundCommand(p.pro, 50);
  EXPECT_GE(p.Now() - t0, 700'000'000);
  EXPECT_EQ(p.mp3.CallsOf(Mp3Op::Open).size(), 1u);
}

TEST_F(MusicTest, DuckAndRestoreSegmentsWithAndWithoutQuietSound) {
  UsePlaylist(1, 2);
  RunSoundCommand(p.pro, 50);
  RunSoundCommand(p.pro, 57);
  RunSoundCommand(p.pro, 57);  // level 6: -1200
  const auto before = MasterVolumes().size();
  auto t0 = p.Now();
  EXPECT_TRUE(DuckBgmForAnnouncement(p.pro));
  EXPECT_TRUE(p.pro.flight.BgmLowered);
  EXPECT_GE(p.Now() - t0, 1'000'000'000);
  EXPECT_FALSE(p.pro.sim.ProgressText.empty());  // the progress tick ran in the wait
  EXPECT_EQ(MasterVolumes().back(), -3000);
  t0 = p.Now();
  EXPECT_TRUE(RestoreBgmAfterAnnouncement(p.pro));
  EXPECT_GE(p.Now() - t0, 1'000'000'000);
  EXPECT_EQ(MasterVolumes().back(), -1200);
  EXPECT_FALSE(p.pro.flight.BgmLowered);

  p.pro.engine.QuietSound = -1;
  DuckBgmForAnnouncement(p.pro);
  RestoreBgmAfterAnnouncement(p.pro);
  EXPECT_EQ(MasterVolumes().back(), -3000);
  EXPECT_EQ(MasterVolumes().size(), before + 4);
}

TEST_F(MusicTest, DuckAndRestoreMp3WithAndWithoutQuietSound) {
  UsePlaylist(2, 2);
  RunSoundCommand(p.pro, 50);
  DuckBgmForAnnouncement(p.pro);
  EXPECT_EQ(p.mp3.State(), platform::kMp3Paused);
  RestoreBgmAfterAnnouncement(p.pro);
  EXPECT_EQ(p.mp3.State(), platform::kMp3Playing);
  EXPECT_EQ(p.mp3.CallsOf(Mp3Op::Restart).size(), 1u);

  p.pro.engine.QuietSound = 1;
  DuckBgmForAnnouncement(p.pro);
  RestoreBgmAfterAnnouncement(p.pro);
  EXPECT_EQ(p.mp3.State(), platform::kMp3Paused);
  EXPECT_EQ(p.mp3.CallsOf(Mp3Op::Restart).size(), 1u);
  EXPECT_EQ(p.mp3.CallsOf(Mp3Op::Pause).size(), 2u);  // already paused: not paused again
}

TEST_F(MusicTest, ClosingTheFlightWindowDuringTheRestoreLeavesTheMusicLowered) {
  UsePlaylist(1, 2);
  RunSoundCommand(p.pro, 50);
  DuckBgmForAnnouncement(p.pro);
  p.pump.After(400ms, [&] { p.pro.engine.FlightWindowClosed = true; });
  const auto volumes = MasterVolumes().size();
  EXPECT_FALSE(RestoreBgmAfterAnnouncement(p.pro));
  EXPECT_TRUE(p.pro.flight.BgmLowered);
  EXPECT_EQ(MasterVolumes().size(), volumes);
}

TEST_F(MusicTest, WithoutMusicTheRestoreOnlyClearsTheMark) {
  p.pro.flight.BgmLowered = true;
  const auto t0 = p.Now();
  EXPECT_TRUE(RestoreBgmAfterAnnouncement(p.pro));
  EXPECT_EQ(p.Now(), t0);
  EXPECT_FALSE(p.pro.flight.BgmLowered);
}

class LoopTest : public testing::Test {
 protected:
  void SetUp() override {
    auto& e = p.pro.engine;
    for (int slot = 1; slot <= 4; ++slot) {
      const double seconds = slot == 1 ? 0.8 : 0.5;
      e.SoundSlotBuffer[static_cast<std::size_t>(slot)] =
          p.sound.CreateBuffer(test::MakeToneWav({.seconds = seconds}), 1, "slot" + std::to_string(slot));
    }
    e.AnnounceVolumeTable[kWiperVolumeIndex] = -900;
    e.AnnounceVolumeTable[kAirconVolumeIndex] = -300;
  }
  std::vector<platform::RecordingSoundDevice::Call> Plays() const {
    return p.sound.CallsOf({SoundOp::Play, SoundOp::PlayLooping, SoundOp::Stop});
  }
  test::SoundProgram p;
};

TEST_F(LoopTest, WiperStartsThenLoopsAndEndsWithItsEndSound) {
  const auto t0 = p.Now();
  RunSoundCommand(p.pro, 55);
  auto calls = Plays();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].op, SoundOp::Play);
  EXPECT_EQ(calls[0].label, "slot1");
  EXPECT_EQ(calls[0].volume, -900);
  EXPECT_EQ(calls[1].op, SoundOp::PlayLooping);
  EXPECT_EQ(calls[1].label, "slot2");
  EXPECT_EQ(calls[1].volume, -900);
  EXPECT_EQ(calls[1].pan, 0);
  EXPECT_GE(calls[1].atNanos - t0, 800'000'000);  // after the start sound
  EXPECT_LT(calls[1].atNanos - t0, 850'000'000);
  EXPECT_TRUE(p.pro.flight.WiperOn);
  EXPECT_EQ(p.pro.flight.CurrentVolumeIndex, kWiperVolumeIndex);

  p.clock.Advance(30s);
  EXPECT_TRUE(p.sound.IsPlaying(p.pro.engine.SoundSlotBuffer[2]));
  p.pro.engine.QuietSound = 1;
  RunSoundCommand(p.pro, 55);
  calls = Plays();
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[2].label, "slot3");
  EXPECT_EQ(calls[2].volume, -3000);
  EXPECT_EQ(calls[3].op, SoundOp::Stop);
  EXPECT_EQ(calls[3].label, "slot2");
  EXPECT_FALSE(p.sound.IsPlaying(p.pro.engine.SoundSlotBuffer[2]));
  EXPECT_FALSE(p.pro.flight.WiperOn);
}

TEST_F(LoopTest, WiperStartCutByTheFlightWindowClosingLeavesNoLoop) {
  p.pump.After(300ms, [&] { p.pro.engine.FlightWindowClosed = true; });
  RunSoundCommand(p.pro, 55);
  EXPECT_TRUE(p.sound.CallsOf({SoundOp::PlayLooping}).empty());
}

TEST_F(LoopTest, AirconLoopsUntilSwitchedOff) {
  RunSoundCommand(p.pro, 56);
  p.clock.Advance(60s);
  const auto buffer = p.pro.engine.SoundSlotBuffer[kAirconSlot];
  EXPECT_TRUE(p.sound.IsPlaying(buffer));
  EXPECT_EQ(p.sound.Find(buffer)->volume, -300);
  EXPECT_EQ(p.pro.flight.CurrentVolumeIndex, kAirconVolumeIndex);
  RunSoundCommand(p.pro, 56);
  EXPECT_FALSE(p.sound.IsPlaying(buffer));
  EXPECT_FALSE(p.pro.flight.AirconOn);
}

TEST(WindowCommands, EachWindowIsMarkedRaisedAndShown) {
  test::SoundProgram p;
  for (std::int16_t request : {51, 52, 53, 54}) EXPECT_TRUE(RunSoundCommand(p.pro, request));
  EXPECT_EQ(p.forms.shown, (std::vector<FlightForm>{FlightForm::frmHelp, FlightForm::frmPB, FlightForm::frm音声設定,
                                                    FlightForm::frmキー設定}));
  EXPECT_EQ(p.forms.asked, p.forms.shown);  // each raised by its handle before it shows
  EXPECT_TRUE(p.pro.main.HelpFromFlight);
  EXPECT_TRUE(p.pro.briefing.PushbackFormFromFlight);
  EXPECT_TRUE(p.pro.briefing.VoiceFormFromFlight);
  EXPECT_TRUE(p.pro.main.KeyFormFromFlight);
  EXPECT_FALSE(RunSoundCommand(p.pro, 49));
  EXPECT_FALSE(RunSoundCommand(p.pro, 60));
}

}  // namespace
}  // namespace vx::announce

namespace vx::announce {
namespace {

TEST(MusicAndTheFlightsEnd, AWaitForTheMp3PlayerOrAStartUnderWayEndsSilentlyWithTheFlight) {
  test::SoundProgram p;
  auto& e = p.pro.engine;
  e.BgmEngine = 2;
  e.BgmPlaylist.count = 1;
  e.BgmPlaylist.paths[0] = "/music/a.mp3";
  p.mp3.startDelayMs = -1;  // the player never reports playing
  const auto t0 = p.Now();
  p.pump.After(std::chrono::milliseconds(800), [&] { e.FlightWindowClosed = true; });
  RunSoundCommand(p.pro, 50);
  EXPECT_LT(p.Now() - t0, 1'000'000'000) << "not the whole 3 s";
  EXPECT_TRUE(p.boxes.shown.empty()) << "no open error after the flight";
  EXPECT_FALSE(p.pro.flight.BgmStarting);

  // A start waiting for a track change that never finishes ends with the flight too.
  e.FlightWindowClosed = false;
  p.pro.flight.BgmStarting = true;
  p.pump.After(std::chrono::milliseconds(300), [&] { e.FlightWindowClosed = true; });
  RunSoundCommand(p.pro, 50);
  EXPECT_EQ(p.mp3.CallsOf(platform::RecordingMp3Player::Op::Open).size(), 1u);
}

}  // namespace
}  // namespace vx::announce
