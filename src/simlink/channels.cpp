#include "simlink/channels.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <vector>

namespace vx::simlink {
namespace {

bool Open(std::string_view prefix, std::string_view name, std::size_t size, state::Channel& channel) {
  channel.mapping = platform::SharedMemory::Open(prefix, name, size);
  return channel.IsOpen();
}

// Copies the channel's first `out.size()` bytes as they stand in the shared memory.
bool ReadStable(const state::Channel& channel, std::span<std::byte> out) {
  if (!channel.IsOpen() || channel.mapping->Size() < out.size()) return false;
  const volatile std::byte* source = channel.mapping->Data();
  return CopyUntilStable(
      [source](std::span<std::byte> to) {
        for (std::size_t i = 0; i < to.size(); ++i) to[i] = source[i];
      },
      out, kMaxChannelCopies);
}

bool WriteBytes(state::Channel& channel, std::size_t offset, std::span<const std::byte> bytes) {
  if (!channel.IsOpen() || channel.mapping->Size() < offset + bytes.size()) return false;
  volatile std::byte* target = channel.mapping->Data() + offset;
  for (std::size_t i = 0; i < bytes.size(); ++i) target[i] = bytes[i];
  return channel.mapping->Flush();
}

std::array<std::byte, 4> LongBytes(std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  return {std::byte(u & 0xFF), std::byte((u >> 8) & 0xFF), std::byte((u >> 16) & 0xFF), std::byte(u >> 24)};
}

}  // namespace

bool CopyUntilStable(const std::function<void(std::span<std::byte>)>& copyOnce, std::span<std::byte> out,
                     int maxCopies) {
  std::vector<std::byte> next(out.size());
  copyOnce(out);
  for (int copies = 1; copies < maxCopies; ++copies) {
    copyOnce(next);
    if (std::equal(next.begin(), next.end(), out.begin())) return true;
    std::copy(next.begin(), next.end(), out.begin());
  }
  return false;
}

bool OpenEyeChannel(std::string_view prefix, state::Channel& c) { return Open(prefix, kEyeChannelName, kEyeChannelSize, c); }
bool OpenVolChannel(std::string_view prefix, state::Channel& c) { return Open(prefix, kVolChannelName, kVolChannelSize, c); }
bool OpenStabChannel(std::string_view prefix, state::Channel& c) {
  return Open(prefix, kStabChannelName, kStabChannelSize, c);
}
bool OpenDataChannel(std::string_view prefix, state::Channel& c) {
  return Open(prefix, kDataChannelName, kFlightDataRecordSize, c);
}

std::int32_t ReadDataChannel(state::FlightDataRecord& record, const state::Channel& channel) {
  FlightDataBytes bytes;
  if (!ReadStable(channel, bytes)) return 0;
  record = DeserialiseFlightData(bytes);
  return static_cast<std::int32_t>(kFlightDataRecordSize);
}

std::int32_t ReadVolChannel(state::VolChannelRecord& record, const state::Channel& channel) {
  VolChannelBytes bytes;
  if (!ReadStable(channel, bytes)) return 0;
  record = DeserialiseVolRecord(bytes);
  return static_cast<std::int32_t>(kVolChannelSize);
}

std::int32_t ReadLongFromChannel(std::int32_t& value, const state::Channel& channel) {
  std::array<std::byte, 4> b;
  if (!ReadStable(channel, b)) return 0;
  value = static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                                    static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24);
  return 4;
}

bool WriteDataChannel(const state::FlightDataRecord& record, state::Channel& channel) {
  return WriteBytes(channel, 0, SerialiseFlightData(record));
}

bool WriteVolChannel(const state::VolChannelRecord& record, state::Channel& channel) {
  return WriteBytes(channel, 0, SerialiseVolRecord(record));
}

bool WriteVolWord(std::size_t byteOffset, std::int16_t value, state::Channel& channel) {
  if (byteOffset != kVolQuietWordOffset && byteOffset != kVolCommandWordOffset) return false;
  const auto u = static_cast<std::uint16_t>(value);
  const std::array<std::byte, 2> b = {std::byte(u & 0xFF), std::byte(u >> 8)};
  return WriteBytes(channel, byteOffset, b);
}

bool WriteLongToChannel(std::int32_t value, state::Channel& channel) { return WriteBytes(channel, 0, LongBytes(value)); }

bool CloseSharedMapping(state::Channel& channel) {
  const bool wasOpen = channel.IsOpen();
  channel.mapping.reset();
  return wasOpen;
}

bool CompareAndSwapLong(std::int32_t expected, std::int32_t desired, state::Channel& channel) {
  if (!channel.IsOpen() || channel.mapping->Size() < 4) return false;
  // The mapping starts on a page boundary, so its first word is aligned.
  std::atomic_ref<std::int32_t> word(*reinterpret_cast<std::int32_t*>(channel.mapping->Data()));
  if (!word.compare_exchange_strong(expected, desired)) return false;
  channel.mapping->Flush();
  return true;
}

}  // namespace vx::simlink
