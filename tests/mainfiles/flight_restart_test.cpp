// The flight resume snapshot: the settings file under "FlightRestart.cfg" with its summary.
#include <gtest/gtest.h>

#include "support/same_text.h"

#include "datafiles/pro_fixture.h"
#include "mainfiles/flight_restart.h"
#include "mainfiles/settings_file.h"
#include "mainfiles/settings_known_state.h"
#include "platform/text_file.h"

namespace vx::mainfiles::test {
using namespace datafiles;
using namespace datafiles::test;
namespace {

using FlightRestartTest = ProFixture;

TEST_F(FlightRestartTest, TheSnapshotIsTheWholeSettingsFileFollowedByItsSummary) {
  SetKnownSettingsState(ctx);
  ASSERT_TRUE(SaveFlightRestart(ctx));
  EXPECT_TRUE(vx::test::SameFileBytes(Bytes("FlightRestart.cfg"), SettingsGoldenBytes("settings_saved.cfg")));
  const auto summary = platform::ReadTextLines(Base("FlightRestart内容.cfg"));
  EXPECT_NE(std::find(summary.begin(), summary.end(), "=ANA 全日空"), summary.end());
  EXPECT_NE(std::find(summary.begin(), summary.end(), "=ホノルル国際空港"), summary.end());
}

TEST_F(FlightRestartTest, ResumingRestoresEverythingButTheMileage) {
  dir.WriteBytes("FlightRestart.cfg", SettingsGoldenBytes("settings_saved.cfg"));
  dir.WriteBytes("BEGIN.cfg", ";\r\n");
  ctx.files.MileageTotal = 10;
  ctx.briefing.TobBriefing.AircraftTypeCode = 4;
  ASSERT_TRUE(LoadFlightRestart(ctx));
  EXPECT_EQ(ctx.files.MileageTotal, 10);
  EXPECT_EQ(ctx.files.SettingsFileName, "MyFlight.cfg");
  EXPECT_EQ(ctx.briefing.TobBriefing.AircraftTypeText, "05 B747-400 4 Engines");
  EXPECT_EQ(ctx.briefing.TobBriefing.AircraftTypeCode, 5);
  EXPECT_EQ(ctx.briefing.DepartureFuel[10], 56400);
  EXPECT_FALSE(Exists("BEGIN.cfg"));
}

TEST_F(FlightRestartTest, ATypeTextWithoutDigitsKeepsTheTypeCode) {
  SetKnownSettingsState(ctx);
  ctx.briefing.TobBriefing.AircraftTypeText = "B7 unknown";
  ASSERT_TRUE(SaveFlightRestart(ctx));
  ctx.briefing.TobBriefing.AircraftTypeCode = 3;
  ASSERT_TRUE(LoadFlightRestart(ctx));
  EXPECT_EQ(ctx.briefing.TobBriefing.AircraftTypeCode, 3);
}

TEST_F(FlightRestartTest, ASnapshotThatDoesNotLoadKeepsTheFlightAsItWasAndBeginCfg) {
  auto bytes = SettingsGoldenBytes("settings_saved.cfg");
  bytes.replace(bytes.find("=41000"), 6, "=41OOO");  // letters O, not zeros
  dir.WriteBytes("FlightRestart.cfg", bytes);
  dir.WriteBytes("BEGIN.cfg", ";\r\n");
  boxes.Expect("CFG Read", ui::Answer::Ok, "設定値 79");
  EXPECT_FALSE(LoadFlightRestart(ctx));
  EXPECT_TRUE(Exists("BEGIN.cfg"));
  EXPECT_EQ(ctx.briefing.TobBriefing.AirlineName, "");
}

// A damaged snapshot answered "Yes": the values stay as they were before the attempt (no
// defaults that the exit would then write over "VexlorPro.cfg"), the flight is not resumed
// and the box says so.
struct DamagedSnapshot {
  const char* what;
  std::string (*damage)(std::string bytes);
  const char* boxPart;
};

class DamagedSnapshotTest : public FlightRestartTest, public ::testing::WithParamInterface<DamagedSnapshot> {};

TEST_P(DamagedSnapshotTest, KeepsTheValuesAndDoesNotCountAsResumed) {
  SetKnownSettingsState(ctx);
  ctx.files.MileageTotal = 77;
  const auto before = SettingsFileLines(ctx, SettingsForm::Save);
  const std::string damaged = GetParam().damage(SettingsGoldenBytes("settings_saved.cfg"));
  dir.WriteBytes("FlightRestart.cfg", damaged);
  dir.WriteBytes("BEGIN.cfg", ";\r\n");
  ctx.main.ResumeRequested = true;
  boxes.Expect("CFG Read", ui::Answer::Ok, GetParam().boxPart);
  EXPECT_FALSE(LoadFlightRestart(ctx));
  EXPECT_EQ(boxes.PendingExpectations(), 0u);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_NE(boxes.shown[0].text.find("新しいフライトとして始めます。"), std::string::npos) << boxes.shown[0].text;
  EXPECT_NE(boxes.shown[0].text.find("FlightRestart.cfg.読込失敗"), std::string::npos) << boxes.shown[0].text;
  EXPECT_EQ(SettingsFileLines(ctx, SettingsForm::Save), before);
  EXPECT_FALSE(ctx.main.ResumeRequested);
  EXPECT_TRUE(Exists("BEGIN.cfg"));
  EXPECT_EQ(Bytes("FlightRestart.cfg.読込失敗"), damaged);
}

INSTANTIATE_TEST_SUITE_P(
    Snapshots, DamagedSnapshotTest,
    ::testing::Values(
        DamagedSnapshot{"FirstLineDamaged",
                        [](std::string b) { return b.replace(b.find("V1.11"), 5, "V1.1?"); }, "バージョンが異なるか、壊れています"},
        DamagedSnapshot{"Empty", [](std::string) { return std::string(); }, "バージョンが異なるか、壊れています"},
        DamagedSnapshot{"CutInTheFirstLine", [](std::string b) { return b.substr(0, 9); },
                        "バージョンが異なるか、壊れています"},
        DamagedSnapshot{"BadValue", [](std::string b) { return b.replace(b.find("=41000"), 6, "=41OOO"); }, "設定値 79"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(FlightRestartTest, TheFilesGoTogetherOnlyWhenTheSnapshotExists) {
  dir.WriteBytes("FlightRestart内容.cfg", "x");
  DeleteFlightRestartFiles(ctx);
  EXPECT_TRUE(Exists("FlightRestart内容.cfg"));
  dir.WriteBytes("FlightRestart.cfg", "x");
  DeleteFlightRestartFiles(ctx);
  EXPECT_FALSE(Exists("FlightRestart.cfg"));
  EXPECT_FALSE(Exists("FlightRestart内容.cfg"));
}

}  // namespace
}  // namespace vx::mainfiles::test
