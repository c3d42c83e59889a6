#include "callout/eye_view.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "platform/sim_variable_area.h"
#include "platform/timer_scheduler.h"
#include "platform/virtual_time.h"
#include "simlink/sim_derivations.h"

namespace vx::callout {
namespace {

constexpr double kTwo32 = 4294967296.0;

class EyeViewTest : public ::testing::Test {
 protected:
  EyeViewTest() {
    state.SimWindow = 4242;
    state.EyeVarTable = kFs98EyeVarTable;
    sim.Start(state.SimWindow, 65536, 2000);
    area.Set(eyevar::kViewMode, 1, 1);
  }

  // Keys and waits in order: "+16" down, "-16" up, "w0.2" a wait.
  std::string Trace() const {
    std::string out;
    std::size_t w = 0;
    for (std::size_t i = 0; i <= keys.events.size(); ++i) {
      for (; w < waits.size() && waits[w].first == i; ++w) out += " w" + Seconds(waits[w].second);
      if (i < keys.events.size()) {
        out += std::string(" ") + (keys.events[i].down ? "+" : "-") + std::to_string(keys.events[i].virtualKey);
      }
    }
    return out.empty() ? out : out.substr(1);
  }
  static std::string Seconds(float s) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%g", s);
    return buf;
  }
  void SetPreset(int index, std::array<std::string, 5> row) { state.ViewPresets[static_cast<std::size_t>(index)] = row; }
  // The aircraft at a position in degrees (the 64-bit values as the simulator holds them).
  void PlaceAircraft(double latitude, double longitude, double headingDeg, std::int16_t groundM) {
    area.Set(eyevar::kLatitudeLow, 8, std::llround(latitude / simlink::kLatitudeDegreesPerUnit * kTwo32));
    area.Set(eyevar::kLongitudeLow, 8, std::llround(longitude / simlink::kLongitudeDegreesPerUnit * kTwo32));
    area.Set(eyevar::kHeading, 4, std::llround(headingDeg / 360.0 * kTwo32));
    area.Set(eyevar::kGroundElevation, 2, groundM);
  }
  static double Decode(std::int32_t low, std::int32_t high) {
    return simlink::Int64Halves(static_cast<std::uint32_t>(low), high);
  }

