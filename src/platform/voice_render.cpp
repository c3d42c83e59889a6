#include "platform/voice_render.h"

#include <algorithm>
#include <cstring>

namespace vx::platform {
namespace {

constexpr std::ptrdiff_t kTaps = static_cast<std::ptrdiff_t>(kHalfBandTaps.size());

std::int16_t Saturate(std::int32_t v) { return static_cast<std::int16_t>(std::clamp(v, -32768, 32767)); }

std::int32_t Round(float v) { return static_cast<std::int32_t>(v + (v >= 0.0f ? 0.5f : -0.5f)); }

// Kept sample i of channel c; outside the recording it wraps (loop) or is silence.
struct Lane {
  const std::int16_t* data;
  std::ptrdiff_t frames;
  int channels;
  int channel;
  bool loop;
  float At(std::ptrdiff_t i) const {
    if (i < 0 || i >= frames) {
      if (!loop) return 0.0f;
      i %= frames;
      if (i < 0) i += frames;
    }
    return data[i * channels + channel];
  }
  float InsideAt(std::ptrdiff_t i) const { return data[i * channels + channel]; }
};

// Output frame j of a lane at twice its rate, as the offline half-band conversion makes it.
float Doubled(const Lane& lane, std::uint64_t j) {
  const auto i = static_cast<std::ptrdiff_t>(j / 2);
  const bool inside = i - kTaps + 1 >= 0 && i + kTaps < lane.frames;
  if (j % 2 == 0) return inside ? lane.InsideAt(i) : lane.At(i);
  float acc = 0.0f;
  if (inside) {
    for (std::ptrdiff_t k = 0; k < kTaps; ++k)
      acc += kHalfBandTaps[static_cast<std::size_t>(k)] * (lane.InsideAt(i - k) + lane.InsideAt(i + 1 + k));
  } else {
    for (std::ptrdiff_t k = 0; k < kTaps; ++k)
      acc += kHalfBandTaps[static_cast<std::size_t>(k)] * (lane.At(i - k) + lane.At(i + 1 + k));
  }
  return acc;
}

}  // namespace

bool VoiceSamplesFromWav(const WavFormat& format, std::span<const std::uint8_t> image, int outputRate,
                         VoiceSamples& v) {
  if (!format.IsPlainPcm() || format.dataOffset + format.dataSize > image.size()) return false;
  if (format.sampleRate * 4 == outputRate) {
    // Doubled once here into stereo at half the output rate, doubled again while playing.
    const auto count = StereoSampleCount(format, outputRate / 2);
    if (!count) return false;
    v.samples.resize(*count);
    ConvertWavToStereo16(format, image, outputRate / 2, v.samples);
    v.channels = 2;
    v.factor = 2;
    return true;
  }
  if (format.sampleRate == outputRate) {
    v.factor = 1;
  } else if (format.sampleRate * 2 == outputRate) {
    v.factor = 2;
  } else {
    return false;
  }
  v.channels = format.channels;
  const std::size_t count = format.Frames() * static_cast<std::size_t>(format.channels);
  v.samples.resize(count);
  const std::uint8_t* data = image.data() + format.dataOffset;
  if (format.bitsPerSample == 16) {
    std::memcpy(v.samples.data(), data, count * sizeof(std::int16_t));  // little-endian host
  } else {
    for (std::size_t i = 0; i < count; ++i) v.samples[i] = static_cast<std::int16_t>((data[i] - 128) * 256);
  }
  return true;
}

void MixVoice(const VoiceSamples& voice, std::uint64_t start, bool loop, std::size_t frames, float leftGain,
              float rightGain, std::int16_t* out) {
  const std::uint64_t total = voice.OutputFrames();
  if (total == 0) return;
  const auto kept = static_cast<std::ptrdiff_t>(voice.Frames());
  const Lane left{voice.samples.data(), kept, voice.channels, 0, loop};
  const Lane right{voice.samples.data(), kept, voice.channels, voice.channels - 1, loop};
  for (std::size_t n = 0; n < frames; ++n) {
    std::uint64_t j = start + n;
    if (j >= total) {
      if (!loop) return;
      j %= total;
    }
    float l, r;
    if (voice.factor == 1) {
      l = left.InsideAt(static_cast<std::ptrdiff_t>(j));
      r = right.InsideAt(static_cast<std::ptrdiff_t>(j));
    } else {
      l = Doubled(left, j);
      r = voice.channels == 1 ? l : Doubled(right, j);
    }
    out[2 * n] = Saturate(out[2 * n] + Round(l * leftGain));
    out[2 * n + 1] = Saturate(out[2 * n + 1] + Round(r * rightGain));
  }
}

}  // namespace vx::platform
