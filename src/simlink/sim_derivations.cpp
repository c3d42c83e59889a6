#include "simlink/sim_derivations.h"

#include <cmath>
#include <limits>

#include "runtime/numbers.h"
#include "runtime/runtime_error.h"

namespace vx::simlink {
namespace {

constexpr std::int16_t kFirstTableHpa = 990;
// Hundredths of an inch of mercury for 990 to 1039 hPa: hPa x 2.953, rounded.
constexpr std::array<std::int16_t, 50> kInHgByHpa = {
    2923, 2926, 2929, 2932, 2935, 2938, 2941, 2944, 2947, 2950,  // 990-999
    2953, 2956, 2959, 2962, 2965, 2968, 2971, 2974, 2977, 2980,  // 1000-1009
    2983, 2985, 2988, 2991, 2994, 2997, 3000, 3003, 3006, 3009,  // 1010-1019
    3012, 3015, 3018, 3021, 3024, 3027, 3030, 3033, 3036, 3039,  // 1020-1029
    3042, 3045, 3047, 3050, 3053, 3056, 3059, 3062, 3065, 3068,  // 1030-1039
};

// Long addition with the runtime's overflow error.
std::int32_t AddLong(std::int32_t a, std::int32_t b) {
  const std::int64_t s = static_cast<std::int64_t>(a) + b;
  if (s < std::numeric_limits<std::int32_t>::min() || s > std::numeric_limits<std::int32_t>::max()) {
    throw runtime::RuntimeError(runtime::kOverflow);
  }
  return static_cast<std::int32_t>(s);
}

struct Group {
  std::int32_t gallons = 0;
  double capacity = 0;
};

}  // namespace

std::int16_t HpaToInHg(std::int16_t hpa) {
  const int i = hpa - kFirstTableHpa;
  return i >= 0 && i < static_cast<int>(kInHgByHpa.size()) ? kInHgByHpa[static_cast<std::size_t>(i)] : 0;
}

std::int16_t QnhHpaFromRaw(std::int16_t raw) { return runtime::CInt(raw / 16.0); }

void DeriveFuel(const FuelReading& in, std::array<state::TankFuelRecord, 11>& tanks, state::FuelTotalsRecord& totals) {
  const double weight = in.weightPerGallon;
  Group centre, left, right;
  for (std::size_t i = 0; i < tanks.size(); ++i) {
    state::TankFuelRecord t;
    t.percent = runtime::CLng(in.levels[i] * 100.0 / kFullTankLevel);
    t.capacity = in.capacities[i];
    const double g = static_cast<double>(t.percent) * t.capacity / 100.0;
    t.gallons = runtime::CLng(g);
    t.pounds = runtime::CLng(weight * g / 256.0);
    tanks[i] = t;
    Group& group = i <= state::kExternal2 ? centre : i <= state::kLeftTip ? left : right;
    group.gallons = AddLong(group.gallons, t.gallons);
    group.capacity += t.capacity;
  }
  auto pounds = [&](const Group& g) { return runtime::CLng(g.gallons * weight / 256.0); };
  auto percent = [](std::int32_t gallons, double capacity) {
    return capacity == 0 ? 0 : runtime::CLng(gallons * 100.0 / capacity);
  };
  state::FuelTotalsRecord t;
  t.centreGallons = centre.gallons;
  t.centreLbs = pounds(centre);
  t.centrePercent = percent(centre.gallons, centre.capacity);
  t.leftGallons = left.gallons;
  t.leftLbs = pounds(left);
  t.leftPercent = percent(left.gallons, left.capacity);
  t.rightGallons = right.gallons;
  t.rightLbs = pounds(right);
  t.rightPercent = percent(right.gallons, right.capacity);
  t.totalGallons = AddLong(AddLong(centre.gallons, left.gallons), right.gallons);
  t.FuelTotalLbs = AddLong(AddLong(t.centreLbs, t.leftLbs), t.rightLbs);
  const double capacity = centre.capacity + left.capacity + right.capacity;
  t.totalCapacity = runtime::CLng(capacity);
  t.totalPercent = percent(t.totalGallons, capacity);
  totals = t;
}

std::int32_t FeetFromMetres(std::int32_t metres) { return runtime::CLng(metres * kFeetPerMetre); }

std::int16_t CloudCoverEighths(std::int16_t code, std::int16_t previous) {
  switch (static_cast<std::uint16_t>(code)) {
    case 0x0000: return 0;
    case 0x2000: return 1;
    case 0x4000: return 2;
    case 0x6000: return 3;
    case 0x8000: return 4;
    case 0xA000: return 5;
    case 0xC000: return 6;
    case 0xE000: return 7;
    case 0xFFFF: return 8;
    default: return previous;
  }
}

std::int32_t AltitudeFeet(std::uint32_t fractionLow, std::int32_t metresHigh) {
  const double feet = runtime::Fix(Int64Halves(fractionLow, metresHigh) * kFeetPerMetre);
  return runtime::CLng(feet);
}

std::int16_t TemperatureFromRaw(std::int16_t raw) {
  // A 16-bit word over 256 lies within -128 and 128: the result always fits.
  return static_cast<std::int16_t>(std::lround(raw / 256.0));
}

state::WindReading DeriveWind(std::int16_t speedKt, std::int16_t directionWord) {
  double d = directionWord * 360.0 / 65536.0;
  if (d < 0) d += 360;
  state::WindReading w;
  w.speed = speedKt;
  w.direction = runtime::CInt(runtime::Fix(d + 0.5));
  if (w.direction == 0) w.direction = 360;
  return w;
}

std::int16_t SelectTurbulence(std::int32_t altitudeFt, const WindBandsRaw& b) {
  const std::int32_t a = altitudeFt;
  if (a <= FeetFromMetres(b.upperTop)) return b.upperTurbulence;
  if (FeetFromMetres(b.middleBottom) <= a && a <= FeetFromMetres(b.middleTop)) return b.middleTurbulence;
  if (FeetFromMetres(b.lowerBottom) <= a && a <= FeetFromMetres(b.lowerTop)) return b.lowerTurbulence;
  if (a > FeetFromMetres(b.surfaceTop) || a < FeetFromMetres(b.surfaceBottom)) return b.upperTurbulence;
  return b.surfaceTurbulence;
}

std::int32_t ZeroFuelWeightFromRaw(std::int32_t raw) { return runtime::CLng(raw / 256.0); }

}  // namespace vx::simlink