  platform::SimVariableArea area;
  platform::InProcessSimIpcClient sim{area};
  platform::RecordingKeyInjector keys;
  platform::FakeSimFocus focus;
  platform::VirtualClock clock;
  platform::TimerScheduler timers{clock};
  platform::VirtualEventPump pump{clock, timers};
  std::vector<std::pair<std::size_t, float>> waits;
  state::EyeViewState state;
  EyeView view{sim, keys, focus, pump,
               [this](float s) {
                 waits.emplace_back(keys.events.size(), s);
                 return true;
               },
               state};
};

TEST_F(EyeViewTest, KeyNames) {
  const std::pair<const char*, int> cases[] = {{"e", 69}, {"E", 69}, {"#", 999}, {"0", 48}, {"9", 57},
                                               {"z", 90}, {"", 999},  {" ", 999}, {"ab", 999}, {"ｅ", 999}};
  for (const auto& [name, code] : cases) EXPECT_EQ(KeyNameToVirtualKey(name), code) << name;
}

TEST_F(EyeViewTest, DoorKeySpecs) {
  const std::pair<const char*, const char*> cases[] = {
      {"SE1", "+16 +69 -69 -16 w0.2 +49 -49 w0.2"},
      {"N5 ", "+53 -53 w0.2"},
      {"X12", "w0.2 +50 -50 w0.2"},
      {"CA", "+17 +65 -65 -17 w0.2"},
      {"Dg-", "+16 +17 +71 -71 -17 -16 w0.2"},
      {"S", ""},
  };
  for (const auto& [spec, trace] : cases) {
    keys.events.clear();
    waits.clear();
    PressNamedKeys(view, spec);
    EXPECT_EQ(Trace(), trace) << spec;
  }
}

TEST_F(EyeViewTest, NoKeysWhileTheSimulatorIsNotInFront) {
  focus.inFront = false;
  area.Set(eyevar::kViewMode, 1, 4);
  PressNamedKeys(view, "SE1");
  ReturnToCockpitView(view);
  PressWalkaroundChord(view);
  PressDoorViewKeys(view);
  std::int16_t mode = 1;
  area.Set(eyevar::kViewMode, 1, 1);
  WriteEyePoint(view, mode);
  EXPECT_EQ(mode, 2);
  EXPECT_EQ(Trace(), "w0.2 w0.2 w0.2 w0.2");
}

// With the FS6-class simulator the table stays empty: every read and write carries
// nothing, the simulator's view variables keep their values and the reads leave 0.
TEST_F(EyeViewTest, AnEmptyTableReadsAndWritesNothing) {
  state.EyeVarTable = {};
  PlaceAircraft(35.5, 139.75, 90.0, 10);
  area.Set(eyevar::kViewMode, 1, 1);
  const platform::SimVariableArea before = area;
  SetPreset(0, {"3", "20", "80", "190", "1"});
  std::int16_t mode = 1;
  ASSERT_TRUE(ApplyViewPreset(view, 0, mode, 1));
  EXPECT_EQ(mode, 1) << "the view mode read nothing (0), so no switch by keys";
  PlaceEyePoint(view, 20, 100.0, 30.0, 100);
  WriteEyePoint(view, mode);
  ReadAircraftPositionBlock(view);
  EXPECT_EQ(state.LatitudeDeg, 0.0);
  EXPECT_EQ(state.HeadingDeg, 0);
  EXPECT_TRUE(sim.writes.empty());
  EXPECT_EQ(std::memcmp(area.Data(), before.Data(), platform::kSimAreaSize), 0);
  ASSERT_FALSE(sim.sentBatches.empty());
  for (const auto& batch : sim.sentBatches) {
    for (const auto& entry : batch) {
      EXPECT_EQ(entry.offset, 0);
      EXPECT_EQ(entry.size, 0);
    }
  }
}

TEST_F(EyeViewTest, ReturnToCockpitByViewMode) {
  const std::pair<int, const char*> cases[] = {
      {3, "+16 +83 -83 -16 +16 +83 -83 -16"},
      {2, "+16 +83 -83 -16"},
      {1, ""},
      {4, "+83 -83"},
      {0, "+18 +86 -86 -18 +77 -77 +67 -67"},
  };
  for (const auto& [mode, trace] : cases) {
    keys.events.clear();
    area.Set(eyevar::kViewMode, 1, mode);
    ReturnToCockpitView(view);
    EXPECT_EQ(Trace(), trace) << mode;
  }
}

TEST_F(EyeViewTest, WalkaroundChordOnlyInThePresetView) {
  area.Set(eyevar::kViewMode, 1, 3);
  PressWalkaroundChord(view);
  EXPECT_EQ(Trace(), "");
  area.Set(eyevar::kViewMode, 1, 4);
  PressWalkaroundChord(view);
  EXPECT_EQ(Trace(), "+16 +17 +8 -8 -17 -16");
  PressDoorViewKeys(view);
  EXPECT_EQ(Trace(), "+16 +17 +8 -8 -17 -16 +17 +16 +87 -87 -16 -17 w0.2 +117 -117 w0.2");
}

// The halves decode back (high + unsigned low / 2^32) to the value split.
TEST_F(EyeViewTest, SplitInt64IsInvertedByTheDecode) {
  const double cases[] = {0,
                          1,
                          -1,
                          2147483648.0,                              // low half 2^31
                          3 * kTwo32 + 4294967295.0,                 // low half all ones
                          -35.5 / simlink::kLatitudeDegreesPerUnit * kTwo32,   // south
                          -122.4 / simlink::kLongitudeDegreesPerUnit * kTwo32,  // west
                          -kTwo32 * 2147483648.0};                   // -2^63
  for (const double value : cases) {
    const Int64Split s = SplitInt64(value);
    EXPECT_EQ(Decode(s.low, s.high) * kTwo32, std::floor(value)) << value;
  }
  EXPECT_EQ(SplitInt64(-1), (Int64Split{-1, -1}));
  EXPECT_EQ(SplitInt64(2147483648.0), (Int64Split{0, INT32_MIN}));
  EXPECT_EQ(SplitInt64(-kTwo32 - 1), (Int64Split{-2, -1}));
  // Beyond the 64-bit range the value wraps; not a number gives nothing.
  EXPECT_EQ(SplitInt64(kTwo32 * kTwo32 + kTwo32 * 5), (Int64Split{5, 0}));
  EXPECT_EQ(SplitInt64(kTwo32 * 2147483648.0), (Int64Split{INT32_MIN, 0}));
  EXPECT_EQ(SplitInt64(std::nan("")), (Int64Split{}));
}

TEST_F(EyeViewTest, PositionBlockReadsUnsignedLowHalves) {
  PlaceAircraft(-33.9, -151.2, 359.6, 12);
  area.Set(eyevar::kAltitudeFraction, 4, 0x80000000LL);  // half a metre
  area.Set(eyevar::kAltitudeMetres, 4, 100);
  ReadAircraftPositionBlock(view);
  EXPECT_NEAR(state.LatitudeDeg, -33.9, 1e-9);
  EXPECT_NEAR(state.LongitudeDeg, -151.2, 1e-9);
  EXPECT_EQ(state.AltitudeFt, 329);  // 100.5 m
  EXPECT_EQ(state.HeadingDeg, 360);
  EXPECT_EQ(state.GroundElevationM, 12);
  EXPECT_NEAR(state.DegreesPer10m.latitude, 10.0 / 1852.0 / 60.0, 1e-9);
  EXPECT_NEAR(state.DegreesPer10m.longitude, 10.0 / 1852.0 / 60.0 / std::cos(33.9 * M_PI / 180.0), 1e-8);
  EXPECT_EQ(sim.batches, 1);
}

TEST_F(EyeViewTest, TowerEyePointEastOfTheAircraft) {
  PlaceAircraft(35.0, 139.0, 90.0, 10);
  PlaceEyePoint(view, 20, 100.0, 0.0, 100);
  const auto& eye = state.TowerEyePoint;
  EXPECT_EQ(eye.altitudeM, 30);
  EXPECT_EQ(eye.zoom, 64);
  EXPECT_NEAR(Decode(eye.latitudeLow, eye.latitudeHigh) * simlink::kLatitudeDegreesPerUnit, 35.0, 1e-9);
  const double east = 100.0 / 1852.0 / 60.0 / std::cos(35.0 * M_PI / 180.0);
  EXPECT_NEAR(Decode(eye.longitudeLow, eye.longitudeHigh) * simlink::kLongitudeDegreesPerUnit, 139.0 + east, 1e-8);
  EXPECT_TRUE(sim.writes.empty());

  // Heading 0 and angle 360: the bearing stays 360, due north; a southern, western point.
  PlaceAircraft(-10.0, -20.0, 0.0, 0);
  PlaceEyePoint(view, 5, 50.0, 360.0, 50);
  EXPECT_EQ(eye.zoom, 32);
  EXPECT_LT(eye.latitudeHigh, 0);
  EXPECT_LT(eye.longitudeHigh, 0);
  EXPECT_NEAR(Decode(eye.latitudeLow, eye.latitudeHigh) * simlink::kLatitudeDegreesPerUnit,
              -10.0 + 50.0 / 1852.0 / 60.0, 1e-9);
  EXPECT_NEAR(Decode(eye.longitudeLow, eye.longitudeHigh) * simlink::kLongitudeDegreesPerUnit, -20.0, 1e-9);
}

TEST_F(EyeViewTest, PlacingAtTheLastPositionReadsNothing) {
  PlaceAircraft(35.0, 139.0, 0.0, 10);
  ReadAircraftPositionBlock(view);
  PlaceAircraft(36.0, 140.0, 90.0, 50);  // moved since the read
  const int batches = sim.batches;
  PlaceEyePointAtLastPosition(view, 20, 0.0, 0.0, 80);
  EXPECT_EQ(sim.batches, batches);
  EXPECT_EQ(state.TowerEyePoint.altitudeM, 30);
  EXPECT_NEAR(Decode(state.TowerEyePoint.latitudeLow, state.TowerEyePoint.latitudeHigh) *
                  simlink::kLatitudeDegreesPerUnit, 35.0, 1e-9);
  const std::pair<double, int> zooms[] = {{80, 51}, {100, 64}, {50, 32}, {5, 3}, {12.5, 8}};
  for (const auto& [percent, value] : zooms) EXPECT_EQ(ZoomValue(percent), value) << percent;
}

TEST_F(EyeViewTest, WriteEyePointByMode) {
  state.TowerEyePoint = {-5, -6, 7, 8, 30, 64};
  area.Set(eyevar::kViewMode, 1, 4);
  std::int16_t mode = 1;
  WriteEyePoint(view, mode);
  using W = platform::InProcessSimIpcClient::Write;
  EXPECT_EQ(sim.writes, (std::vector<W>{{0x0D50, 4, -5}, {0x0D54, 4, -6}, {0x0D58, 4, 7}, {0x0D5C, 4, 8},
                                        {0x0D64, 4, 30}, {0x8330, 2, 64}, {0x8320, 1, 3}}));
  EXPECT_EQ(mode, 1);
  EXPECT_EQ(Trace(), "");

  // In view mode 1 the switch is by keys: no mode byte, S twice.
  sim.writes.clear();
  area.Set(eyevar::kViewMode, 1, 1);
  WriteEyePoint(view, mode);
  EXPECT_EQ(mode, 2);
  EXPECT_EQ(sim.writes.size(), 6u);
  EXPECT_EQ(Trace(), "+83 -83 +83 -83");

  // Mode 0 writes the values only.
  sim.writes.clear();
  keys.events.clear();
  mode = 0;
  WriteEyePoint(view, mode);
  EXPECT_EQ(sim.writes.size(), 6u);
  EXPECT_EQ(Trace(), "");
}

TEST_F(EyeViewTest, ApplyViewPresetWritesInOrder) {
  SetPreset(2, {"3", "20", "80", "190", "SE2"});
  area.Set(eyevar::kViewMode, 1, 3);
  std::int16_t mode = 1;
  ASSERT_TRUE(ApplyViewPreset(view, 2, mode, 1));
  using W = platform::InProcessSimIpcClient::Write;
  EXPECT_EQ(sim.writes, (std::vector<W>{{0x8334, 2, 51}, {0x833C, 2, 34588 - 65536}, {0x8340, 4, 20 * 256},
                                        {0x8348, 4, 3 * 256}, {0x8345, 1, 1}, {0x8320, 1, 4}}));
  EXPECT_EQ(area.GetUnsigned(0x833C, 2), 34588u);

  sim.writes.clear();
  area.Set(eyevar::kViewMode, 1, 1);
  SetPreset(0, {"8388607", "-8388608", "100", "360", "0"});
  ASSERT_TRUE(ApplyViewPreset(view, 0, mode, 0));
  EXPECT_EQ(mode, 2);
  EXPECT_EQ(sim.writes, (std::vector<W>{{0x8334, 2, 64}, {0x833C, 2, 0}, {0x8340, 4, INT32_MIN},
                                        {0x8348, 4, 8388607 * 256}, {0x8345, 1, 0}}));
  EXPECT_EQ(Trace(), "+16 +83 -83 -16");
}

// A preset that does not convert, or is too large for its variable, leaves the view as it
// was: nothing read, nothing written, no keys, the mode kept.
TEST_F(EyeViewTest, PresetThatDoesNotConvertLeavesTheViewUnwritten) {
  const std::array<std::string, 5> rows[] = {
      {"3", "abc", "80", "190", "0"},     {"8388608", "20", "80", "190", "0"}, {"3", "-8388609", "80", "190", "0"},
      {"3", "20", "", "190", "0"},        {"3", "20", "1e9", "190", "0"},      {"3", "20", "80", "1e12", "0"},
      {"3", "20", "80", "x", "0"},
  };
  area.Set(eyevar::kViewMode, 1, 1);
  for (const auto& row : rows) {
    SetPreset(4, row);
    std::int16_t mode = 1;
    EXPECT_FALSE(ApplyViewPreset(view, 4, mode, 0)) << row[0] << " " << row[1] << " " << row[2] << " " << row[3];
    EXPECT_EQ(mode, 1);
  }
  std::int16_t mode = 1;
  EXPECT_FALSE(ApplyViewPreset(view, 6, mode, 0));
  EXPECT_EQ(sim.batches, 0);
  EXPECT_EQ(Trace(), "");
}

}  // namespace
}  // namespace vx::callout
