// Hand-over files that another process polls: never seen half-written, checked before
// they are created, and the one-shot file taken without losing a rewrite.
#include <gtest/gtest.h>

#include "datafiles/eye_check_file.h"
#include "datafiles/pro_fixture.h"
#include "datafiles/sound_settings_file.h"
#include "mainfiles/files.h"
#include "runtime/runtime_error.h"

namespace vx::mainfiles::test {
using namespace datafiles;
using namespace datafiles::test;
namespace {

class HandoverFaultsTest : public ProFixture {
 protected:
  std::vector<std::string> FolderNames() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path())) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
};

// An airport slot of no entry (outside 0 to 200, or no number) goes as no slot, with no
// board name; the file is still written, so the inspection view runs.
TEST_F(HandoverFaultsTest, EyeCheckWithASlotOfNoEntryNamesNoSlotAndNoBoardForIt) {
  ctx.files.AirportTable[1].空港名パタパタ = "羽田";
  ctx.files.AirportTable[80].空港名パタパタ = "千歳";
  struct Case {
    const char* departure;
    const char* arrival;
    const char* departureSlot;
    const char* arrivalSlot;
    const char* departureName;
    const char* arrivalName;
  };
  const Case cases[] = {
      {"999", "80", "", "80", "", "千歳"},    {"1", "999", "1", "", "羽田", ""},
      {"-1", "80", "", "80", "", "千歳"},     {"1", "201", "1", "", "羽田", ""},
      {"", "80", "", "80", "", "千歳"},       {"1", "東京", "1", "", "羽田", ""},
      {"30000", "80", "", "80", "", "千歳"},  {" 1", "８０", "1", "80", "羽田", "千歳"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.departure) + " " + c.arrival);
    ctx.files.RouteAirports[0].slot = c.departure;
    ctx.files.RouteAirports[1].slot = c.arrival;
    WriteEyeCheckCfg(ctx);
    EyeCheckCfg values;
    ReadEyeCheckCfgFile(Base("EyeCheck.cfg"), values, BadValue::Keep);
    EXPECT_EQ(values.departureSlot, c.departureSlot);
    EXPECT_EQ(values.arrivalSlot, c.arrivalSlot);
    EXPECT_EQ(values.departureBoardName, c.departureName);
    EXPECT_EQ(values.arrivalBoardName, c.arrivalName);
  }
}

TEST_F(HandoverFaultsTest, WritersLeaveOnlyTheirFile) {
  ctx.files.RouteAirports[0].slot = "0";
  ctx.files.RouteAirports[1].slot = "200";
  WriteBeginCfg(ctx);
  WriteOcumoCfg(ctx);
  WriteVexlorExpCfg(ctx);
  WriteEyeCheckCfg(ctx);
  WriteVexlorPbCfg(ctx);
  WriteVexlorSdCfg(ctx);
  WriteVexlorSdCfg(ctx);
  EXPECT_EQ(FolderNames(), (std::vector<std::string>{"BEGIN.cfg", "EyeCheck.cfg", "Ocumo.cfg", "vexlorEXP.cfg",
                                                      "vexlorPB.cfg", "vexlorSD.cfg"}));
}

TEST_F(HandoverFaultsTest, AWriteIntoAMissingFolderRaisesTheFileError) {
  paths.SetBaseFolder(dir.Path() / "gone");
  try {
    WriteBeginCfg(ctx);
    FAIL() << "no error";
  } catch (const runtime::RuntimeError& e) {
    EXPECT_EQ(e.Number(), runtime::kPathNotFound);
  }
}

TEST_F(HandoverFaultsTest, TakingTheSoundFileLeavesNothingBehind) {
  VexlorSdCfg sd;
  EXPECT_FALSE(TakeVexlorSdCfgFile(Base("vexlorSD.cfg"), sd));

  ctx.briefing.GearWindIas = 91;
  WriteVexlorSdCfg(ctx);
  ASSERT_TRUE(TakeVexlorSdCfgFile(Base("vexlorSD.cfg"), sd));
  EXPECT_EQ(sd.GearNoiseIas, 91);
  EXPECT_TRUE(FolderNames().empty());
  EXPECT_FALSE(TakeVexlorSdCfgFile(Base("vexlorSD.cfg"), sd));
}

TEST_F(HandoverFaultsTest, ABadSoundFileIsReportedAndStillTaken) {
  ctx.flight.LandingBriefing.LandingRunwayParts = {"1", "A", ""};  // not digits: the reader cannot convert it
  ctx.briefing.GearWindIas = 91;
  WriteVexlorSdCfg(ctx);
  VexlorSdCfg sd;
  try {
    TakeVexlorSdCfgFile(Base("vexlorSD.cfg"), sd);
    FAIL() << "no error";
  } catch (const runtime::RuntimeError& e) {
    EXPECT_EQ(e.Number(), runtime::kTypeMismatch);
  }
  EXPECT_EQ(sd.GearNoiseIas, 91);  // values before the bad one are stored
  EXPECT_TRUE(FolderNames().empty());
}

}  // namespace
}  // namespace vx::mainfiles::test
