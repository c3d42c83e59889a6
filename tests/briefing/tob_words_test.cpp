#include "briefing/tob_words.h"

#include <gtest/gtest.h>

#include <span>
#include <string>

#include "briefing/tob_vspeeds.h"

namespace vx::briefing {
namespace {

TEST(TobWords, TurbulenceAtTheBoundsOfEachBand) {
  const std::pair<int, const char*> cases[] = {{0, "--"},   {1, "時々"},   {64, "時々"}, {65, "弱"},
                                               {128, "弱"}, {129, "中"},   {192, "中"},  {193, "強"},
                                               {224, "強"}, {225, "最悪"}, {255, "最悪"}};
  for (const auto& [turbulence, word] : cases) EXPECT_EQ(TurbulenceWord(turbulence), word) << turbulence;
}

TEST(TobWords, PrecipitationAndSummary) {
  struct Case {
    int type, rate, low, high;
    const char *typeWord, *rateWord, *summary;
  };
  const Case cases[] = {
      {1, 0, 8, 8, "雨", "--", "雨"},    {1, 1, 0, 0, "雨", "微", "雨"},     {2, 5, 0, 0, "雪", "暴", "雪"},
      {2, 6, 0, 0, "雪", "--", "雪"},    {0, 3, 0, 0, "--", "--", "快晴"},   {3, 3, 1, 0, "--", "--", "晴"},
      {0, 2, 2, 3, "--", "--", "曇り"},  {0, 4, 0, 2, "--", "--", "晴"},     {0, 0, -1, 0, "--", "--", "快晴"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type * 10 + c.rate);
    const std::string type = RainTypeWord(c.type);
    EXPECT_EQ(type, c.typeWord);
    EXPECT_EQ(RainRateWord(type, c.rate), c.rateWord);
    EXPECT_EQ(WeatherSummaryWord(type, c.low, c.high), c.summary);
  }
  EXPECT_EQ(RainRateWord("雨", 2), "小");
  EXPECT_EQ(RainRateWord("雨", 3), "中");
  EXPECT_EQ(RainRateWord("雨", 4), "強");
}

struct WindCase {
  int runway, wind;
  const char *word, *angle;
};

void ExpectWinds(std::span<const WindCase> cases) {
  for (const WindCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.runway) + "/" + std::to_string(c.wind));
    const auto wind = WindToRunway(c.runway, c.wind);
    ASSERT_TRUE(wind);
    EXPECT_EQ(wind->word, c.word);
    EXPECT_EQ(wind->angle, c.angle);
  }
}

TEST(TobWords, WindAgainstTheRunwayAtEveryBound) {
  const WindCase cases[] = {
      // Wind to the right of the heading (W > R), runway 00.
      {0, 44, "やや右よりの風", "+44"},   {0, 45, "ライトクロス", "+45"},  {0, 90, "ライトクロス", "+90"},
      {0, 91, "右後ろから", "+91"},       {0, 180, "右後ろから", "+180"}, {0, 181, "左後ろから", "-179"},
      {0, 269, "左後ろから", "-91"},      {0, 270, "レフトクロス", "-90"}, {0, 315, "レフトクロス", "-45"},
      {0, 316, "やや左よりの風", "-44"},
      // Heading beyond the wind (R > W), runway 36.
      {360, 316, "やや左よりの風", "-44"}, {360, 315, "レフトクロス", "-45"}, {360, 270, "レフトクロス", "-90"},
      {360, 269, "左後ろから", "-91"},     {360, 180, "左後ろから", "-180"}, {360, 179, "右後ろから", "+179"},
      {360, 91, "右後ろから", "+91"},      {360, 90, "ライトクロス", "+90"}, {360, 45, "ライトクロス", "+45"},
      {360, 44, "やや右よりの風", "+44"},  {360, 0, "やや右よりの風", "+0"},
      // Examples: runway 34 and wind 020, runway 16 with 156 and 205.
      {340, 20, "やや右よりの風", "+40"},  {160, 156, "やや左よりの風", "-4"}, {160, 205, "ライトクロス", "+45"},
  };
  ExpectWinds(cases);
  EXPECT_FALSE(WindToRunway(160, 160)) << "wind on the heading keeps the old texts";
}

// Runways 37 to 39 lie 10 to 30 degrees past north: the wind on either side of them gets
// one sign, as on runways 01 to 03.
TEST(TobWords, WindAgainstRunwaysPastNorthHasOneSign) {
  const WindCase cases[] = {
      {360, 20, "やや右よりの風", "+20"},  {360, 340, "やや左よりの風", "-20"}, {360, 270, "レフトクロス", "-90"},
      {370, 30, "やや右よりの風", "+20"},  {370, 350, "やや左よりの風", "-20"}, {370, 5, "やや左よりの風", "-5"},
      {370, 360, "やや左よりの風", "-10"}, {370, 100, "ライトクロス", "+90"},   {370, 200, "左後ろから", "-170"},
      {380, 5, "やや左よりの風", "-15"},   {380, 200, "右後ろから", "+180"},   {380, 201, "左後ろから", "-179"},
      {390, 10, "やや左よりの風", "-20"},  {390, 50, "やや右よりの風", "+20"}, {390, 300, "レフトクロス", "-90"},
      {390, 360, "やや左よりの風", "-30"}, {390, 120, "ライトクロス", "+90"},
  };
  ExpectWinds(cases);
  EXPECT_FALSE(WindToRunway(370, 10)) << "runway 37 is heading 010";
}

TEST(TobVSpeeds, TablesFormulaAndResets) {
  struct Case {
    int code;
    std::int32_t grossLbs;
    std::optional<VSpeeds> computed, reset;
  };
  const Case cases[] = {
      {1, 300000, VSpeeds{121, 131, 143}, kResetSpeedsSmall},
      {1, 176369, VSpeeds{83, 92, 105}, kResetSpeedsSmall},
      {1, 176370, VSpeeds{92, 97, 109}, kResetSpeedsSmall},
      {1, 500000, VSpeeds{158, 164, 168}, kResetSpeedsSmall},
      {2, 462970, VSpeeds{95, 110, 136}, kResetSpeedsLarge},
      {2, 462971, VSpeeds{100, 114, 138}, kResetSpeedsLarge},
      {6, 900000, VSpeeds{159, 177, 188}, kResetSpeedsLarge},
      {3, 462971, VSpeeds{100, 114, 138}, kResetSpeedsLarge},
      {5, 462971, VSpeeds{100, 114, 138}, kResetSpeedsLarge},
      {4, 220462, VSpeeds{107, 117, 127}, kResetSpeedsSmall},
      {0, 300000, std::nullopt, std::nullopt},
      {7, 300000, std::nullopt, std::nullopt},
      {8, 300000, std::nullopt, std::nullopt},
      {9, 300000, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.code) + " at " + std::to_string(c.grossLbs));
    const double tonnes = GrossTonnes(c.grossLbs - 100000, 100000);
    EXPECT_EQ(ComputeVSpeeds(c.code, tonnes), c.computed);
    EXPECT_EQ(ResetVSpeeds(c.code), c.reset);
  }
  EXPECT_EQ(kResetSpeedsSmall, (VSpeeds{132, 140, 156}));
  EXPECT_EQ(kResetSpeedsLarge, (VSpeeds{145, 160, 175}));
}

}  // namespace
}  // namespace vx::briefing
