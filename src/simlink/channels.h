#pragma once
// The four named shared-memory channels between the programs (VEXLORPRO_EYE, _VOL, _STAB,
// _DATA): open or create zero-filled, read, write and flush, close. Every read and write
// checks that the channel is open; a closed channel reads nothing and writes nothing.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>

#include "platform/shared_memory.h"
#include "simlink/channel_layout.h"

namespace vx::simlink {

// Open the named channel, or create it zero-filled when no program holds it. `prefix` is
// the services' shared-memory prefix. True when a view is mapped.
bool OpenEyeChannel(std::string_view prefix, state::Channel& channel);
bool OpenVolChannel(std::string_view prefix, state::Channel& channel);
bool OpenStabChannel(std::string_view prefix, state::Channel& channel);
bool OpenDataChannel(std::string_view prefix, state::Channel& channel);

// Reads copy the channel's bytes until two successive copies agree (another program may be
// writing without a lock), at most kMaxChannelCopies copies. They return the byte count, or
// 0 with the record unchanged when the channel is closed or no two copies agreed.
inline constexpr int kMaxChannelCopies = 16;
std::int32_t ReadDataChannel(state::FlightDataRecord& record, const state::Channel& channel);
std::int32_t ReadVolChannel(state::VolChannelRecord& record, const state::Channel& channel);
std::int32_t ReadLongFromChannel(std::int32_t& value, const state::Channel& channel);

// Writes copy the record in and flush it; false when the channel is closed or the flush failed.
bool WriteDataChannel(const state::FlightDataRecord& record, state::Channel& channel);
bool WriteVolChannel(const state::VolChannelRecord& record, state::Channel& channel);
// One 16-bit word of the VOL record alone (kVolQuietWordOffset, kVolCommandWordOffset).
bool WriteVolWord(std::size_t byteOffset, std::int16_t value, state::Channel& channel);
bool WriteLongToChannel(std::int32_t value, state::Channel& channel);
// Replaces the 32-bit word with `desired` only while it still holds `expected`, in one
// atomic step against the other programs' writes, and flushes; false when the channel is
// closed or the word held something else (it is left as it is).
bool CompareAndSwapLong(std::int32_t expected, std::int32_t desired, state::Channel& channel);

// Unmaps the view and lets go of the channel; true when something was open.
bool CloseSharedMapping(state::Channel& channel);

// Fills `out` by calling `copyOnce` until two successive copies agree, at most `maxCopies`
// times; false (and `out` unspecified) when they never did.
bool CopyUntilStable(const std::function<void(std::span<std::byte>)>& copyOnce, std::span<std::byte> out,
                     int maxCopies);

}  // namespace vx::simlink
