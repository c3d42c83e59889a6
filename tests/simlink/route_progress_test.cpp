#include "simlink/route_progress.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/sim_ipc_client.h"
#include "platform/virtual_time.h"
#include "simlink/auto_pause_notice.h"
#include "simlink/cabin_strip.h"
#include "simlink/channels.h"
#include "simlink/main_channels.h"
#include "simlink/simulator_link.h"
#include "state/pro_context.h"
#include "support/temp_dir.h"

namespace vx::simlink {
namespace {

class FakeCabinStrip final : public CabinStrip {
 public:
  void SetText(CabinBox box, std::string_view text) override { texts[box] = std::string(text); }
  std::string Text(CabinBox box) const override {
    auto it = texts.find(box);
    return it == texts.end() ? std::string() : it->second;
  }
  void SetForeColour(CabinBox box, int paletteIndex) override { colours[box] = paletteIndex; }
  void SetBackColour(CabinBox, int) override {}
  int Width() const override { return width; }
  void SetWidth(int twips) override { width = twips; }
  void SetTop(int twips) override {
    top = twips;
    ++moves;
  }
  void SetLeft(int twips) override { left = twips; }
  int ScreenWidth() const override { return screenWidth; }

  std::map<CabinBox, std::string> texts;
  std::map<CabinBox, int> colours;
  int width = kCabinStripNarrowTwips, top = -1, left = -1, screenWidth = 28800, moves = 0;
};

class CountingNotice final : public AutoPauseNotice {
 public:
  void ShowTopmost() override { ++shown; }
  int shown = 0;
};

// Degrees of longitude on the equator that are `km` from the prime meridian.
double LongitudeForKm(double km) { return km / (60 * 1.852); }

class RouteProgressTest : public ::testing::Test {
 protected:
  RouteProgressTest() {
    pro.svc.clock = &clock;
    pro.svc.pump = &pump;
    pro.svc.sim = &client;
    pro.svc.simWindows = &finder;
    pro.svc.sharedMemoryPrefix = prefix;
    pro.sim.cabinStrip = &strip;
    pro.sim.autoPauseNotice = &notice;
    finder.windows["FS98MAIN"] = 1;
    ConnectSimulator(pro);
    OpenMainChannels(pro);
    OpenDataChannel(prefix, callout);

    pro.files.RouteAirports[0].icao = "RJTT";
    pro.files.RouteAirports[1].icao = "RJFF";  // arrival at 0 N 0 E in these tests
    auto& times = pro.briefing.BriefingTimes;
    times.events[0] = {9, 30, 0, 30};  // scheduled departure
    times.events[1] = {10, 45, 1, 30};  // scheduled arrival
    times.departureTimeDifference = -540;
    pro.briefing.ArrivalHourUnwrapped = 25;
  }
  ~RouteProgressTest() override {
    CloseMainChannels(pro);
    CloseSharedMapping(callout);
    platform::SharedMemory::Remove(prefix, kDataChannelName);
    for (const char* name : {kEyeChannelName, kVolChannelName, kStabChannelName}) {
      platform::SharedMemory::Remove(prefix, name);
    }
  }
  // The call-out program publishes a record; the main program's tick follows.
  void Tick(const state::FlightDataRecord& r) {
    ASSERT_TRUE(WriteDataChannel(r, callout));
    UpdateRouteProgress(pro);
  }
  static state::FlightDataRecord Airborne(double km, std::int32_t groundSpeed = 500) {
    state::FlightDataRecord r;
    r.longitude = LongitudeForKm(km);
    r.altitudeFt = 30000;
    r.heightAboveGroundFt = 29000;
    r.groundSpeedKmh = groundSpeed;
    r.gmtHour = 23;
    r.localHour = 8;
    return r;
  }

