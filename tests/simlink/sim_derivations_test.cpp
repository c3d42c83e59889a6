#include "simlink/sim_derivations.h"

#include <gtest/gtest.h>

#include "runtime/runtime_error.h"

namespace vx::simlink {
namespace {

constexpr std::int32_t kHalf = 4194304;     // 50 % of a tank
constexpr std::int32_t kQuarter = 2097152;  // 25 %
constexpr std::int16_t kWeight = 1715;      // 6.7 lbs per gallon x 256

TEST(FuelTest, OneTankAtHalfOfOneHundredGallons) {
  FuelReading in;
  in.levels[state::kLeftMain] = kHalf;
  in.capacities[state::kLeftMain] = 100;
  in.weightPerGallon = kWeight;
  std::array<state::TankFuelRecord, 11> tanks;
  state::FuelTotalsRecord totals;
  DeriveFuel(in, tanks, totals);
  EXPECT_EQ(tanks[state::kLeftMain], (state::TankFuelRecord{50, 100, 50, 335}));
}

TEST(FuelTest, PercentIsRoundedBeforeTheGallons) {
  FuelReading in;
  in.levels[state::kRightMain] = 8388607;
  in.capacities[state::kRightMain] = 100;
  in.weightPerGallon = kWeight;
  std::array<state::TankFuelRecord, 11> tanks;
  state::FuelTotalsRecord totals;
  DeriveFuel(in, tanks, totals);
  EXPECT_EQ(tanks[state::kRightMain], (state::TankFuelRecord{100, 100, 100, 670}));
}

// Tank gallons round halves to even, tank pounds come from the unrounded gallons, group
// pounds from the group's rounded gallons.
TEST(FuelTest, TanksGroupsAndTotals) {
  FuelReading in;
  in.weightPerGallon = kWeight;
  in.levels[state::kCentre1] = kHalf;
  in.capacities[state::kCentre1] = 101;
  in.levels[state::kCentre2] = kHalf;
  in.capacities[state::kCentre2] = 101;
  in.levels[state::kLeftMain] = kHalf;
  in.capacities[state::kLeftMain] = 6000;
  in.levels[state::kLeftAux] = kQuarter;
  in.capacities[state::kLeftAux] = 1000;
  in.levels[state::kRightMain] = 8388607;
  in.capacities[state::kRightMain] = 6000;
  std::array<state::TankFuelRecord, 11> tanks;
  state::FuelTotalsRecord t;
  DeriveFuel(in, tanks, t);

  EXPECT_EQ(tanks[state::kCentre1], (state::TankFuelRecord{50, 101, 50, 338}));  // 50.5 gallons
  EXPECT_EQ(tanks[state::kCentre2], (state::TankFuelRecord{50, 101, 50, 338}));
  EXPECT_EQ(tanks[state::kCentre3], (state::TankFuelRecord{0, 0, 0, 0}));
  EXPECT_EQ(tanks[state::kLeftMain], (state::TankFuelRecord{50, 6000, 3000, 20098}));
  EXPECT_EQ(tanks[state::kLeftAux], (state::TankFuelRecord{25, 1000, 250, 1675}));
  EXPECT_EQ(tanks[state::kRightMain], (state::TankFuelRecord{100, 6000, 6000, 40195}));

  state::FuelTotalsRecord expected;
  expected.centrePercent = 50;  // 100 of 202 gallons
  expected.centreGallons = 100;
  expected.centreLbs = 670;     // not 338 + 338
  expected.leftPercent = 46;
  expected.leftGallons = 3250;
  expected.leftLbs = 21772;
  expected.rightPercent = 100;
  expected.rightGallons = 6000;
  expected.rightLbs = 40195;
  expected.totalCapacity = 13202;
  expected.totalGallons = 9350;
  expected.totalPercent = 71;
  expected.FuelTotalLbs = 62637;
  EXPECT_EQ(t, expected);
}

TEST(FuelTest, AllCapacitiesZeroGiveZeroPercents) {
  FuelReading in;
  in.levels.fill(kHalf);
  in.weightPerGallon = kWeight;
  std::array<state::TankFuelRecord, 11> tanks;
  state::FuelTotalsRecord t;
  DeriveFuel(in, tanks, t);
  for (const state::TankFuelRecord& tank : tanks) EXPECT_EQ(tank, (state::TankFuelRecord{50, 0, 0, 0}));
  EXPECT_EQ(t, state::FuelTotalsRecord{});
}

TEST(CloudTest, CoverCodesByExactMatch) {
  struct Case {
    std::uint16_t code;
    std::int16_t eighths;
  } cases[] = {{0x0000, 0}, {0x2000, 1}, {0x4000, 2}, {0x6000, 3}, {0x8000, 4},
               {0xA000, 5}, {0xC000, 6}, {0xE000, 7}, {0xFFFF, 8},
               // any other code keeps the previous cover (3 here)
               {0x1000, 3}, {0x2001, 3}, {0xFFFE, 3}};
  for (const Case& c : cases) {
    EXPECT_EQ(CloudCoverEighths(static_cast<std::int16_t>(c.code), 3), c.eighths) << std::hex << c.code;
  }
}

TEST(CloudTest, HeightsInFeetRounded) {
  EXPECT_EQ(FeetFromMetres(0), 0);
  EXPECT_EQ(FeetFromMetres(1000), 3281);  // 3280.84
  EXPECT_EQ(FeetFromMetres(1524), 5000);  // 5000.0002
  EXPECT_EQ(FeetFromMetres(-100), -328);  // -328.084
}

TEST(AltitudeTest, FractionHalfIsUnsignedAndTheResultTruncated) {
  struct Case {
    std::uint32_t low;
    std::int32_t high;
    std::int32_t feet;
  } cases[] = {
      {0, 1000, 3280},           // 3280.84
      {0x80000000u, 0, 1},       // 0.5 m; read signed it would be -0.5 m and -1 ft
      {0xC0000000u, 100, 330},   // 100.75 m = 330.54 ft; read signed 99.75 m = 327 ft
      {0x80000000u, -1, -1},     // -0.5 m = -1.64 ft, truncated toward zero
      {0, 0, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(AltitudeFeet(c.low, c.high), c.feet) << c.low << " " << c.high;
}

// South and west of zero the high half is negative and the low half adds a fraction upward.
TEST(PositionTest, HalvesOfSouthernAndWesternPositions) {
  // -0.5 units: high -1, low 2^31.
  EXPECT_DOUBLE_EQ(LatitudeDegrees(0x80000000u, -1), -0.5 * kLatitudeDegreesPerUnit);
  EXPECT_DOUBLE_EQ(LongitudeDegrees(0x80000000u, -1), -0.5 * kLongitudeDegreesPerUnit);
  // -1000.25 units: high -1001, low 0.75 x 2^32.
  EXPECT_DOUBLE_EQ(LatitudeDegrees(0xC0000000u, -1001), -1000.25 * kLatitudeDegreesPerUnit);
  // North and east: 1000.75 units.
  EXPECT_DOUBLE_EQ(LongitudeDegrees(0xC0000000u, 1000), 1000.75 * kLongitudeDegreesPerUnit);
}

TEST(AltitudeTest, OutOfRangeRaisesOverflow) {
  try {
    AltitudeFeet(0, 0x7FFFFFFF);
    FAIL();
  } catch (const runtime::RuntimeError& e) {
    EXPECT_EQ(e.Number(), runtime::kOverflow);
  }
}

TEST(TemperatureTest, RoundedOnceToTheNearestDegreeHalvesAwayFromZero) {
  struct Case {
    std::int16_t raw;
    std::int16_t celsius;
  } cases[] = {
      {3840, 15},    // 15.0
      {4096, 16},    // 16.0
      {-3840, -15},  // -15.0
      {3968, 16},    // 15.5
      {-3968, -16},  // -15.5
      {3967, 15},    // just under 15.5
      {0, 0},
      {-1, 0},       // -0.004
      {-128, -1},    // -0.5
      {32767, 128},  // the highest word
      {-32768, -128},
  };
  for (const Case& c : cases) EXPECT_EQ(TemperatureFromRaw(c.raw), c.celsius) << c.raw;
}

TEST(WindTest, DirectionWordToDegrees) {
  struct Case {
    std::uint16_t word;
    std::int16_t degrees;
  } cases[] = {
      {0, 360},       // north is 360, not 0
      {0xFFFF, 360},  // just below a full circle rounds up to 360
      {16384, 90},
      {0xC000, 270},  // negative word: -90 + 360
      {0x8000, 180},  // -180 + 360
      {182, 1},       // 0.9998 + 0.5 truncated
      {91, 360},      // 0.4999 + 0.5 truncates to 0, shown as 360
  };
  for (const Case& c : cases) {
    const state::WindReading w = DeriveWind(12, static_cast<std::int16_t>(c.word));
    EXPECT_EQ(w.speed, 12);
    EXPECT_EQ(w.direction, c.degrees) << c.word;
  }
}

TEST(TurbulenceTest, BandThatHoldsTheAltitude) {
  WindBandsRaw b;
  b.surfaceBottom = 0, b.surfaceTop = 600, b.surfaceTurbulence = 10;      // 0 to 1969 ft
  b.lowerBottom = 600, b.lowerTop = 3000, b.lowerTurbulence = 20;         // 1969 to 9843 ft
  b.middleBottom = 3000, b.middleTop = 6000, b.middleTurbulence = 30;     // 9843 to 19685 ft
  b.upperTop = 0, b.upperTurbulence = 40;                                 // up to 0 ft
  struct Case {
    std::int32_t feet;
    std::int16_t turbulence;
  } cases[] = {
      {-10, 40},    // at or below the upper band's top
      {0, 40},      // equal to the upper top: inclusive
      {1000, 10},   // surface band
      {1969, 20},   // lower band's bottom, inclusive
      {5000, 20},
      {9843, 30},   // the middle band wins on the shared bound
      {19685, 30},  // middle band's top, inclusive
      {25000, 40},  // above every band: above the surface top
  };
  for (const Case& c : cases) EXPECT_EQ(SelectTurbulence(c.feet, b), c.turbulence) << c.feet;

  // An upper band reaching high takes every altitude below it, whatever the others say.
  b.upperTop = 12000;
  for (std::int32_t feet : {100, 5000, 15000, 39370}) EXPECT_EQ(SelectTurbulence(feet, b), 40) << feet;
}

TEST(QnhTest, RawWordToHundredthsOfAnInch) {
  struct Case {
    std::int16_t raw;
    std::int16_t hpa;
    std::int16_t inHg;
  } cases[] = {
      {16200, 1012, 2988},  // 1012.5 rounds to the even 1012
      {15824, 989, 0},      // below the table
      {15832, 990, 2923},   // 989.5 rounds to 990
      {16208, 1013, 2991},
      {16632, 1040, 0},     // 1039.5 rounds to 1040: above the table
  };
  for (const Case& c : cases) {
    EXPECT_EQ(QnhHpaFromRaw(c.raw), c.hpa) << c.raw;
    EXPECT_EQ(HpaToInHg(QnhHpaFromRaw(c.raw)), c.inHg) << c.raw;
  }
}

TEST(QnhTest, TableOfFiftyPressures) {
  const std::pair<std::int16_t, std::int16_t> marks[] = {{990, 2923}, {1010, 2983}, {1011, 2985},
                                                         {1031, 3045}, {1032, 3047}, {1039, 3068}};
  for (const auto& [hpa, inHg] : marks) EXPECT_EQ(HpaToInHg(hpa), inHg) << hpa;
  // Every entry is hPa x 2.953 to the nearest hundredth.
  for (std::int16_t p = 990; p <= 1039; ++p) {
    const int thousandths = p * 2953;
    EXPECT_NEAR(HpaToInHg(p) * 1000, thousandths, 500) << p;
  }
  for (std::int16_t p : {0, -1013, 989, 1040, 2000}) EXPECT_EQ(HpaToInHg(p), 0) << p;
}

TEST(ZeroFuelWeightTest, PoundsTimes256) {
  EXPECT_EQ(ZeroFuelWeightFromRaw(300000 * 256), 300000);
  EXPECT_EQ(ZeroFuelWeightFromRaw(0x7FFFFFFF), 8388608);
  EXPECT_EQ(ZeroFuelWeightFromRaw(128), 0);   // 0.5 -> 0
  EXPECT_EQ(ZeroFuelWeightFromRaw(384), 2);   // 1.5 -> 2
}

}  // namespace
}  // namespace vx::simlink
