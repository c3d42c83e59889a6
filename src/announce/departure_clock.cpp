#include "announce/departure_clock.h"

#include "state/pro_context.h"

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

void TakeDepartureClock(state::ProContext& pro) {
  state::BriefingTimesValues& times = pro.briefing.BriefingTimes;
  const state::SimClockFields& clock = pro.sim.SimClock;
  state::BriefingEventTime& actual = times.events[kActualDeparture];
  actual.localHour = clock.localHour;
  actual.localMinute = clock.localMinute;
  actual.gmtHour = clock.gmtHour;
  actual.gmtMinute = clock.gmtMinute;
  times.departureTimeDifference = pro.sim.SimTimeOffset;

  state::BriefingEventTime& scheduled = times.events[kScheduledDeparture];
  int f = scheduled.localHour * 60 + scheduled.localMinute + pro.sim.SimTimeOffset;
  if (f < 0) f += kMinutesPerDay;
  if (f > kMinutesPerDay - 1) f -= kMinutesPerDay;
  scheduled.gmtHour = static_cast<std::int16_t>(f / 60);
  scheduled.gmtMinute = static_cast<std::int16_t>(f - scheduled.gmtHour * 60);
}

void ClearFlightMaxima(state::ProContext& pro) { pro.sim.FlightMaxima = {}; }

void JudgeDepartureDelay(state::ProContext& pro) {
  const state::BriefingTimesValues& times = pro.briefing.BriefingTimes;
  const state::BriefingEventTime& actual = times.events[kActualDeparture];
  const state::BriefingEventTime& scheduled = times.events[kScheduledDeparture];
  const int late = FoldMinuteDifference((actual.gmtHour * 60 + actual.gmtMinute) -
                                        (scheduled.gmtHour * 60 + scheduled.gmtMinute));
  pro.engine.DepartureDelayed = late > kLateAfterMinutes;
}

void SetUpDepartureClock(state::ProContext& pro) {
  TakeDepartureClock(pro);
  ClearFlightMaxima(pro);
  JudgeDepartureDelay(pro);
}

}  // namespace vx::announce
