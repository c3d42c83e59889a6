#include "mainfiles/settings_known_state.h"

#include <filesystem>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "runtime/cp932.h"

namespace vx::mainfiles::test {

void SetKnownSettingsState(state::ProContext& ctx) {
  auto& b = ctx.briefing;
  auto& tob = b.TobBriefing;
  auto& times = b.BriefingTimes.events;
  auto& pb = b.PushbackSettings;
  auto& timing = b.TimingSettings;
  auto& files = ctx.files;
  auto& main = ctx.main;

  files.SettingsFileName = "MyFlight.cfg";
  ctx.engine.SoundWindowPosition = {1200, -345, 1200, 9105};
  main.SpeedCallOption = "OFF";
  main.AltitudeCallOption = "ON";
  main.ViewSwitchOption = "OFF";
  ctx.engine.BgmMode = "MIDI";
  ctx.engine.BgmRepeatMode = "ランダム";
  main.VolumeKeyCode = 17;
  main.CommandKeyA = 81;
  main.CommandKeyB = 87;
  main.CommandKeyC = 69;
  for (int i = 0; i < 31; ++i) b.VolumeSettings[i] = static_cast<std::int16_t>(i % 10 + 1);
  b.VolumeSettings[7] = b.VolumeSettings[8] = b.VolumeSettings[10] = 4;
  b.GearWindIas = 95;
  b.LargeAircraftLanding = 1;
  b.VnavCallOn = 0;
  b.ClimbThrustCallOn = 0;
  b.CabinAttendantChoice = 3;
  b.SelectedAirlineIndex = "105";
  tob.AirlineName = "ANA 全日空";
  tob.AircraftTypeText = "05 B747-400 4 Engines";
  tob.FlightNumber = "0087";
  tob.FlipBoardOn = 0;
  files.RouteAirports[0].slot = "12";
  files.RouteAirports[0].name = "大阪国際空港　伊丹";
  times[0].localHour = 8;
  times[0].localMinute = 5;
  tob.DepartureGate = 12;
  files.RouteAirports[1].slot = "150";
  files.RouteAirports[1].name = "ホノルル国際空港";
  times[1].localHour = 16;
  times[1].localMinute = 45;
  main.ArrivalGate = 31;
  tob.TakeoffRunway = "34L";
  pb.engineStartTiming = 2;
  pb.pushbackOn = 0;
  pb.method = 0;
  pb.speed = 7;
  pb.turnRate = 4;
  pb.turnBackSpeed = 1;
  pb.distance = 120;
  pb.turnDirection = "右";
  pb.angleMode = 3;
  pb.angle1 = 45;
  pb.angle2 = "南西";
  pb.angle3 = 270;
  tob.TakeoffFlap = 20;
  tob.TakeoffThrust = "Take2";
  tob.ClimbThrust = "Climb2";
  tob.ClimbMode = "FLCH";
  tob.CruiseAltitude = 41000;
  tob.TakeoffV1 = 150;
  tob.TakeoffVr = 155;
  tob.TakeoffV2 = 162;
  tob.EngineOutAccelerationHeight = 1000;
  tob.AccelerationHeight = 3500;
  tob.ReductionHeight = 1000;
  tob.BeforeV1Action = "継続";
  tob.AfterV1Action = "レーダーベクター要求";
  tob.TroubleReturnAltitude = 5000;
  tob.ReturnPattern = "ショートパターン";
  tob.ReturnApproach = "ビジュアル";
  tob.MinimumAltitude = 250;
  tob.ApproachingMinimumAltitude = 400;
  files.ViewTable = {{{"5", "120", "70", "200", "0"},
                      {"1", "110", "75", "330", "12"},
                      {"2", "90", "65", "160", "3"},
                      {"40", "350", "85", "180", "1"},
                      {"100", "500", "60", "90", "0"},
                      {"120", "600", "55", "45", "1"}}};
  timing.takeoffAltitudes = {30, 1000, 3000};
  timing.takeoffFlapSpeeds = {170, 210};
  timing.approachCheckAltitude = 7000;
  timing.landingCheckAltitude = 2000;
  timing.approachFlapSpeeds = {240, 220, 200, 180, 165, 150};
  timing.reduceSpeedAltitudes = {11000, 9000, 7000, 5000, 4000, 3000};
  main.TimeDiffCorrection = "ON";
  tob.ShipName = "B777-300 マリンジャンボ";
  b.TimeDisplayOption = 0;
  files.MileageTotal = 1234.5;
  times[2].localHour = 9;
  times[2].localMinute = 3;
  times[0].gmtHour = 23;
  times[0].gmtMinute = 5;
  times[1].gmtHour = 7;
  times[1].gmtMinute = 45;
  times[2].gmtHour = 0;
  times[2].gmtMinute = 3;
  b.DepartureFuel = {60, 24000, 3580, 61, 24400, 3640, 10, 8000, 1190, 44, 56400, 8410};
  tob.FsYear = 2024;
  tob.FsMonth = 5;
  tob.FsDay = 1;
  b.PlannedFlightTime = {7, 40};
  b.ArrivalHourUnwrapped = 25;
  b.SpecialEngineSoundOn = 1;
  main.ApuSoundSettings = {{"左", "無"}, {"5", "9"}};
  pb.cockpitConversation = 0;
  pb.voiceFileSet = 0;
  pb.engineStartSound = 0;
  ctx.flight.LandingBriefing.LandingRunway = "08C";
  ctx.flight.LandingBriefing.ApproachType = "ＩＬＳ・アプローチ";
  ctx.flight.LandingBriefing.ApproachVariant = "Y";
  ctx.flight.LandingBriefing.LandingFlap = 25;
  ctx.flight.LandingBriefing.GoAroundAltitude = 3000;
  ctx.flight.LandingBriefing.GoAroundFlap = 20;
  tob.DepartureAesFlag = 1;
  tob.ArrivalAesFlag = 0;
  tob.AircraftHeight = 12;
}

std::string SettingsGoldenBytes(const std::string& name) {
  const char* source = std::getenv("VX_SOURCE_DIR");
  if (!source) throw std::runtime_error("VX_SOURCE_DIR is not set");
  std::ifstream in(std::filesystem::path(source) / "tests/mainfiles/settings_golden" / name, std::ios::binary);
  if (!in) throw std::runtime_error("missing golden file " + name);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> SettingsGoldenLines(const std::string& name) {
  const std::string text = runtime::Cp932ToUtf8(SettingsGoldenBytes(name));
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

}  // namespace vx::mainfiles::test
