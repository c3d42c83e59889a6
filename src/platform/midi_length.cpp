#include "platform/midi_length.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace vx::platform {
namespace {

class Reader {
 public:
  Reader(const std::uint8_t* p, std::size_t n) : p_(p), n_(n) {}
  bool Done() const { return pos_ >= n_; }
  bool Byte(std::uint8_t& b) {
    if (pos_ >= n_) return false;
    b = p_[pos_++];
    return true;
  }
  bool Peek(std::uint8_t& b) const {
    if (pos_ >= n_) return false;
    b = p_[pos_];
    return true;
  }
  bool Vlq(std::uint32_t& v) {
    v = 0;
    for (int i = 0; i < 4; ++i) {
      std::uint8_t b;
      if (!Byte(b)) return false;
      v = (v << 7) | (b & 0x7F);
      if (!(b & 0x80)) return true;
    }
    return false;
  }
  bool Skip(std::size_t k) {
    if (k > n_ - pos_) return false;
    pos_ += k;
    return true;
  }
  const std::uint8_t* Here() const { return p_ + pos_; }
  std::size_t Left() const { return n_ - pos_; }

 private:
  const std::uint8_t* p_;
  std::size_t n_;
  std::size_t pos_ = 0;
};

std::uint32_t Be32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
         static_cast<std::uint32_t>(p[2]) << 8 | p[3];
}

// Reads one track up to its end or its last complete event: the tick reached, and its
// tempo changes into `tempos` (tick -> µs per quarter note).
std::uint64_t ReadTrack(Reader r, std::multimap<std::uint64_t, std::uint32_t>& tempos) {
  std::uint64_t tick = 0;
  std::uint64_t reached = 0;
  std::uint8_t status = 0;
  while (!r.Done()) {
    std::uint32_t delta;
    if (!r.Vlq(delta)) break;
    tick += delta;
    std::uint8_t b;
    if (!r.Peek(b)) break;
    if (b & 0x80) {
      r.Byte(b);
      status = b;
    } else if (status == 0) {
      break;
    }
    if (status == 0xFF) {
      std::uint8_t type;
      std::uint32_t length;
      if (!r.Byte(type) || !r.Vlq(length) || length > r.Left()) break;
      if (type == 0x51 && length == 3) {
        const std::uint8_t* d = r.Here();
        tempos.emplace(tick, static_cast<std::uint32_t>(d[0]) << 16 | static_cast<std::uint32_t>(d[1]) << 8 | d[2]);
      }
      r.Skip(length);
      status = 0;  // meta and system events cancel running status
      reached = tick;
      if (type == 0x2F) break;
    } else if (status == 0xF0 || status == 0xF7) {
      std::uint32_t length;
      if (!r.Vlq(length) || !r.Skip(length)) break;
      status = 0;
      reached = tick;
    } else {
      const int kind = status & 0xF0;
      if (!r.Skip(kind == 0xC0 || kind == 0xD0 ? 1 : 2)) break;
      reached = tick;
    }
  }
  return reached;
}

}  // namespace

std::optional<double> MidiDurationSeconds(std::span<const std::uint8_t> file) {
  if (file.size() < 14 || std::memcmp(file.data(), "MThd", 4) != 0) return std::nullopt;
  const std::uint32_t headerLength = Be32(file.data() + 4);
  if (headerLength < 6 || headerLength > file.size() - 8) return std::nullopt;
  const std::uint16_t division = static_cast<std::uint16_t>(file[12] << 8 | file[13]);
  if (division == 0) return std::nullopt;

  std::uint64_t lastTick = 0;
  std::multimap<std::uint64_t, std::uint32_t> tempos;
  bool anyTrack = false;
  std::size_t pos = 8 + headerLength;
  while (pos + 8 <= file.size()) {
    const std::uint32_t length = Be32(file.data() + pos + 4);
    const std::size_t body = pos + 8;
    const std::size_t available = std::min<std::size_t>(length, file.size() - body);
    if (std::memcmp(file.data() + pos, "MTrk", 4) == 0) {
      anyTrack = true;
      lastTick = std::max(lastTick, ReadTrack(Reader(file.data() + body, available), tempos));
    }
    if (length > file.size() - body) break;
    pos = body + length;
  }
  if (!anyTrack) return std::nullopt;

  if (division & 0x8000) {
    // SMPTE time: frames per second (negative, two's complement) and ticks per frame.
    const int fps = -static_cast<std::int8_t>(division >> 8);
    const int ticksPerFrame = division & 0xFF;
    if (fps <= 0 || ticksPerFrame == 0) return std::nullopt;
    return static_cast<double>(lastTick) / (fps * ticksPerFrame);
  }
  double seconds = 0;
  std::uint64_t tick = 0;
  std::uint32_t microsPerQuarter = 500000;
  for (const auto& [at, tempo] : tempos) {
    if (at >= lastTick) break;
    seconds += static_cast<double>(at - tick) * microsPerQuarter / 1e6 / division;
    tick = at;
    microsPerQuarter = tempo;
  }
  seconds += static_cast<double>(lastTick - tick) * microsPerQuarter / 1e6 / division;
  return seconds;
}

}  // namespace vx::platform
