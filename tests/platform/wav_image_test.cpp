#include "platform/wav_image.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "support/sound_files.h"

namespace vx::platform {
namespace {

using test::MakeToneWav;
using test::ToneSpec;

TEST(ParseWav, ReadsTheHeaderAndTheDuration) {
  const auto image = MakeToneWav({.sampleRate = 22050, .channels = 1, .bitsPerSample = 16, .seconds = 2.0});
  const auto f = ParseWav(image);
  ASSERT_TRUE(f);
  EXPECT_TRUE(f->IsPlainPcm());
  EXPECT_EQ(f->sampleRate, 22050);
  EXPECT_EQ(f->channels, 1);
  EXPECT_EQ(f->dataOffset, 44u);
  EXPECT_EQ(f->dataSize, 88200u);
  EXPECT_DOUBLE_EQ(f->DurationSeconds(), 2.0);
}

TEST(ParseWav, SkipsOddSizedChunksAndCutsATruncatedDataChunk) {
  auto image = MakeToneWav({.sampleRate = 11025, .channels = 2, .bitsPerSample = 8, .seconds = 0.4});
  // A 3-byte "LIST" chunk (padded to 4) between "fmt " and "data".
  const std::vector<std::uint8_t> list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
  image.insert(image.begin() + 36, list.begin(), list.end());
  image.resize(image.size() - 100);
  const auto f = ParseWav(image);
  ASSERT_TRUE(f);
  EXPECT_EQ(f->dataOffset, 56u);
  EXPECT_EQ(f->dataSize, 8820u - 100u);
  EXPECT_EQ(f->blockAlign, 2);
}

TEST(ParseWav, RefusesWhatIsNoWav) {
  const std::vector<std::uint8_t> empty;
  EXPECT_FALSE(ParseWav(empty));
  const std::string text = "RIFF\x10\0\0\0WAVEjunk";
  EXPECT_FALSE(ParseWav(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())));
  auto noData = MakeToneWav({.seconds = 0.1});
  noData.resize(36);  // header up to the end of "fmt "
  EXPECT_FALSE(ParseWav(noData));
}

// A file cut short is known by the length its chunks declare; a whole one, a stream's
// data chunk of unknown length and what is no RIFF WAVE image are not cut short.
TEST(WavDeclaredLengthPastEnd, TheLengthDeclaredBeyondTheEnd) {
  const auto whole = MakeToneWav({.sampleRate = 8000, .seconds = 0.5});  // 44 + 8000 bytes
  auto cut = [&whole](std::size_t n) {
    return std::vector<std::uint8_t>(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n));
  };
  auto streamed = cut(1044);
  for (std::size_t b = 40; b < 44; ++b) streamed[b] = 0xFF;
  const std::string text = "not a wave file";
  const std::vector<std::uint8_t> notWav(text.begin(), text.end());
  struct Case {
    std::vector<std::uint8_t> image;
    std::optional<std::size_t> declared;
  };
  const Case cases[] = {
      {whole, std::nullopt},    {cut(8043), 8044}, {cut(44), 8044}, {cut(40), 44},  // in the data, at its header
      {cut(30), 36},            {cut(12), 20},     {cut(6), 12},                    // in "fmt ", before it, in "RIFF"
      {streamed, std::nullopt}, {notWav, std::nullopt}, {{}, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(WavDeclaredLengthPastEnd(c.image), c.declared) << c.image.size();
}

// A damaged or hostile header: fields far beyond any sound card are refused, so no
// product of rate, channels and sample size can leave int's range.
TEST(ParseWav, RefusesFieldsBeyondAnySoundCard) {
  struct Case {
    std::size_t offset;  // of the little-endian field in the canonical 44-byte header
    std::uint32_t value;
    int bytes;
  };
  const Case cases[] = {
      {22, 0xFFFF, 2},        // channels
      {24, 0x7FFFFFFF, 4},    // sample rate
      {24, 0xFFFFFFFF, 4},    // sample rate read as negative
      {34, 0xFFFF, 2},        // bits per sample
  };
  for (const auto& c : cases) {
    auto image = MakeToneWav({.seconds = 0.1});
    for (int b = 0; b < c.bytes; ++b) image[c.offset + static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(c.value >> (8 * b));
    EXPECT_FALSE(ParseWav(image)) << "field at " << c.offset;
  }
  auto fine = MakeToneWav({.sampleRate = 48000, .channels = 2, .seconds = 0.1});
  EXPECT_TRUE(ParseWav(fine));
}

// Largest difference between the converted left channel and the ideal tone at the
// device rate, away from the edges, relative to the amplitude.
double ConversionError(const ToneSpec& spec, int deviceRate) {
  const auto image = MakeToneWav(spec);
  const auto f = ParseWav(image);
  const auto count = StereoSampleCount(*f, deviceRate);
  EXPECT_TRUE(count);
  if (!count) return 1.0;
  std::vector<std::int16_t> converted(*count, 12345);
  ConvertWavToStereo16(*f, image, deviceRate, converted);
  const std::vector<std::int16_t>* out = &converted;
  const std::size_t frames = out->size() / 2;
  EXPECT_EQ(frames, static_cast<std::size_t>(std::lround(spec.seconds * deviceRate)));
  double worst = 0;
  for (std::size_t i = 100; i + 100 < frames; ++i) {
    EXPECT_EQ((*out)[2 * i], (*out)[2 * i + 1]);
    const double ideal = spec.amplitude * 32767 * std::sin(2 * std::numbers::pi * spec.frequency * i / deviceRate);
    worst = std::max(worst, std::abs((*out)[2 * i] - ideal) / (spec.amplitude * 32767));
  }
  return worst;
}

TEST(ConvertWavToStereo16, InterpolatesToTheDeviceRate) {
  struct Case {
    ToneSpec spec;
    double maxError;
  };
  const Case cases[] = {
      {{.sampleRate = 44100, .channels = 1, .bitsPerSample = 16, .seconds = 0.2, .frequency = 1000}, 0.001},
      {{.sampleRate = 22050, .channels = 1, .bitsPerSample = 16, .seconds = 0.2, .frequency = 1000}, 0.005},
      {{.sampleRate = 22050, .channels = 1, .bitsPerSample = 16, .seconds = 0.2, .frequency = 5000}, 0.01},
      {{.sampleRate = 11025, .channels = 1, .bitsPerSample = 16, .seconds = 0.2, .frequency = 440}, 0.005},
      {{.sampleRate = 22050, .channels = 2, .bitsPerSample = 16, .seconds = 0.2, .frequency = 1000}, 0.005},
      {{.sampleRate = 22050, .channels = 1, .bitsPerSample = 8, .seconds = 0.2, .frequency = 1000}, 0.02},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.spec.sampleRate << " Hz, " << c.spec.channels << " ch, "
                                    << c.spec.bitsPerSample << " bit, " << c.spec.frequency << " Hz tone");
    EXPECT_LT(ConversionError(c.spec, 44100), c.maxError);
  }
}

TEST(ConvertWavToStereo16, LeavesOtherRatesAndFormatsToTheMixer) {
  const auto odd = MakeToneWav({.sampleRate = 32000, .seconds = 0.1});
  EXPECT_FALSE(StereoSampleCount(*ParseWav(odd), 44100));
  auto adpcm = MakeToneWav({.seconds = 0.1});
  adpcm[20] = 2;  // format tag 2
  EXPECT_FALSE(StereoSampleCount(*ParseWav(adpcm), 44100));
}

}  // namespace
}  // namespace vx::platform
