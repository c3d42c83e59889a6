// The flight resume snapshot: the settings file under "FlightRestart.cfg" with its summary.
#include <gtest/gtest.h>

#include "support/same_text.h"

#include "announce/pro_flight_restart.h"
#include "announce/settings_known_state.h"
#include "datafiles/pro_fixture.h"
#include "platform/text_file.h"

namespace vx::announce::test {
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
}  // namespace vx::announce::test
