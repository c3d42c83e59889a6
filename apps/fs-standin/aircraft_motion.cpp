#include "aircraft_motion.h"

#include <cmath>

namespace vx::standin {
namespace {

constexpr double kLatitudeDegreesPerUnit = 8.9984275577e-6;
constexpr double kLongitudeDegreesPerUnit = 8.381903171539e-8;
constexpr double kTwo32 = 4294967296.0;
constexpr double kMetresPerDegree = 1852.0 * 60.0;
constexpr double kPi = 3.14159265358979323846;
// One step of the integration, so a long jump of the clock still follows the turn.
constexpr double kStepSeconds = 0.05;

std::int64_t Get64(const platform::SimVariableArea& a, std::int32_t low) {
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(a.GetUnsigned(low + 4, 4)) << 32) |
                                   static_cast<std::uint64_t>(a.GetUnsigned(low, 4)));
}
void Set64(platform::SimVariableArea& a, std::int32_t low, std::int64_t v) {
  a.Set(low, 4, static_cast<std::int64_t>(static_cast<std::uint64_t>(v) & 0xFFFFFFFFu));
  a.Set(low + 4, 4, v >> 32);
}
double TrueHeading(std::uint32_t raw) { return raw / kTwo32 * 360.0; }

}  // namespace

void AircraftMotion::Reset() {
  north_ = east_ = turn_ = 0;
  written_ = false;
}

void AircraftMotion::Rates(const platform::SimVariableArea& area) {
  speedMps_ = 0;
  turnDegPerSec_ = 0;
  slewing_ = false;
  switch (area.GetSigned(0x31F4, 4)) {
    case 0: speedMps_ = kPushbackSpeedMps; break;
    case 1: speedMps_ = kPushbackSpeedMps; turnDegPerSec_ = kPushbackTurnDegPerSec; break;
    case 2: speedMps_ = kPushbackSpeedMps; turnDegPerSec_ = -kPushbackTurnDegPerSec; break;
    default: break;
  }
  if (area.GetSigned(0x05DC, 2) != 0 && area.GetUnsigned(0x05EB, 1) != 0) {
    speedMps_ = static_cast<double>(area.GetUnsigned(0x05EB, 1)) * kSlewMpsPerUnit;
    turnDegPerSec_ = -static_cast<double>(area.GetSigned(0x05E6, 2)) * kSlewDegPerSecPerUnit;
    slewing_ = true;
  }
}

void AircraftMotion::Run(const platform::SimVariableArea& area, double seconds) {
  Rates(area);
  if (!(seconds > 0) || !Moving()) return;
  const double heading0 = TrueHeading(baseHeading_);
  for (double left = seconds; left > 0; left -= kStepSeconds) {
    const double dt = std::min(left, kStepSeconds);
    // Backwards: the heading the tail points to, at the middle of the step.
    const double heading = heading0 + turn_ + turnDegPerSec_ * dt / 2;
    const double back = (heading + 180.0) * kPi / 180.0;
    north_ += std::cos(back) * speedMps_ * dt;
    east_ += std::sin(back) * speedMps_ * dt;
    turn_ += turnDegPerSec_ * dt;
  }
}

void AircraftMotion::Apply(platform::SimVariableArea& area) {
  const std::int64_t lat = Get64(area, 0x0560), lon = Get64(area, 0x0568);
  const auto heading = static_cast<std::uint32_t>(area.GetUnsigned(0x0580, 4));
  if (!written_ || lat != writtenLat_) baseLat_ = lat;
  if (!written_ || lon != writtenLon_) baseLon_ = lon;
  if (!written_ || heading != writtenHeading_) baseHeading_ = heading;
  // Until anything moved the area is left as it is.
  if (north_ == 0 && east_ == 0 && turn_ == 0) return;
  const double baseLatDeg = static_cast<double>(baseLat_) / kTwo32 * kLatitudeDegreesPerUnit;
  const double metresPerLonDeg = kMetresPerDegree * std::cos(baseLatDeg * kPi / 180.0);
  writtenLat_ = baseLat_ + std::llround(north_ / kMetresPerDegree / kLatitudeDegreesPerUnit * kTwo32);
  writtenLon_ = baseLon_ + std::llround(east_ / metresPerLonDeg / kLongitudeDegreesPerUnit * kTwo32);
  double h = std::fmod(TrueHeading(baseHeading_) + turn_, 360.0);
  if (h < 0) h += 360.0;
  writtenHeading_ = static_cast<std::uint32_t>(std::floor(h / 360.0 * kTwo32)) ;
  Set64(area, 0x0560, writtenLat_);
  Set64(area, 0x0568, writtenLon_);
  area.Set(0x0580, 4, writtenHeading_);
  written_ = true;
  // The ground speed follows the pushback; it drops back to 0 once the aircraft stops.
  // A slew push leaves it (and the vertical speed) at 0.
  if (Moving() && !slewing_) {
    area.Set(0x02B4, 4, std::llround(speedMps_ * 65536.0));
    wasMoving_ = true;
  } else if (wasMoving_) {
    area.Set(0x02B4, 4, 0);
    wasMoving_ = false;
  }
}

}  // namespace vx::standin
