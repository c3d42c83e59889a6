#include "briefing/tob_vspeeds.h"

#include "runtime/numbers.h"

namespace vx::briefing {

const std::array<VSpeedRow, 13> kVSpeedTableA{{
    {190, {158, 164, 168}}, {180, {152, 159, 164}}, {170, {146, 154, 161}}, {160, {140, 149, 157}},
    {150, {134, 144, 152}}, {140, {128, 138, 148}}, {130, {121, 131, 143}}, {120, {115, 125, 138}},
    {110, {108, 118, 133}}, {100, {101, 111, 128}}, {90, {98, 107, 124}},   {80, {92, 97, 109}},
    {0, {83, 92, 105}},
}};

const std::array<VSpeedRow, 21> kVSpeedTableB{{
    {400, {159, 177, 188}}, {390, {158, 175, 187}}, {380, {156, 173, 185}}, {370, {154, 170, 183}},
    {360, {151, 167, 180}}, {350, {148, 164, 177}}, {340, {145, 160, 175}}, {330, {142, 157, 172}},
    {320, {139, 154, 169}}, {310, {136, 150, 165}}, {300, {133, 147, 164}}, {290, {129, 143, 161}},
    {280, {126, 139, 158}}, {270, {123, 136, 155}}, {260, {120, 132, 153}}, {250, {116, 129, 150}},
    {240, {112, 125, 147}}, {230, {108, 121, 145}}, {220, {104, 117, 142}}, {210, {100, 114, 138}},
    {0, {95, 110, 136}},
}};

namespace {
template <std::size_t N>
VSpeeds FromTable(const std::array<VSpeedRow, N>& table, double tonnes) {
  for (std::size_t i = 0; i + 1 < N; ++i) {
    if (tonnes > table[i].aboveTonnes) return table[i].speeds;
  }
  return table[N - 1].speeds;
}
bool IsTableB(int code) { return code == 2 || code == 3 || code == 5 || code == 6; }
}  // namespace

double GrossTonnes(std::int32_t fuelTotalLbs, std::int32_t zeroFuelWeightLbs) {
  return (static_cast<double>(fuelTotalLbs) + static_cast<double>(zeroFuelWeightLbs)) / 2204.62;
}

std::optional<VSpeeds> ComputeVSpeeds(int code, double tonnes) {
  if (code == 1) return FromTable(kVSpeedTableA, tonnes);
  if (IsTableB(code)) return FromTable(kVSpeedTableB, tonnes);
  if (code == 4) {
    const std::int16_t vr = runtime::CInt(tonnes * 0.6606 + 51.412);
    return VSpeeds{static_cast<std::int16_t>(vr - 10), vr, static_cast<std::int16_t>(vr + 10)};
  }
  return std::nullopt;
}

std::optional<VSpeeds> ResetVSpeeds(int code) {
  if (code == 1 || code == 4) return kResetSpeedsSmall;
  if (IsTableB(code)) return kResetSpeedsLarge;
  return std::nullopt;
}

}  // namespace vx::briefing
