#pragma once
// WAV file images: reading the header, and turning the samples into the 16-bit
// stereo frames a sound device mixes.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vx::platform {

struct WavFormat {
  int formatTag = 0;  // 1 = PCM; 0xFFFE extensible with a PCM sub-format is reported as 1
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  int blockAlign = 0;
  std::size_t dataOffset = 0;  // first byte of the sample data in the image
  std::size_t dataSize = 0;    // bytes of sample data (cut to what the image holds)

  bool IsPlainPcm() const {
    return formatTag == 1 && (channels == 1 || channels == 2) && (bitsPerSample == 8 || bitsPerSample == 16) &&
           blockAlign == channels * bitsPerSample / 8;
  }
  std::size_t Frames() const { return blockAlign > 0 ? dataSize / static_cast<std::size_t>(blockAlign) : 0; }
  double DurationSeconds() const {
    return sampleRate > 0 ? static_cast<double>(Frames()) / static_cast<double>(sampleRate) : 0.0;
  }
};

// The format and data chunks of a RIFF WAVE image; nothing when the image is not one
// (no RIFF/WAVE tags, no fmt or data chunk, a zero rate, channel count or block size).
std::optional<WavFormat> ParseWav(std::span<const std::uint8_t> image);

// The samples as interleaved signed 16-bit stereo frames at `deviceRate`, for plain
// PCM at the device rate, half of it or a quarter of it (each doubling of the rate is
// a half-band interpolation). Nothing for any other format or rate.
std::optional<std::vector<std::int16_t>> ConvertWavToStereo16(const WavFormat& format,
                                                               std::span<const std::uint8_t> image, int deviceRate);

}  // namespace vx::platform
