#include "briefing/tob_words.h"

#include <algorithm>

#include "runtime/numbers.h"

namespace vx::briefing {

std::string TurbulenceWord(int turbulence) {
  if (turbulence <= 0) return "--";
  if (turbulence <= 64) return "時々";
  if (turbulence <= 128) return "弱";
  if (turbulence <= 192) return "中";
  if (turbulence <= 224) return "強";
  return "最悪";
}

std::string RainTypeWord(int precipitationType) {
  if (precipitationType == 1) return "雨";
  if (precipitationType == 2) return "雪";
  return "--";
}

std::string RainRateWord(const std::string& rainTypeWord, int precipitationRate) {
  if (rainTypeWord == "--") return "--";
  switch (precipitationRate) {
    case 1: return "微";
    case 2: return "小";
    case 3: return "中";
    case 4: return "強";
    case 5: return "暴";
    default: return "--";
  }
}

std::string WeatherSummaryWord(const std::string& rainTypeWord, std::int32_t lowCover, std::int32_t highCover) {
  if (rainTypeWord == "雨") return "雨";
  if (rainTypeWord == "雪") return "雪";
  const std::int32_t cover = std::max(highCover, lowCover);
  if (cover <= 0) return "快晴";
  if (cover <= 2) return "晴";
  return "曇り";
}

namespace {
RunwayWind Right(std::string word, int degrees) { return {std::move(word), "+" + runtime::IntText(degrees)}; }
RunwayWind Left(std::string word, int degrees) { return {std::move(word), "-" + runtime::IntText(degrees)}; }
}  // namespace

namespace {
// A direction as degrees 0 to 360: runways 37 to 39 are headings 010 to 030, and north
// keeps both its names (runway 00 is 0, runway 36 and a wind from the north are 360).
int Degrees(int direction) {
  if (direction >= 0 && direction <= 360) return direction;
  const int d = direction % 360;
  return d < 0 ? d + 360 : d;
}
}  // namespace

std::optional<RunwayWind> WindToRunway(int runwayHeading, int windDirection) {
  const int r = Degrees(runwayHeading);
  const int w = Degrees(windDirection);
  if (w > r) {
    const int a = w - r;
    if (a < 45) return Right("やや右よりの風", a);
    if (a <= 90) return Right("ライトクロス", a);
    if (a <= 180) return Right("右後ろから", a);
    if (a < 270) return Left("左後ろから", 360 - a);
    if (a <= 315) return Left("レフトクロス", 360 - a);
    return Left("やや左よりの風", 360 - a);
  }
  if (r > w) {
    const int b = r - w;
    if (b < 45) return Left("やや左よりの風", b);
    if (b <= 90) return Left("レフトクロス", b);
    if (b <= 180) return Left("左後ろから", b);
    if (b < 270) return Right("右後ろから", 360 - b);
    if (b <= 315) return Right("ライトクロス", 360 - b);
    return Right("やや右よりの風", 360 - b);
  }
  return std::nullopt;
}

}  // namespace vx::briefing
