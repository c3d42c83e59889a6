// Radio chatter on the heartbeat: the pauses between recordings, no recording twice in a
// row, switching on and off, quiet sound, lists of one file and of none.
#include <gtest/gtest.h>

#include "announce/atc_chatter.h"
#include "announce/engine_program.h"
#include "announce/group_run.h"
#include "announce/sound_slots.h"
#include "mainwindow/start_lists.h"
#include "simlink/cabin_strip.h"

namespace vx::announce {
namespace {

using namespace std::chrono_literals;
using simlink::CabinBox;

class AtcChatterTest : public ::testing::Test {
 protected:
  AtcChatterTest() {
    p.Wav("\\atc\\gnd\\A.wav", 4.0);
    p.Wav("\\atc\\gnd\\b.wav", 3.0);
    p.Wav("\\atc\\gnd\\c.wav", 5.0);
    p.Wav("\\atc\\twr\\only.wav", 2.0);
    p.StartFlight();
    mainwindow::BuildAtcFileLists(p.pro);
    p.pro.flight.AtcChatterChannel = 1;
    p.pro.flight.AtcGapSeconds = 5;
    p.pro.flight.AtcLastTime = static_cast<float>(p.clock.SecondsSinceMidnight());
    p.pro.flight.AtcChatterState = 3;  // the key sequence switches it on
    p.SetOrigin();
  }
  // The heartbeat's chatter step every 490 ms.
  void Heartbeats(std::chrono::milliseconds span) {
    for (auto t = 0ms; t < span; t += 490ms) {
      p.pump.RunFor(490ms);
      PlayAtcChatter(p.pro);
    }
  }
  test::EngineProgram p;
};

TEST_F(AtcChatterTest, TheListsAreTheChannelFoldersInNameOrder) {
  const auto& gnd = p.pro.engine.AtcFileLists[1];
  ASSERT_EQ(gnd.count, 3);
  EXPECT_EQ(p.Literal(gnd.paths[0]), "\\atc\\gnd\\A.wav");
  EXPECT_EQ(p.Literal(gnd.paths[2]), "\\atc\\gnd\\c.wav");
  EXPECT_EQ(p.pro.engine.AtcFileLists[0].count, 0);
  EXPECT_EQ(p.pro.engine.AtcFileLists[2].count, 1);
}

TEST_F(AtcChatterTest, RecordingsFollowEachOtherAfterTheirDrawnPauses) {
  // Per recording: the pause drawn (2 + Int(r × 20)), then the list index.
  for (double r : {0.0, 0.5,           // pause 2 s, index 1 (b)
                   0.5, 0.1,           // pause 12 s, index 0 (A)
                   0.95, 0.0, 0.9,     // pause 21 s, index 0 again: drawn anew, 2 (c)
                   0.2, 0.5})          // pause 6 s, index 1 (b)
    p.random.Push(r);
  const std::vector<int> pauses = {5, 2, 12, 21};  // the first from the flight's start value
  Heartbeats(60s);
  EXPECT_EQ(p.strip.back[CabinBox::tbxATC], kAtcOnBack);
  EXPECT_EQ(p.strip.fore[CabinBox::tbxATC], kAtcOnFore);

  auto played = p.Timeline();
  ASSERT_GE(played.size(), 4u);
  played.resize(4);
  EXPECT_EQ(played[0].file, "\\atc\\gnd\\b.wav");
  EXPECT_EQ(played[1].file, "\\atc\\gnd\\A.wav");
  EXPECT_EQ(played[2].file, "\\atc\\gnd\\c.wav");
  EXPECT_EQ(played[3].file, "\\atc\\gnd\\b.wav");
  // The first waits 5 s from the switch on; each next one its pause after the end of the
  // one before (as the heartbeat sees it: within one tick less).
  EXPECT_GE(played[0].startMs, 4500);
  EXPECT_LE(played[0].startMs, 5000 + 490);
  for (std::size_t i = 1; i < played.size(); ++i) {
    const double pause = (played[i].startMs - played[i - 1].endMs) / 1000.0;
    EXPECT_GE(pause, pauses[i] - 1.0) << i;
    EXPECT_LE(pause, pauses[i] + 0.01) << i;
  }
  for (const auto& rec : played) {
    EXPECT_EQ(rec.volume, 0);
    EXPECT_EQ(rec.pan, 0);
    EXPECT_FALSE(rec.loop);
  }
}

TEST_F(AtcChatterTest, SwitchingOffStopsTheRecordingAndQuietSoundHoldsTheNextBack) {
  for (double r : {0.0, 0.5}) p.random.Push(r);
  Heartbeats(6s);
  ASSERT_EQ(p.Timeline().size(), 1u);
  ASSERT_TRUE(SlotPlaying(p.pro, kAtcSlot));

  // Quiet sound lets the playing one finish and starts no other.
  p.pro.engine.QuietSound = -1;
  Heartbeats(20s);
  EXPECT_EQ(p.Timeline().size(), 1u);
  EXPECT_NEAR(p.Timeline()[0].endMs - p.Timeline()[0].startMs, 3000, 1);
  p.pro.engine.QuietSound = 0;
  Heartbeats(2s);
  ASSERT_EQ(p.Timeline().size(), 2u);

  p.pro.flight.AtcChatterState = 2;  // the key sequence switches it off
  Heartbeats(490ms);
  EXPECT_FALSE(SlotPlaying(p.pro, kAtcSlot));
  EXPECT_EQ(p.pro.flight.AtcChatterState, 0);
  EXPECT_EQ(p.strip.back[CabinBox::tbxATC], kAtcOffBack);
  EXPECT_EQ(p.strip.fore[CabinBox::tbxATC], kAtcOffFore);
  Heartbeats(30s);
  EXPECT_EQ(p.Timeline().size(), 2u);
}

TEST_F(AtcChatterTest, AOneFileListPlaysThatFileAgainAndAnEmptyListPlaysNothing) {
  p.pro.flight.AtcChatterChannel = 2;
  p.pro.engine.AtcLastIndex = 0;
  Heartbeats(40s);  // the random source gives 0 for ever: pauses of 2 s, index 0
  const auto played = p.Timeline();
  ASSERT_GE(played.size(), 5u);
  for (const auto& rec : played) EXPECT_EQ(rec.file, "\\atc\\twr\\only.wav");

  test::EngineProgram q;
  q.StartFlight();
  q.pro.flight.AtcChatterChannel = 0;
  q.pro.flight.AtcChatterState = 1;
  for (double r : {0.1, 0.2, 0.3}) q.random.Push(r);
  for (int i = 0; i < 40; ++i) {
    q.pump.RunFor(490ms);
    PlayAtcChatter(q.pro);
  }
  EXPECT_TRUE(q.Timeline().empty());
  EXPECT_EQ(q.random.Pending(), 0u) << "new pauses are drawn all the same";
}

TEST_F(AtcChatterTest, EveryGroupStopsTheChatterAndSetsItsChannel) {
  for (double r : {0.0, 0.5}) p.random.Push(r);
  Heartbeats(6s);
  ASSERT_TRUE(SlotPlaying(p.pro, kAtcSlot));
  const GroupSpec taxi{GroupId::G3, "Ｇ３：Ｔａｘｉ", 3, 2, false, nullptr};
  GroupRun g(p.pro, taxi);
  g.Begin();
  EXPECT_FALSE(SlotPlaying(p.pro, kAtcSlot));
  EXPECT_EQ(p.pro.flight.AtcChatterChannel, 2);
  g.Close();
}

}  // namespace
}  // namespace vx::announce
