#pragma once
// The words the briefing sheet makes of the weather at the aircraft: turbulence,
// precipitation type and rate, a one-word summary, and the wind relative to the take-off
// runway as a word and a signed angle. The crew announcements pick their phrases from
// these words.
#include <cstdint>
#include <optional>
#include <string>

namespace vx::briefing {

// 0 "--", 1-64 "時々", 65-128 "弱", 129-192 "中", 193-224 "強", 225 and above "最悪".
std::string TurbulenceWord(int turbulence);
// 1 "雨", 2 "雪", else "--".
std::string RainTypeWord(int precipitationType);
// "--" when the type word is "--"; else by rate: 1 "微", 2 "小", 3 "中", 4 "強", 5 "暴",
// others "--".
std::string RainRateWord(const std::string& rainTypeWord, int precipitationRate);
// "雨" or "雪" when it falls; else by the larger of the low and high cover (eighths):
// 0 or less "快晴", 1 or 2 "晴", 3 and more "曇り".
std::string WeatherSummaryWord(const std::string& rainTypeWord, std::int32_t lowCover, std::int32_t highCover);

struct RunwayWind {
  std::string word;   // such as "やや右よりの風", "ライトクロス", "左後ろから"
  std::string angle;  // a sign followed by the degrees, such as "+12"
  bool operator==(const RunwayWind&) const = default;
};
// The wind from `windDirection` on a runway heading `runwayHeading` (degrees); a heading
// past 360 (runways 37 to 39) counts on from north, so the angle has one sign. None when
// the wind is exactly on the heading: the sheet then keeps what it showed.
std::optional<RunwayWind> WindToRunway(int runwayHeading, int windDirection);

}  // namespace vx::briefing
