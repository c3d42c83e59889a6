// The main settings file as the save and the defaults writer lay it out, byte for byte.
#include <gtest/gtest.h>

#include "support/same_text.h"

#include "datafiles/ocumo_files.h"
#include "datafiles/pro_fixture.h"
#include "mainfiles/settings_file.h"
#include "mainfiles/settings_known_state.h"
#include "platform/text_file.h"

namespace vx::mainfiles::test {
using namespace datafiles;
using namespace datafiles::test;
namespace {

using SettingsFileTest = ProFixture;

TEST_F(SettingsFileTest, DefaultsFileOfAFreshProgramMatchesTheGolden) {
  WriteDefaultSettingsFile(ctx, "VexlorPro.cfg");
  EXPECT_TRUE(vx::test::SameFileBytes(Bytes("VexlorPro.cfg"), SettingsGoldenBytes("settings_defaults.cfg")));
}

TEST_F(SettingsFileTest, DefaultsFileKeepsTheFileNameAndTheSpecialEngineSoundAndNothingElse) {
  SetKnownSettingsState(ctx);  // every other value differs from its default
  ctx.files.SettingsFileName = "VexlorPro.cfg";
  WriteDefaultSettingsFile(ctx, "Other.cfg");

  auto expected = SettingsGoldenLines("settings_defaults.cfg");
  ASSERT_EQ(expected.size(), 346u);
  for (std::size_t i = 0; i + 1 < expected.size(); ++i) {
    if (expected[i] == ";秘密の音声") expected[i + 1] = "=1";
  }
  EXPECT_EQ(platform::ReadTextLines(Base("Other.cfg")), expected);
}

TEST_F(SettingsFileTest, SaveOfAKnownStateMatchesTheGolden) {
  SetKnownSettingsState(ctx);
  ASSERT_TRUE(SaveSettingsFile(ctx, "MyFlight.cfg"));
  EXPECT_TRUE(vx::test::SameFileBytes(Bytes("MyFlight.cfg"), SettingsGoldenBytes("settings_saved.cfg")));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SettingsFileTest, SaveTakesBackTheViewpointsOfEyeRetAndDeletesIt) {
  SetKnownSettingsState(ctx);
  EyeRetCfg handedBack{ctx.files.ViewTable, {{"無", "右"}, {"3", "4"}}};
  handedBack.ViewPresets[2] = {"7", "8", "9", "10", "11"};
  WriteEyeRetCfgFile(Base("EyeRet.cfg"), handedBack);

  ASSERT_TRUE(SaveSettingsFile(ctx, "FlightRestart.cfg"));
  EXPECT_FALSE(Exists("EyeRet.cfg"));
  auto expected = SettingsGoldenLines("settings_saved.cfg");
  for (std::size_t i = 0; i < expected.size(); ++i) {
    if (expected[i] == ";＜＜荷物室視点＞＞") {
      for (int k = 0; k < 5; ++k) expected[i + 1 + k] = "=" + handedBack.ViewPresets[2][k];
    }
    if (expected[i] == ";ＡＰＵ音声　位置・音量") {
      expected[i + 1] = "=無";
      expected[i + 2] = "=右";
      expected[i + 3] = "=3";
      expected[i + 4] = "=4";
    }
  }
  EXPECT_EQ(platform::ReadTextLines(Base("FlightRestart.cfg")), expected);
}

TEST_F(SettingsFileTest, TextsWithCommasAndLineBreaksStayOneValue) {
  ctx.briefing.TobBriefing.AirlineName = "JAL,=日本航空";
  ctx.briefing.TobBriefing.ShipName = "B747\r\nSR";
  ASSERT_TRUE(SaveSettingsFile(ctx, "VexlorPro.cfg"));
  const auto lines = platform::ReadTextLines(Base("VexlorPro.cfg"));
  ASSERT_EQ(lines.size(), 345u);
  EXPECT_EQ(lines[115], "=JAL，=日本航空");  // value 48
  EXPECT_NE(std::find(lines.begin(), lines.end(), "=B747  SR"), lines.end());
}

TEST_F(SettingsFileTest, MileageIsWrittenInGeneralNumberForm) {
  struct Case {
    double mileage;
    std::string line;
  };
  for (const Case& c : {Case{0, "=0"}, Case{1234.5, "=1234.5"}, Case{0.25, "=0.25"}, Case{1.0 / 3, "=0.333333333333333"},
                        Case{123456789012.75, "=123456789012.75"}}) {
    ctx.files.MileageTotal = c.mileage;
    ASSERT_TRUE(SaveSettingsFile(ctx, "VexlorPro.cfg"));
    const auto lines = platform::ReadTextLines(Base("VexlorPro.cfg"));
    const auto at = std::find(lines.begin(), lines.end(), ";マイル");
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(*(at + 1), c.line) << c.mileage;
  }
}

TEST_F(SettingsFileTest, OnlyBareNamesInTheBaseFolderAreSettingsFiles) {
  struct Case {
    std::string name;
    bool bare;
  };
  for (const Case& c : {Case{"VexlorPro.cfg", true}, Case{"私の設定.cfg", true}, Case{"a b.cfg", true},
                        Case{"", false}, Case{".", false}, Case{"..", false}, Case{"../x.cfg", false},
                        Case{"sub/x.cfg", false}, Case{"sub\\x.cfg", false}, Case{"C:x.cfg", false},
                        Case{"a,b.cfg", false}, Case{"a\nb.cfg", false}, Case{std::string(256, 'a'), false},
                        Case{std::string(255, 'a'), true}}) {
    EXPECT_EQ(IsBareSettingsFileName(c.name), c.bare) << c.name;
    EXPECT_EQ(BareSettingsFileName(c.name), c.bare ? c.name : "VexlorPro.cfg") << c.name;
  }
}

TEST_F(SettingsFileTest, SaveUnderANameWithAFolderWritesVexlorProCfgInTheBaseFolder) {
  std::filesystem::create_directories(Base("sub"));
  ASSERT_TRUE(SaveSettingsFile(ctx, "..\\escape.cfg"));
  ASSERT_TRUE(SaveSettingsFile(ctx, "sub/inner.cfg"));
  EXPECT_TRUE(Exists("VexlorPro.cfg"));
  EXPECT_FALSE(Exists("sub/inner.cfg"));
  EXPECT_FALSE(std::filesystem::exists(dir.Path().parent_path() / "escape.cfg"));
}

TEST_F(SettingsFileTest, FileOpenTakesTheNameOnlyFromTheBaseFolder) {
  std::filesystem::create_directories(Base("sub"));
  EXPECT_EQ(SettingsFileNameForOpen(Base("Mine.cfg"), paths), "Mine.cfg");
  EXPECT_EQ(SettingsFileNameForOpen(Base("sub") / "Mine.cfg", paths), "VexlorPro.cfg");
  EXPECT_EQ(SettingsFileNameForOpen("/tmp/Mine.cfg", paths), "VexlorPro.cfg");
  EXPECT_EQ(SettingsFileNameForOpen("Mine.cfg", paths), "VexlorPro.cfg");
}

TEST_F(SettingsFileTest, AFailedSaveKeepsTheOldFileAndSaysWhy) {
  // The temporary name beside a 250-byte name is too long for the file system, so the
  // write fails before anything replaces the old file.
  const std::string name(250, 'n');
  dir.WriteBytes(name, "old contents");
  boxes.Expect("設定値の保存", ui::Answer::Ok, " 」を保存できませんでした。");
  EXPECT_FALSE(SaveSettingsFile(ctx, name));
  EXPECT_EQ(Bytes(name), "old contents");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].icon, ui::Icon::Exclamation);
  // The name, too long to read whole, is quoted cut.
  EXPECT_EQ(boxes.shown[0].text.rfind("設定ファイル「 " + name.substr(0, 60), 0), 0u);
  EXPECT_NE(boxes.shown[0].text.find(ui::kBoxCutMark), std::string::npos);
  EXPECT_NE(boxes.shown[0].text.find("\n"), std::string::npos);  // the reason follows
  EXPECT_EQ(boxes.PendingExpectations(), 0u);
}

TEST_F(SettingsFileTest, AFailedSaveOverAFolderLeavesTheFolder) {
  std::filesystem::create_directories(Base("Busy.cfg"));
  boxes.Expect("設定値の保存", ui::Answer::Ok, "Busy.cfg");
  EXPECT_FALSE(SaveSettingsFile(ctx, "Busy.cfg"));
  EXPECT_TRUE(std::filesystem::is_directory(Base("Busy.cfg")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);  // no temporary left
}

}  // namespace
}  // namespace vx::mainfiles::test
