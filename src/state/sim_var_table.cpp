#include "state/sim_var_table.h"

#include "platform/sim_variable_area.h"

namespace vx::state {

const SimVarPairs kFs98SimVarTable = {{
    {0x0262, 2},  // pause
    {0x0570, 4},  // altitude, fraction of a metre
    {0x0574, 4},  // altitude, whole metres
    {0x0AF4, 2},  // fuel weight, lbs per gallon x 256
    {0x0B74, 4}, {0x0B78, 4},  // centre 1
    {0x1244, 4}, {0x1248, 4},  // centre 2
    {0x124C, 4}, {0x1250, 4},  // centre 3
    {0x1254, 4}, {0x1258, 4},  // external 1
    {0x125C, 4}, {0x1260, 4},  // external 2
    {0x0B7C, 4}, {0x0B80, 4},  // left main
    {0x0B84, 4}, {0x0B88, 4},  // left aux
    {0x0B8C, 4}, {0x0B90, 4},  // left tip
    {0x0B94, 4}, {0x0B98, 4},  // right main
    {0x0B9C, 4}, {0x0BA0, 4},  // right aux
    {0x0BA4, 4}, {0x0BA8, 4},  // right tip
    {0x0E9A, 2}, {0x0E9C, 2}, {0x0E9E, 2},  // high cloud: top, base (metres), cover code
    {0x0EA2, 2}, {0x0EA4, 2}, {0x0EA6, 2},  // low cloud
    {0x0EAA, 2}, {0x0EAC, 2}, {0x0EAE, 2},  // storm layer
    {0x0EC6, 2},  // QNH, hPa x 16
    {0x11D0, 2},  // temperature, degrees C x 256
    {0x04C8, 2},  // dew point, degrees C x 256
    {0x0E90, 2},  // wind speed at the aircraft, knots
    {0x0E92, 2},  // wind direction at the aircraft, 65536 = 360 degrees
    {0x0ECA, 2}, {0x0ECC, 2}, {0x0ED2, 2},  // surface wind band: top, bottom (metres), turbulence
    {0x0ED6, 2}, {0x0ED8, 2}, {0x0EDE, 2},  // lower band
    {0x0EE2, 2}, {0x0EE4, 2}, {0x0EEA, 2},  // middle band
    {0x0EEE, 2}, {0x0EF4, 2},               // upper band: top, turbulence
    {0x04CB, 1},  // precipitation rate
    {0x04CC, 1},  // precipitation type
    {0x3BFC, 4},  // zero-fuel weight, lbs x 256
}};

std::int32_t SimRawValueSet::Get(SimVar v) const {
  const std::int32_t size = kFs98SimVarTable[Index(v)].size;
  return static_cast<std::int32_t>(platform::LittleEndianValue(bytes_[Index(v)].data(), size, size != 1));
}

void SimRawValueSet::Set(SimVar v, std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  for (std::size_t i = 0; i < 4; ++i) bytes_[Index(v)][i] = static_cast<std::uint8_t>(u >> (8 * i));
}

}  // namespace vx::state
