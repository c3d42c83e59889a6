#include "simlink/route_progress.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "platform/event_pump.h"
#include "runtime/numbers.h"
#include "simlink/cabin_strip.h"
#include "simlink/channels.h"
#include "simlink/common_helpers.h"
#include "simlink/sim_derivations.h"
#include "simlink/simulator_link.h"
#include "state/pro_context.h"

namespace vx::simlink {
namespace {

using runtime::Format;

// Events of BriefingTimes.
constexpr std::size_t kScheduledDeparture = 0;
constexpr std::size_t kScheduledArrival = 1;

void Pump(state::ProContext& pro) {
  if (pro.svc.pump) pro.svc.pump->Pump();
}

std::string Clock3(std::int64_t h, std::int64_t m, std::int64_t s) {
  return Format(static_cast<double>(h), "#00") + "：" + Format(static_cast<double>(m), "#00") + "：" +
         Format(static_cast<double>(s), "#00");
}

void CopyRecord(state::SimState& s) {
  const state::FlightDataRecord& r = s.FlightData;
  s.AircraftPosition = {r.latitude, r.longitude};
  s.AircraftAltitudeFt = r.altitudeFt;
  s.HeightAboveGround = r.heightAboveGroundFt;
  s.GroundSpeedKmh = r.groundSpeedKmh;
  s.IndicatedAirspeedKt = r.indicatedAirspeedKt;
  s.TrueAirspeedKt = r.trueAirspeedKt;
  s.MachTimes100 = r.machTimes100;
  s.SimClock = {r.localHour, r.localMinute, r.second, r.gmtHour, r.gmtMinute};
  s.SimTimeOffset = r.gmtAheadOfLocalMinutes;

  state::FlightMaximaRecord& m = s.FlightMaxima;
  if (r.altitudeFt > m.altitudeFt) m.altitudeFt = r.altitudeFt;
  if (r.indicatedAirspeedKt > m.indicatedAirspeedKt) m.indicatedAirspeedKt = r.indicatedAirspeedKt;
  if (r.trueAirspeedKt > m.trueAirspeedKt) m.trueAirspeedKt = r.trueAirspeedKt;
  if (r.groundSpeedKmh > m.groundSpeedKmh) m.groundSpeedKmh = r.groundSpeedKmh;
  if (r.machTimes100 > m.machTimes100) m.machTimes100 = r.machTimes100;
}

void ResizeStrip(state::ProContext& pro, CabinStrip& strip) {
  const bool wide = pro.briefing.TimeDisplayOption == 1;
  const int width = strip.Width();
  if (wide && width != kCabinStripWideTwips) {
    strip.SetWidth(kCabinStripWideTwips);
  } else if (!wide && width == kCabinStripWideTwips) {
    strip.SetWidth(kCabinStripNarrowTwips);
  } else {
    return;
  }
  Pump(pro);
  strip.SetTop(strip.ScreenWidth() >= 24000 ? 0 : 330);
  strip.SetLeft(strip.ScreenWidth() - strip.Width());
}

void WriteStripClocks(state::ProContext& pro, CabinStrip& strip) {
  const state::SimClockFields& c = pro.sim.SimClock;
  const state::BriefingTimesValues& times = pro.briefing.BriefingTimes;
  const state::BriefingEventTime& arrival = times.events[kScheduledArrival];

  strip.SetText(CabinBox::tbxTime, "[GMT] 予定 " + Format(arrival.gmtHour, "#00") + "：" +
                                       Format(arrival.gmtMinute, "#00") + "：00" + " / 現在 " +
                                       Clock3(c.gmtHour, c.gmtMinute, c.second));
  strip.SetText(CabinBox::tbx現在地時計, Clock3(c.localHour, c.localMinute, c.second));

  // The departure airport's clock, wrapped into one day whichever side of GMT it lies.
  std::int64_t n = static_cast<std::int64_t>(c.gmtHour) * 60 + c.gmtMinute - times.departureTimeDifference;
  n = ((n % 1440) + 1440) % 1440;
  strip.SetText(CabinBox::tbx出発地時計, Clock3(n / 60, n % 60, c.second));

  // Time to the scheduled arrival.
  const std::int64_t a = static_cast<std::int64_t>(pro.briefing.ArrivalHourUnwrapped) * 3600 +
                         static_cast<std::int64_t>(arrival.gmtMinute) * 60;
  const std::int64_t b = static_cast<std::int64_t>(c.gmtHour) * 3600 + static_cast<std::int64_t>(c.gmtMinute) * 60 +
                         c.second;
  int colour;
  std::string prefix;
  std::int64_t value;
  if (a > b) {
    if (a - b >= 72000) {
      colour = kProgressColourLate, prefix = "差 -", value = a - b - 86400;
    } else {
      colour = kProgressColourFlying, prefix = "差 ", value = a - b;
    }
  } else if (b - a >= 18000) {
    colour = kProgressColourFlying, prefix = "差 ", value = a + 86400 - b;
  } else {
    colour = kProgressColourLate, prefix = "差 -", value = b - a;
  }
  const std::int64_t v = value < 0 ? -value : value;
  const std::int64_t wholeHours = v / 3600;
  const std::int64_t hours = wholeHours % 24;
  const std::int64_t minutes = (v - wholeHours * 3600) / 60;
  const std::int64_t seconds = v - wholeHours * 3600 - minutes * 60;
  strip.SetForeColour(CabinBox::tbxTime差, colour);
  strip.SetText(CabinBox::tbxTime差, prefix + Clock3(hours, minutes, seconds));

  strip.SetText(CabinBox::tbxICAO出発, pro.files.RouteAirports[0].icao);
  strip.SetText(CabinBox::tbxICAO到着, pro.files.RouteAirports[1].icao);
}

}  // namespace

void UpdateRouteProgress(state::ProContext& pro) {
  state::SimState& s = pro.sim;
  ReadDataChannel(s.FlightData, s.ChannelHandles.data);
  Pump(pro);
  CopyRecord(s);

  const state::RouteAirport& arrival = pro.files.RouteAirports[1];
  const double d = GreatCircleDistance(arrival.latitude * kLatitudeDegreesPerUnit,
                                       arrival.longitude * kLongitudeDegreesPerUnit, s.AircraftPosition.latitude,
                                       s.AircraftPosition.longitude) /
                   1000.0;

  // Remaining hours: the last 60 km are taken at 240 km/h.
  double t = 0;
  if (s.GroundSpeedKmh != 0) t = d <= 60 ? d / 240.0 : (d - 60) / s.GroundSpeedKmh + 15.0 / 60.0;

  const state::BriefingTimesValues& times = pro.briefing.BriefingTimes;
  if (s.HeightAboveGround <= 200) {
    const state::BriefingEventTime& shown =
        times.events[pro.flight.FlightStage == 0 ? kScheduledDeparture : kScheduledArrival];
    s.ProgressText = "距離 " + Format(d, "#,##0") + (pro.flight.FlightStage == 0 ? "Km / 出発 " : "Km / 到着 ") +
                     Format(shown.localHour, "#00") + "：" + Format(shown.localMinute, "#00") + "：00";
    if (pro.flight.LandingCallState == 3) pro.flight.LandingCallState = 0;
  } else {
    const double hFloor = std::floor(t);
    t = (t - hFloor) * 60;
    const double mFloor = std::floor(t);
    t = (t - mFloor) * 60;
    const double sFloor = std::floor(t);
    const auto h = static_cast<std::int64_t>(hFloor);
    const auto m = static_cast<std::int64_t>(mFloor);
    if (pro.briefing.AutoPauseDistance != 0) {
      if (d > pro.briefing.AutoPauseDistance) {
        s.ProgressColour = kProgressColourAutoPause;
        s.ProgressText = "オートポーズまであと " + Format(d - pro.briefing.AutoPauseDistance, "#,##0") + " Km";
      } else {
        pro.briefing.AutoPauseDistance = 0;
        PauseSimulator(pro);
      }
    } else {
      s.ProgressColour = kProgressColourFlying;
      s.ProgressText = "距離 " + Format(d, "#,##0") + "Km / あと " + Clock3(h, m, static_cast<std::int64_t>(sFloor));
    }
    const std::int64_t minutesLeft = h * 60 + m;
    if (pro.flight.LandingCallState == 0 && minutesLeft >= 15) {
      pro.flight.LandingCallState = 1;
    } else if (pro.flight.LandingCallState == 1 && minutesLeft < 15) {
      pro.flight.LandingCallState = 2;
    }
  }

  if (s.cabinStrip) ResizeStrip(pro, *s.cabinStrip);
  Pump(pro);
  if (s.cabinStrip) WriteStripClocks(pro, *s.cabinStrip);
  Pump(pro);
}

}  // namespace vx::simlink
