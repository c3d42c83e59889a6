#pragma once
// Values of the moment spoken by whole recordings, one per step of the value: each builder
// writes the names of the recordings into its fixed slots and loads nothing (the group's
// loader loads its whole range afterwards). Every value maps to some recording.
//
//   slot 17 altitude in metres (Japanese)   27 altitude in feet (English)
//        18 speed (Japanese)                28 altitude in metres (English)
//        19 weather (Japanese)              29 speed (English)
//        20 temperature (Japanese)          30 weather (English)   31 temperature (English)
//   the take-off runway: 30 tens digit, 31 units digit, 32 side (the pushback group)
#include <string>

namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// DestinationWeather: slots 19 and 30; a value outside 0 to 6 speaks "fine".
void SetWeatherPhrase(state::ProContext& pro);
// DestinationTemperature: slots 20 and 31, one recording per degree from -20 to 49,
// one for 50 to 60, and the 20-degree one for anything beyond.
void SetTemperaturePhrase(state::ProContext& pro);
// AircraftAltitudeFt: slot 27, per thousand feet from 10000 to 41000 and one above.
void SetAltitudeFeetPhrase(state::ProContext& pro);
// AircraftAltitudeFt in metres: slots 17 (the newer or the older Japanese set by
// CaptainAnnounceLanguage) and 28.
void SetAltitudeMetrePhrase(state::ProContext& pro);
// GroundSpeedKmh: slots 18 (newer or older Japanese set) and 29.
void SetSpeedPhrase(state::ProContext& pro);
// The take-off runway ("16R"): slots 30, 31 and 32. A character that is no runway digit
// leaves its own slot silent; a side other than "L" and "R" speaks the plain word.
void SetRunwayPhrase(state::ProContext& pro);

// The key of a temperature's recordings: "-05", "00", "49", "50more", "20".
std::string TemperatureKey(int degrees);

}  // namespace vx::announce
