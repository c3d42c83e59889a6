// The one-copy lock: a second copy is refused; a lock that another user could hold, plant
// or point elsewhere is told to the user and never taken for a running copy.
#include "platform/instance_lock.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <string>

#include "support/temp_dir.h"

namespace vx::platform {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

TEST(FileInstanceLock, OnlyOneHolderUntilItGoes) {
  test::TempDir dir;
  const auto file = dir.Path() / "VexlorPro.lock";
  {
    FileInstanceLock first(file);
    ASSERT_TRUE(first.Acquire());
    EXPECT_TRUE(first.Acquire());  // the holder asking again
    EXPECT_EQ(first.Problem(), "");
    FileInstanceLock second(file);
    EXPECT_FALSE(second.Acquire());
    EXPECT_EQ(second.Problem(), "");
  }
  FileInstanceLock third(file);
  EXPECT_TRUE(third.Acquire());
  EXPECT_EQ(third.Problem(), "");
}

// Beside the stand-in's sockets, in the folder of the user's own; never straight in /tmp.
TEST(FileInstanceLock, LockFileInTheProgramsPrivateFolder) {
  const char* was = std::getenv("XDG_RUNTIME_DIR");
  const std::optional<std::string> saved = was ? std::optional<std::string>(was) : std::nullopt;
  setenv("XDG_RUNTIME_DIR", "/run/user/1234", 1);
  EXPECT_EQ(DefaultInstanceLockFile("VexlorPro"), fs::path("/run/user/1234/vexlor-sim/VexlorPro.lock"));
  unsetenv("XDG_RUNTIME_DIR");
  EXPECT_EQ(DefaultInstanceLockFile("Ocumo"), fs::path("/tmp/vexlor-sim-" + std::to_string(getuid())) / "Ocumo.lock");
  if (saved) setenv("XDG_RUNTIME_DIR", saved->c_str(), 1);
}

TEST(FileInstanceLock, ALockOthersCouldTouchIsToldAndNotTakenForARunningCopy) {
  struct Case {
    const char* name;
    bool needsRoot;
    // Spoils the lock's folder `folder` (the lock file `lock`) as another user could.
    std::function<void(const fs::path& folder, const fs::path& lock)> spoil;
    std::string reason;  // the reason's words, `%` standing for the folder
    bool lockPathTaken;  // anything at the lock's path after: the lock is not made in a folder others reach
  } cases[] = {
      {"folder writable by others", false, [](const fs::path& f, const fs::path&) { chmod(f.c_str(), 0777); },
       "フォルダー「 % 」には他のユーザーも書き込めます。", false},
      {"folder of another user", true, [](const fs::path& f, const fs::path&) { ASSERT_EQ(chown(f.c_str(), kNobody, kNobody), 0); },
       "フォルダー「 % 」の所有者が別のユーザーです。", false},
      {"planted link", false,
       [](const fs::path& f, const fs::path& lock) {
         fs::create_directory(f.parent_path() / "elsewhere");
         fs::create_symlink(f.parent_path() / "elsewhere" / "target", lock);
       },
       "ロックファイルがシンボリックリンクになっています。", true},
      {"lock file of another user, held", true,
       [](const fs::path&, const fs::path& lock) {
         const int fd = open(lock.c_str(), O_RDWR | O_CREAT, 0644);
         ASSERT_GE(fd, 0);
         ASSERT_EQ(fchown(fd, kNobody, kNobody), 0);
         ASSERT_EQ(flock(fd, LOCK_EX), 0);  // held for the rest of the test
       },
       "ロックファイルの所有者が別のユーザーです。", true},
      {"a pipe in its place", false, [](const fs::path&, const fs::path& lock) { ASSERT_EQ(mkfifo(lock.c_str(), 0600), 0); },
       "ロックファイルが通常のファイルではありません。", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.needsRoot && geteuid() != 0) continue;  // only root can give a file away
    test::TempDir dir;
    const fs::path folder = dir.Path() / "vexlor-sim-1000";
    const fs::path file = folder / "VexlorPro.lock";
    fs::create_directory(folder);
    chmod(folder.c_str(), 0700);
    c.spoil(folder, file);
    std::string reason = c.reason;
    if (const auto at = reason.find('%'); at != std::string::npos) reason.replace(at, 1, folder.string());

    FileInstanceLock lock(file);
    EXPECT_TRUE(lock.Acquire()) << "taken for a running copy: the program would end without a word";
    EXPECT_EQ(lock.Problem(), "二重起動の確認に使うロックファイル「 " + file.string() + " 」を使えません。\n" + reason +
                                  "\n\n二重起動を確かめずに起動します。");
    std::error_code ec;
    EXPECT_EQ(fs::exists(fs::symlink_status(file, ec)), c.lockPathTaken);
    EXPECT_FALSE(fs::exists(dir.Path() / "elsewhere" / "target")) << "the link was followed";
  }
}

}  // namespace
}  // namespace vx::platform
