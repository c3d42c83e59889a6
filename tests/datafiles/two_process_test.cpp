// One process rewrites a hand-over file 10,000 times while this one reads it: no read may
// see a partial file, and taking the one-shot file never loses the last rewrite.
#include <spawn.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <optional>

#include "datafiles/positional_text.h"
#include "datafiles/sound_settings_file.h"
#include "platform/text_file.h"
#include "runtime/cp932.h"
#include "runtime/numbers.h"
#include "runtime/runtime_error.h"
#include "support/temp_dir.h"

extern char** environ;

namespace vx::datafiles {
namespace {

constexpr int kRewrites = 10000;

class Rewriter {
 public:
  explicit Rewriter(const std::filesystem::path& file) {
    const std::string program = VX_HANDOVER_REWRITER;
    const std::string fileArg = file.string();
    const std::string countArg = std::to_string(kRewrites);
    char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(fileArg.c_str()),
                    const_cast<char*>(countArg.c_str()), nullptr};
    if (posix_spawn(&pid_, program.c_str(), nullptr, nullptr, argv, environ) != 0) pid_ = -1;
  }
  ~Rewriter() {
    if (pid_ > 0 && !exitStatus_) waitpid(pid_, nullptr, 0);
  }
  bool Started() const { return pid_ > 0; }
  // Whether it has ended (its exit status is then kept).
  bool Ended() {
    if (exitStatus_) return true;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) != pid_) return false;
    exitStatus_ = status;
    return true;
  }
  bool Succeeded() const { return exitStatus_ && WIFEXITED(*exitStatus_) && WEXITSTATUS(*exitStatus_) == 0; }

 private:
  pid_t pid_ = -1;
  std::optional<int> exitStatus_;
};

// The copy number of a whole file; fails the test for a partial or mixed one.
int CopyNumber(const std::string& bytes) {
  std::size_t lineEnds = 0;
  for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) ++lineEnds;
  EXPECT_EQ(lineEnds, 108u);
  EXPECT_TRUE(bytes.ends_with(runtime::Utf8ToCp932(";-------------- 設定ここまで ------------------\r\n")));
  const auto values = ExtractValues(runtime::Cp932ToUtf8(bytes));
  EXPECT_EQ(values.size(), 49u);
  if (values.empty()) return -1;
  for (const auto& v : values) EXPECT_EQ(v, values.front());
  return runtime::CInt(values.front());
}

int CopyNumber(const VexlorSdCfg& sd) {
  const int n = sd.CallV1;
  EXPECT_EQ(sd.CallVolumeLevels[0], n);
  EXPECT_EQ(sd.GoAroundFlap, n);
  EXPECT_EQ(sd.SpeedReductionHeights[5], n);
  EXPECT_EQ(sd.landingRunwayNumber, runtime::IntText(n));
  EXPECT_EQ(sd.CallElevationFt, n);
  return n;
}

TEST(TwoProcesses, AReaderNeverSeesAPartialFile) {
  vx::test::TempDir dir;
  const auto file = dir.Path() / "vexlorSD.cfg";
  Rewriter writer(file);
  ASSERT_TRUE(writer.Started());
  int reads = 0;
  int last = 0;
  while (!writer.Ended()) {
    std::string bytes;
    try {
      bytes = platform::ReadBinaryFile(file);
    } catch (const runtime::RuntimeError&) {
      continue;  // not written yet
    }
    const int n = CopyNumber(bytes);
    EXPECT_GE(n, last);
    last = n;
    ++reads;
    if (::testing::Test::HasFailure()) break;
  }
  ASSERT_TRUE(writer.Succeeded());
  EXPECT_EQ(CopyNumber(platform::ReadBinaryFile(file)), kRewrites);
  EXPECT_GT(reads, 0);
  std::cout << reads << " reads during " << kRewrites << " rewrites\n";
}

TEST(TwoProcesses, TakingTheOneShotFileNeverLosesTheLastRewrite) {
  vx::test::TempDir dir;
  const auto file = dir.Path() / "vexlorSD.cfg";
  Rewriter writer(file);
  ASSERT_TRUE(writer.Started());
  int takes = 0;
  int last = 0;
  auto take = [&] {
    VexlorSdCfg sd;
    if (!TakeVexlorSdCfgFile(file, sd)) return;
    const int n = CopyNumber(sd);
    EXPECT_GT(n, last);
    last = n;
    ++takes;
  };
  while (!writer.Ended() && !::testing::Test::HasFailure()) take();
  ASSERT_TRUE(writer.Succeeded());
  take();
  EXPECT_EQ(last, kRewrites);
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
  std::cout << takes << " takes during " << kRewrites << " rewrites\n";
}

}  // namespace
}  // namespace vx::datafiles
