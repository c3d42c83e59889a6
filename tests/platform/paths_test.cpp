#include "platform/paths.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace vx::platform {
namespace {

namespace fs = std::filesystem;

TEST(BaseFolder, DropsAFinalExeProComponentOnly) {
  struct Case {
    const char* program;
    const char* base;
  };
  const Case cases[] = {
      {"/opt/vx/ExePro", "/opt/vx"},
      {"/opt/vx/exepro/", "/opt/vx"},
      {"/opt/vx/EXEPRO//", "/opt/vx"},
      {"/opt/vx/bin", "/opt/vx/bin"},
      {"/opt/vx/MyExePro", "/opt/vx/MyExePro"},  // not "less seven characters"
      {"/opt/ExePro/sub", "/opt/ExePro/sub"},
      {"/ExePro", "/"},
  };
  for (const auto& c : cases) EXPECT_EQ(BaseFolderFromProgramFolder(c.program), fs::path(c.base)) << c.program;
}

class PathsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.WriteBytes("Wav/CA1/G3.wav", "w");
    dir.WriteBytes("空港DB.csv", "c");
    dir.WriteBytes("ＡＢ.txt", "f");
    for (const char* name : {"b.mid", "A.MID", "c.Mid", "a2.mid", "x.wav", "Type_1.wav", "Type_10.wav", "type_2.WAV"})
      dir.WriteBytes(std::string("midi/") + name, "m");
    fs::create_directory(dir.Path() / "midi" / "d.mid");
    paths.SetBaseFolder(dir.Path());
  }
  std::string Base() const { return dir.Str(); }
  test::TempDir dir;
  Paths paths;
};

TEST_F(PathsTest, ResolvesEachComponentWithoutLetterCase) {
  const fs::path base = dir.Path();
  struct Case {
    std::string literal;
    fs::path expected;
  };
  const Case cases[] = {
      {"\\wav\\ca1\\g3.WAV", base / "Wav/CA1/G3.wav"},
      {"/WAV/Ca1/G3.wav", base / "Wav/CA1/G3.wav"},
      {"\\\\Wav\\\\CA1\\G3.wav", base / "Wav/CA1/G3.wav"},
      {"\\WAV\\new\\File.txt", base / "Wav/new/File.txt"},  // rest as written once missing
      {"\\WAV\\ca1\\", base / "Wav/CA1/"},
      {"\\空港db.csv", base / "空港DB.csv"},
      {"\\ａｂ.txt", base / "ａｂ.txt"},  // full-width letters are not folded
  };
  for (const auto& c : cases) EXPECT_EQ(paths.Under(c.literal), c.expected) << c.literal;
  EXPECT_EQ(ResolvePath(Base() + "\\wav\\CA1\\g3.wav"), base / "Wav/CA1/G3.wav");
}

TEST_F(PathsTest, ListsWildcardMatchesSortedWithoutLetterCase) {
  const fs::path midi = dir.Path() / "midi";
  EXPECT_EQ(ListMatching(Base() + "\\MIDI\\*.mid"),
            (std::vector<fs::path>{midi / "A.MID", midi / "a2.mid", midi / "b.mid", midi / "c.Mid"}));
  EXPECT_EQ(ListMatching(Base() + "\\midi\\TYPE_?.wav"),
            (std::vector<fs::path>{midi / "Type_1.wav", midi / "type_2.WAV"}));
  EXPECT_EQ(ListMatching(Base() + "/midi/type_*.wav"),
            (std::vector<fs::path>{midi / "Type_1.wav", midi / "Type_10.wav", midi / "type_2.WAV"}));
  EXPECT_EQ(ListMatching(Base() + "\\midi\\*a*v"), (std::vector<fs::path>{midi / "Type_1.wav", midi / "Type_10.wav",
                                                                          midi / "type_2.WAV", midi / "x.wav"}));
  EXPECT_EQ(ListMatching(Base() + "\\midi\\?.*").size(), 4u);  // A.MID b.mid c.Mid x.wav
  EXPECT_TRUE(ListMatching(Base() + "\\nothing\\*.mid").empty());
  EXPECT_TRUE(ListMatching(Base() + "\\midi\\*.mp3").empty());
}

TEST_F(PathsTest, ExistsAndDeleteIfExistsFindFilesInAnyCase) {
  EXPECT_TRUE(paths.Exists("\\wav\\ca1\\g3.wav"));
  EXPECT_FALSE(paths.Exists("\\Wav\\CA1"));  // a folder is not a file
  EXPECT_FALSE(paths.Exists("\\Wav\\CA1\\G4.wav"));
  EXPECT_TRUE(paths.DeleteIfExists("\\WAV\\CA1\\g3.wav"));
  EXPECT_FALSE(fs::exists(dir.Path() / "Wav/CA1/G3.wav"));
  EXPECT_FALSE(paths.DeleteIfExists("\\WAV\\CA1\\g3.wav"));
  EXPECT_FALSE(paths.DeleteIfExists("\\Wav\\CA1"));
  EXPECT_TRUE(fs::is_directory(dir.Path() / "Wav/CA1"));
}

}  // namespace
}  // namespace vx::platform
