#include "callout/exp_link.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>
#include <utility>

#include "callout/exp_display.h"
#include "callout/eye_view.h"
#include "platform/event_pump.h"
#include "platform/sim_ipc_client.h"
#include "runtime/numbers.h"
#include "simlink/channels.h"
#include "simlink/common_helpers.h"
#include "simlink/sim_derivations.h"
#include "simlink/sim_link_start_and_follow.h"
#include "state/exp_context.h"
#include "ui/message_box.h"

namespace vx::callout {
namespace {

using state::ExpVar;

constexpr double kTwoTo32 = 4294967296.0;
constexpr double kVerticalFeetPerMetre = 3.2809475;

// Whole number within T's range: NaN gives 0, values beyond the range the nearest end.
template <class T>
T Clamp(double v) {
  if (std::isnan(v)) return 0;
  constexpr double lo = std::numeric_limits<T>::min();
  constexpr double hi = std::numeric_limits<T>::max();
  return static_cast<T>(std::clamp(v, lo, hi));
}
// Nearest whole number, halves to even, within T's range.
template <class T>
T Nearest(double v) {
  return Clamp<T>(std::nearbyint(v));
}
// Whole part (toward zero), within T's range.
template <class T>
T WholePart(double v) {
  return Clamp<T>(std::trunc(v));
}

void Pump(state::ExpContext& exp) {
  if (exp.svc.pump) exp.svc.pump->Pump();
}

// One batched read of the variables, in this order.
void ReadBatch(state::ExpContext& exp, std::initializer_list<ExpVar> vars) {
  platform::SimIpcClient* sim = exp.svc.sim;
  if (!sim) return;
  sim->BeginRequest();
  for (ExpVar v : vars) {
    const state::ExpVarPair p = exp.sim.ExpVarTable[Index(v)];
    sim->ReadStateData(p.offset, p.size, exp.sim.Raw.Buffer(v));
  }
  sim->SendRequest();
}

// One batched write of (variable, value) pairs, in this order.
void WriteBatch(state::ExpContext& exp, std::initializer_list<std::pair<ExpVar, std::int32_t>> writes) {
  platform::SimIpcClient* sim = exp.svc.sim;
  if (!sim) return;
  sim->BeginRequest();
  for (const auto& [v, value] : writes) {
    const state::ExpVarPair p = exp.sim.ExpVarTable[Index(v)];
    sim->WriteStateData(p.offset, p.size, &value);  // little-endian: the low bytes go
  }
  sim->SendRequest();
}

void SetText(state::ExpContext& exp, ExpBox box, const std::string& text) {
  if (exp.display) exp.display->SetText(box, text);
}

std::int32_t Raw(const state::ExpContext& exp, ExpVar v) { return exp.sim.Raw.Get(v); }

// Altitude, ground elevation and the three heights; arms ShowArrivalHeight.
void DeriveHeights(state::ExpContext& exp) {
  state::ExpSimState& s = exp.sim;
  const double metres =
      JoinSimHalves(Raw(exp, ExpVar::AltitudeWhole), s.Raw.GetUnsigned(ExpVar::AltitudeFraction));
  s.AltitudeFt = WholePart<std::int32_t>(metres * simlink::kFeetPerMetre);
  s.GroundElevationFt = Nearest<std::int16_t>(Raw(exp, ExpVar::GroundElevation) * simlink::kFeetPerMetre);
  const std::int64_t altitude = s.AltitudeFt;
  s.HeightAglFt = Clamp<std::int32_t>(static_cast<double>(altitude - s.GroundElevationFt));
  s.HeightAboveDepartureFt = Clamp<std::int32_t>(static_cast<double>(altitude - exp.sd.DepartureElevationFt));
  s.HeightAboveArrivalFt = Clamp<std::int32_t>(static_cast<double>(altitude - exp.sd.ArrivalElevationFt));
  if (s.ShowArrivalHeight != 1 && s.HeightAglFt > 1000 && s.HeightAboveArrivalFt > 1000) s.ShowArrivalHeight = 1;
}

void DeriveSpeeds(state::ExpContext& exp) {
  state::ExpSimState& s = exp.sim;
  s.GroundSpeedKmh = Nearest<std::int32_t>(Raw(exp, ExpVar::GroundSpeed) * 3600.0 / 65536.0 / 1000.0);
  s.TasKt = Nearest<std::int32_t>(Raw(exp, ExpVar::TrueAirspeed) / 128.0);
  s.IasKt = Nearest<std::int32_t>(Raw(exp, ExpVar::IndicatedAirspeed) / 128.0);
}

void DeriveGearAndEngine(state::ExpContext& exp) {
  state::ExpSimState& s = exp.sim;
  s.GearLeverDown = Raw(exp, ExpVar::GearLever) != 0 ? 1 : 0;
  const std::int32_t largest = std::max({Raw(exp, ExpVar::Gear1), Raw(exp, ExpVar::Gear2), Raw(exp, ExpVar::Gear3)});
  s.GearExtensionPct = largest > 0 ? Nearest<std::int16_t>(largest / 163.0) : 0;
  s.OnGroundWord = static_cast<std::int16_t>(Raw(exp, ExpVar::OnGround));
  s.ThrottleLever = static_cast<std::int16_t>(Raw(exp, ExpVar::Throttle));
  s.Engine1N1Raw = static_cast<std::int16_t>(Raw(exp, ExpVar::EngineValue));
  s.EngineThrustRaw = Raw(exp, ExpVar::EngineThrust);
  s.SlewModeWord = static_cast<std::int16_t>(Raw(exp, ExpVar::SlewModeRead));
  s.SpoilerControl = Raw(exp, ExpVar::Spoiler);
}

void SetSpeedAndHeightTexts(state::ExpContext& exp) {
  const state::ExpSimState& s = exp.sim;
  SetText(exp, ExpBox::Tbx3, "GS：" + runtime::IntText(s.GroundSpeedKmh) + " km/h");
  SetText(exp, ExpBox::Tbx2, "TAS：" + runtime::IntText(s.TasKt));
  SetText(exp, ExpBox::Tbx1, s.ShowArrivalHeight != 0 ? "対到着Alt：" + runtime::IntText(s.HeightAboveArrivalFt)
                                                       : "対出発Alt：" + runtime::IntText(s.HeightAboveDepartureFt));
}

// Degrees of a direction word (65536 = 360): 1 to 360, 0 shown as 360.
std::int16_t WindDirection(std::int32_t raw) {
  double d = raw * 360.0 / 65536.0;
  if (d < 0) d += 360;
  const auto whole = WholePart<std::int16_t>(d + 0.5);
  return whole == 0 ? std::int16_t{360} : whole;
}

std::string IntensityWord(std::int32_t code) {
  switch (code) {
    case 1: return "微";
    case 2: return "小";
    case 3: return "中";
    case 4: return "強";
    case 5: return "暴";
    default: return "--";
  }
}

std::string PrecipitationWord(std::int32_t code) {
  switch (code) {
    case 1: return "雨";
    case 2: return "雪";
    default: return "--";
  }
}

// True heading less the magnetic variation, whole degrees 0 to 360.
std::int16_t MagneticHeading(const state::ExpContext& exp) {
  double heading = Raw(exp, ExpVar::Heading) / kTwoTo32 * 360.0 - Raw(exp, ExpVar::MagneticVariation) * 360.0 / 65536.0;
  if (heading < 0) heading += 360;
  return WholePart<std::int16_t>(heading + 0.5);
}

bool TurnsRight(const state::ExpContext& exp) { return exp.pushback.PushbackSide == "右"; }

}  // namespace

double JoinSimHalves(std::int32_t high, std::uint32_t low) {
  return static_cast<double>(high) + static_cast<double>(low) / kTwoTo32;
}

simlink::SimLinkTarget ExpSimLinkTarget(state::ExpContext& exp) {
  return {exp.svc.simWindows, exp.svc.sim, exp.sim.SimWindow, exp.sim.SimKind,
          [&exp] {
            exp.sim.ExpVarTable = state::kFs98ExpVarTable;
            exp.view.eye.EyeVarTable = kFs98EyeVarTable;
          },
          &exp.sim.linkWatch};
}

bool ConnectSimulatorExp(state::ExpContext& exp) {
  simlink::SimLinkTarget target = ExpSimLinkTarget(exp);
  return simlink::ConnectSimulatorLink(target, exp.boxes, exp.svc.pump, "Morplin ERROR  (CODE : 001)");
}

void ReadFlightStateFast(state::ExpContext& exp) {
  state::ExpSimState& s = exp.sim;
  s.PrevHeightAboveArrivalFt = s.HeightAboveArrivalFt;
  s.PrevIasKt = s.IasKt;
  ReadBatch(exp, {ExpVar::LocalHour,     ExpVar::LocalMinute,   ExpVar::LocalSecond,    ExpVar::GmtHour,
                  ExpVar::GmtMinute,     ExpVar::TimeZone,      ExpVar::Spoiler,        ExpVar::AltitudeWhole,
                  ExpVar::AltitudeFraction, ExpVar::GroundElevation, ExpVar::VerticalSpeed, ExpVar::Mach,
                  ExpVar::GroundSpeed,   ExpVar::TrueAirspeed,  ExpVar::IndicatedAirspeed, ExpVar::GearLever,
                  ExpVar::Gear1,         ExpVar::Gear2,         ExpVar::Gear3,          ExpVar::OnGround,
                  ExpVar::EngineThrust,  ExpVar::Throttle,      ExpVar::EngineValue,    ExpVar::SlewModeRead,
                  ExpVar::Localiser,     ExpVar::Glideslope,    ExpVar::NavFlags,       ExpVar::LatitudeLow,
                  ExpVar::LatitudeHigh,  ExpVar::LongitudeLow,  ExpVar::LongitudeHigh, ExpVar::Heading,
                  ExpVar::MagneticVariation});

  s.LatitudeDeg = JoinSimHalves(Raw(exp, ExpVar::LatitudeHigh), s.Raw.GetUnsigned(ExpVar::LatitudeLow)) *
                  simlink::kLatitudeDegreesPerUnit;
  s.LongitudeDeg = JoinSimHalves(Raw(exp, ExpVar::LongitudeHigh), s.Raw.GetUnsigned(ExpVar::LongitudeLow)) *
                   simlink::kLongitudeDegreesPerUnit;
  s.SectorHeadingDeg = MagneticHeading(exp);
  DeriveHeights(exp);
  s.VerticalSpeedFpm = -std::trunc(Raw(exp, ExpVar::VerticalSpeed) * kVerticalFeetPerMetre);
  s.MachX100 = Nearest<std::int16_t>(Raw(exp, ExpVar::Mach) * 100.0 / 20480.0);
  DeriveSpeeds(exp);
  DeriveGearAndEngine(exp);
  s.LocaliserByte = static_cast<std::uint8_t>(Raw(exp, ExpVar::Localiser));
  s.GlideslopeByte = static_cast<std::uint8_t>(Raw(exp, ExpVar::Glideslope));
  s.NavFlagsWord = static_cast<std::int16_t>(Raw(exp, ExpVar::NavFlags));
  s.LocalHour = static_cast<std::int16_t>(Raw(exp, ExpVar::LocalHour));
  s.LocalMinute = static_cast<std::int16_t>(Raw(exp, ExpVar::LocalMinute));
  s.LocalSecond = static_cast<std::int16_t>(Raw(exp, ExpVar::LocalSecond));
  s.GmtHour = static_cast<std::int16_t>(Raw(exp, ExpVar::GmtHour));
  s.GmtMinute = static_cast<std::int16_t>(Raw(exp, ExpVar::GmtMinute));
  s.TimeZoneWord = static_cast<std::int16_t>(Raw(exp, ExpVar::TimeZone));

  if (exp.engine.UpdateTargetTrend) exp.engine.UpdateTargetTrend();

  state::FlightDataRecord& r = s.FlightData;
  r.latitude = s.LatitudeDeg;
  r.longitude = s.LongitudeDeg;
  r.altitudeFt = s.AltitudeFt;
  r.heightAboveGroundFt = s.HeightAglFt;
  r.groundSpeedKmh = s.GroundSpeedKmh;
  r.indicatedAirspeedKt = s.IasKt;
  r.trueAirspeedKt = s.TasKt;
  r.machTimes100 = s.MachX100;
  r.localHour = s.LocalHour;
  r.localMinute = s.LocalMinute;
  r.second = s.LocalSecond;
  r.gmtHour = s.GmtHour;
  r.gmtMinute = s.GmtMinute;
  r.gmtAheadOfLocalMinutes = s.TimeZoneWord;
  simlink::WriteDataChannel(r, s.data);
  Pump(exp);

  if (exp.frame.PushbackFilePresent == 0) {
    SetSpeedAndHeightTexts(exp);
    Pump(exp);
  }
}

void ReadFlightStateFull(state::ExpContext& exp) {
  state::ExpSimState& s = exp.sim;
  s.PrevHeightAboveArrivalFt = s.HeightAboveArrivalFt;
  s.PrevIasKt = s.IasKt;
  ReadBatch(exp, {ExpVar::Spoiler,     ExpVar::AltitudeWhole,  ExpVar::AltitudeFraction, ExpVar::GroundElevation,
                  ExpVar::SlewModeRead, ExpVar::GroundSpeed,   ExpVar::TrueAirspeed,     ExpVar::IndicatedAirspeed,
                  ExpVar::GearLever,   ExpVar::Gear1,          ExpVar::Gear2,            ExpVar::Gear3,
                  ExpVar::OnGround,    ExpVar::Throttle,       ExpVar::EngineThrust,     ExpVar::EngineValue,
                  ExpVar::Temperature, ExpVar::WindSpeed,      ExpVar::WindDirection,    ExpVar::Unused0EC0,
                  ExpVar::SurfaceWindSpeed, ExpVar::SurfaceWindDirection, ExpVar::WeatherIntensity,
                  ExpVar::Precipitation});
  DeriveHeights(exp);
  DeriveSpeeds(exp);
  SetSpeedAndHeightTexts(exp);
  Pump(exp);
  DeriveGearAndEngine(exp);

  s.SurfaceWindDirectionDeg = WindDirection(Raw(exp, ExpVar::SurfaceWindDirection));
  s.WindDirectionDeg = WindDirection(Raw(exp, ExpVar::WindDirection));
  s.TemperatureC = simlink::TemperatureFromRaw(static_cast<std::int16_t>(Raw(exp, ExpVar::Temperature)));
  s.WindSpeedKt = static_cast<std::int16_t>(Raw(exp, ExpVar::WindSpeed));
  s.SurfaceWindSpeedKt = static_cast<std::int16_t>(Raw(exp, ExpVar::SurfaceWindSpeed));

  SetText(exp, ExpBox::AltWind,
          runtime::IntText(s.TemperatureC) + "℃ 風：" + runtime::Format(s.WindDirectionDeg, "000") + "/" +
              runtime::Format(s.WindSpeedKt, "00"));
  SetText(exp, ExpBox::GroundWind,
          "地上：" + PrecipitationWord(Raw(exp, ExpVar::Precipitation)) + "/" +
              IntensityWord(Raw(exp, ExpVar::WeatherIntensity)) + "　風：" +
              runtime::Format(s.SurfaceWindDirectionDeg, "000") + "/" + runtime::Format(s.SurfaceWindSpeedKt, "00"));
  Pump(exp);
}

void ReadHeadingAndPosition(state::ExpContext& exp) {
  state::ExpSimState& s = exp.sim;
  ReadBatch(exp, {ExpVar::Heading, ExpVar::MagneticVariation, ExpVar::LatitudeLow, ExpVar::LatitudeHigh,
                  ExpVar::LongitudeLow, ExpVar::LongitudeHigh});
  s.LatitudeDeg = JoinSimHalves(Raw(exp, ExpVar::LatitudeHigh), s.Raw.GetUnsigned(ExpVar::LatitudeLow)) *
                  simlink::kLatitudeDegreesPerUnit;
  s.LongitudeDeg = JoinSimHalves(Raw(exp, ExpVar::LongitudeHigh), s.Raw.GetUnsigned(ExpVar::LongitudeLow)) *
                   simlink::kLongitudeDegreesPerUnit;
  s.HeadingDeg = MagneticHeading(exp);
}

void ComputePushbackTurnTarget(state::ExpContext& exp) {
  const state::ExpPushbackValues& pb = exp.pushback;
  std::int32_t target = 0;
  if (pb.PushbackTurnMode == 1) {
    if (pb.PushbackSide == "左") {
      target = exp.sim.HeadingDeg - pb.PushbackTurnAngle;
      if (target < 0) target += 360;
    } else {
      target = exp.sim.HeadingDeg + pb.PushbackTurnAngle;
      if (target >= 360) target -= 360;
    }
  } else if (pb.PushbackTurnMode == 2) {
    const std::string& w = pb.PushbackCompassWord;
    target = w == "北" ? 0 : w == "東" ? 90 : w == "南" ? 180 : 270;
  } else {
    target = pb.PushbackFixedHeading;
  }
  exp.sim.PushbackTargetHeading = Clamp<std::int16_t>(target);
}

void StartSimPushbackStraight(state::ExpContext& exp) {
  WriteBatch(exp, {{ExpVar::PushbackState, 0}});
  Pump(exp);
}

void StartSimPushbackTurn(state::ExpContext& exp) {
  WriteBatch(exp, {{ExpVar::PushbackState, TurnsRight(exp) ? 1 : 2}});
  Pump(exp);
}

void StopSimPushback(state::ExpContext& exp) {
  WriteBatch(exp, {{ExpVar::PushbackState, 3}});
  Pump(exp);
}

void StartSlewPush(state::ExpContext& exp) {
  WriteBatch(exp, {{ExpVar::SlewRate05E4, 0},
                   {ExpVar::SlewRate05E6, 0},
                   {ExpVar::SlewRate05E8, 16384},
                   {ExpVar::SlewByte05EB, 0},
                   {ExpVar::SlewByte05ED, 0},
                   {ExpVar::SlewRate05EE, 16384},
                   {ExpVar::SlewModeWrite, 1}});
  WriteBatch(exp, {{ExpVar::SlewRate05E8, 25000}, {ExpVar::SlewByte05EB, exp.pushback.SlewStartByte & 0xFF}});
}

void SetSlewPushTurnRate(state::ExpContext& exp) {
  std::int32_t rate = exp.pushback.SlewTurnValue * 10;
  if (TurnsRight(exp)) rate = -rate;
  WriteBatch(exp, {{ExpVar::SlewByte05EB, exp.pushback.SlewTurnByte & 0xFF}, {ExpVar::SlewRate05E6, rate}});
}

void StopSlewPush(state::ExpContext& exp) {
  WriteBatch(exp, {{ExpVar::SlewRate05E4, 0},
                   {ExpVar::SlewRate05E6, 0},
                   {ExpVar::SlewByte05EB, 0},
                   {ExpVar::SlewByte05ED, 0},
                   {ExpVar::SlewRate05EE, 16384},
                   {ExpVar::SlewModeWrite, 0}});
  WaitSeconds(exp, 0.5f);
  WriteBatch(exp, {{ExpVar::SlewRate05E8, 16384}});
}

void WriteStateFlag(state::ExpContext& exp, std::uint8_t value) { WriteBatch(exp, {{ExpVar::StateFlag, value}}); }

bool WaitSeconds(state::ExpContext& exp, float seconds) {
  if (!exp.svc.clock || !exp.svc.pump) return exp.frame.QuitRequested != 1;
  const simlink::WaitHooks hooks{*exp.svc.clock, *exp.svc.pump, [&exp] { return exp.frame.QuitRequested == 1; },
                                 nullptr, [&exp] { ReadFlightStateFast(exp); }};
  return simlink::WaitSeconds(hooks, seconds);
}

}  // namespace vx::callout
