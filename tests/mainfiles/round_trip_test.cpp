// Values travel from the main program's writers through the companion programs' readers
// and back, over the one layout of each file.
#include <gtest/gtest.h>

#include "datafiles/exp_settings_file.h"
#include "datafiles/eye_check_file.h"
#include "datafiles/ocumo_files.h"
#include "datafiles/pro_fixture.h"
#include "datafiles/pushback_file.h"
#include "datafiles/sound_settings_file.h"
#include "mainfiles/files.h"
#include "runtime/cp932.h"

namespace vx::mainfiles::test {
using namespace datafiles;
using namespace datafiles::test;
namespace {

state::ViewTableArray SampleViews() {
  state::ViewTableArray views;
  for (int v = 0; v < state::kViewpointCount; ++v) {
    for (int k = 0; k < state::kViewItemCount; ++k) views[v][k] = std::to_string(v * 10 + k);
  }
  views[1][4] = "CD1";
  views[3][4] = "4";
  views[5][0] = "高さ　１";
  views[5][4] = "";
  return views;
}

using RoundTripTest = ProFixture;

TEST_F(RoundTripTest, OcumoCfgThroughTheViewpointProgramBackToTheMainProgram) {
  ctx.main.MainWindowHandle = 0x12345678;
  ctx.files.ViewTable = SampleViews();
  ctx.main.ApuSoundSettings = {{"右", "無"}, {"7", "10"}};
  WriteOcumoCfg(ctx);

  // The viewpoint program: its start-up values, then the file.
  OcumoCfg ocumo;
  ocumo.ApuSoundSettings = {{"無", "無"}, {"1", "2"}};
  ReadOcumoCfgFile(Base("Ocumo.cfg"), ocumo);
  EXPECT_EQ(ocumo.ProWindowHandle, 0x12345678);
  EXPECT_EQ(ocumo.ViewPresets, SampleViews());
  EXPECT_EQ(ocumo.ApuSoundSettings, (state::ApuSoundValues{{"右", "無"}, {"7", "10"}}));

  // The user changes the outside view's rotation digit; Ocumo hands the values back.
  ocumo.ViewPresets[3][4] = "6";
  WriteEyeRetCfgFile(Base("EyeRet.cfg"), {ocumo.ViewPresets, ocumo.ApuSoundSettings});

  ctx.files.ViewTable = {};
  ctx.main.ApuSoundSettings = {};
  ReadEyeRetCfg(ctx);
  auto expected = SampleViews();
  expected[3][4] = "6";
  EXPECT_EQ(ctx.files.ViewTable, expected);
  EXPECT_EQ(ctx.main.ApuSoundSettings, (state::ApuSoundValues{{"右", "無"}, {"7", "10"}}));
}

TEST_F(RoundTripTest, ACommaInAValueComesBackFullWidthWithoutShiftingLaterValues) {
  ctx.files.ViewTable = SampleViews();
  ctx.files.ViewTable[0][0] = "1,5";
  ctx.main.ApuSoundSettings = {{"右", "左"}, {"7", "10"}};
  WriteOcumoCfg(ctx);
  OcumoCfg ocumo;
  ReadOcumoCfgFile(Base("Ocumo.cfg"), ocumo);
  EXPECT_EQ(ocumo.ViewPresets[0][0], "1，5");
  EXPECT_EQ(ocumo.ViewPresets[0][1], "1");
  EXPECT_EQ(ocumo.ApuSoundSettings.volumes[1], "10");
}

TEST_F(RoundTripTest, EyeRetValuesGoToTheirViewpointAndItem) {
  std::string text = ";\r\n";
  for (int v = 0; v < 40; ++v) text += "=v" + std::to_string(v) + "\r\n";
  dir.WriteBytes("EyeRet.cfg", text);
  ReadEyeRetCfg(ctx);
  EXPECT_EQ(ctx.files.ViewTable[1][2], "v7");
  EXPECT_EQ(ctx.files.ViewTable[5][4], "v29");
  EXPECT_EQ(ctx.main.ApuSoundSettings, (state::ApuSoundValues{{"v30", "v31"}, {"v32", "v33"}}));

  // A short file changes only the values it has.
  dir.WriteBytes("EyeRet.cfg", "=a\r\n;x\r\n=b\r\n");
  ReadEyeRetCfg(ctx);
  EXPECT_EQ(ctx.files.ViewTable[0][0], "a");
  EXPECT_EQ(ctx.files.ViewTable[0][1], "b");
  EXPECT_EQ(ctx.files.ViewTable[0][2], "v2");
  EXPECT_EQ(ctx.main.ApuSoundSettings.volumes[1], "v33");
}

TEST_F(RoundTripTest, OcumoFileWithOnlyTheHandleKeepsTheStartUpValues) {
  dir.WriteBytes("Ocumo.cfg", ";Pro\r\n=42\r\n");
  OcumoCfg ocumo;
  ocumo.ApuSoundSettings = {{"無", "無"}, {"1", "2"}};
  ReadOcumoCfgFile(Base("Ocumo.cfg"), ocumo);
  EXPECT_EQ(ocumo.ProWindowHandle, 42);
  EXPECT_EQ(ocumo.ViewPresets, state::ViewTableArray{});
  EXPECT_EQ(ocumo.ApuSoundSettings, (state::ApuSoundValues{{"無", "無"}, {"1", "2"}}));
}

TEST_F(RoundTripTest, FlightRestartContentsToTheResumeQuestion) {
  ctx.briefing.TobBriefing.AirlineName = "JAL, 日本航空";
  ctx.briefing.TobBriefing.AircraftTypeText = "04 B75/76 2 Engines";
  ctx.files.RouteAirports[0].name = "東京国際空港　羽田";
  ctx.files.RouteAirports[1].name = "";
  WriteFlightRestartContents(ctx);
  ReadFlightRestartContents(ctx);
  EXPECT_EQ(ctx.main.RestartSummary,
            (state::RestartSummaryTexts{"JAL， 日本航空", "04 B75/76 2 Engines", "東京国際空港　羽田", ""}));
}

TEST_F(RoundTripTest, CallOutProgramReadsWhatTheMainProgramWrote) {
  ctx.main.SpeedCallOption = "ON";
  ctx.main.AltitudeCallOption = "on";
  ctx.engine.SoundWindowPosition = {100, 200, 100, 5200};
  ctx.files.ViewTable = SampleViews();
  ctx.main.ApuSoundSettings = {{"右", "左"}, {"7", "10"}};
  WriteVexlorExpCfg(ctx);
  VexlorExpCfg exp;
  ReadVexlorExpCfgFile(Base("vexlorEXP.cfg"), exp);
  EXPECT_EQ(CallSwitch(exp.SpeedCallOption), -1);
  EXPECT_EQ(CallSwitch(exp.AltitudeCallOption), 0);  // the test is case-sensitive
  EXPECT_EQ(exp.ExpWindowTop, 100);
  EXPECT_EQ(exp.ExpWindowLeft, 5200);
  EXPECT_EQ(exp.ViewPresets, SampleViews());
  EXPECT_EQ(exp.ApuSoundSettings.positions[1], "左");

  auto& tob = ctx.briefing.TobBriefing;
  tob.FlipBoardOn = 1;
  tob.FlightNumber = "0123";
  ctx.briefing.SelectedAirlineIndex = "105";
  ctx.files.RouteAirports[0].slot = "198";
  ctx.files.RouteAirports[1].slot = "200";
  ctx.files.AirportTable[198].空港名パタパタ = "ホノルル";
  WriteEyeCheckCfg(ctx);
  EyeCheckCfg check;
  ReadEyeCheckCfgFile(Base("EyeCheck.cfg"), check);
  EXPECT_EQ(check.InspectionBoardFlag, 1);
  EXPECT_EQ(check.boardKind, "出発");
  EXPECT_EQ(check.airlineSlot, "105");
  EXPECT_EQ(check.flightNumber, "123");
  EXPECT_EQ(check.departureBoardName, "ホノルル");
  EXPECT_EQ(check.arrivalBoardName, "");

  ctx.briefing.PushbackSettings.angle3 = 355;
  WriteVexlorPbCfg(ctx);
  VexlorPbCfg pb;
  ReadVexlorPbCfgFile(Base("vexlorPB.cfg"), pb);
  EXPECT_EQ(pb.PushbackSide, "左");
  EXPECT_EQ(pb.PushbackCompassWord, "北");
  EXPECT_EQ(pb.PushbackFixedHeading, 355);

  ctx.flight.LandingBriefing.LandingRunwayParts = {"3", "4", ""};
  ctx.files.RouteAirports[1].latitude = -2000000000;
  WriteVexlorSdCfg(ctx);
  VexlorSdCfg sd;
  ASSERT_TRUE(TakeVexlorSdCfgFile(Base("vexlorSD.cfg"), sd));
  EXPECT_EQ(sd.landingRunwayNumber, "34");
  EXPECT_EQ(sd.ArrivalLatitudeRaw, -2000000000);
  EXPECT_EQ(sd.ExpWindowLeft, 5200);
  EXPECT_EQ(sd.ApproachFlapSpeeds[5], 160);
  EXPECT_EQ(sd.CallVolumeLevels[1], 8);  // gear volume, entry 28
}

}  // namespace
}  // namespace vx::mainfiles::test