  const std::string prefix = test::UniqueName("vxrp") + "_";
  platform::VirtualClock clock{{2024, 5, 1, 9, 30, 0, 0}};
  platform::TimerScheduler timers{clock};
  platform::VirtualEventPump pump{clock, timers};
  platform::SimVariableArea area;
  platform::InProcessSimIpcClient client{area};
  platform::InProcessSimWindowFinder finder;
  FakeCabinStrip strip;
  CountingNotice notice;
  state::Channel callout;
  state::ProContext pro;
};

TEST_F(RouteProgressTest, RecordBecomesTheFlightVariablesAndMaxima) {
  state::FlightDataRecord r = Airborne(500);
  r.latitude = 0.25;
  r.indicatedAirspeedKt = 280;
  r.trueAirspeedKt = 450;
  r.machTimes100 = 78;
  r.localMinute = 15, r.second = 42, r.gmtMinute = 15;
  r.gmtAheadOfLocalMinutes = -540;
  Tick(r);
  const state::SimState& s = pro.sim;
  EXPECT_EQ(s.AircraftPosition.latitude, 0.25);
  EXPECT_EQ(s.AircraftAltitudeFt, 30000);
  EXPECT_EQ(s.HeightAboveGround, 29000);
  EXPECT_EQ(s.GroundSpeedKmh, 500);
  EXPECT_EQ(s.IndicatedAirspeedKt, 280);
  EXPECT_EQ(s.TrueAirspeedKt, 450);
  EXPECT_EQ(s.MachTimes100, 78);
  EXPECT_EQ(s.SimClock.localHour, 8);
  EXPECT_EQ(s.SimClock.second, 42);
  EXPECT_EQ(s.SimTimeOffset, -540);
  EXPECT_EQ(s.FlightMaxima, (state::FlightMaximaRecord{30000, 280, 450, 500, 78}));

  r.altitudeFt = 20000;
  r.indicatedAirspeedKt = 300;
  Tick(r);
  EXPECT_EQ(s.FlightMaxima, (state::FlightMaximaRecord{30000, 300, 450, 500, 78}));
}

TEST_F(RouteProgressTest, ClosedChannelKeepsTheLastFlightVariables) {
  Tick(Airborne(500));
  CloseMainChannels(pro);
  state::FlightDataRecord other = Airborne(100);
  other.altitudeFt = 1000;
  WriteDataChannel(other, callout);
  UpdateRouteProgress(pro);
  EXPECT_EQ(pro.sim.AircraftAltitudeFt, 30000);
}

TEST_F(RouteProgressTest, RemainingTimeAndLandingCallState) {
  struct Case {
    double km;
    std::int32_t groundSpeed;
    const char* text;
    std::int16_t stateAfter;
  } cases[] = {
      {59.99, 500, "距離 60Km / あと 00：14：59", 0},   // the last 60 km at 240 km/h
      {60.01, 500, "距離 60Km / あと 00：15：00", 1},   // a quarter of an hour: armed
      {30.0012, 500, "距離 30Km / あと 00：07：30", 0},
      {1060.01, 500, "距離 1,060Km / あと 02：15：00", 1},
      {800, 0, "距離 800Km / あと 00：00：00", 0},    // no ground speed: no division
  };
  for (const Case& c : cases) {
    pro.flight.LandingCallState = 0;
    Tick(Airborne(c.km, c.groundSpeed));
    EXPECT_EQ(pro.sim.ProgressText, c.text) << c.km;
    EXPECT_EQ(pro.sim.ProgressColour, kProgressColourFlying);
    EXPECT_EQ(pro.flight.LandingCallState, c.stateAfter) << c.km;
  }
  pro.flight.LandingCallState = 1;
  Tick(Airborne(59.99));
  EXPECT_EQ(pro.flight.LandingCallState, 2);
  pro.flight.LandingCallState = 3;
  Tick(Airborne(500));
  EXPECT_EQ(pro.flight.LandingCallState, 3);
}

TEST_F(RouteProgressTest, OnTheGroundShowsTheScheduledTime) {
  pro.sim.ProgressColour = 7;
  pro.flight.LandingCallState = 3;
  state::FlightDataRecord r = Airborne(30.0012);
  r.heightAboveGroundFt = 200;  // 200 ft counts as the ground
  Tick(r);
  EXPECT_EQ(pro.sim.ProgressText, "距離 30Km / 出発 09：30：00");
  EXPECT_EQ(pro.sim.ProgressColour, 7);
  EXPECT_EQ(pro.flight.LandingCallState, 0);
  pro.flight.FlightStage = 1;
  Tick(r);
  EXPECT_EQ(pro.sim.ProgressText, "距離 30Km / 到着 10：45：00");
}

TEST_F(RouteProgressTest, AutomaticPauseAtItsDistance) {
  pro.briefing.AutoPauseDistance = 100;
  Tick(Airborne(100.4));
  EXPECT_EQ(pro.sim.ProgressText, "オートポーズまであと 0 Km");
  EXPECT_EQ(pro.sim.ProgressColour, kProgressColourAutoPause);
  EXPECT_TRUE(client.writes.empty());

  Tick(Airborne(99.99));
  EXPECT_EQ(pro.briefing.AutoPauseDistance, 0);
  EXPECT_EQ(client.writes, (std::vector<platform::InProcessSimIpcClient::Write>{{0x0262, 2, 1}}));
  EXPECT_EQ(notice.shown, 1);
  EXPECT_EQ(pro.sim.ProgressText, "オートポーズまであと 0 Km");  // unchanged by the pause

  Tick(Airborne(80));  // fires once
  EXPECT_EQ(client.writes.size(), 1u);
  EXPECT_EQ(pro.sim.ProgressColour, kProgressColourFlying);
}

TEST_F(RouteProgressTest, StripClocks) {
  state::FlightDataRecord r = Airborne(500);
  r.localHour = 8, r.localMinute = 0, r.second = 5;
  r.gmtHour = 23, r.gmtMinute = 0;
  Tick(r);
  EXPECT_EQ(strip.texts[CabinBox::tbxTime], "[GMT] 予定 01：30：00 / 現在 23：00：05");
  EXPECT_EQ(strip.texts[CabinBox::tbx現在地時計], "08：00：05");
  EXPECT_EQ(strip.texts[CabinBox::tbx出発地時計], "08：00：05");
  EXPECT_EQ(strip.texts[CabinBox::tbxICAO出発], "RJTT");
  EXPECT_EQ(strip.texts[CabinBox::tbxICAO到着], "RJFF");
}

TEST_F(RouteProgressTest, DepartureClockWrapsIntoTheDay) {
  struct Case {
    std::int16_t difference;
    std::int16_t gmtHour, gmtMinute;
    const char* text;
  } cases[] = {
      {-540, 15, 20, "00：20：07"},  // 24:20 becomes 00:20
      {300, 2, 0, "21：00：07"},     // behind GMT shortly before its midnight: the day before
      {300, 4, 59, "23：59：07"},
      {0, 0, 0, "00：00：07"},
  };
  for (const Case& c : cases) {
    pro.briefing.BriefingTimes.departureTimeDifference = c.difference;
    state::FlightDataRecord r = Airborne(500);
    r.gmtHour = c.gmtHour, r.gmtMinute = c.gmtMinute, r.second = 7;
    Tick(r);
    EXPECT_EQ(strip.texts[CabinBox::tbx出発地時計], c.text) << c.difference << " " << c.gmtHour;
  }
}

TEST_F(RouteProgressTest, TimeToTheScheduledArrival) {
  struct Case {
    std::int16_t unwrappedHour, arrivalMinute;
    std::int16_t gmtHour, gmtMinute, second;
    const char* text;
    int colour;
  } cases[] = {
      {25, 30, 23, 0, 0, "差 02：30：00", kProgressColourFlying},   // arrival after GMT midnight
      {10, 0, 11, 30, 15, "差 -01：30：15", kProgressColourLate},   // late
      {10, 0, 15, 0, 0, "差 19：00：00", kProgressColourFlying},    // 5 h late: next day's arrival
      {23, 0, 1, 0, 0, "差 -02：00：00", kProgressColourLate},      // 22 h early: yesterday's arrival
      {50, 0, 0, 0, 0, "差 -02：00：00", kProgressColourLate},      // 26 h shown as 2 h
      {10, 0, 10, 0, 0, "差 -00：00：00", kProgressColourLate},
  };
  for (const Case& c : cases) {
    pro.briefing.ArrivalHourUnwrapped = c.unwrappedHour;
    pro.briefing.BriefingTimes.events[1].gmtMinute = c.arrivalMinute;
    state::FlightDataRecord r = Airborne(500);
    r.gmtHour = c.gmtHour, r.gmtMinute = c.gmtMinute, r.second = c.second;
    Tick(r);
    EXPECT_EQ(strip.texts[CabinBox::tbxTime差], c.text) << c.unwrappedHour << " " << c.gmtHour;
    EXPECT_EQ(strip.colours[CabinBox::tbxTime差], c.colour) << c.unwrappedHour << " " << c.gmtHour;
  }
}

TEST_F(RouteProgressTest, StripWidthFollowsTheTimeDisplayOption) {
  pro.briefing.TimeDisplayOption = 1;
  Tick(Airborne(500));
  EXPECT_EQ(strip.width, kCabinStripWideTwips);
  EXPECT_EQ(strip.top, 0);
  EXPECT_EQ(strip.left, 28800 - 14700);
  Tick(Airborne(500));
  EXPECT_EQ(strip.moves, 1);  // no change, no move

  pro.briefing.TimeDisplayOption = 0;
  strip.screenWidth = 19200;
  Tick(Airborne(500));
  EXPECT_EQ(strip.width, kCabinStripNarrowTwips);
  EXPECT_EQ(strip.top, 330);
  EXPECT_EQ(strip.left, 19200 - 4950);
  strip.width = 6000;  // neither wide nor narrow: left alone
  Tick(Airborne(500));
  EXPECT_EQ(strip.width, 6000);
  EXPECT_EQ(strip.moves, 2);
}

}  // namespace
}  // namespace vx::simlink
