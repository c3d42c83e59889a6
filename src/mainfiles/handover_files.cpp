#include "mainfiles/files.h"
#include "datafiles/exp_settings_file.h"
#include "datafiles/eye_check_file.h"
#include "datafiles/ocumo_files.h"
#include "datafiles/pushback_file.h"
#include "datafiles/sound_settings_file.h"
#include "datafiles/table_entries.h"
#include "platform/event_pump.h"
#include "platform/paths.h"
#include "state/pro_context.h"

namespace vx::mainfiles {
void WriteOcumoCfg(state::ProContext& ctx) {
  datafiles::WriteOcumoCfgFile(ctx.svc.paths->Under("\\Ocumo.cfg"),
                    {ctx.main.MainWindowHandle, ctx.files.ViewTable, ctx.main.ApuSoundSettings});
  ctx.svc.pump->Pump();
}

void WriteVexlorExpCfg(state::ProContext& ctx) {
  const auto& position = ctx.engine.SoundWindowPosition;
  datafiles::WriteVexlorExpCfgFile(ctx.svc.paths->Under("\\vexlorEXP.cfg"),
                        {ctx.main.SpeedCallOption, ctx.main.AltitudeCallOption, position.expTop, position.expLeft,
                         ctx.files.ViewTable, ctx.main.ApuSoundSettings});
  ctx.svc.pump->Pump();
}

void WriteEyeCheckCfg(state::ProContext& ctx) {
  const auto& tob = ctx.briefing.TobBriefing;
  const auto& route = ctx.files.RouteAirports;
  const auto& departure = ctx.briefing.BriefingTimes.events[0];
  datafiles::EyeCheckCfg values;
  values.InspectionDoorSwitch = ctx.main.ViewSwitchOption;
  values.InspectionBoardFlag = tob.FlipBoardOn;
  values.boardKind = "出発";
  values.gate = tob.DepartureGate;
  values.airlineSlot = ctx.briefing.SelectedAirlineIndex;
  values.flightNumber = tob.FlightNumber;
  values.hour = departure.localHour;
  values.minute = departure.localMinute;
  // The slots as the main program's own board takes them, so that both boards show the
  // same flight or none.
  values.departureSlot = datafiles::TableSlotText(route[0].slot);
  values.arrivalSlot = datafiles::TableSlotText(route[1].slot);
  const auto boardName = [&](const state::RouteAirport& airport) {
    return datafiles::AirportEntry(ctx.files.AirportTable, datafiles::TableSlot(airport.slot)).空港名パタパタ;
  };
  values.departureBoardName = boardName(route[0]);
  values.arrivalBoardName = boardName(route[1]);
  datafiles::WriteEyeCheckCfgFile(ctx.svc.paths->Under("\\EyeCheck.cfg"), values);
  ctx.svc.pump->Pump();
}

void WriteVexlorPbCfg(state::ProContext& ctx) {
  const auto& pb = ctx.briefing.PushbackSettings;
  datafiles::WriteVexlorPbCfgFile(ctx.svc.paths->Under("\\vexlorPB.cfg"),
                       {pb.pushbackOn, pb.method, pb.speed, pb.turnRate, pb.turnBackSpeed, pb.distance,
                        pb.turnDirection, pb.angleMode, pb.angle1, pb.angle2, pb.angle3});
  ctx.svc.pump->Pump();
}

void WriteVexlorSdCfg(state::ProContext& ctx) {
  const auto& b = ctx.briefing;
  const auto& tob = b.TobBriefing;
  const auto& timing = b.TimingSettings;
  const auto& route = ctx.files.RouteAirports;
  const auto& position = ctx.engine.SoundWindowPosition;
  datafiles::VexlorSdCfg v;
  constexpr int kVolumeEntries[7] = {21, 28, 26, 27, 4, 24, 25};  // towing, gear, touchdown, reverse, G4, approach check, landing
  for (int i = 0; i < 7; ++i) v.CallVolumeLevels[i] = b.VolumeSettings[kVolumeEntries[i]];
  v.GearNoiseIas = b.GearWindIas;
  v.TouchdownSoundSize = b.LargeAircraftLanding;
  v.VnavCallSwitch = b.VnavCallOn;
  v.ClimbThrustCallSwitch = b.ClimbThrustCallOn;
  v.ExpWindowTop = position.expTop;
  v.ExpWindowLeft = position.expLeft;
  const int type = tob.AircraftTypeCode;
  v.FlapCallVariant = (type == 2 || type == 5 || type == 7) ? 10 : 15;
  v.TakeoffFlap = tob.TakeoffFlap;
  v.CallV1 = tob.TakeoffV1;
  v.CallVR = tob.TakeoffVr;
  v.CallV2 = tob.TakeoffV2;
  v.MinimumsHeight1 = tob.ApproachingMinimumAltitude;
  v.MinimumsHeight2 = tob.MinimumAltitude;
  v.AfterTakeoffHeights = timing.takeoffAltitudes;
  v.FlapUpSpeeds = timing.takeoffFlapSpeeds;
  v.ApproachCheckHeight = timing.approachCheckAltitude;
  v.landingCheckHeight = timing.landingCheckAltitude;
  v.ApproachFlapSpeeds = timing.approachFlapSpeeds;
  v.SpeedReductionHeights = timing.reduceSpeedAltitudes;
  v.DepartureElevationFt = route[0].elevation;
  v.ArrivalElevationFt = route[1].elevation;
  v.GoAroundFlap = ctx.flight.LandingBriefing.GoAroundFlap;
  v.ArrivalLatitudeRaw = route[1].latitude;
  v.ArrivalLongitudeRaw = route[1].longitude;
  v.SpecialEngineSoundSwitch = b.SpecialEngineSoundOn;
  v.landingRunwayNumber = ctx.flight.LandingBriefing.LandingRunwayParts[0] + ctx.flight.LandingBriefing.LandingRunwayParts[1];
  v.AesDeparture = tob.DepartureAesFlag;
  v.AesArrival = tob.ArrivalAesFlag;
  v.CallElevationFt = tob.AircraftHeight;
  datafiles::WriteVexlorSdCfgFile(ctx.svc.paths->Under("\\vexlorSD.cfg"), v);
  ctx.svc.pump->Pump();
}

}  // namespace vx::mainfiles
