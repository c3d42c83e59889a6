// The sample installation holds every recording the call-out program loads, and its silent
// "x" copies last as long as their start sounds.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "callout/exp_sounds.h"
#include "platform/paths.h"
#include "platform/wav_image.h"

namespace vx::callout {
namespace {

namespace fs = std::filesystem;

std::optional<platform::WavFormat> Wav(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return platform::ParseWav(bytes);
}

TEST(SampleRecordings, EveryCallOutSoundIsThereAndEachSilentCopyIsAsLongAsItsStart) {
  const char* build = std::getenv("VX_BUILD_DIR");
  const fs::path sample = fs::path(build ? build : ".") / "sample-installation";
  if (!fs::exists(sample / "Wav")) GTEST_SKIP() << "no sample installation (it needs espeak-ng, sox and lame)";
  const platform::Paths paths(sample);
  for (const std::string& literal : CallSoundPaths()) {
    const auto file = paths.Under(literal);
    const auto format = Wav(file);
    ASSERT_TRUE(format) << literal;
    EXPECT_GT(format->DurationSeconds(), 0.0) << literal;
  }
  // Buffers of a start sound and of its silent copy.
  for (const auto& [startIndex, copyIndex] : {std::pair{23, 24}, {27, 28}, {29, 30}, {35, 36}}) {
    const std::string& startPath = CallSoundPaths()[static_cast<std::size_t>(startIndex)];
    const std::string& copyPath = CallSoundPaths()[static_cast<std::size_t>(copyIndex)];
    ASSERT_EQ(copyPath.substr(0, copyPath.size() - 5) + ".wav", startPath) << "an x copy follows its start";
    const auto a = Wav(paths.Under(startPath));
    const auto b = Wav(paths.Under(copyPath));
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->Frames(), b->Frames()) << copyPath;
    EXPECT_EQ(a->sampleRate, b->sampleRate) << copyPath;
  }
}

}  // namespace
}  // namespace vx::callout
