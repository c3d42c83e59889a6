#pragma once
// WAV file images: reading the header, and turning the samples into the 16-bit
// stereo frames a sound device mixes.
#include <cstddef>
#include <cstdint>
#include <array>
#include <optional>
#include <span>

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
// (no RIFF/WAVE tags, no fmt or data chunk, a zero rate, channel count or block size),
// or when its rate, channel count or sample size is beyond what a sound card plays.
std::optional<WavFormat> ParseWav(std::span<const std::uint8_t> image);

// The length a RIFF WAVE image declares when the image ends before it: before its
// header, a chunk header, or the end of its format or data chunk (read in the order of
// the chunks, up to the first format and data chunks). Nothing for an image that holds
// them whole, and for one that is no RIFF WAVE image at all. A data chunk of unknown
// length (0xFFFFFFFF, as a stream is written) runs to the end of the image.
std::optional<std::size_t> WavDeclaredLengthPastEnd(std::span<const std::uint8_t> image);

// Half-band interpolator that doubles a rate: the new sample between x[n] and x[n+1]
// is the sum of kHalfBandTaps[k] * (x[n-k] + x[n+1+k]). Kaiser-windowed sinc (beta 5):
// flat to 8 kHz at a 22.05 kHz source, images below 8 kHz down by more than 64 dB.
inline constexpr std::array<float, 6> kHalfBandTaps = {0.627645512f, -0.184445326f, 0.085150470f,
                                                       -0.039836273f, 0.016329487f, -0.004843870f};

// Conversion of plain PCM at the device rate, half of it or a quarter of it into
// interleaved signed 16-bit stereo at `deviceRate` (each doubling of the rate is a
// half-band interpolation; mono goes to both sides). The count of 16-bit samples it
// writes (two per frame), or nothing for any other format or rate.
std::optional<std::size_t> StereoSampleCount(const WavFormat& format, int deviceRate);
// Writes the converted samples into `out`, which holds StereoSampleCount of them.
void ConvertWavToStereo16(const WavFormat& format, std::span<const std::uint8_t> image, int deviceRate,
                          std::span<std::int16_t> out);

}  // namespace vx::platform
