#include "state/exp_var_table.h"

#include "platform/sim_variable_area.h"

namespace vx::state {

const ExpVarPairs kFs98ExpVarTable = {{
    {0x2F80, 1},                              // state flag
    {0x0238, 1}, {0x0239, 1}, {0x023A, 1},    // local hour, minute, second
    {0x023B, 1}, {0x023C, 1},                 // GMT hour, minute
    {0x0246, 2},                              // time zone
    {0x0842, 2},                              // vertical speed
    {0x02B4, 4}, {0x02B8, 4}, {0x02BC, 4},    // ground speed, TAS, IAS
    {0x11C6, 2},                              // Mach
    {0x0570, 4}, {0x0574, 4},                 // altitude fraction, whole metres
    {0x0B4C, 2},                              // ground elevation
    {0x0560, 4}, {0x0564, 4},                 // latitude low, high
    {0x0568, 4}, {0x056C, 4},                 // longitude low, high
    {0x0580, 4},                              // heading
    {0x02A0, 2},                              // magnetic variation
    {0x05DC, 2}, {0x05DC, 2},                 // slew mode, read and write
    {0x0BE8, 4},                              // gear lever
    {0x0BEC, 4}, {0x0BF0, 4}, {0x0BF4, 4},    // gear positions
    {0x0366, 2},                              // on ground
    {0x088C, 2},                              // throttle lever
    {0x0898, 2},                              // engine value
    {0x0BD0, 4},                              // spoiler
    {0x080C, 4},                              // engine thrust value
    {0x05E4, 2}, {0x05E6, 2}, {0x05E8, 2},    // slew rates
    {0x05EB, 1}, {0x05ED, 1},                 // slew bytes
    {0x05EE, 2},                              // slew rate
    {0x31F4, 4},                              // pushback state
    {0x11D0, 2},                              // temperature
    {0x0E90, 2}, {0x0E92, 2},                 // wind at the aircraft
    {0x0EC0, 2},                              // read, not used
    {0x0EF0, 2}, {0x0EF2, 2},                 // surface wind
    {0x04CB, 1},                              // weather intensity
    {0x04CC, 1},                              // precipitation
    {0x0C48, 1}, {0x0C49, 1},                 // localiser, glideslope
    {0x3300, 2},                              // navigation flags
}};

std::int32_t ExpRawValues::Get(ExpVar v) const {
  const std::int32_t size = kFs98ExpVarTable[Index(v)].size;
  return static_cast<std::int32_t>(platform::LittleEndianValue(bytes_[Index(v)].data(), size, size != 1));
}

std::uint32_t ExpRawValues::GetUnsigned(ExpVar v) const {
  const std::int32_t size = kFs98ExpVarTable[Index(v)].size;
  return static_cast<std::uint32_t>(platform::LittleEndianValue(bytes_[Index(v)].data(), size, false));
}

void ExpRawValues::Set(ExpVar v, std::int32_t value) {
  auto u = static_cast<std::uint32_t>(value);
  for (auto& b : bytes_[Index(v)]) {
    b = static_cast<std::uint8_t>(u & 0xFF);
    u >>= 8;
  }
}

}  // namespace vx::state
