#pragma once
// The simulator's 64 KiB variable area: little-endian integers addressed by (offset, size).
// Shared by the in-process client of the tests and by fs-standin.
#include <array>
#include <cstdint>
#include <cstring>

namespace vx::platform {

inline constexpr std::int32_t kSimAreaSize = 65536;

// What happened to one entry of a batch.
enum class SimEntryStatus : std::uint8_t {
  Ok = 0,
  OutsideArea = 1,  // offset or offset + size outside the area
  BadSize = 2,      // a size other than 0, 1, 2 or 4
};

// Entries of size 0 are accepted and change nothing (a variable table that was never filled).
constexpr SimEntryStatus CheckSimEntry(std::int64_t offset, std::int64_t size) {
  if (size != 0 && size != 1 && size != 2 && size != 4) return SimEntryStatus::BadSize;
  if (offset < 0 || offset + size > kSimAreaSize) return SimEntryStatus::OutsideArea;
  return SimEntryStatus::Ok;
}

// A little-endian integer of 1 to 8 bytes; sign-extended when `isSigned`.
constexpr std::int64_t LittleEndianValue(const std::uint8_t* bytes, std::int32_t size, bool isSigned) {
  std::uint64_t u = 0;
  for (std::int32_t i = size - 1; i >= 0; --i) u = (u << 8) | bytes[i];
  if (!isSigned || size <= 0 || size >= 8) return static_cast<std::int64_t>(u);
  const std::uint64_t sign = std::uint64_t{1} << (size * 8 - 1);
  return static_cast<std::int64_t>(u ^ sign) - static_cast<std::int64_t>(sign);
}

class SimVariableArea {
 public:
  // Both require CheckSimEntry(offset, size) == Ok.
  void Read(std::int32_t offset, std::int32_t size, void* destination) const {
    if (size > 0) std::memcpy(destination, bytes_.data() + offset, static_cast<std::size_t>(size));
  }
  void Write(std::int32_t offset, std::int32_t size, const void* source) {
    if (size > 0) std::memcpy(bytes_.data() + offset, source, static_cast<std::size_t>(size));
  }

  // Little-endian integers of 1, 2, 4 or 8 bytes.
  std::uint64_t GetUnsigned(std::int32_t offset, std::int32_t size) const {
    return static_cast<std::uint64_t>(LittleEndianValue(bytes_.data() + offset, size, false));
  }
  std::int64_t GetSigned(std::int32_t offset, std::int32_t size) const {
    return LittleEndianValue(bytes_.data() + offset, size, true);
  }
  void Set(std::int32_t offset, std::int32_t size, std::int64_t value) {
    auto u = static_cast<std::uint64_t>(value);
    for (std::int32_t i = 0; i < size; ++i) {
      bytes_[static_cast<std::size_t>(offset + i)] = static_cast<std::uint8_t>(u & 0xFF);
      u >>= 8;
    }
  }

  const std::uint8_t* Data() const { return bytes_.data(); }

 private:
  std::array<std::uint8_t, kSimAreaSize> bytes_{};
};

}  // namespace vx::platform
