#include "platform/recording_music.h"

#include <gtest/gtest.h>

#include "platform/addon_link.h"
#include "platform/virtual_time.h"

namespace vx::platform {
namespace {

using namespace std::chrono_literals;

TEST(RecordingMusicDevice, SegmentPositionRunsToItsLengthAndHoldsWhenStopped) {
  VirtualClock clock;
  RecordingMusicDevice music(clock);
  music.lengthMs["/m/a.mid"] = 3000;
  ASSERT_TRUE(music.Init());
  const auto a = music.LoadSegment("/m/a.mid", 32);
  const auto b = music.LoadSegment("/m/b.mid", 32);
  EXPECT_EQ(music.SegmentLength(a), 3000);
  EXPECT_EQ(music.SegmentLength(b), music.defaultLengthMs);
  music.PlaySegment(a, 0);
  clock.Advance(1200ms);
  EXPECT_EQ(music.SegmentPosition(a), 1200);
  clock.Advance(5s);
  EXPECT_EQ(music.SegmentPosition(a), 3000);
  EXPECT_EQ(music.Sounding(), 0);
  music.PlaySegment(b, 0);
  clock.Advance(500ms);
  music.StopSegment(b);
  clock.Advance(5s);
  EXPECT_EQ(music.SegmentPosition(b), 500);
  music.FreeSegment(b);
  EXPECT_EQ(music.SegmentPosition(b), 0);
  EXPECT_EQ(music.SegmentLength(b), 0);
  EXPECT_EQ(music.SegmentLength(0), 0);
  const auto loads = music.CallsOf(RecordingMusicDevice::Op::Load);
  ASSERT_EQ(loads.size(), 2u);
  EXPECT_EQ(loads[1].value, 32);
  EXPECT_EQ(loads[1].file, "/m/b.mid");
}

TEST(RecordingMp3Player, StatesFollowPlayPauseRestartAndTheTrackEnd) {
  VirtualClock clock;
  RecordingMp3Player mp3(clock);
  mp3.trackMs["/m/a.mp3"] = 10000;
  mp3.failOpen["/m/broken.mp3"] = kMp3NotDecodable;
  ASSERT_TRUE(mp3.Init());
  EXPECT_FALSE(mp3.Open("/m/broken.mp3"));
  EXPECT_EQ(mp3.LastErrorNo(), kMp3NotDecodable);
  ASSERT_TRUE(mp3.Open("/m/a.mp3"));
  EXPECT_EQ(mp3.State(), kMp3Stopped);
  mp3.Play();
  EXPECT_EQ(mp3.State(), kMp3Playing);
  clock.Advance(4s);
  mp3.Pause();
  EXPECT_EQ(mp3.State(), kMp3Paused);
  clock.Advance(100s);
  mp3.Restart();
  EXPECT_EQ(mp3.State(), kMp3Playing);
  clock.Advance(5999ms);
  EXPECT_EQ(mp3.State(), kMp3Playing);
  clock.Advance(1ms);
  EXPECT_EQ(mp3.State(), kMp3Stopped);
}

TEST(RecordingMp3Player, AStartDelayKeepsTheStateStoppedForAWhileOrForEver) {
  VirtualClock clock;
  RecordingMp3Player mp3(clock);
  mp3.Init();
  mp3.startDelayMs = 700;
  mp3.Open("/m/a.mp3");
  mp3.Play();
  clock.Advance(699ms);
  EXPECT_EQ(mp3.State(), kMp3Stopped);
  clock.Advance(1ms);
  EXPECT_EQ(mp3.State(), kMp3Playing);
  mp3.startDelayMs = -1;
  mp3.Play();
  clock.Advance(1000s);
  EXPECT_EQ(mp3.State(), kMp3Stopped);
}

TEST(AddonLink, ThisPlatformHasNoAddonAndTheScriptedOneAnswersInTurn) {
  UnavailableAddonLink none;
  AddonDataRecord record;
  record.Set(AddonDataRecord::kV1, 140);
  EXPECT_EQ(none.Session(1, kAddonSessionVersion), kAddonNotRunning);
  EXPECT_EQ(none.ReadData(record), kAddonNotRunning);
  EXPECT_EQ(record.At(AddonDataRecord::kV1), 140);

  ScriptedAddonLink scripted;
  AddonDataRecord given;
  given.Set(AddonDataRecord::kVref30, 138);
  scripted.QueueRead(kAddonOk, given);
  scripted.QueueRead(kAddonRequestError);
  EXPECT_EQ(scripted.ReadData(record), kAddonOk);
  EXPECT_EQ(record.At(AddonDataRecord::kVref30), 138);
  record.Set(AddonDataRecord::kVref30, 0);
  EXPECT_EQ(scripted.ReadData(record), kAddonRequestError);
  EXPECT_EQ(record.At(AddonDataRecord::kVref30), 0);
  EXPECT_EQ(scripted.ReadData(record), kAddonRequestError);
  EXPECT_EQ(scripted.Session(1, kAddonSessionVersion), kAddonOk);
  ASSERT_EQ(scripted.sessions.size(), 1u);
  EXPECT_EQ(scripted.sessions[0].version, 202);
}

}  // namespace
}  // namespace vx::platform
