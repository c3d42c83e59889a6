#include "platform/shared_memory.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace vx::platform {
namespace {

class SharedMemoryTest : public ::testing::Test {
 protected:
  void TearDown() override { SharedMemory::Remove(prefix, kName); }
  // True when the named object is still in the system, with its first byte.
  bool ObjectLeft(std::uint8_t& firstByte) const {
    const int fd = shm_open(SharedMemory::ObjectName(prefix, kName).c_str(), O_RDONLY, 0);
    if (fd < 0) return false;
    const bool ok = read(fd, &firstByte, 1) == 1;
    close(fd);
    return ok;
  }
  std::string Init() const { return SharedMemory::ObjectName(prefix, kName) + ".init"; }
  static bool Exists(const std::string& name) { return std::filesystem::exists("/dev/shm" + name); }
  static constexpr const char* kName = "VEXLORPRO_TEST";
  const std::string prefix = test::UniqueName("vxshm") + "_";
};

TEST_F(SharedMemoryTest, TwoHoldersInOneProcessSeeEachOther) {
  auto a = SharedMemory::Open(prefix, kName, 54);
  auto b = SharedMemory::Open(prefix, kName, 54);
  ASSERT_TRUE(a && b);
  EXPECT_TRUE(a->Created());
  EXPECT_FALSE(b->Created());
  a->Data()[53] = std::byte{0x5A};
  EXPECT_TRUE(a->Flush());
  EXPECT_EQ(b->Data()[53], std::byte{0x5A});
  b->Data()[0] = std::byte{1};
  EXPECT_EQ(a->Data()[0], std::byte{1});
}

TEST_F(SharedMemoryTest, ZeroFilledOnceEveryHolderHasClosed) {
  auto a = SharedMemory::Open(prefix, kName, 6);
  auto b = SharedMemory::Open(prefix, kName, 6);
  a->Data()[2] = std::byte{73};
  a.reset();
  // A holder remains: the content stays, also for a new opener.
  auto c = SharedMemory::Open(prefix, kName, 6);
  EXPECT_EQ(c->Data()[2], std::byte{73});
  b.reset();
  c.reset();
  auto d = SharedMemory::Open(prefix, kName, 6);
  ASSERT_TRUE(d);
  EXPECT_TRUE(d->Created());
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(d->Data()[i], std::byte{0}) << i;
}

TEST_F(SharedMemoryTest, SizeIsCheckedBeforeMapping) {
  auto small = SharedMemory::Open(prefix, kName, 4);
  ASSERT_TRUE(small);
  EXPECT_EQ(SharedMemory::Open(prefix, kName, 54), nullptr);
  auto smaller = SharedMemory::Open(prefix, kName, 2);
  ASSERT_TRUE(smaller);
  EXPECT_EQ(smaller->Size(), 2u);
  EXPECT_EQ(SharedMemory::Open(prefix, kName, 0), nullptr);
}

TEST_F(SharedMemoryTest, ContentOfACrashedHolderIsNotSeen) {
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    auto m = SharedMemory::Open(prefix, kName, 4);
    if (m) m->Data()[0] = std::byte{0xAB};
    _exit(m ? 0 : 1);  // no destructor runs: as if the program crashed
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  std::uint8_t left = 0;
  ASSERT_TRUE(ObjectLeft(left));
  EXPECT_EQ(left, 0xAB);  // the crashed holder's bytes are still in the system

  auto m = SharedMemory::Open(prefix, kName, 4);
  ASSERT_TRUE(m);
  EXPECT_TRUE(m->Created());
  EXPECT_EQ(m->Data()[0], std::byte{0});
}

TEST_F(SharedMemoryTest, AHolderInAnotherProcessKeepsItsContent) {
  int ready[2], done[2];
  ASSERT_EQ(pipe(ready), 0);
  ASSERT_EQ(pipe(done), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    auto m = SharedMemory::Open(prefix, kName, 4);
    if (m) m->Data()[3] = std::byte{88};
    char c = m ? 1 : 0;
    (void)!write(ready[1], &c, 1);
    (void)!read(done[0], &c, 1);  // hold it until the parent has looked
    _exit(0);
  }
  char c = 0;
  ASSERT_EQ(read(ready[0], &c, 1), 1);
  ASSERT_EQ(c, 1);
  auto m = SharedMemory::Open(prefix, kName, 4);
  ASSERT_TRUE(m);
  EXPECT_FALSE(m->Created());
  EXPECT_EQ(m->Data()[3], std::byte{88});
  (void)!write(done[1], &c, 1);
  waitpid(child, nullptr, 0);
  // The other holder has gone; this one still sees the content.
  EXPECT_EQ(m->Data()[3], std::byte{88});
  for (int fd : {ready[0], ready[1], done[0], done[1]}) close(fd);
}

TEST_F(SharedMemoryTest, LastHolderRemovesTheObjectAndItsLockObject) {
  auto m = SharedMemory::Open(prefix, kName, 4);
  auto n = SharedMemory::Open(prefix, kName, 4);
  std::uint8_t first = 0;
  EXPECT_TRUE(ObjectLeft(first));
  m.reset();
  EXPECT_TRUE(ObjectLeft(first)) << "another holder remains";
  EXPECT_TRUE(Exists(Init()));
  n.reset();
  EXPECT_FALSE(ObjectLeft(first));
  EXPECT_FALSE(Exists(Init()));
}

TEST_F(SharedMemoryTest, ObjectsCarryTheUsersIdAndAreTheUsersAlone) {
  EXPECT_EQ(SharedMemory::ObjectName(prefix, kName), "/vexlor-" + std::to_string(geteuid()) + "-" + prefix + kName);
  const mode_t old = umask(0);  // whatever the user's mask, the objects stay private
  auto m = SharedMemory::Open(prefix, kName, 4);
  umask(old);
  ASSERT_TRUE(m);
  for (const std::string& name : {SharedMemory::ObjectName(prefix, kName), Init()}) {
    struct stat st {};
    ASSERT_EQ(stat(("/dev/shm" + name).c_str(), &st), 0) << name;
    EXPECT_EQ(st.st_mode & 0777, 0600u) << name;
    EXPECT_EQ(st.st_uid, geteuid()) << name;
  }
}

TEST_F(SharedMemoryTest, AnObjectOpenToOthersIsNotUsed) {
  for (const std::string& name : {SharedMemory::ObjectName(prefix, kName), Init()}) {
    SCOPED_TRACE(name);
    const int fd = shm_open(name.c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(fchmod(fd, 0666), 0);
    ASSERT_EQ(ftruncate(fd, 4), 0);
    close(fd);
    EXPECT_EQ(SharedMemory::Open(prefix, kName, 4), nullptr);
    SharedMemory::Remove(prefix, kName);
  }
}

// Openers and closers in several processes at once: every open succeeds, and nothing is
// left once all have closed.
TEST_F(SharedMemoryTest, ManyOpenersAndClosersLeaveNothingBehind) {
  std::vector<pid_t> children;
  for (int c = 0; c < 4; ++c) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      bool ok = true;
      for (int i = 0; i < 300 && ok; ++i) ok = SharedMemory::Open(prefix, kName, 4) != nullptr;
      _exit(ok ? 0 : 1);
    }
    children.push_back(child);
  }
  for (pid_t child : children) {
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  std::uint8_t first = 0;
  EXPECT_FALSE(ObjectLeft(first));
  EXPECT_FALSE(Exists(Init()));
}


}  // namespace
}  // namespace vx::platform
