#pragma once
// Take-off speeds for the aircraft types of the briefing sheet: two weight tables, a
// formula for the 757/767, fixed reset values, and the types whose speeds only the user
// (or the add-on) sets.
#include <array>
#include <cstdint>
#include <optional>

namespace vx::briefing {

// The items of the sheet's type combo, in order; the first two characters are the code.
inline constexpr std::array<const char*, 10> kAircraftTypeItems{
    "00 Level-D 767",       "01 B737   2 Engines", "02 B744   4 Engines", "03 B777   2 Engines",
    "04 B75/76 2 Engines",  "05 B747SR 4 Engines", "06 MD11   3 Engines", "07 Prop    2 Engines",
    "08 Prop    3 Engines", "09 Prop    4 Engines"};

struct VSpeeds {
  std::int16_t v1 = 0, vr = 0, v2 = 0;
  bool operator==(const VSpeeds&) const = default;
};

// One row of a weight table: speeds for a gross weight above `aboveTonnes`.
struct VSpeedRow {
  double aboveTonnes;
  VSpeeds speeds;
};

// Table A (code 1) and table B (codes 2, 3, 5, 6), heaviest first; the last row is the
// one for the lightest weights (its limit is never compared).
extern const std::array<VSpeedRow, 13> kVSpeedTableA;
extern const std::array<VSpeedRow, 21> kVSpeedTableB;
inline constexpr VSpeeds kResetSpeedsSmall{132, 140, 156};  // codes 1 and 4
inline constexpr VSpeeds kResetSpeedsLarge{145, 160, 175};  // codes 2, 3, 5, 6
inline constexpr const char* kAddonTypeMessage =
    "機種 Level-D767 は通信でデータが更新されますのでこのボタンは押す必要ありません。";
inline constexpr const char* kAddonTypeTitle = "Level-D767";

// Gross weight in tonnes of the simulator's fuel and zero-fuel weight (pounds).
double GrossTonnes(std::int32_t fuelTotalLbs, std::int32_t zeroFuelWeightLbs);
// The speeds for `code` at `tonnes`; none for codes 0 and 7 to 9 (and unknown codes).
std::optional<VSpeeds> ComputeVSpeeds(int code, double tonnes);
// The fixed speeds for `code`; none for codes 0 and 7 to 9.
std::optional<VSpeeds> ResetVSpeeds(int code);

}  // namespace vx::briefing
