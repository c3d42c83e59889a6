// The next MP3 track of the background music: positions by repeat mode, quiet sound,
// failures and the players that never play.
#include <gtest/gtest.h>

#include "announce/mp3_track.h"
#include "platform/mp3_player.h"
#include "support/sound_program.h"

namespace vx::announce {
namespace {

using namespace std::chrono_literals;

class Mp3TrackTest : public testing::Test {
 protected:
  void SetUp() override {
    auto& list = p.pro.engine.BgmPlaylist;
    list.count = 3;
    for (int i = 0; i < 3; ++i) {
      list.paths[static_cast<std::size_t>(i)] = "  /mp3/track" + std::to_string(i) + ".mp3 ";
      list.titles[static_cast<std::size_t>(i)] = "track" + std::to_string(i);
    }
    p.pro.engine.BgmEngine = 2;
  }
  std::vector<std::string> Opened() const {
    std::vector<std::string> files;
    for (const auto& c : p.mp3.CallsOf(platform::RecordingMp3Player::Op::Open)) files.push_back(c.file);
    return files;
  }
  test::SoundProgram p;
};

TEST_F(Mp3TrackTest, InOrderTheNextTrackAfterTheLastIsTheFirst) {
  auto& e = p.pro.engine;
  e.BgmPlaylist.position = 2;
  p.pro.flight.BgmVolume = 8;
  PlayNextMp3Track(p.pro);
  EXPECT_EQ(e.BgmPlaylist.position, 0);
  EXPECT_EQ(Opened(), std::vector<std::string>{"/mp3/track0.mp3"});
  EXPECT_EQ(p.mp3.State(), platform::kMp3Playing);
  EXPECT_EQ(p.mp3.volumeLeft, 80);
  EXPECT_EQ(p.mp3.volumeRight, 80);
  EXPECT_EQ(p.Box(FlightBox::tbxBGM番号), "No.1/3");
  EXPECT_EQ(p.Box(FlightBox::tbxBGM名), "track0");
  EXPECT_EQ(p.Box(FlightBox::tbxBGM音量), "BGM音量 8");
  EXPECT_TRUE(p.pro.flight.BgmPlaying);
  EXPECT_FALSE(p.pro.flight.BgmStarting);
  EXPECT_TRUE(p.pro.sim.Mp3TrackOpen);

  PlayNextMp3Track(p.pro);  // closes the open track first
  EXPECT_EQ(Opened().back(), "/mp3/track1.mp3");
  EXPECT_EQ(p.mp3.CallsOf(platform::RecordingMp3Player::Op::Close).size(), 1u);
}

TEST_F(Mp3TrackTest, PositionsOfTheRandomAndRepeatModes) {
  auto& e = p.pro.engine;
  auto& r = p.random;
  struct Case {
    const char* mode;
    std::int16_t count, position;
    double draw;
    std::int16_t expected;
  };
  const Case cases[] = {
      {"ランダム", 3, 0, 0.70, 2}, {"ランダム", 1, 0, 0.999, 0}, {"ランダム", 3, 2, 0.0, 0},
      {"リピート", 3, 1, 0.5, 1}, {"順次", 3, 7, 0.5, 0},      {"リピート", 3, 9, 0.5, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mode << " at " << c.position << " of " << c.count);
    e.BgmRepeatMode = c.mode;
    e.BgmPlaylist.count = c.count;
    e.BgmPlaylist.position = c.position;
    r.Push(c.draw);
    PlayNextMp3Track(p.pro);
    EXPECT_EQ(e.BgmPlaylist.position, c.expected);
    EXPECT_EQ(Opened().back(), "/mp3/track" + std::to_string(c.expected) + ".mp3");
  }
}

TEST_F(Mp3TrackTest, UnderQuietSoundATrackStartsSilentAndTheBoxKeepsTheLevel) {
  p.pro.engine.QuietSound = 5;  // any non-zero value is quiet
  p.pro.flight.BgmVolume = 6;
  PlayNextMp3Track(p.pro);
  EXPECT_EQ(p.mp3.volumeLeft, 0);
  EXPECT_EQ(p.mp3.volumeRight, 0);
  EXPECT_EQ(p.Box(FlightBox::tbxBGM音量), "BGM音量 6");
}

TEST_F(Mp3TrackTest, FailedTracksAreReportedUntilEveryTrackHasFailedThenTheMusicStops) {
  auto& e = p.pro.engine;
  p.mp3.failOpen["/mp3/track1.mp3"] = platform::kMp3NotDecodable;
  p.mp3.failOpen["/mp3/track2.mp3"] = platform::kMp3FileNotFound;
  p.boxes.Expect("VexlorPro", ui::Answer::Ok, "ErrNo : 3 Open Error");
  PlayNextMp3Track(p.pro);  // track 1 fails
  EXPECT_FALSE(p.pro.flight.BgmStarting);
  EXPECT_TRUE(p.pro.flight.BgmPlaying);
  p.boxes.Expect("VexlorPro", ui::Answer::Ok, "ErrNo : 2 Open Error");
  PlayNextMp3Track(p.pro);  // track 2 fails
  PlayNextMp3Track(p.pro);  // track 0 plays: the count starts again
  EXPECT_EQ(e.BgmTrackFailures, 0);
  EXPECT_EQ(p.mp3.State(), platform::kMp3Playing);

  p.mp3.failOpen["/mp3/track0.mp3"] = platform::kMp3NotDecodable;
  for (int i = 0; i < 3; ++i) p.boxes.Expect("VexlorPro", ui::Answer::Ok, "Open Error");
  for (int i = 0; i < 3; ++i) PlayNextMp3Track(p.pro);
  EXPECT_EQ(p.boxes.PendingExpectations(), 0u);
  EXPECT_FALSE(p.pro.flight.BgmPlaying);  // stopped: the heartbeat no longer asks for tracks
  EXPECT_EQ(p.Box(FlightBox::tbxBGM番号), "");
  EXPECT_EQ(p.Box(FlightBox::tbxBGM名), "");
  EXPECT_FALSE(p.pro.sim.Mp3TrackOpen);
}

TEST_F(Mp3TrackTest, ARepeatedTrackThatFailsStopsTheMusicAtOnce) {
  p.pro.engine.BgmRepeatMode = "同じ曲";
  p.mp3.failOpen["/mp3/track0.mp3"] = platform::kMp3NotDecodable;
  p.boxes.Expect("VexlorPro", ui::Answer::Ok, "ErrNo : 3 Open Error");
  PlayNextMp3Track(p.pro);
  EXPECT_FALSE(p.pro.flight.BgmPlaying);
}

TEST_F(Mp3TrackTest, APlayerThatNeverPlaysIsGivenUpAfterThreeSeconds) {
  p.mp3.startDelayMs = -1;
  p.boxes.Expect("VexlorPro", ui::Answer::Ok, "ErrNo : 5 Open Error");
  const auto t0 = p.Now();
  PlayNextMp3Track(p.pro);
  const auto waited = p.Now() - t0;
  EXPECT_GE(waited, 3'000'000'000);
  EXPECT_LT(waited, 3'100'000'000);
  EXPECT_FALSE(p.pro.sim.Mp3TrackOpen);
  EXPECT_EQ(p.mp3.OpenFile(), "");
  EXPECT_FALSE(p.pro.flight.BgmStarting);
}

TEST_F(Mp3TrackTest, AnEmptyListOrAChangeUnderWayDoesNothing) {
  auto& e = p.pro.engine;
  p.pro.flight.BgmStarting = true;
  PlayNextMp3Track(p.pro);
  EXPECT_TRUE(p.mp3.CallsOf(platform::RecordingMp3Player::Op::Open).empty());
  EXPECT_TRUE(p.pro.flight.BgmStarting);
  p.pro.flight.BgmStarting = false;
  e.BgmPlaylist.count = 0;
  PlayNextMp3Track(p.pro);
  EXPECT_TRUE(p.mp3.CallsOf(platform::RecordingMp3Player::Op::Open).empty());
  EXPECT_FALSE(p.pro.flight.BgmPlaying);
  EXPECT_TRUE(p.boxes.shown.empty());
  EXPECT_TRUE(p.window.texts.empty());
}

}  // namespace
}  // namespace vx::announce
