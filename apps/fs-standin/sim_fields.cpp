#include "sim_fields.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vx::standin {
namespace {

constexpr double kFeetPerMetre = 3.28084;
constexpr double kLatitudeDegreesPerUnit = 8.9984275577e-6;
constexpr double kLongitudeDegreesPerUnit = 8.381903171539e-8;
constexpr double kTwo32 = 4294967296.0;

std::int64_t Round(double v) { return static_cast<std::int64_t>(std::llround(v)); }

// A 64-bit position value as its low and high 32-bit halves.
void SetInt64(platform::SimVariableArea& a, std::int32_t lowOffset, double value) {
  // The halves hold no more than 64 bits: the date line's -180 degrees lands on the lowest.
  constexpr double kTwo63 = 9223372036854775808.0;
  const double f = std::floor(value);
  const std::int64_t v = f >= kTwo63    ? std::numeric_limits<std::int64_t>::max()
                         : f <= -kTwo63 ? std::numeric_limits<std::int64_t>::min()
                                        : static_cast<std::int64_t>(f);
  a.Set(lowOffset, 4, v & 0xFFFFFFFF);
  a.Set(lowOffset + 4, 4, v >> 32);
}

double AltitudeMetres(const platform::SimVariableArea& a) {
  return static_cast<double>(a.GetSigned(0x0574, 4)) + static_cast<double>(a.GetUnsigned(0x0570, 4)) / kTwo32;
}

double Wrap360(double deg) {
  double d = std::fmod(deg, 360.0);
  return d < 0 ? d + 360.0 : d;
}

std::int64_t CoverCode(double eighths) {
  const auto e = std::clamp<std::int64_t>(Round(eighths), 0, 8);
  return e == 8 ? 0xFFFF : e * 0x2000;
}

void SetTankPercent(FieldTarget& t, std::size_t tank, double percent) {
  const std::int64_t level = Round(percent * kFullTankLevel / 100.0) + t.tankLevelShift[tank];
  t.area.Set(kFuelTanks[tank].levelOffset, 4, std::clamp<std::int64_t>(level, 0, kFullTankLevel));
}

template <std::size_t Tank>
void ApplyTank(FieldTarget& t, double v) {
  SetTankPercent(t, Tank, v);
}

template <std::int32_t Offset, std::int32_t Size>
void ApplyRaw(FieldTarget& t, double v) {
  t.area.Set(Offset, Size, Round(v));
}

template <std::int32_t Offset, std::int32_t Size, int Scale>
void ApplyScaled(FieldTarget& t, double v) {
  t.area.Set(Offset, Size, Round(v * Scale));
}

// Cloud layer: top and base in feet, cover in eighths.
template <std::int32_t TopOffset>
void ApplyCloudTop(FieldTarget& t, double feet) {
  t.area.Set(TopOffset, 2, Round(feet / kFeetPerMetre));
}
template <std::int32_t TopOffset>
void ApplyCloudBase(FieldTarget& t, double feet) {
  t.area.Set(TopOffset + 2, 2, Round(feet / kFeetPerMetre));
}
template <std::int32_t TopOffset>
void ApplyCloudCover(FieldTarget& t, double eighths) {
  t.area.Set(TopOffset + 4, 2, CoverCode(eighths));
}

double ReadLatitude(const platform::SimVariableArea& a) {
  const double high = static_cast<double>(a.GetSigned(0x0564, 4));
  return (high + static_cast<double>(a.GetUnsigned(0x0560, 4)) / kTwo32) * kLatitudeDegreesPerUnit;
}
double ReadLongitude(const platform::SimVariableArea& a) {
  const double high = static_cast<double>(a.GetSigned(0x056C, 4));
  return (high + static_cast<double>(a.GetUnsigned(0x0568, 4)) / kTwo32) * kLongitudeDegreesPerUnit;
}
double ReadAltitude(const platform::SimVariableArea& a) { return AltitudeMetres(a) * kFeetPerMetre; }
double ReadHeading(const platform::SimVariableArea& a) {
  return static_cast<double>(a.GetUnsigned(0x0580, 4)) / kTwo32 * 360.0;
}

void ApplyLatitude(FieldTarget& t, double deg) { SetInt64(t.area, 0x0560, deg / kLatitudeDegreesPerUnit * kTwo32); }
// The full circle spans the 64-bit value, so 180 east is 180 west.
void ApplyLongitude(FieldTarget& t, double deg) {
  const double wrapped = Wrap360(deg + 180.0) - 180.0;
  SetInt64(t.area, 0x0568, wrapped / kLongitudeDegreesPerUnit * kTwo32);
}
void ApplyAltitude(FieldTarget& t, double feet) { SetInt64(t.area, 0x0570, feet / kFeetPerMetre * kTwo32); }
void ApplyHeightAboveGround(FieldTarget& t, double feet) {
  t.area.Set(0x0B4C, 2, Round(AltitudeMetres(t.area) - feet / kFeetPerMetre));
}
void ApplyHeading(FieldTarget& t, double deg) {
  t.area.Set(0x0580, 4, static_cast<std::int64_t>(std::floor(Wrap360(deg) / 360.0 * kTwo32)));
}
void ApplyMagneticVariation(FieldTarget& t, double deg) { t.area.Set(0x02A0, 2, Round(deg * 65536.0 / 360.0)); }
void ApplyGroundSpeed(FieldTarget& t, double kt) { t.area.Set(0x02B4, 4, Round(kt * 1852.0 / 3600.0 * 65536.0)); }
void ApplyMach(FieldTarget& t, double mach) { t.area.Set(0x11C6, 2, Round(mach * 20480.0)); }
void ApplyVerticalSpeed(FieldTarget& t, double fpm) { t.area.Set(0x0842, 2, Round(-fpm / 3.2809475)); }
void ApplyGear(FieldTarget& t, double down) {
  const double d = std::clamp(down, 0.0, 1.0);
  t.area.Set(0x0BE8, 4, d >= 0.5 ? 16383 : 0);
  for (std::int32_t off : {0x0BEC, 0x0BF0, 0x0BF4}) t.area.Set(off, 4, Round(d * 16383));
}
void ApplyPercent16383(FieldTarget& t, std::int32_t offset, std::int32_t size, double pct) {
  t.area.Set(offset, size, Round(std::clamp(pct, 0.0, 100.0) * 16383 / 100.0));
}
void ApplyFlaps(FieldTarget& t, double pct) { ApplyPercent16383(t, 0x0BDC, 4, pct); }
void ApplySpoiler(FieldTarget& t, double pct) { ApplyPercent16383(t, 0x0BD0, 4, pct); }
void ApplyThrottle(FieldTarget& t, double pct) { t.area.Set(0x088C, 2, Round(pct * 16384 / 100.0)); }
void ApplyN1(FieldTarget& t, double pct) { t.area.Set(0x0898, 2, Round(pct * 16384 / 100.0)); }
void ApplyTemperature(FieldTarget& t, double c) { t.area.Set(0x11D0, 2, Round(c * 256)); }
void ApplyDewPoint(FieldTarget& t, double c) { t.area.Set(0x04C8, 2, Round(c * 256)); }
void ApplyQnh(FieldTarget& t, double hpa) { t.area.Set(0x0EC6, 2, Round(hpa * 16)); }
void ApplyWindDirection(FieldTarget& t, double deg) {
  t.area.Set(0x0E92, 2, Round(Wrap360(deg) * 65536.0 / 360.0) & 0xFFFF);
}
void ApplySurfaceWindDirection(FieldTarget& t, double deg) {
  t.area.Set(0x0EF2, 2, Round(Wrap360(deg) * 65536.0 / 360.0) & 0xFFFF);
}
void ApplyTurbulence(FieldTarget& t, double v) {
  for (std::int32_t off : {0x0ED2, 0x0EDE, 0x0EEA, 0x0EF4}) t.area.Set(off, 2, Round(v));
}
void ApplyAllTanks(FieldTarget& t, double pct) {
  for (std::size_t i = 0; i < kFuelTanks.size(); ++i) SetTankPercent(t, i, pct);
}
void ApplyFuelWeight(FieldTarget& t, double lbsPerGallon) { t.area.Set(0x0AF4, 2, Round(lbsPerGallon * 256)); }

constexpr SimField kFields[] = {
    {"lat", FieldKind::Linear, ApplyLatitude, -90, 90, ReadLatitude},
    {"lon", FieldKind::Linear, ApplyLongitude, -180, 180, ReadLongitude},
    {"alt", FieldKind::Linear, ApplyAltitude, -2000, 200000, ReadAltitude},
    {"agl", FieldKind::Linear, ApplyHeightAboveGround},
    {"hdg", FieldKind::Angle, ApplyHeading, -1e9, 1e9, ReadHeading},
    {"magvar", FieldKind::Linear, ApplyMagneticVariation},
    {"gs", FieldKind::Linear, ApplyGroundSpeed},
    {"tas", FieldKind::Linear, ApplyScaled<0x02B8, 4, 128>},
    {"ias", FieldKind::Linear, ApplyScaled<0x02BC, 4, 128>},
    {"mach", FieldKind::Linear, ApplyMach},
    {"vs", FieldKind::Linear, ApplyVerticalSpeed},
    {"onground", FieldKind::Step, ApplyRaw<0x0366, 2>},
    {"gear", FieldKind::Linear, ApplyGear},
    {"flaps", FieldKind::Linear, ApplyFlaps},
    {"spoiler", FieldKind::Step, ApplySpoiler},
    {"throttle", FieldKind::Linear, ApplyThrottle},
    {"n1", FieldKind::Linear, ApplyN1},
    {"temp", FieldKind::Linear, ApplyTemperature},
    {"dew", FieldKind::Linear, ApplyDewPoint},
    {"qnh", FieldKind::Linear, ApplyQnh},
    {"wind_dir", FieldKind::Angle, ApplyWindDirection},
    {"wind_speed", FieldKind::Linear, ApplyRaw<0x0E90, 2>},
    {"sfc_wind_dir", FieldKind::Angle, ApplySurfaceWindDirection},
    {"sfc_wind_speed", FieldKind::Linear, ApplyRaw<0x0EF0, 2>},
    {"turbulence", FieldKind::Step, ApplyTurbulence},
    {"precip_type", FieldKind::Step, ApplyRaw<0x04CC, 1>},
    {"precip_rate", FieldKind::Step, ApplyRaw<0x04CB, 1>},
    {"high_top", FieldKind::Linear, ApplyCloudTop<0x0E9A>},
    {"high_base", FieldKind::Linear, ApplyCloudBase<0x0E9A>},
    {"high_cover", FieldKind::Step, ApplyCloudCover<0x0E9A>},
    {"low_top", FieldKind::Linear, ApplyCloudTop<0x0EA2>},
    {"low_base", FieldKind::Linear, ApplyCloudBase<0x0EA2>},
    {"low_cover", FieldKind::Step, ApplyCloudCover<0x0EA2>},
    {"storm_top", FieldKind::Linear, ApplyCloudTop<0x0EAA>},
    {"storm_base", FieldKind::Linear, ApplyCloudBase<0x0EAA>},
    {"storm_cover", FieldKind::Step, ApplyCloudCover<0x0EAA>},
    {"fuel", FieldKind::Linear, ApplyAllTanks},
    {"fuel_centre1", FieldKind::Linear, ApplyTank<0>},
    {"fuel_centre2", FieldKind::Linear, ApplyTank<1>},
    {"fuel_centre3", FieldKind::Linear, ApplyTank<2>},
    {"fuel_ext1", FieldKind::Linear, ApplyTank<3>},
    {"fuel_ext2", FieldKind::Linear, ApplyTank<4>},
    {"fuel_left_main", FieldKind::Linear, ApplyTank<5>},
    {"fuel_left_aux", FieldKind::Linear, ApplyTank<6>},
    {"fuel_left_tip", FieldKind::Linear, ApplyTank<7>},
    {"fuel_right_main", FieldKind::Linear, ApplyTank<8>},
    {"fuel_right_aux", FieldKind::Linear, ApplyTank<9>},
    {"fuel_right_tip", FieldKind::Linear, ApplyTank<10>},
    {"fuel_weight", FieldKind::Step, ApplyFuelWeight},
    {"zfw", FieldKind::Linear, ApplyScaled<0x3BFC, 4, 256>},
};

}  // namespace

