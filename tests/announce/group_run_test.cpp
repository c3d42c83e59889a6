// The common run of a group on virtual time: the whole played timeline with captions,
// music and hand-over files, an abort, a fade by "next", quiet sound, the flight window
// closing mid-group, and an error inside a group.
#include <gtest/gtest.h>

#include <array>

#include "announce/background_music.h"
#include "announce/group_fixture.h"
#include "announce/flight_lifecycle.h"
#include "announce/group_run.h"
#include "announce/handover_polls.h"
#include "announce/request_dispatcher.h"
#include "announce/sound_slots.h"
#include "mainfiles/files.h"
#include "runtime/numbers.h"
#include "simlink/channels.h"

namespace vx::announce {
namespace {

using namespace std::chrono_literals;
using test::ExpectMarks;
using test::Mark;
using test::Played;

// A group built on the common run as the built-in groups are: three parts, a
// hand-over file for the call-out program between the first and the second, and a last
// part that "next" fades.
void PrepareSample(state::ProContext& pro) {
  SetSlotFile(pro, 7, "\\Wav\\T\\one.wav");
  SetSlotFile(pro, 8, "\\Wav\\T\\two.wav");
  SetSlotFile(pro, 9, "\\Wav\\T\\three.wav");
  LoadSlotRange(pro, 7, 9);
}

void RunSample(state::ProContext& pro) {
  GroupRun g(pro, GroupId::A3);
  g.Open(PrepareSample);
  g.Part(7);
  if (!g.Aborted()) {
    g.Check();
    mainfiles::WriteEyeDoorCfg(pro);
    g.WaitForFileGone("\\EyeDoor.cfg", 1.0f, PollCut::Ends);
  }
  g.Part(8, "Ａ３：二");
  g.FadingPart(9, "Ａ３：三");
  g.Close();
}

// The same group whose part meets a value that is not a number.
void RunFaulty(state::ProContext& pro) {
  GroupRun g(pro, GroupId::A3);
  g.Open(PrepareSample);
  g.Part(7);
  runtime::CInt("７Ａ");
  g.Part(8);
  g.Close();
}

class GroupRunTest : public ::testing::Test {
 protected:
  GroupRunTest() {
    p.Wav("\\Wav\\T\\one.wav", 2.0);
    p.Wav("\\Wav\\T\\two.wav", 1.5);
    p.Wav("\\Wav\\T\\three.wav", 20.0);
    p.pro.briefing.VolumeSettings[13] = 7;  // -900
    p.StartFlight();
    groups[static_cast<std::size_t>(GroupId::A3)].runner = RunSample;
    p.pro.engine.groupTable = groups.data();
    p.WriteFlightData(5000);  // in the air: request 13 is A3
    // Background music: one MIDI segment playing at level 10.
    auto& e = p.pro.engine;
    e.BgmEngine = 1;
    e.BgmPlaylist.count = 1;
    e.BgmPlaylist.paths[0] = "/music/a.mid";
    p.music.lengthMs["/music/a.mid"] = 600000;
    StartBgmByMode(p.pro);
    p.Watch({"\\EyeDoor.cfg"});
    p.SetOrigin();
  }
  static void ExpectLevels(const std::vector<std::pair<double, int>>& actual,
                           const std::vector<std::pair<double, int>>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
      EXPECT_NEAR(actual[i].first, expected[i].first, 5) << i;
      EXPECT_EQ(actual[i].second, expected[i].second) << i;
    }
  }
  void ExpectTickEnded() const {
    EXPECT_FALSE(p.pro.engine.DispatcherBusy);
    EXPECT_EQ(p.pro.engine.AnnounceRequest, 0);
    EXPECT_FALSE(p.pro.engine.AnnounceAbort);
    EXPECT_FALSE(p.pro.engine.groupOpen);
  }
  int LiveGroupBuffers() const {
    int n = 0;
    for (int slot = 7; slot <= 9; ++slot) n += p.pro.engine.SoundSlotBuffer[static_cast<std::size_t>(slot)] != 0;
    return n;
  }

