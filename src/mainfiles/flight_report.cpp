#include "mainfiles/flight_report.h"

#include "platform/event_pump.h"
#include "state/pro_context.h"

namespace vx::mainfiles {
namespace {

template <class Writer>
datafiles::ReportWritten WriteAndPump(state::ProContext& pro, Writer writer) {
  const datafiles::ReportWritten written = writer(*pro.svc.paths, *pro.svc.clock, FlightReportInputsOf(pro));
  pro.svc.pump->Pump();
  return written;
}

}  // namespace

datafiles::FlightReportInputs FlightReportInputsOf(const state::ProContext& pro) {
  datafiles::FlightReportInputs in;
  in.captainName = pro.main.CaptainName;
  in.tob = pro.briefing.TobBriefing;
  in.times = pro.briefing.BriefingTimes;
  in.route = pro.files.RouteAirports;
  in.routeDistanceKm = pro.files.RouteDistance;
  in.departureFuel = pro.briefing.DepartureFuel;
  in.fuel = pro.sim.FuelTotals;
  in.clouds = pro.sim.CloudLayers;
  in.outsideTemperature = pro.sim.OutsideTemperature;
  in.wind = pro.sim.WindAtAircraft;
  in.precipitationType = pro.sim.PrecipitationType;
  in.precipitationRate = pro.sim.PrecipitationRate;
  const state::LandingBriefingValues& landing = pro.flight.LandingBriefing;
  in.landingRunway = landing.LandingRunway;
  in.approachType = landing.ApproachType;
  in.approachVariant = landing.ApproachVariant;
  in.maxima = pro.sim.FlightMaxima;
  in.timeDiffCorrection = pro.main.TimeDiffCorrection;
  return in;
}

datafiles::ReportWritten WriteFlightReport(state::ProContext& pro) {
  return WriteAndPump(pro, &datafiles::WriteFlightReport);
}

datafiles::ReportWritten WriteFlightReportValues(state::ProContext& pro) {
  return WriteAndPump(pro, &datafiles::WriteFlightReportValues);
}

datafiles::ReportWritten AppendFlightCsv(state::ProContext& pro) {
  return WriteAndPump(pro, &datafiles::AppendFlightCsv);
}

}  // namespace vx::mainfiles
