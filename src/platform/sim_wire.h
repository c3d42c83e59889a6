#pragma once
// The messages between the simulator client and fs-standin over a Unix-domain
// sequenced-packet socket: one request message, one reply message, little-endian fields.
//
// Every request and reply starts with its type byte and a 32-bit sequence number that the
// reply repeats, so a client can drop the late reply of a request it gave up on.
//   Hello  'H'  -> pid (u32), window class (str), start allowed (u8)
//   Start  'S'  size (i32), timeout ms (i32) -> accepted (u8)
//   Batch  'B'  count (u32), entries: op 'R'/'W' (u8), offset (i32), size (i32),
//               data length (u8), data -> count (u32), per entry: status (u8), and for an
//               accepted read its `size` bytes
//   Key    'K'  virtual key (i32), down (u8) -> nothing
//   HookKey 'k' virtual key (i32), down (u8) -> sent (u8: 0 nobody listens, 1 delivered,
//               2 the listener's queue is full, so the key may be sent again later); a key
//               the stand-in hands on to the main program's key hook (platform/forwarded_keys.h)
//   Focus  'F'  what (u8: 0 ask, 1 to the front, 2 to the back) -> in front (u8); whether
//               the simulator's window is the foreground window (the one the keys reach)
//   Eye    'E'  -> text (str): the view mode and the view and tower eye variables
//   Log    'L'  first line (u32) -> next line (u32), total lines (u32), text (str)
//   Script 'P'  name (str), text (str) -> ok (u8), message (str)
//   Time   'T'  what (u8: 0 scale, 1 advance seconds), value (f64) -> ok (u8), message (str)
//   Stop   'Q'  -> nothing; the stand-in ends
// A str is a u32 byte count and the bytes.
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vx::platform::simwire {

enum class Type : std::uint8_t {
  Hello = 'H',
  Start = 'S',
  Batch = 'B',
  Key = 'K',
  HookKey = 'k',
  Focus = 'F',
  Eye = 'E',
  Log = 'L',
  Script = 'P',
  Time = 'T',
  Stop = 'Q',
};

inline constexpr std::uint8_t kRead = 'R';
inline constexpr std::uint8_t kWrite = 'W';
// What a Focus message asks.
inline constexpr std::uint8_t kFocusAsk = 0;
inline constexpr std::uint8_t kFocusToFront = 1;
inline constexpr std::uint8_t kFocusToBack = 2;
// The answer to a HookKey message.
inline constexpr std::uint8_t kHookKeyNobodyListens = 0;
inline constexpr std::uint8_t kHookKeyDelivered = 1;
inline constexpr std::uint8_t kHookKeyQueueFull = 2;
// Largest message either side sends or accepts.
inline constexpr std::size_t kMaxMessage = 128 * 1024;

class Writer {
 public:
  explicit Writer(std::vector<std::uint8_t>& out) : out_(out) { out_.clear(); }
  void U8(std::uint8_t v) { out_.push_back(v); }
  void U32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
  void U64(std::uint64_t v) {
    for (int i = 0; i < 8; ++i) out_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  void F64(double v) {
    std::uint64_t u;
    std::memcpy(&u, &v, 8);
    for (int i = 0; i < 8; ++i) out_.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
  }
  void Bytes(const void* p, std::size_t n) {
    const auto* b = static_cast<const std::uint8_t*>(p);
    out_.insert(out_.end(), b, b + n);
  }
  void Str(std::string_view s) {
    U32(static_cast<std::uint32_t>(s.size()));
    Bytes(s.data(), s.size());
  }
  void Header(Type t, std::uint32_t seq) {
    U8(static_cast<std::uint8_t>(t));
    U32(seq);
  }

 private:
  std::vector<std::uint8_t>& out_;
};

// Reads fields; any read past the end marks the reader bad and yields zeros.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> in) : in_(in) {}
  bool Ok() const { return ok_; }
  bool AtEnd() const { return pos_ == in_.size(); }
  std::size_t Remaining() const { return in_.size() - pos_; }
  std::uint8_t U8() { return Need(1) ? in_[pos_++] : 0; }
  std::uint32_t U32() {
    if (!Need(4)) return 0;
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | in_[pos_ + static_cast<std::size_t>(i)];
    pos_ += 4;
    return v;
  }
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
  std::uint64_t U64() {
    if (!Need(8)) return 0;
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i) v = (v << 8) | in_[pos_ + static_cast<std::size_t>(i)];
    pos_ += 8;
    return v;
  }
  double F64() {
    if (!Need(8)) return 0;
    std::uint64_t u = 0;
    for (int i = 7; i >= 0; --i) u = (u << 8) | in_[pos_ + static_cast<std::size_t>(i)];
    pos_ += 8;
    double v;
    std::memcpy(&v, &u, 8);
    return v;
  }
  // A view of the next n bytes (empty and bad when fewer remain).
  std::span<const std::uint8_t> Bytes(std::size_t n) {
    if (!Need(n)) return {};
    auto s = in_.subspan(pos_, n);
    pos_ += n;
    return s;
  }
  std::string Str() {
    const std::uint32_t n = U32();
    auto b = Bytes(n);
    return std::string(b.begin(), b.end());
  }
  // Passes over the type and sequence number that Writer::Header put first.
  void SkipHeader() {
    U8();
    U32();
  }

 private:
  bool Need(std::size_t n) {
    if (!ok_ || in_.size() - pos_ < n) {
      ok_ = false;
      return false;
    }
    return true;
  }
  std::span<const std::uint8_t> in_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

}  // namespace vx::platform::simwire