  test::EngineProgram p;
  GroupTable groups = BuiltInGroups();
};

TEST_F(GroupRunTest, TheWholeGroupPlaysItsPartsBetweenTheMusicDuckAndRestore) {
  p.pump.At(p.origin + 4'500'000'000, [&] { p.paths.DeleteIfExists("\\EyeDoor.cfg"); });
  p.Serve(13);
  // Music down at once, 1 s of waiting; part 1; the hand-over file written and polled
  // every second until the call-out program has deleted it (at 4.5 s, seen at 5.0 s);
  // parts 2 and 3 with their captions; the caption emptied; 1 s later the music back.
  test::ExpectTimeline(p.Timeline(), {
                                         {"\\Wav\\T\\one.wav", 1001, 3001, -900, 0, false},
                                         {"\\Wav\\T\\two.wav", 5004, 6504, -900, 0, false},
                                         {"\\Wav\\T\\three.wav", 6504, 26504, -900, 0, false},
                                     });
  ExpectMarks(p.Marks(), {{0, "Ａ３：サービス開始"},
                          {3001, "+\\EyeDoor.cfg"},
                          {4500, "-\\EyeDoor.cfg"},
                          {5004, "Ａ３：二"},
                          {6504, "Ａ３：三"},
                          {26504, ""}});
  ExpectLevels(p.MusicLevels(), {{0, -3000}, {27505, 0}});
  EXPECT_EQ(p.pro.flight.AtcChatterChannel, 4);
  EXPECT_EQ(p.pro.flight.CurrentVolumeIndex, 13);
  EXPECT_EQ(p.pro.flight.AirStep, 2);
  EXPECT_FALSE(p.pro.flight.BgmLowered);
  EXPECT_EQ(LiveGroupBuffers(), 0);
  ExpectTickEnded();
}

// A recording whose header declares more data than the file holds (as recorders often
// write them) plays the part that is there, without a message.
TEST_F(GroupRunTest, APartWhoseDataRunsPastTheEndOfItsFilePlaysWhatIsThere) {
  const std::string whole = p.dir.ReadBytes("Wav/T/two.wav");  // 1.5 s: 12000 samples of 8 bits at 8000 Hz
  p.dir.WriteBytes("Wav/T/two.wav", whole.substr(0, 44 + 4000));
  p.pump.At(p.origin + 4'500'000'000, [&] { p.paths.DeleteIfExists("\\EyeDoor.cfg"); });
  p.Serve(13);
  test::ExpectTimeline(p.Timeline(), {
                                         {"\\Wav\\T\\one.wav", 1001, 3001, -900, 0, false},
                                         {"\\Wav\\T\\two.wav", 5004, 5504, -900, 0, false},
                                         {"\\Wav\\T\\three.wav", 5504, 25504, -900, 0, false},
                                     });
  EXPECT_TRUE(p.boxes.shown.empty());
  ExpectTickEnded();
}

TEST_F(GroupRunTest, AnAbortInTheFirstPartSkipsTheRestAndStillCleansUp) {
  p.pump.At(p.origin + 1'500'000'000, [&] { p.pro.engine.AnnounceAbort = true; });
  p.Serve(13);
  test::ExpectTimeline(p.Timeline(), {{"\\Wav\\T\\one.wav", 1001, 1500, -900, 0, false}});
  ExpectMarks(p.Marks(), {{0, "Ａ３：サービス開始"}, {1500, ""}});
  // The restore's wait is not cut by the abort, which only ends waits for parts.
  ExpectLevels(p.MusicLevels(), {{0, -3000}, {1500, 0}});
  EXPECT_EQ(p.pro.flight.AirStep, 2);
  EXPECT_EQ(LiveGroupBuffers(), 0);
  EXPECT_FALSE(p.Exists("\\EyeDoor.cfg"));
  ExpectTickEnded();
}

TEST_F(GroupRunTest, NextDuringAFadingPartFadesItIn30StepsThenWaitsTwoSeconds) {
  p.pump.At(p.origin + 4'500'000'000, [&] { p.paths.DeleteIfExists("\\EyeDoor.cfg"); });
  p.pump.At(p.origin + 7'000'000'000, [&] { p.pro.engine.AnnounceRequest = 20; });  // during part 3
  p.Serve(13);
  const auto timeline = p.Timeline();
  ASSERT_EQ(timeline.size(), 3u);
  // Faded from -900 by 70 every 0.2 s to -3000 over 6 s, held 2 s more, then stopped.
  EXPECT_NEAR(timeline[2].endMs, 7000 + 6000 + 2000, 40);
  std::vector<int> volumes;
  std::vector<double> times;
  for (const auto& c : p.sound.CallsOf({platform::RecordingSoundDevice::Op::SetVolume})) {
    volumes.push_back(c.volume);
    times.push_back(p.Ms(c.atNanos));
  }
  ASSERT_EQ(volumes.size(), 30u);
  for (std::size_t i = 0; i < 30; ++i) {
    EXPECT_EQ(volumes[i], -900 - 70 * static_cast<int>(i + 1));
    EXPECT_NEAR(times[i], 7000 + 200.0 * static_cast<double>(i), 40);
  }
  EXPECT_EQ(p.pro.engine.AnnounceRequest, 0) << "the next request ends with the tick";
  EXPECT_EQ(p.pro.flight.AirStep, 2) << "the request served was 13";
  ExpectTickEnded();
}

TEST_F(GroupRunTest, QuietSoundPlaysEveryPartAtMinus3000AndKeepsTheMusicDown) {
  p.pro.engine.QuietSound = -1;
  p.pump.At(p.origin + 3'500'000'000, [&] { p.paths.DeleteIfExists("\\EyeDoor.cfg"); });
  p.Serve(13);
  for (const Played& played : p.Timeline()) EXPECT_EQ(played.volume, -3000) << played.file;
  EXPECT_EQ(p.Timeline().size(), 3u);
  ExpectLevels(p.MusicLevels(), {{0, -3000}, {26503, -3000}});
}

TEST_F(GroupRunTest, TheWindowClosingMidGroupEndsItAtOnceWithoutAnotherFileOrStep) {
  p.pump.At(p.origin + 2'000'000'000, [&] { EndFlight(p.pro); });
  p.Serve(13);
  test::ExpectTimeline(p.Timeline(), {{"\\Wav\\T\\one.wav", 1001, 2000, -900, 0, false}});
  ExpectMarks(p.Marks(), {{0, "Ａ３：サービス開始"}});  // no hand-over file, no caption after
  EXPECT_EQ(p.pro.flight.AirStep, 1);
  EXPECT_EQ(p.sound.LiveBuffers(), 0);
  EXPECT_EQ(p.mainWindow.restored, 1);
  EXPECT_FALSE(p.pro.engine.DispatcherBusy);
}

TEST_F(GroupRunTest, AGroupOfAnEndedFlightNeverRunsIntoTheNextFlight) {
  // The window closes and the next flight begins within one pump, while the group of
  // the first flight still waits for its part.
  p.pump.At(p.origin + 2'000'000'000, [&] {
    EndFlight(p.pro);
    p.pro.engine.FlightWindowClosed = false;
    BeginNewFlight(p.pro);
    p.pro.engine.AnnounceRequest = 11;  // the new flight's pending request
  });
  p.Serve(13);
  ExpectMarks(p.Marks(), {{0, "Ａ３：サービス開始"}});
  EXPECT_FALSE(p.Exists("\\EyeDoor.cfg"));
  EXPECT_EQ(p.pro.flight.AirStep, 1);
  EXPECT_EQ(p.pro.engine.AnnounceRequest, 11) << "the ended flight's tick leaves the new flight's request";
  EXPECT_FALSE(p.pro.engine.DispatcherBusy);
  EXPECT_EQ(p.pro.engine.tickFlight, 0u);
}

TEST_F(GroupRunTest, AnErrorInAGroupRunsItsCleanUpShowsOnceAndTheHeartbeatGoesOn) {
  groups[static_cast<std::size_t>(GroupId::A3)].runner = RunFaulty;
  p.boxes.Expect("VexlorPro", ui::Answer::Ok, "型が一致しません。");
  p.Serve(13);
  ASSERT_EQ(p.boxes.shown.size(), 1u);
  EXPECT_EQ(p.boxes.shown[0].icon, ui::Icon::Critical);
  test::ExpectTimeline(p.Timeline(), {{"\\Wav\\T\\one.wav", 1001, 3001, -900, 0, false}});
  ExpectMarks(p.Marks(), {{0, "Ａ３：サービス開始"}, {3001, ""}});
  ExpectLevels(p.MusicLevels(), {{0, -3000}, {4002, 0}});
  EXPECT_EQ(p.pro.flight.AirStep, 1) << "a group that failed does not move the step";
  EXPECT_EQ(LiveGroupBuffers(), 0);
  ExpectTickEnded();

  // The next tick is served as usual.
  groups[static_cast<std::size_t>(GroupId::A3)].runner = RunSample;
  p.pump.After(4s, [&] { p.paths.DeleteIfExists("\\EyeDoor.cfg"); });
  p.Serve(13);
  EXPECT_EQ(p.pro.flight.AirStep, 2);
  EXPECT_EQ(p.boxes.shown.size(), 1u);
}

TEST_F(GroupRunTest, AnErrorInALoaderEmptiesTheCaptionAndFreesWhatWasLoaded) {
  groups[static_cast<std::size_t>(GroupId::A3)].runner = [](state::ProContext& pro) {
    GroupRun g(pro, GroupId::A3);
    g.Open([](state::ProContext& pro) {
      PrepareSample(pro);
      runtime::CInt("");
    });
    g.Part(7);
    g.Close();
  };
  p.boxes.Expect("VexlorPro", ui::Answer::Ok);
  p.Serve(13);
  EXPECT_TRUE(p.Timeline().empty());
  ExpectMarks(p.Marks(), {{0, "Ａ３：サービス開始"}, {0, ""}});
  EXPECT_TRUE(p.MusicLevels().empty()) << "the music was never lowered";
  EXPECT_EQ(LiveGroupBuffers(), 0);
  ExpectTickEnded();
}

// A loader that fails before it names its range frees nothing of the slots below the
// group's: the flight's fixed effects stay loaded and play.
TEST_F(GroupRunTest, AnErrorInALoaderBeforeItsRangeLeavesTheFlightsFixedEffectsLoaded) {
  for (const char* effect : {"\\Wav\\Etc\\スイッチ音\\-ss1.wav", "\\Wav\\Etc\\ワイパー音\\wip_s.wav",
                             "\\Wav\\Etc\\ワイパー音\\wip_m.wav", "\\Wav\\Etc\\ワイパー音\\wip_e.wav",
                             "\\Wav\\Etc\\エアコン\\aircon.wav", "\\Wav\\himitu\\nw057\\G0搭乗案内.wav"})
    p.Wav(effect, 1.0);
  LoadSoundEffects(p.pro);
  std::array<std::int32_t, 7> effects{};
  for (int slot = 0; slot <= 6; ++slot) effects[static_cast<std::size_t>(slot)] = SlotBuffer(p.pro, slot);
  groups[static_cast<std::size_t>(GroupId::A3)].runner = [](state::ProContext& pro) {
    GroupRun g(pro, GroupId::A3);
    g.Open([](state::ProContext& pro) {
      SetSlotFile(pro, 7, "\\Wav\\T\\one.wav");
      runtime::CInt("12A");  // not a number: the loader fails
      LoadSlotRange(pro, 7, 7);
    });
    g.Part(7);
    g.Close();
  };
  p.boxes.Expect("VexlorPro", ui::Answer::Ok, "型が一致しません");
  p.Serve(13);
  EXPECT_EQ(p.boxes.PendingExpectations(), 0u);
  for (int slot = 0; slot <= 6; ++slot) {
    EXPECT_NE(SlotBuffer(p.pro, slot), 0) << slot;
    EXPECT_EQ(SlotBuffer(p.pro, slot), effects[static_cast<std::size_t>(slot)]) << slot;
  }
  PlaySlot(p.pro, kSwitchClickSlot, 0);
  EXPECT_TRUE(p.sound.IsPlaying(SlotBuffer(p.pro, kSwitchClickSlot)));
}

TEST(FifteenMinuteCall, PlaysOneVoiceAtItsVolumeBeforeThePendingRequest) {
  test::EngineProgram p;
  p.Wav("\\Wav\\CA3\\15分前.wav", 4.0);
  p.pro.briefing.CabinAttendantChoice = 3;
  p.pro.briefing.VolumeSettings[23] = 9;  // -300
  p.StartFlight();
  p.WriteFlightData(12000, 12000);
  p.pro.flight.LandingCallState = 2;
  p.pro.engine.AnnounceRequest = 19;  // A9 after the call (its recordings absent: silent)
  p.SetOrigin();
  ServiceAnnouncementRequest(p.pro);
  test::ExpectTimeline(p.Timeline(), {{"\\Wav\\CA3\\15分前.wav", 1001, 5001, -300, 0, false}});
  EXPECT_EQ(p.pro.flight.LandingCallState, 3);
  EXPECT_EQ(p.window.Text(FlightBox::tbx処理内容), "");
  ASSERT_FALSE(p.window.history.empty());
  EXPECT_EQ(p.window.history.front().text, "着陸１５分前");
  ASSERT_GE(p.window.history.size(), 3u);
  EXPECT_EQ(p.window.history[2].text, "Ａ９：気流注意") << "the pending request after the call";
  EXPECT_EQ(p.pro.flight.CurrentVolumeIndex, 19);

  // Once per flight.
  p.pro.engine.AnnounceRequest = 0;
  ServiceAnnouncementRequest(p.pro);
  EXPECT_EQ(p.Timeline().size(), 1u);
}

TEST(FifteenMinuteCall, BothCallOptionsOffNeverCallAndNoVoiceWithTheFileStaysSilent) {
  test::EngineProgram p;
  p.StartFlight();
  p.WriteFlightData(12000);
  p.pro.flight.LandingCallState = 2;
  p.pro.main.SpeedCallOption = "OFF";
  p.pro.main.AltitudeCallOption = "OFF";
  ServiceAnnouncementRequest(p.pro);
  EXPECT_EQ(p.pro.flight.LandingCallState, 2);
  EXPECT_TRUE(p.window.history.empty());

  // No voice has the recording: every voice tried once, the call runs silent.
  p.pro.main.AltitudeCallOption = "ON";
  for (double r : {0.9, 0.9, 0.9, 0.9, 0.9}) p.random.Push(r);
  const auto t0 = p.Now();
  ServiceAnnouncementRequest(p.pro);
  ServiceAnnouncementRequest(p.pro);  // the progress text's other half
  EXPECT_EQ(p.pro.flight.LandingCallState, 3);
  EXPECT_TRUE(p.Timeline().empty());
  EXPECT_EQ(p.pro.engine.SoundSlotBuffer[7], 0);
  EXPECT_LT(p.Now() - t0, 3'000'000'000) << "only the music waits of the common run";
  EXPECT_LE(p.random.Pending(), 1u);
}

}  // namespace
}  // namespace vx::announce