std::span<const SimField> SimFields() { return kFields; }

const SimField* FindSimField(std::string_view name) {
  for (const SimField& f : kFields) {
    if (f.name == name) return &f;
  }
  return nullptr;
}

void WriteDefaultState(platform::SimVariableArea& area) {
  std::array<std::int64_t, 11> noShift{};
  FieldTarget t{area, noShift};
  const std::pair<std::string_view, double> defaults[] = {
      {"lat", 35.5494},      {"lon", 139.7798},   {"alt", 21},          {"agl", 0},
      {"hdg", 337},          {"magvar", -7},      {"gs", 0},            {"tas", 0},
      {"ias", 0},            {"mach", 0},         {"vs", 0},            {"onground", 1},
      {"gear", 1},           {"flaps", 0},        {"spoiler", 0},       {"throttle", 0},
      {"n1", 0},             {"temp", 15},        {"dew", 10},          {"qnh", 1013},
      {"wind_dir", 340},     {"wind_speed", 8},   {"sfc_wind_dir", 340}, {"sfc_wind_speed", 8},
      {"turbulence", 0},     {"precip_type", 0},  {"precip_rate", 0},   {"high_top", 27000},
      {"high_base", 25000},  {"high_cover", 2},   {"low_top", 5000},    {"low_base", 3000},
      {"low_cover", 4},      {"storm_top", 0},    {"storm_base", 0},    {"storm_cover", 0},
      {"fuel_weight", 6.7},  {"zfw", 300000},
  };
  for (const auto& [name, value] : defaults) FindSimField(name)->apply(t, value);

  // Tank capacities (gallons) of a wide-body twin; the outer tanks are absent.
  const std::int32_t capacities[11] = {12000, 0, 0, 0, 0, 6000, 0, 0, 6000, 0, 0};
  for (std::size_t i = 0; i < kFuelTanks.size(); ++i) {
    area.Set(kFuelTanks[i].levelOffset + 4, 4, capacities[i]);
    area.Set(kFuelTanks[i].levelOffset, 4, capacities[i] > 0 ? kFullTankLevel / 2 : 0);
  }

  // Wind bands (metres): surface 0-600, lower 600-3000, middle 3000-6000, upper top 12000.
  area.Set(0x0ECA, 2, 600);
  area.Set(0x0ECC, 2, 0);
  area.Set(0x0ED6, 2, 3000);
  area.Set(0x0ED8, 2, 600);
  area.Set(0x0EE2, 2, 6000);
  area.Set(0x0EE4, 2, 3000);
  area.Set(0x0EEE, 2, 12000);

  area.Set(0x31F4, 4, 3);  // pushback off
}

}  // namespace vx::standin
