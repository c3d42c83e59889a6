#include "announce/departure_clock.h"

#include "mainwindow/pro_context.h"

namespace vx::announce {
namespace {

constexpr int kMinutesPerDay = 1440;
constexpr int kLateAfterMinutes = 10;
constexpr std::size_t kScheduledDeparture = 0;
constexpr std::size_t kActualDeparture = 2;

}  // namespace

int FoldMinuteDifference(int minutes) {
  int d = minutes % kMinutesPerDay;
  if (d > kMinutesPerDay / 2) d -= kMinutesPerDay;
  if (d < -kMinutesPerDay / 2) d += kMinutesPerDay;
  return d;
}

void TakeDepartureClock(mainwindow::ProContext& pro) {
  briefing::BriefingTimesValues& times = pro.briefing.BriefingTimes;
  const simlink::SimClockFields& clock = pro.sim.SimClock;
  briefing::BriefingEventTime& actual = times.events[kActualDeparture];
  actual.localHour = clock.localHour;
  actual.localMinute = clock.localMinute;
  actual.gmtHour = clock.gmtHour;
  actual.gmtMinute = clock.gmtMinute;
  times.departureTimeDifference = pro.sim.SimTimeOffset;

  briefing::BriefingEventTime& scheduled = times.events[kScheduledDeparture];
  int f = scheduled.localHour * 60 + scheduled.localMinute + pro.sim.SimTimeOffset;
  if (f < 0) f += kMinutesPerDay;
  if (f > kMinutesPerDay - 1) f -= kMinutesPerDay;
  scheduled.gmtHour = static_cast<std::int16_t>(f / 60);
  scheduled.gmtMinute = static_cast<std::int16_t>(f - scheduled.gmtHour * 60);
}

void ClearFlightMaxima(mainwindow::ProContext& pro) { pro.sim.FlightMaxima = {}; }

void JudgeDepartureDelay(mainwindow::ProContext& pro) {
  const briefing::BriefingTimesValues& times = pro.briefing.BriefingTimes;
  const briefing::BriefingEventTime& actual = times.events[kActualDeparture];
  const briefing::BriefingEventTime& scheduled = times.events[kScheduledDeparture];
  const int late = FoldMinuteDifference((actual.gmtHour * 60 + actual.gmtMinute) -
                                        (scheduled.gmtHour * 60 + scheduled.gmtMinute));
  pro.engine.DepartureDelayed = late > kLateAfterMinutes ? 1 : 0;
}

void SetUpDepartureClock(mainwindow::ProContext& pro) {
  TakeDepartureClock(pro);
  ClearFlightMaxima(pro);
  JudgeDepartureDelay(pro);
}

}  // namespace vx::announce
