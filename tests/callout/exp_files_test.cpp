// The call-out program's side of its settings and hand-over files.
#include "callout/exp_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>

#include "callout/exp_fixture.h"
#include "runtime/cp932.h"
#include "runtime/runtime_error.h"
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

// A hand-over file that is not CP932 text (saved again in UTF-8 by an editor, or damaged)
// is not read as other characters: the error names the file and its first line that does
// not read, and nothing of it is taken.
TEST_F(ExpFilesTest, AHandOverFileThatIsNotCp932IsRefusedNamingTheFileAndItsLine) {
  struct Case {
    const char* file;
    std::string bytes;
    const char* reason;
    std::function<void()> read;
  };
  const Case cases[] = {
      {"vexlorPB.cfg", "=1\r\n=2\r\n=5\r\n=4\r\n=2\r\n=60\r\n=右\r\n",
       "UTF-8 で保存されています（7 行目から Shift-JIS (CP932) として読めません）。", [&] { ReadPushbackSettings(exp); }},
      {"EyeCheck.cfg", "=ON\r\n=1\r\n=出発\r\n", "UTF-8 で保存されています（3 行目から Shift-JIS (CP932) として読めません）。",
       [&] { ReadInspectionSettings(exp); }},
      {"vexlorSD.cfg", "=1\r\n=\x80\r\n", "2 行目が Shift-JIS (CP932) として読めません。", [&] { ReadSoundSettings(exp); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    base.WriteBytes(c.file, c.bytes);
    try {
      c.read();
      ADD_FAILURE() << "read";
    } catch (const runtime::RuntimeError& e) {
      EXPECT_EQ(e.Number(), runtime::kInvalidFileFormat);
      EXPECT_NE(e.Text().find("ファイル「 " + (base.Path() / c.file).string() + " 」を読み込めません。\n" + c.reason),
                std::string::npos)
          << e.Text();
    }
  }
  EXPECT_EQ(exp.pushback.PushbackMode, state::ExpContext{}.pushback.PushbackMode);
  EXPECT_EQ(exp.inspection.InspectionDoorSwitch, "");
}

}  // namespace
}  // namespace vx::callout
