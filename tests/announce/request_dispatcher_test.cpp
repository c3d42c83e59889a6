// The dispatcher's request tables as a table of cases, "next", the landing signal file,
// the departure clock and the progress text.
#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "announce/background_music.h"
#include "announce/departure_clock.h"
#include "announce/engine_program.h"
#include "announce/group_table.h"
#include "announce/request_dispatcher.h"
#include "simlink/channels.h"

namespace vx::announce {
namespace {

std::vector<GroupId> ran;

template <GroupId id>
void Record(state::ProContext&) {
  ran.push_back(id);
}

template <std::size_t... I>
GroupTable RecordingGroups(std::index_sequence<I...>) {
  GroupTable t = BuiltInGroups();
  ((t[I].runner = Record<static_cast<GroupId>(I)>), ...);
  return t;
}

struct Case {
  const char* name;
  std::int32_t heightFt;
  std::int16_t groundStep;
  std::int16_t airStep;
  std::int16_t request;
  std::optional<GroupId> group;  // the group run
  std::int16_t groundAfter;
  std::int16_t airAfter;
  bool saved = false;         // FlightRestart.cfg written after the group
  bool takeoff = false;       // 1 written to VEXLORPRO_STAB
  bool musicStopped = false;  // the music stopped before the group
  bool resumeDeleted = false;
  std::string arrivalSlot = "12";
};

class RequestTableTest : public ::testing::TestWithParam<Case> {};

TEST_P(RequestTableTest, RunsTheGroupAndMovesTheSteps) {
  const Case& c = GetParam();
  test::EngineProgram p;
  p.StartFlight();
  const GroupTable groups = RecordingGroups(std::make_index_sequence<kGroupCount>());
  p.pro.engine.groupTable = groups.data();
  p.pro.files.RouteAirports[0].slot = "5";
  p.pro.files.RouteAirports[1].slot = c.arrivalSlot;
  p.File("\\FlightRestart.cfg", "old");
  p.File("\\FlightRestart内容.cfg", "old");
  auto& e = p.pro.engine;
  e.BgmEngine = 1;
  e.BgmPlaylist.count = 1;
  e.BgmPlaylist.paths[0] = "/music/a.mid";
  p.music.lengthMs["/music/a.mid"] = 600000;
  StartBgmByMode(p.pro);
  p.pro.flight.GroundStep = c.groundStep;
  p.pro.flight.AirStep = c.airStep;
  p.WriteFlightData(c.heightFt);
  simlink::WriteLongToChannel(7, p.pro.sim.ChannelHandles.stab);
  ran.clear();

  e.AnnounceRequest = c.request;
  ServiceAnnouncementRequest(p.pro);

  if (c.group) {
    EXPECT_EQ(ran, std::vector<GroupId>{*c.group});
  } else {
    EXPECT_TRUE(ran.empty());
  }
  EXPECT_EQ(p.pro.flight.GroundStep, c.groundAfter);
  EXPECT_EQ(p.pro.flight.AirStep, c.airAfter);
  EXPECT_EQ(p.dir.ReadBytes("FlightRestart.cfg") != "old" && p.Exists("\\FlightRestart.cfg"), c.saved);
  EXPECT_EQ(!p.Exists("\\FlightRestart.cfg"), c.resumeDeleted);
  EXPECT_EQ(!p.Exists("\\FlightRestart内容.cfg"), c.resumeDeleted);
  std::int32_t stab = 0;
  simlink::ReadLongFromChannel(stab, p.pro.sim.ChannelHandles.stab);
  EXPECT_EQ(stab, c.takeoff ? 1 : 7);
  EXPECT_EQ(p.pro.flight.BgmPlaying, !c.musicStopped);
  EXPECT_EQ(e.AnnounceRequest, 0);
  EXPECT_FALSE(e.DispatcherBusy);
}

using G = GroupId;
INSTANTIATE_TEST_SUITE_P(
    Requests, RequestTableTest,
    ::testing::Values(
        Case{"next_at_200ft_is_the_ground_step", 200, 0, 1, 20, G::G0, 1, 1},
        Case{"next_at_201ft_is_the_air_step", 201, 0, 1, 20, G::A1, 0, 3, true},
        Case{"G1", 0, 1, 1, 11, G::G1, 2, 1},
        Case{"G2_saves", 0, 2, 1, 12, G::G2, 3, 1, true},
        Case{"G3_saves", 0, 3, 1, 13, G::G3, 4, 1, true},
        Case{"G4_stops_music_triggers_takeoff_saves", 0, 4, 1, 14, G::G4, 5, 1, true, true, true},
        Case{"G5", 0, 5, 1, 15, G::G5, 6, 1},
        Case{"G6_deletes_resume_files", 0, 6, 1, 16, G::G6, 7, 1, false, false, false, true},
        Case{"ground_17_only_steps", 0, 7, 1, 17, std::nullopt, 8, 1},
        Case{"ground_18_only_steps", 0, 8, 1, 18, std::nullopt, 9, 1},
        Case{"next_after_the_empty_ground_steps_is_G9", 0, 9, 1, 20, G::G9, 9, 1},
        Case{"air_10_runs_nothing_and_resets", 5000, 3, 7, 10, std::nullopt, 3, 1},
        Case{"A1_saves", 5000, 5, 1, 11, G::A1, 5, 3, true},
        Case{"A2", 5000, 5, 3, 12, G::A2, 5, 5},
        Case{"A3", 5000, 5, 3, 13, G::A3, 5, 2},
        Case{"A4_domestic_goes_to_A7", 5000, 5, 6, 14, G::A4, 5, 7, true},
        Case{"A4_international_goes_to_A6", 5000, 5, 6, 14, G::A4, 5, 6, true, false, false, false, "120"},
        Case{"A5", 5000, 5, 5, 15, G::A5, 5, 4},
        Case{"A6", 5000, 5, 6, 16, G::A6, 5, 7},
        Case{"A7", 5000, 5, 7, 17, G::A7, 5, 8},
        Case{"A8_stops_music", 5000, 5, 8, 18, G::A8, 5, 9, false, false, true},
        Case{"next_at_A9_repeats_A9", 5000, 5, 9, 20, G::A9, 5, 9},
        Case{"sound_command_leaves_the_steps", 5000, 5, 4, 58, std::nullopt, 5, 4, false, false, true}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

class DispatcherTest : public ::testing::Test {
 protected:
  DispatcherTest() {
    p.StartFlight();
    p.pro.engine.groupTable = groups.data();
    p.pro.files.RouteAirports[0].slot = "5";
    p.pro.files.RouteAirports[1].slot = "12";
    ran.clear();
  }
  test::EngineProgram p;
  GroupTable groups = RecordingGroups(std::make_index_sequence<kGroupCount>());
};

TEST_F(DispatcherTest, TheLandingSignalRequestsArrivalOnTheGroundAndA5DuringAClimb) {
  p.WriteFlightData(3000);
  p.File("\\vexlorLND.cfg");
  p.pro.engine.AnnounceRequest = 12;  // overridden
  ServiceAnnouncementRequest(p.pro);
  EXPECT_EQ(ran, std::vector<GroupId>{GroupId::A5});
  EXPECT_FALSE(p.Exists("\\vexlorLND.cfg"));
  EXPECT_EQ(p.pro.flight.AirStep, 4);

  p.WriteFlightData(0);
  p.File("\\vexlorLND.cfg");
  ServiceAnnouncementRequest(p.pro);
  ServiceAnnouncementRequest(p.pro);
  EXPECT_EQ(ran, (std::vector<GroupId>{GroupId::A5, GroupId::G5}));
  EXPECT_EQ(p.pro.flight.GroundStep, 6);
}

TEST_F(DispatcherTest, ARequestWrittenDuringAGroupIsDroppedWithItsTick) {
  groups[static_cast<std::size_t>(GroupId::G1)].runner = [](state::ProContext& pro) {
    pro.engine.AnnounceRequest = 13;  // the key hook during the group
  };
  p.pro.engine.AnnounceRequest = 11;
  ServiceAnnouncementRequest(p.pro);
  EXPECT_EQ(p.pro.flight.GroundStep, 2);
  EXPECT_EQ(p.pro.engine.AnnounceRequest, 0);
  ServiceAnnouncementRequest(p.pro);
  EXPECT_EQ(p.pro.flight.GroundStep, 2);
}

TEST_F(DispatcherTest, ABusyOrClosedDispatcherOnlyRefreshesTheProgressTextEveryOtherCall) {
  p.pro.sim.ProgressText = "距離 100Km";
  p.pro.sim.ProgressColour = 9;
  p.pro.engine.DispatcherBusy = true;
  p.pro.engine.AnnounceRequest = 11;
  ServiceAnnouncementRequest(p.pro);
  EXPECT_EQ(p.strip.Text(simlink::CabinBox::tbxDest), "距離 100Km");
  EXPECT_EQ(p.strip.fore[simlink::CabinBox::tbxDest], 9);
  p.pro.sim.ProgressText = "later";
  ServiceAnnouncementRequest(p.pro);
  EXPECT_EQ(p.strip.Text(simlink::CabinBox::tbxDest), "距離 100Km");
  EXPECT_TRUE(ran.empty());
  EXPECT_EQ(p.pro.engine.AnnounceRequest, 11) << "a busy dispatcher leaves the request";

  p.pro.engine.DispatcherBusy = false;
  p.pro.engine.FlightWindowClosed = true;
  ServiceAnnouncementRequest(p.pro);
  EXPECT_TRUE(ran.empty());
}

TEST_F(DispatcherTest, GroundRequest12TakesTheDepartureClockAndJudgesTheDelay) {
  state::FlightDataRecord r;
  r.localHour = 0;
  r.localMinute = 6;
  r.gmtHour = 15;
  r.gmtMinute = 6;
  r.gmtAheadOfLocalMinutes = -540;
  simlink::WriteDataChannel(r, p.pro.sim.ChannelHandles.data);
  auto& times = p.pro.briefing.BriefingTimes;
  times.events[0].localHour = 23;
  times.events[0].localMinute = 55;
  p.pro.sim.FlightMaxima.altitudeFt = 35000;
  p.pro.engine.AnnounceRequest = 12;
  ServiceAnnouncementRequest(p.pro);
  EXPECT_EQ(times.events[0].gmtHour, 14);
  EXPECT_EQ(times.events[0].gmtMinute, 55);
  EXPECT_EQ(times.events[2].localHour, 0);
  EXPECT_EQ(times.events[2].gmtMinute, 6);
  EXPECT_EQ(times.departureTimeDifference, -540);
  EXPECT_TRUE(p.pro.engine.DepartureDelayed);
  EXPECT_EQ(ran, std::vector<GroupId>{GroupId::G2});
}

TEST_F(DispatcherTest, Request19MarksTheDepartureDelayedAndKeepsTheStep) {
  p.pro.flight.GroundStep = 5;
  p.pro.engine.AnnounceRequest = 19;
  ServiceAnnouncementRequest(p.pro);
  EXPECT_TRUE(p.pro.engine.DepartureDelayed);
  EXPECT_EQ(p.pro.flight.GroundStep, 5);
}

struct DelayCase {
  int scheduledGmtHour, scheduledGmtMinute, actualGmtHour, actualGmtMinute;
  int delayed;
};

class DepartureDelayTest : public ::testing::TestWithParam<DelayCase> {};

TEST_P(DepartureDelayTest, MoreThanTenMinutesLateCountsAcrossMidnight) {
  const DelayCase& c = GetParam();
  test::EngineProgram p;
  auto& ev = p.pro.briefing.BriefingTimes.events;
  ev[0].gmtHour = static_cast<std::int16_t>(c.scheduledGmtHour);
  ev[0].gmtMinute = static_cast<std::int16_t>(c.scheduledGmtMinute);
  ev[2].gmtHour = static_cast<std::int16_t>(c.actualGmtHour);
  ev[2].gmtMinute = static_cast<std::int16_t>(c.actualGmtMinute);
  JudgeDepartureDelay(p.pro);
  EXPECT_EQ(p.pro.engine.DepartureDelayed, c.delayed);
}

INSTANTIATE_TEST_SUITE_P(Departures, DepartureDelayTest,
                         ::testing::Values(DelayCase{14, 55, 15, 6, 1}, DelayCase{14, 55, 15, 5, 0},
                                           DelayCase{23, 55, 0, 10, 1},   // 15 minutes late, past midnight
                                           DelayCase{23, 55, 0, 5, 0},    // 10 minutes
                                           DelayCase{0, 5, 23, 50, 0},    // early, before midnight
                                           DelayCase{10, 0, 9, 0, 0}, DelayCase{10, 0, 22, 0, 1}));

TEST(DepartureClock, TheScheduledGmtWrapsOnceEachWay) {
  test::EngineProgram p;
  auto& times = p.pro.briefing.BriefingTimes;
  times.events[0].localHour = 23;
  times.events[0].localMinute = 55;
  p.pro.sim.SimTimeOffset = -540;
  TakeDepartureClock(p.pro);
  EXPECT_EQ(times.events[0].gmtHour, 14);
  EXPECT_EQ(times.events[0].gmtMinute, 55);
  times.events[0].localHour = 8;
  times.events[0].localMinute = 30;
  TakeDepartureClock(p.pro);
  EXPECT_EQ(times.events[0].gmtHour, 23);
  EXPECT_EQ(times.events[0].gmtMinute, 30);
  p.pro.sim.SimTimeOffset = 600;
  times.events[0].localHour = 20;
  times.events[0].localMinute = 0;
  TakeDepartureClock(p.pro);
  EXPECT_EQ(times.events[0].gmtHour, 6);
  EXPECT_EQ(times.events[0].gmtMinute, 0);
  EXPECT_EQ(FoldMinuteDifference(-1425), 15);
  EXPECT_EQ(FoldMinuteDifference(1425), -15);
  EXPECT_EQ(FoldMinuteDifference(720), 720);
}

}  // namespace
}  // namespace vx::announce
