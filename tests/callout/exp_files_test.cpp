// The call-out program's side of its settings and hand-over files.
#include "callout/exp_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "callout/exp_fixture.h"
#include "runtime/cp932.h"
#include "support/same_text.h"

namespace vx::callout {
namespace {

// A golden file as the programs write it: CP932 with CR LF.
std::string Golden(const std::string& name) {
  const char* source = std::getenv("VX_SOURCE_DIR");
  std::ifstream in(std::filesystem::path(source ? source : ".") / "tests/datafiles/golden" / name, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  std::string crlf;
  for (char c : s.str()) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return runtime::Utf8ToCp932(crlf);
}

// A settings file from its lines (UTF-8 here, CP932 with CR LF on disk).
void WriteLines(const test::TempDir& dir, const std::string& name, std::initializer_list<std::string> lines) {
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  dir.WriteBytes(name, runtime::Utf8ToCp932(text));
}

class ExpFilesTest : public ::testing::Test, public test::ExpProgram {};

TEST_F(ExpFilesTest, AMissingSettingsFileIsWrittenWithTheDefaultsAndRead) {
  ReadExpSettings(exp);
  EXPECT_TRUE(test::SameFileBytes(base.ReadBytes("vexlorEXP.cfg"), Golden("vexlorEXP.default.cfg")));
  EXPECT_EQ(exp.settings.SpeedCallOn, -1);
  EXPECT_EQ(exp.settings.AltitudeCallOn, -1);
  EXPECT_EQ(exp.settings.ViewPresets[1], (std::array<std::string, 5>{"0", "30", "80", "340", "1"}));
  EXPECT_EQ(exp.settings.ApuSoundSettings.positions[0], "無");
}

TEST_F(ExpFilesTest, ShortFilesLowerCaseSwitchesAndCommentsBetweenValues) {
  WriteLines(base, "vexlorEXP.cfg", {"=on", ";comment", "=ON", "", "=120", "=240", "=1", ";x", "=2", "=3", "=4", "=5",
                                     "=6"});
  exp.settings.SpeedCallOn = -1;
  ReadExpSettings(exp);
  EXPECT_EQ(exp.settings.SpeedCallOn, 0) << "the switch is case-sensitive";
  EXPECT_EQ(exp.settings.AltitudeCallOn, -1);
  EXPECT_EQ(exp.settings.ExpWindowTop, 120);
  EXPECT_EQ(exp.settings.ExpWindowLeft, 240);
  EXPECT_EQ(exp.settings.ViewPresets[0], (std::array<std::string, 5>{"1", "2", "3", "4", "5"}));
  EXPECT_EQ(exp.settings.ViewPresets[1][0], "6");
  EXPECT_EQ(exp.settings.ViewPresets[1][1], "") << "missing values keep what was there";
}

TEST_F(ExpFilesTest, AValueThatDoesNotConvertKeepsItsProgramValueAndTheReadGoesOn) {
  WriteLines(base, "vexlorEXP.cfg", {"=ON", "=ON", "=abc", "=99999999999", "=7"});
  exp.settings.ExpWindowTop = 15;
  exp.settings.ExpWindowLeft = 30;
  ReadExpSettings(exp);
  EXPECT_EQ(exp.settings.ExpWindowTop, 15);
  EXPECT_EQ(exp.settings.ExpWindowLeft, 30);
  EXPECT_EQ(exp.settings.ViewPresets[0][0], "7");

  WriteLines(base, "vexlorPB.cfg", {"=1", "=x", "=5", "=40000", "=2", "=60", "=右", "=1", "=90"});
  exp.pushback.PushbackMode = 2;
  exp.pushback.SlewTurnValue = 9;
  ReadPushbackSettings(exp);
  EXPECT_EQ(exp.pushback.PushbackMode, 2);
  EXPECT_EQ(exp.pushback.SlewStartByte, 5);
  EXPECT_EQ(exp.pushback.SlewTurnValue, 9) << "beyond 16 bits";
  EXPECT_EQ(exp.pushback.PushbackDistance, 60);
  EXPECT_EQ(exp.pushback.PushbackSide, "右");
  EXPECT_EQ(exp.pushback.PushbackTurnAngle, 90);
  EXPECT_TRUE(std::filesystem::exists(base.Path() / "vexlorPB.cfg")) << "the caller deletes it";
}

TEST_F(ExpFilesTest, SoundSettingsAreTakenOnce) {
  EXPECT_FALSE(ReadSoundSettings(exp));
  std::vector<std::string> lines;
  for (int i = 0; i < 49; ++i) lines.push_back("=" + std::to_string(i == 45 ? 34 : i + 1));
  lines[3] = "=three";
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  base.WriteBytes("vexlorSD.cfg", text);
  exp.sd.CallVolumeLevels[3] = 8;
  ASSERT_TRUE(ReadSoundSettings(exp));
  EXPECT_FALSE(std::filesystem::exists(base.Path() / "vexlorSD.cfg"));
  EXPECT_EQ(exp.sd.CallVolumeLevels[0], 1);
  EXPECT_EQ(exp.sd.CallVolumeLevels[3], 8);
  EXPECT_EQ(exp.sd.CallVolumeLevels[4], 5);
  EXPECT_EQ(exp.sd.ExpWindowLeft, 13);
  EXPECT_EQ(exp.sd.landingRunwayNumber, "34");
  EXPECT_EQ(exp.sd.CallElevationFt, 49);
}

TEST_F(ExpFilesTest, InspectionSettingsAndTheLandingSignal) {
  WriteLines(base, "EyeCheck.cfg", {"=ON", "=1", "=出発", "=5", "=7", "=0123", "=10", "=30", "=0", "=1", "=羽田", "=千歳"});
  ReadInspectionSettings(exp);
  EXPECT_EQ(exp.inspection.InspectionDoorSwitch, "ON");
  EXPECT_EQ(exp.inspection.InspectionBoardFlag, 1);
  EXPECT_EQ(exp.inspection.flightNumber, "123");
  EXPECT_EQ(exp.inspection.arrivalBoardName, "千歳");

  WriteLandedSignalFile(exp);
  EXPECT_TRUE(test::SameFileBytes(base.ReadBytes("vexlorLND.cfg"), Golden("vexlorLND.cfg")));
}

}  // namespace
}  // namespace vx::callout
