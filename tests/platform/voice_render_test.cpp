#include "platform/voice_render.h"

#include <gtest/gtest.h>

#include "support/sound_files.h"

namespace vx::platform {
namespace {

VoiceSamples Load(const std::vector<std::uint8_t>& image, int outputRate = 44100) {
  VoiceSamples v;
  EXPECT_TRUE(VoiceSamplesFromWav(*ParseWav(image), image, outputRate, v));
  return v;
}

// Mixing a recording while it plays, block by block, gives what converting it whole gives.
TEST(MixVoice, PlayingBlockByBlockEqualsTheWholeConversion) {
  const test::ToneSpec specs[] = {
      {.sampleRate = 22050, .channels = 1, .seconds = 0.3, .frequency = 1000},
      {.sampleRate = 22050, .channels = 2, .bitsPerSample = 8, .seconds = 0.3, .frequency = 300},
      {.sampleRate = 11025, .channels = 1, .seconds = 0.3, .frequency = 440},
      {.sampleRate = 44100, .channels = 2, .seconds = 0.3, .frequency = 2000},
  };
  for (const auto& spec : specs) {
    SCOPED_TRACE(testing::Message() << spec.sampleRate << " Hz, " << spec.channels << " ch");
    const auto image = test::MakeToneWav(spec);
    const auto format = *ParseWav(image);
    std::vector<std::int16_t> whole(*StereoSampleCount(format, 44100));
    ConvertWavToStereo16(format, image, 44100, whole);

    const VoiceSamples voice = Load(image);
    ASSERT_EQ(voice.OutputFrames() * 2, whole.size());
    std::vector<std::int16_t> mixed(whole.size() + 2048, 0);
    for (std::size_t start = 0; start < whole.size() / 2 + 1024; start += 1024)
      MixVoice(voice, start, false, 1024, 1.0f, 1.0f, mixed.data() + 2 * start);
    for (std::size_t i = 0; i < whole.size(); ++i) ASSERT_NEAR(mixed[i], whole[i], 1) << "sample " << i;
    for (std::size_t i = whole.size(); i < mixed.size(); ++i) ASSERT_EQ(mixed[i], 0) << "past the end " << i;
  }
}

TEST(MixVoice, ALoopJoinsItsEndsAndGainsScaleAndSaturate) {
  // 441 frames of 1 kHz at 44.1 kHz: exactly ten periods, so the loop continues the tone.
  const auto image = test::MakeToneWav({.sampleRate = 44100, .channels = 1, .seconds = 0.01, .frequency = 1000});
  const VoiceSamples voice = Load(image);
  std::vector<std::int16_t> out(2 * 1000, 0);
  MixVoice(voice, 300, true, 1000, 1.0f, 0.5f, out.data());
  for (std::size_t n = 0; n < 1000; ++n) {
    const auto& s = voice.samples;
    ASSERT_EQ(out[2 * n], s[(300 + n) % 441]);
    ASSERT_NEAR(out[2 * n + 1], s[(300 + n) % 441] * 0.5, 0.51);
  }
  std::vector<std::int16_t> loud(2 * 441, 30000);
  MixVoice(voice, 0, false, 441, 1.0f, 0.0f, loud.data());
  EXPECT_EQ(*std::max_element(loud.begin(), loud.end()), 32767);
  EXPECT_EQ(loud[1], 30000);
}

TEST(VoiceSamplesFromWav, KeepsRecordingsAtTheirOwnRate) {
  const auto image = test::MakeToneWav({.sampleRate = 22050, .channels = 1, .seconds = 2.0});
  const VoiceSamples v = Load(image);
  EXPECT_EQ(v.channels, 1);
  EXPECT_EQ(v.factor, 2);
  EXPECT_EQ(v.samples.size(), 44100u);
  EXPECT_EQ(v.OutputFrames(), 88200u);
  VoiceSamples odd;
  const auto other = test::MakeToneWav({.sampleRate = 16000});
  EXPECT_FALSE(VoiceSamplesFromWav(*ParseWav(other), other, 44100, odd));
}

}  // namespace
}  // namespace vx::platform
