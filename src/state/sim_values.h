#pragma once
// Types of the simulator values the main program derives and keeps.
#include <array>
#include <cstdint>

namespace vx::state {

// Tanks in the order of TankFuel.
enum Tank : std::size_t {
  kCentre1, kCentre2, kCentre3, kExternal1, kExternal2,
  kLeftMain, kLeftAux, kLeftTip, kRightMain, kRightAux, kRightTip,
};

struct TankFuelRecord {
  std::int32_t percent = 0;   // of capacity
  std::int32_t capacity = 0;  // US gallons
  std::int32_t gallons = 0;
  std::int32_t pounds = 0;
  bool operator==(const TankFuelRecord&) const = default;
};

struct FuelTotalsRecord {
  std::int32_t leftPercent = 0;
  std::int32_t rightPercent = 0;
  std::int32_t centrePercent = 0;
  std::int32_t totalPercent = 0;
  std::int32_t totalCapacity = 0;  // US gallons
  std::int32_t leftGallons = 0;
  std::int32_t rightGallons = 0;
  std::int32_t centreGallons = 0;
  std::int32_t totalGallons = 0;
  std::int32_t leftLbs = 0;
  std::int32_t rightLbs = 0;
  std::int32_t centreLbs = 0;
  std::int32_t FuelTotalLbs = 0;
  bool operator==(const FuelTotalsRecord&) const = default;
};

struct CloudLayer {
  std::int32_t topFt = 0;
  std::int32_t baseFt = 0;
  std::int16_t cover = 0;  // eighths
  bool operator==(const CloudLayer&) const = default;
};
struct CloudLayerSet {
  CloudLayer high, low, storm;
  bool operator==(const CloudLayerSet&) const = default;
};

struct WindReading {
  std::int16_t direction = 0;  // degrees 1 to 360
  std::int16_t speed = 0;      // knots
  bool operator==(const WindReading&) const = default;
};

struct GeoPosition {
  double latitude = 0;   // degrees, north positive
  double longitude = 0;  // degrees, east positive
};

struct SimClockFields {
  std::int16_t localHour = 0;
  std::int16_t localMinute = 0;
  std::int16_t second = 0;
  std::int16_t gmtHour = 0;
  std::int16_t gmtMinute = 0;
};

// The flight's maxima, kept from the briefing's sign-off to the end of the flight.
struct FlightMaximaRecord {
  std::int32_t altitudeFt = 0;
  std::int32_t indicatedAirspeedKt = 0;
  std::int32_t trueAirspeedKt = 0;
  std::int32_t groundSpeedKmh = 0;
  std::int16_t machTimes100 = 0;
  bool operator==(const FlightMaximaRecord&) const = default;
};

}  // namespace vx::state
