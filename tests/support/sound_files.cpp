#include "support/sound_files.h"

#include <cmath>
#include <numbers>

namespace vx::test {
namespace {

void Put16(std::vector<std::uint8_t>& v, std::uint32_t x) {
  v.push_back(static_cast<std::uint8_t>(x & 0xFF));
  v.push_back(static_cast<std::uint8_t>(x >> 8 & 0xFF));
}
void Put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}
void PutBe32(std::vector<std::uint8_t>& v, std::uint32_t x) {
  for (int s = 24; s >= 0; s -= 8) v.push_back(static_cast<std::uint8_t>(x >> s & 0xFF));
}
void PutTag(std::vector<std::uint8_t>& v, const char* tag) {
  for (int i = 0; i < 4; ++i) v.push_back(static_cast<std::uint8_t>(tag[i]));
}
void PutVlq(std::vector<std::uint8_t>& v, std::uint32_t x) {
  std::uint8_t bytes[5];
  int n = 0;
  bytes[n++] = x & 0x7F;
  while (x >>= 7) bytes[n++] = static_cast<std::uint8_t>(0x80 | (x & 0x7F));
  while (n > 0) v.push_back(bytes[--n]);
}

}  // namespace

std::vector<std::uint8_t> MakeToneWav(const ToneSpec& spec) {
  const int bytesPerSample = spec.bitsPerSample / 8;
  const int blockAlign = bytesPerSample * spec.channels;
  const auto frames = static_cast<std::uint32_t>(std::lround(spec.seconds * spec.sampleRate));
  const std::uint32_t dataSize = frames * static_cast<std::uint32_t>(blockAlign);
  std::vector<std::uint8_t> v;
  PutTag(v, "RIFF");
  Put32(v, 36 + dataSize);
  PutTag(v, "WAVE");
  PutTag(v, "fmt ");
  Put32(v, 16);
  Put16(v, 1);
  Put16(v, static_cast<std::uint32_t>(spec.channels));
  Put32(v, static_cast<std::uint32_t>(spec.sampleRate));
  Put32(v, static_cast<std::uint32_t>(spec.sampleRate * blockAlign));
  Put16(v, static_cast<std::uint32_t>(blockAlign));
  Put16(v, static_cast<std::uint32_t>(spec.bitsPerSample));
  PutTag(v, "data");
  Put32(v, dataSize);
  for (std::uint32_t i = 0; i < frames; ++i) {
    const double s = spec.amplitude * std::sin(2 * std::numbers::pi * spec.frequency * i / spec.sampleRate);
    for (int c = 0; c < spec.channels; ++c) {
      if (spec.bitsPerSample == 8) {
        v.push_back(static_cast<std::uint8_t>(std::lround(128 + s * 127)));
      } else {
        Put16(v, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(s * 32767))));
      }
    }
  }
  return v;
}

std::string AsBytes(const std::vector<std::uint8_t>& v) { return std::string(v.begin(), v.end()); }

std::vector<std::uint8_t> MakeMidi(const std::vector<MidiNote>& notes, int program, std::uint32_t microsPerQuarter,
                                   std::uint16_t division) {
  std::vector<std::uint8_t> track;
  track.insert(track.end(), {0x00, 0xFF, 0x51, 0x03});
  track.push_back(static_cast<std::uint8_t>(microsPerQuarter >> 16));
  track.push_back(static_cast<std::uint8_t>(microsPerQuarter >> 8));
  track.push_back(static_cast<std::uint8_t>(microsPerQuarter));
  track.insert(track.end(), {0x00, 0xC0, static_cast<std::uint8_t>(program)});
  for (const MidiNote& n : notes) {
    PutVlq(track, 0);
    track.insert(track.end(), {0x90, static_cast<std::uint8_t>(n.key), static_cast<std::uint8_t>(n.velocity)});
    PutVlq(track, n.lengthTicks);
    track.insert(track.end(), {0x80, static_cast<std::uint8_t>(n.key), 0x00});
  }
  track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});

  std::vector<std::uint8_t> v;
  PutTag(v, "MThd");
  PutBe32(v, 6);
  v.insert(v.end(), {0x00, 0x00, 0x00, 0x01});
  v.push_back(static_cast<std::uint8_t>(division >> 8));
  v.push_back(static_cast<std::uint8_t>(division & 0xFF));
  PutTag(v, "MTrk");
  PutBe32(v, static_cast<std::uint32_t>(track.size()));
  v.insert(v.end(), track.begin(), track.end());
  return v;
}

}  // namespace vx::test
