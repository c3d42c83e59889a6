#include "platform/private_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/temp_dir.h"

namespace vx::platform {
namespace {

namespace fs = std::filesystem;

mode_t ModeOf(const fs::path& p) {
  struct stat st {};
  return stat(p.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST(PrivateFolderTest, AMissingFolderIsMadeForTheUserAlone) {
  test::TempDir dir;
  const fs::path folder = dir.Path() / "run" / "vexlor-sim";
  const mode_t old = umask(0);
  const std::string problem = PrivateFolderProblem(folder, true);
  umask(old);
  EXPECT_EQ(problem, "");
  EXPECT_EQ(ModeOf(folder), 0700u);
  EXPECT_EQ(PrivateFolderProblem(folder, false), "");
}

TEST(PrivateFolderTest, FoldersOthersMayWriteToOrOwnAreRefused) {
  test::TempDir dir;
  const fs::path folder = dir.Path() / "vexlor-sim-1000";
  fs::create_directory(folder);
  struct Case {
    mode_t mode;
    bool refused;
  } cases[] = {{0700, false}, {0755, false}, {0770, true}, {0777, true}, {01777, true}, {0702, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    ASSERT_EQ(chmod(folder.c_str(), c.mode), 0);
    const std::string problem = PrivateFolderProblem(folder, true);
    EXPECT_EQ(problem, c.refused ? "the folder " + folder.string() + " may be written by other users" : "");
  }
  if (geteuid() != 0) {
    EXPECT_EQ(PrivateFolderProblem("/", true), "the folder / belongs to another user");
  }
}

TEST(PrivateFolderTest, LinksAndFilesAreNoFolders) {
  test::TempDir dir;
  fs::create_directory(dir.Path() / "real");
  fs::create_directory_symlink(dir.Path() / "real", dir.Path() / "link");
  dir.WriteBytes("file", "x");
  for (const char* name : {"link", "file"}) {
    EXPECT_EQ(PrivateFolderProblem(dir.Path() / name, true), (dir.Path() / name).string() + " is not a folder");
  }
  EXPECT_EQ(PrivateFolderProblem(dir.Path() / "missing", false).rfind("no folder ", 0), 0u);
}

}  // namespace
}  // namespace vx::platform
