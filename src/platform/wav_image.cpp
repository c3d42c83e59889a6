#include "platform/wav_image.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace vx::platform {
namespace {

std::uint32_t U32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

bool Tag(const std::uint8_t* p, const char* tag) { return std::memcmp(p, tag, 4) == 0; }

constexpr const auto& kHalfBand = kHalfBandTaps;
constexpr std::ptrdiff_t kTaps = static_cast<std::ptrdiff_t>(kHalfBand.size());

std::int16_t ToSample(float v) {
  const float r = v + (v >= 0.0f ? 0.5f : -0.5f);
  if (r >= 32767.0f) return 32767;
  if (r <= -32768.0f) return -32768;
  return static_cast<std::int16_t>(r);
}

// Doubles the rate of one lane of n samples, read through `at` (0 <= i < n), writing
// each result through `put` (index 0 .. 2n-1). Samples beyond the ends count as 0.
template <class At, class Put>
void Upsample2(std::ptrdiff_t n, At at, Put put) {
  auto clipped = [&](std::ptrdiff_t i) { return i < 0 || i >= n ? 0.0f : at(i); };
  auto edge = [&](std::ptrdiff_t i) {
    float acc = 0.0f;
    for (std::ptrdiff_t k = 0; k < kTaps; ++k)
      acc += kHalfBand[static_cast<std::size_t>(k)] * (clipped(i - k) + clipped(i + 1 + k));
    put(2 * i, clipped(i));
    put(2 * i + 1, acc);
  };
  const std::ptrdiff_t first = std::min(kTaps - 1, n);
  const std::ptrdiff_t last = std::max(first, n - kTaps);  // interior: i - k >= 0 and i + 1 + k < n
  for (std::ptrdiff_t i = 0; i < first; ++i) edge(i);
  for (std::ptrdiff_t i = first; i < last; ++i) {
    float acc = 0.0f;
    for (std::ptrdiff_t k = 0; k < kTaps; ++k) acc += kHalfBand[static_cast<std::size_t>(k)] * (at(i - k) + at(i + 1 + k));
    put(2 * i, at(i));
    put(2 * i + 1, acc);
  }
  for (std::ptrdiff_t i = last; i < n; ++i) edge(i);
}

// Fields within what any sound card plays; beyond them the file is damaged or hostile,
// and the products of rate, channels and sample size must stay far from int's range.
constexpr int kMaxChannels = 8;
constexpr int kMaxSampleRate = 384000;
constexpr int kMaxBitsPerSample = 64;

bool SaneFormat(const WavFormat& f) {
  return f.channels > 0 && f.channels <= kMaxChannels && f.sampleRate > 0 && f.sampleRate <= kMaxSampleRate &&
         f.bitsPerSample >= 0 && f.bitsPerSample <= kMaxBitsPerSample && f.blockAlign > 0;
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
  if (!haveFmt || !haveData || !SaneFormat(f)) return std::nullopt;
  return f;
}

std::optional<std::size_t> WavDeclaredLengthPastEnd(std::span<const std::uint8_t> image) {
  constexpr std::size_t kHeader = 12, kChunkHeader = 8;
  if (image.size() < 4 || !Tag(image.data(), "RIFF")) return std::nullopt;
  if (image.size() < kHeader) return kHeader;
  if (!Tag(image.data() + 8, "WAVE")) return std::nullopt;
  bool haveFmt = false, haveData = false;
  std::size_t pos = kHeader;
  while (!(haveFmt && haveData)) {
    if (pos + kChunkHeader > image.size()) return pos + kChunkHeader;
    const std::uint8_t* chunk = image.data() + pos;
    const std::size_t size = U32(chunk + 4);
    const bool data = Tag(chunk, "data");
    if (data && size == 0xFFFFFFFFu) return std::nullopt;
    haveFmt = haveFmt || Tag(chunk, "fmt ");
    haveData = haveData || data;
    const std::size_t end = pos + kChunkHeader + size;
    if (end > image.size()) return end;
    pos = end + (size & 1);
  }
  return std::nullopt;
}

namespace {

int RateFactor(const WavFormat& format, int deviceRate) {
  if (format.sampleRate == deviceRate) return 1;
  if (format.sampleRate * 2 == deviceRate) return 2;
  if (format.sampleRate * 4 == deviceRate) return 4;
  return 0;
}

// One channel of the PCM data as floats on the 16-bit scale.
template <int Channels, int Bits>
struct PcmLane {
  const std::uint8_t* data;
  int channel;
  float operator()(std::ptrdiff_t i) const {
    const std::ptrdiff_t index = i * Channels + channel;
    if constexpr (Bits == 8) {
      return static_cast<float>((static_cast<int>(data[index]) - 128) * 256);
    } else {
      return static_cast<float>(static_cast<std::int16_t>(U16(data + 2 * index)));
    }
  }
};

// Writes one converted lane: a mono lane to both sides, a stereo lane to its own.
template <int Channels>
struct StereoSink {
  std::int16_t* out;
  int channel;
  void operator()(std::ptrdiff_t j, float v) const {
    const std::int16_t s = ToSample(v);
    if constexpr (Channels == 1) {
      out[2 * j] = s;
      out[2 * j + 1] = s;
    } else {
      out[2 * j + channel] = s;
    }
  }
};

template <int Channels, int Bits>
void Convert(const std::uint8_t* data, std::ptrdiff_t frames, int factor, std::int16_t* out) {
  for (int c = 0; c < Channels; ++c) {
    const PcmLane<Channels, Bits> at{data, c};
    const StereoSink<Channels> put{out, c};
    if (factor == 1) {
      for (std::ptrdiff_t i = 0; i < frames; ++i) put(i, at(i));
    } else if (factor == 2) {
      Upsample2(frames, at, put);
    } else {
      std::vector<float> twice(static_cast<std::size_t>(2 * frames));
      Upsample2(frames, at, [&](std::ptrdiff_t j, float v) { twice[static_cast<std::size_t>(j)] = v; });
      Upsample2(2 * frames, [&](std::ptrdiff_t i) { return twice[static_cast<std::size_t>(i)]; }, put);
    }
  }
}

}  // namespace

std::optional<std::size_t> StereoSampleCount(const WavFormat& format, int deviceRate) {
  const int factor = RateFactor(format, deviceRate);
  if (!format.IsPlainPcm() || factor == 0) return std::nullopt;
  return format.Frames() * static_cast<std::size_t>(factor) * 2;
}

void ConvertWavToStereo16(const WavFormat& format, std::span<const std::uint8_t> image, int deviceRate,
                          std::span<std::int16_t> out) {
  const auto count = StereoSampleCount(format, deviceRate);
  if (!count || out.size() < *count || format.dataOffset + format.dataSize > image.size()) return;
  const std::uint8_t* data = image.data() + format.dataOffset;
  const auto frames = static_cast<std::ptrdiff_t>(format.Frames());
  const int factor = RateFactor(format, deviceRate);
  const int kind = format.channels * 100 + format.bitsPerSample;
  switch (kind) {
    case 116: Convert<1, 16>(data, frames, factor, out.data()); break;
    case 108: Convert<1, 8>(data, frames, factor, out.data()); break;
    case 216: Convert<2, 16>(data, frames, factor, out.data()); break;
    case 208: Convert<2, 8>(data, frames, factor, out.data()); break;
    default: break;
  }
}

}  // namespace vx::platform
