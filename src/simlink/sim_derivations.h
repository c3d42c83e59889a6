#pragma once
// The values the main program derives from the simulator's raw variables. Rounding is to
// the nearest whole number with halves to even (temperatures excepted, below); a value
// outside its integer type raises the runtime's overflow error.
#include <array>
#include <cstdint>

#include "state/sim_values.h"

namespace vx::simlink {

inline constexpr double kFeetPerMetre = 3.28084;
inline constexpr double kLatitudeDegreesPerUnit = 8.9984275577e-6;
inline constexpr double kLongitudeDegreesPerUnit = 8.381903171539e-8;
inline constexpr std::int32_t kFullTankLevel = 8388608;

// Hundredths of an inch of mercury of a pressure in whole hectopascals; 0 outside 990..1039.
std::int16_t HpaToInHg(std::int16_t hpa);
// Whole hectopascals of the simulator's pressure word (hPa x 16).
std::int16_t QnhHpaFromRaw(std::int16_t raw);

struct FuelReading {
  std::array<std::int32_t, 11> levels{};      // raw levels, 100 % = 8388608
  std::array<std::int32_t, 11> capacities{};  // US gallons
  std::int16_t weightPerGallon = 0;           // pounds per gallon x 256
};
void DeriveFuel(const FuelReading& in, std::array<state::TankFuelRecord, 11>& tanks, state::FuelTotalsRecord& totals);

// Whole feet of whole metres.
std::int32_t FeetFromMetres(std::int32_t metres);
// Eighths of a cloud cover code; an unknown code keeps `previous`.
std::int16_t CloudCoverEighths(std::int16_t code, std::int16_t previous);

// Feet of the 64-bit altitude (whole metres in the high half, the fraction of a metre in
// the low half, which is unsigned), truncated toward zero.
std::int32_t AltitudeFeet(std::uint32_t fractionLow, std::int32_t metresHigh);
// The 64-bit value of a low (unsigned) and high (signed) half, in units of the high half.
constexpr double Int64Halves(std::uint32_t low, std::int32_t high) {
  return static_cast<double>(high) + static_cast<double>(low) / 4294967296.0;
}

// Degrees of a 64-bit latitude or longitude read as two halves (the low half unsigned).
constexpr double LatitudeDegrees(std::uint32_t low, std::int32_t high) {
  return Int64Halves(low, high) * kLatitudeDegreesPerUnit;
}
constexpr double LongitudeDegrees(std::uint32_t low, std::int32_t high) {
  return Int64Halves(low, high) * kLongitudeDegreesPerUnit;
}

// Whole degrees C of the simulator's temperature word (C x 256): the nearest whole degree,
// halves away from zero (15.5 gives 16, -15.5 gives -16). Both the main and the call-out
// program show and speak temperatures and dew points through it.
std::int16_t TemperatureFromRaw(std::int16_t raw);
state::WindReading DeriveWind(std::int16_t speedKt, std::int16_t directionWord);

// The four wind bands: heights in metres, turbulence values.
struct WindBandsRaw {
  std::int16_t surfaceTop = 0, surfaceBottom = 0, surfaceTurbulence = 0;
  std::int16_t lowerTop = 0, lowerBottom = 0, lowerTurbulence = 0;
  std::int16_t middleTop = 0, middleBottom = 0, middleTurbulence = 0;
  std::int16_t upperTop = 0, upperTurbulence = 0;
};
// The turbulence of the band that holds the altitude (bounds inclusive).
std::int16_t SelectTurbulence(std::int32_t altitudeFt, const WindBandsRaw& bands);

// Pounds of the zero-fuel weight word (lbs x 256).
std::int32_t ZeroFuelWeightFromRaw(std::int32_t raw);

}  // namespace vx::simlink
