// Every writer's file compared byte for byte with a golden file written by hand.
#include <gtest/gtest.h>

#include "support/same_text.h"

#include "datafiles/exp_settings_file.h"
#include "datafiles/ocumo_files.h"
#include "datafiles/pro_fixture.h"
#include "datafiles/signal_files.h"
#include "mainfiles/files.h"
#include "runtime/cp932.h"

namespace vx::mainfiles::test {
using namespace datafiles;
using namespace datafiles::test;
namespace {

const state::ViewTableArray kViews{{{"0", "100", "80", "190", "7"},
                             {"0", "100", "80", "340", "SE1"},
                             {"0", "100", "80", "170", "SE2"},
                             {"30", "300", "80", "170", "4"},
                             {"30", "300", "80", "170", "0"},
                             {"25", "250", "60", "90", ""}}};

class GoldenTest : public ProFixture {
 protected:
  void ExpectGolden(const std::string& file, const std::string& golden) {
    SCOPED_TRACE(file);
    ASSERT_TRUE(Exists(file));
    EXPECT_TRUE(vx::test::SameFileBytes(Bytes(file), GoldenBytes(golden)));
  }
};

TEST(GoldenFiles, HoldOnlyCharactersOfTheCodePage) {
  for (const char* name : {"BEGIN.cfg", "EyeView.cfg", "EyeDoor.cfg", "EyeCargo.cfg", "vexlorLND.cfg",
                           "FlightRestart内容.cfg", "Ocumo.cfg", "Ocumo.default.cfg", "EyeRet.cfg", "EyeRet.session.cfg", "vexlorEXP.cfg",
                           "vexlorEXP.default.cfg", "EyeCheck.cfg", "vexlorPB.cfg", "vexlorSD.cfg"}) {
    SCOPED_TRACE(name);
    const std::string text = GoldenText(name);
    EXPECT_EQ(runtime::Cp932ToUtf8(runtime::Utf8ToCp932(text)), text);
  }
}

TEST_F(GoldenTest, SignalFiles) {
  WriteBeginCfg(ctx);
  WriteEyeViewCfg(ctx);
  WriteEyeDoorCfg(ctx);
  WriteEyeCargoCfg(ctx);
  EXPECT_EQ(pump.PumpCount(), 4);
  ExpectGolden("BEGIN.cfg", "BEGIN.cfg");
  ExpectGolden("EyeView.cfg", "EyeView.cfg");
  ExpectGolden("EyeDoor.cfg", "EyeDoor.cfg");
  ExpectGolden("EyeCargo.cfg", "EyeCargo.cfg");
  // Shift_JIS bytes of "用　" in the title line, CR LF after the last line.
  EXPECT_NE(Bytes("BEGIN.cfg").find("\x97\x70\x81\x40"), std::string::npos);
  EXPECT_EQ(Bytes("BEGIN.cfg").substr(Bytes("BEGIN.cfg").size() - 3), ";\r\n");
}

TEST_F(GoldenTest, SignalFileReplacesAnOldOne) {
  dir.WriteBytes("EyeView.cfg", "old contents that are longer than the new file would be, by far, surely");
  WriteEyeViewCfg(ctx);
  ExpectGolden("EyeView.cfg", "EyeView.cfg");
}

TEST_F(GoldenTest, LandedSignalOfTheCallOutProgram) {
  WriteSignalFile(Base("vexlorLND.cfg"), SignalFile::Landed);
  ExpectGolden("vexlorLND.cfg", "vexlorLND.cfg");
}

TEST_F(GoldenTest, FlightRestartContentsWithACommaInTheAirlineName) {
  ctx.briefing.TobBriefing.AirlineName = "ANA, 全日空";
  ctx.briefing.TobBriefing.AircraftTypeText = "04 B75/76 2 Engines";
  ctx.files.RouteAirports[0].name = "東京国際空港　羽田";
  ctx.files.RouteAirports[1].name = "新千歳国際空港　札幌";
  WriteFlightRestartContents(ctx);
  EXPECT_EQ(pump.PumpCount(), 1);
  ExpectGolden("FlightRestart内容.cfg", "FlightRestart内容.cfg");
}

TEST_F(GoldenTest, OcumoCfg) {
  ctx.main.MainWindowHandle = 123456;
  ctx.files.ViewTable = kViews;
  ctx.main.ApuSoundSettings = {{"右", "左"}, {"7", "10"}};
  WriteOcumoCfg(ctx);
  EXPECT_EQ(pump.PumpCount(), 1);
  ExpectGolden("Ocumo.cfg", "Ocumo.cfg");
}

TEST_F(GoldenTest, VexlorExpCfg) {
  ctx.main.SpeedCallOption = "ON";
  ctx.main.AltitudeCallOption = "OFF";
  ctx.engine.SoundWindowPosition = {1200, 3000, 1200, 9600};
  ctx.files.ViewTable = kViews;
  ctx.main.ApuSoundSettings = {{"右", "左"}, {"7", "10"}};
  WriteVexlorExpCfg(ctx);
  EXPECT_EQ(pump.PumpCount(), 1);
  ExpectGolden("vexlorEXP.cfg", "vexlorEXP.cfg");
}

TEST_F(GoldenTest, EyeCheckCfg) {
  ctx.main.ViewSwitchOption = "ON";
  auto& tob = ctx.briefing.TobBriefing;
  tob.FlipBoardOn = 1;
  tob.DepartureGate = 5;
  tob.FlightNumber = "0123";
  ctx.briefing.SelectedAirlineIndex = "7";
  ctx.briefing.BriefingTimes.events[0].localHour = 9;
  ctx.briefing.BriefingTimes.events[0].localMinute = 5;
  ctx.files.RouteAirports[0].slot = "1";
  ctx.files.RouteAirports[1].slot = "80";
  ctx.files.AirportTable[1].空港名パタパタ = "東京";
  ctx.files.AirportTable[80].空港名パタパタ = "札幌";
  WriteEyeCheckCfg(ctx);
  EXPECT_EQ(pump.PumpCount(), 1);
  ExpectGolden("EyeCheck.cfg", "EyeCheck.cfg");
}

TEST_F(GoldenTest, VexlorPbCfg) {
  auto& pb = ctx.briefing.PushbackSettings;
  pb.pushbackOn = 1;
  pb.method = 0;
  pb.speed = 5;
  pb.turnRate = 3;
  pb.turnBackSpeed = 2;
  pb.distance = 80;
  pb.turnDirection = "右";
  pb.angleMode = 2;
  pb.angle1 = 90;
  pb.angle2 = "東";
  pb.angle3 = -15;
  WriteVexlorPbCfg(ctx);
  EXPECT_EQ(pump.PumpCount(), 1);
  ExpectGolden("vexlorPB.cfg", "vexlorPB.cfg");
}

TEST_F(GoldenTest, VexlorSdCfg) {
  auto& b = ctx.briefing;
  b.VolumeSettings.fill(10);
  b.VolumeSettings[21] = 1;
  b.VolumeSettings[28] = 2;
  b.VolumeSettings[26] = 3;
  b.VolumeSettings[27] = 4;
  b.VolumeSettings[4] = 5;
  b.VolumeSettings[24] = 6;
  b.VolumeSettings[25] = 7;
  b.GearWindIas = 85;
  b.LargeAircraftLanding = 1;
  b.VnavCallOn = 0;
  b.ClimbThrustCallOn = 1;
  ctx.engine.SoundWindowPosition = {1500, 5000, 1500, 12345};
  auto& tob = b.TobBriefing;
  tob.AircraftTypeCode = 5;
  tob.TakeoffFlap = 5;
  tob.TakeoffV1 = 132;
  tob.TakeoffVr = 140;
  tob.TakeoffV2 = 156;
  tob.ApproachingMinimumAltitude = 350;
  tob.MinimumAltitude = 200;
  ctx.flight.LandingBriefing.GoAroundFlap = 15;
  ctx.flight.LandingBriefing.LandingRunwayParts = {"0", "9", "ライト(R)"};
  tob.DepartureAesFlag = 0;
  tob.ArrivalAesFlag = 1;
  tob.AircraftHeight = 12;
  b.SpecialEngineSoundOn = 1;
  b.TimingSettings = {};  // the timing window's defaults
  auto& route = ctx.files.RouteAirports;
  route[0].elevation = 21;
  route[1].elevation = -5;
  route[1].latitude = 4800000;
  route[1].longitude = -123456789;
  WriteVexlorSdCfg(ctx);
  EXPECT_EQ(pump.PumpCount(), 1);
  ExpectGolden("vexlorSD.cfg", "vexlorSD.cfg");
}

TEST_F(GoldenTest, FlapCallVariantByAircraftType) {
  for (int type = 0; type <= 9; ++type) {
    SCOPED_TRACE(type);
    ctx.briefing.TobBriefing.AircraftTypeCode = static_cast<std::int16_t>(type);
    WriteVexlorSdCfg(ctx);
    const std::string expected = (type == 2 || type == 5 || type == 7) ? "\r\n=10\r\n" : "\r\n=15\r\n";
    const std::string bytes = Bytes("vexlorSD.cfg");
    // Line 42 is the flap variant: after the 41st line end.
    std::size_t at = 0;
    for (int line = 0; line < 41; ++line) at = bytes.find("\r\n", at) + 2;
    EXPECT_EQ(bytes.substr(at - 2, expected.size()), expected);
  }
}

TEST_F(GoldenTest, CompanionProgramsOwnFiles) {
  WriteOcumoCfgFile(Base("Ocumo.cfg"), DefaultOcumoCfg());
  ExpectGolden("Ocumo.cfg", "Ocumo.default.cfg");
  WriteDefaultVexlorExpCfgFile(Base("vexlorEXP.cfg"));
  ExpectGolden("vexlorEXP.cfg", "vexlorEXP.default.cfg");
  WriteEyeRetCfgFile(Base("EyeRet.cfg"), {kViews, {{"右", "左"}, {"7", "10"}}});
  ExpectGolden("EyeRet.cfg", "EyeRet.cfg");
}

}  // namespace
}  // namespace vx::mainfiles::test
