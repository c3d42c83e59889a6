#include "simlink/channel_layout.h"

#include <bit>

namespace vx::simlink {
namespace {

class Out {
 public:
  explicit Out(std::byte* p) : p_(p) {}
  void U(std::uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) *p_++ = static_cast<std::byte>(v >> (8 * i));
  }
  void I16(std::int16_t v) { U(static_cast<std::uint16_t>(v), 2); }
  void I32(std::int32_t v) { U(static_cast<std::uint32_t>(v), 4); }
  void F64(double v) { U(std::bit_cast<std::uint64_t>(v), 8); }

 private:
  std::byte* p_;
};

class In {
 public:
  explicit In(const std::byte* p) : p_(p) {}
  std::uint64_t U(int bytes) {
    std::uint64_t v = 0;
    for (int i = 0; i < bytes; ++i) v |= static_cast<std::uint64_t>(p_[i]) << (8 * i);
    p_ += bytes;
    return v;
  }
  std::int16_t I16() { return static_cast<std::int16_t>(static_cast<std::uint16_t>(U(2))); }
  std::int32_t I32() { return static_cast<std::int32_t>(static_cast<std::uint32_t>(U(4))); }
  double F64() { return std::bit_cast<double>(U(8)); }

 private:
  const std::byte* p_;
};

}  // namespace

FlightDataBytes SerialiseFlightData(const state::FlightDataRecord& r) {
  FlightDataBytes b{};
  Out o(b.data());
  o.F64(r.latitude);
  o.F64(r.longitude);
  o.I32(r.altitudeFt);
  o.I32(r.heightAboveGroundFt);
  o.I32(r.groundSpeedKmh);
  o.I32(r.indicatedAirspeedKt);
  o.I32(r.trueAirspeedKt);
  o.I16(r.machTimes100);
  o.I16(r.localHour);
  o.I16(r.localMinute);
  o.I16(r.second);
  o.I16(r.gmtHour);
  o.I16(r.gmtMinute);
  o.I16(r.reserved48);
  o.I16(r.gmtAheadOfLocalMinutes);
  o.I16(r.reserved52);
  return b;
}

state::FlightDataRecord DeserialiseFlightData(std::span<const std::byte, kFlightDataRecordSize> b) {
  In i(b.data());
  state::FlightDataRecord r;
  r.latitude = i.F64();
  r.longitude = i.F64();
  r.altitudeFt = i.I32();
  r.heightAboveGroundFt = i.I32();
  r.groundSpeedKmh = i.I32();
  r.indicatedAirspeedKt = i.I32();
  r.trueAirspeedKt = i.I32();
  r.machTimes100 = i.I16();
  r.localHour = i.I16();
  r.localMinute = i.I16();
  r.second = i.I16();
  r.gmtHour = i.I16();
  r.gmtMinute = i.I16();
  r.reserved48 = i.I16();
  r.gmtAheadOfLocalMinutes = i.I16();
  r.reserved52 = i.I16();
  return r;
}

VolChannelBytes SerialiseVolRecord(const state::VolChannelRecord& r) {
  VolChannelBytes b{};
  Out o(b.data());
  o.I16(r.QuietSound);
  o.I16(r.VolCommandCode);
  o.I16(r.reserved);
  return b;
}

state::VolChannelRecord DeserialiseVolRecord(std::span<const std::byte, kVolChannelSize> b) {
  In i(b.data());
  state::VolChannelRecord r;
  r.QuietSound = i.I16();
  r.VolCommandCode = i.I16();
  r.reserved = i.I16();
  return r;
}

}  // namespace vx::simlink
