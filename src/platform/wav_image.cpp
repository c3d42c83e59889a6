#include "platform/wav_image.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace vx::platform {
namespace {

std::uint32_t U32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

bool Tag(const std::uint8_t* p, const char* tag) { return std::memcmp(p, tag, 4) == 0; }

// Half-band interpolator: the new sample between x[n] and x[n+1] is
// sum h[k] * (x[n-k] + x[n+1+k]). Kaiser-windowed sinc (beta 5): flat to 8 kHz at a
// 22.05 kHz source, images below 8 kHz attenuated by more than 64 dB.
constexpr std::array<float, 6> kHalfBand = {0.627645512f, -0.184445326f, 0.085150470f,
                                            -0.039836273f, 0.016329487f, -0.004843870f};
constexpr std::size_t kTaps = kHalfBand.size();

// Doubles the rate of one channel.
std::vector<float> Upsample2(const std::vector<float>& in) {
  const std::size_t n = in.size();
  std::vector<float> padded(n + 2 * kTaps, 0.0f);
  for (std::size_t i = 0; i < n; ++i) padded[kTaps + i] = in[i];
  std::vector<float> out(2 * n);
  const float* x = padded.data() + kTaps;
  for (std::size_t i = 0; i < n; ++i) {
    const float* here = x + i;
    float acc = 0.0f;
    for (std::size_t k = 0; k < kTaps; ++k) {
      const auto back = static_cast<std::ptrdiff_t>(k);
      acc += kHalfBand[k] * (here[-back] + here[back + 1]);
    }
    out[2 * i] = here[0];
    out[2 * i + 1] = acc;
  }
  return out;
}

std::int16_t Clamp16(float v) {
  const float r = std::nearbyint(v);
  return static_cast<std::int16_t>(std::clamp(r, -32768.0f, 32767.0f));
}

}  // namespace

std::optional<WavFormat> ParseWav(std::span<const std::uint8_t> image) {
  if (image.size() < 12 || !Tag(image.data(), "RIFF") || !Tag(image.data() + 8, "WAVE")) return std::nullopt;
  WavFormat f;
  bool haveFmt = false, haveData = false;
  std::size_t pos = 12;
  while (pos + 8 <= image.size() && !(haveFmt && haveData)) {
    const std::uint8_t* chunk = image.data() + pos;
    const std::size_t size = U32(chunk + 4);
    const std::size_t body = pos + 8;
    const std::size_t available = image.size() - body;
    if (Tag(chunk, "fmt ")) {
      if (size < 16 || available < 16) return std::nullopt;
      const std::uint8_t* p = image.data() + body;
      f.formatTag = U16(p);
      f.channels = U16(p + 2);
      f.sampleRate = static_cast<int>(U32(p + 4));
      f.blockAlign = U16(p + 12);
      f.bitsPerSample = U16(p + 14);
      if (f.formatTag == 0xFFFE && size >= 40 && available >= 40 && U16(p + 24) == 1) f.formatTag = 1;
      haveFmt = true;
    } else if (Tag(chunk, "data")) {
      f.dataOffset = body;
      f.dataSize = std::min(size, available);
      haveData = true;
    }
    if (size > available) break;
    pos = body + size + (size & 1);
  }
  if (!haveFmt || !haveData || f.channels <= 0 || f.sampleRate <= 0 || f.blockAlign <= 0) return std::nullopt;
  return f;
}

std::optional<std::vector<std::int16_t>> ConvertWavToStereo16(const WavFormat& format,
                                                               std::span<const std::uint8_t> image, int deviceRate) {
  if (!format.IsPlainPcm() || format.dataOffset + format.dataSize > image.size()) return std::nullopt;
  int doublings = 0;
  if (format.sampleRate == deviceRate) {
    doublings = 0;
  } else if (format.sampleRate * 2 == deviceRate) {
    doublings = 1;
  } else if (format.sampleRate * 4 == deviceRate) {
    doublings = 2;
  } else {
    return std::nullopt;
  }

  const std::size_t frames = format.Frames();
  const std::uint8_t* data = image.data() + format.dataOffset;
  const int channels = format.channels;
  const bool eightBit = format.bitsPerSample == 8;
  auto sampleAt = [&](std::size_t frame, int channel) -> std::int16_t {
    const std::size_t index = frame * static_cast<std::size_t>(channels) + static_cast<std::size_t>(channel);
    if (eightBit) return static_cast<std::int16_t>((static_cast<int>(data[index]) - 128) * 256);
    return static_cast<std::int16_t>(U16(data + 2 * index));
  };

  std::vector<std::int16_t> out;
  if (doublings == 0) {
    out.resize(frames * 2);
    for (std::size_t i = 0; i < frames; ++i) {
      out[2 * i] = sampleAt(i, 0);
      out[2 * i + 1] = sampleAt(i, channels - 1);
    }
    return out;
  }

  std::array<std::vector<float>, 2> lanes;
  for (int c = 0; c < channels; ++c) {
    std::vector<float> lane(frames);
    for (std::size_t i = 0; i < frames; ++i) lane[i] = sampleAt(i, c);
    for (int d = 0; d < doublings; ++d) lane = Upsample2(lane);
    lanes[static_cast<std::size_t>(c)] = std::move(lane);
  }
  const std::vector<float>& left = lanes[0];
  const std::vector<float>& right = channels == 2 ? lanes[1] : lanes[0];
  out.resize(left.size() * 2);
  for (std::size_t i = 0; i < left.size(); ++i) {
    out[2 * i] = Clamp16(left[i]);
    out[2 * i + 1] = channels == 2 ? Clamp16(right[i]) : out[2 * i];
  }
  return out;
}

}  // namespace vx::platform
