// Hand-over files that another process polls: never seen half-written, checked before
// they are created, and the one-shot file taken without losing a rewrite.
#include <gtest/gtest.h>

#include "announce/pro_files.h"
#include "datafiles/pro_fixture.h"
#include "datafiles/sound_settings_file.h"
#include "runtime/runtime_error.h"

namespace vx::announce::test {
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

struct BadSlotCase {
  const char* departure;
  const char* arrival;
  int error;
};

TEST_F(HandoverFaultsTest, EyeCheckWithABadSlotWritesNothing) {
  const BadSlotCase cases[] = {
      {"999", "80", runtime::kSubscriptOutOfRange}, {"1", "999", runtime::kSubscriptOutOfRange},
      {"-1", "80", runtime::kSubscriptOutOfRange},  {"1", "201", runtime::kSubscriptOutOfRange},
      {"", "80", runtime::kTypeMismatch},           {"1", "東京", runtime::kTypeMismatch},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.departure) + " " + c.arrival);
    ctx.files.RouteAirports[0].slot = c.departure;
    ctx.files.RouteAirports[1].slot = c.arrival;
    try {
      WriteEyeCheckCfg(ctx);
      FAIL() << "no error";
    } catch (const runtime::RuntimeError& e) {
      EXPECT_EQ(e.Number(), c.error);
    }
    EXPECT_TRUE(FolderNames().empty());
  }
  EXPECT_EQ(pump.PumpCount(), 0);

  // An earlier file stays as it was.
  dir.WriteBytes("EyeCheck.cfg", "earlier");
  EXPECT_THROW(WriteEyeCheckCfg(ctx), runtime::RuntimeError);
  EXPECT_EQ(Bytes("EyeCheck.cfg"), "earlier");
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
}  // namespace vx::announce::test
