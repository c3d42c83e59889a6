// The spoken value phrases over the edges of their steps: each case sets one value, runs
// one builder and names the slots it writes.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "announce/engine_program.h"
#include "announce/value_phrases.h"

namespace vx::announce {
namespace {

struct Case {
  const char* what;
  std::function<void(state::ProContext&)> set;
  void (*builder)(state::ProContext&);
  std::map<int, std::string> slots;  // slot: literal ("" silent)
};

auto Feet(int ft) {
  return [ft](state::ProContext& pro) { pro.sim.AircraftAltitudeFt = ft; };
}
auto FeetIn(int ft, int language) {
  return [ft, language](state::ProContext& pro) {
    pro.sim.AircraftAltitudeFt = ft;
    pro.flight.CaptainAnnounceLanguage = static_cast<std::int16_t>(language);
  };
}
auto Speed(int kmh, int language = 1) {
  return [kmh, language](state::ProContext& pro) {
    pro.sim.GroundSpeedKmh = kmh;
    pro.flight.CaptainAnnounceLanguage = static_cast<std::int16_t>(language);
  };
}
auto Temperature(int t) {
  return [t](state::ProContext& pro) { pro.flight.DestinationTemperature = static_cast<std::int16_t>(t); };
}
auto Weather(int w) {
  return [w](state::ProContext& pro) { pro.flight.DestinationWeather = static_cast<std::int16_t>(w); };
}
auto Runway(const char* text) {
  return [text](state::ProContext& pro) { pro.briefing.TobBriefing.TakeoffRunway = text; };
}

const std::string kAlt = "\\Wav\\CP\\Alt\\";
const std::string kSpd = "\\Wav\\CP\\Spd\\";
const std::string kTmp = "\\Wav\\CP\\Tmp\\";
const std::string kPb = "\\Wav\\Etc\\プッシュバック\\";

TEST(ValuePhrases, EachValueTakesTheRecordingsOfItsStep) {
  const Case cases[] = {
      {"10499 ft", Feet(10499), SetAltitudeFeetPhrase, {{27, kAlt + "10000ftE.wav"}}},
      {"10500 ft", Feet(10500), SetAltitudeFeetPhrase, {{27, kAlt + "11000ftE.wav"}}},
      {"41499 ft", Feet(41499), SetAltitudeFeetPhrase, {{27, kAlt + "41000ftE.wav"}}},
      {"41500 ft", Feet(41500), SetAltitudeFeetPhrase, {{27, kAlt + "40000moreftE.wav"}}},
      {"below zero", Feet(-300), SetAltitudeFeetPhrase, {{27, kAlt + "10000ftE.wav"}}},
      {"35000 ft new", FeetIn(35000, 1), SetAltitudeMetrePhrase,
       {{17, kAlt + "11000mJ.wav"}, {28, kAlt + "11000mE.wav"}}},
      {"35000 ft old", FeetIn(35000, 3), SetAltitudeMetrePhrase,
       {{17, kAlt + "ALT_11.wav"}, {28, kAlt + "11000mE.wav"}}},
      {"41000 ft new", FeetIn(41000, 2), SetAltitudeMetrePhrase, {{17, kAlt + "12000mJ.wav"}}},
      {"41000 ft old", FeetIn(41000, 4), SetAltitudeMetrePhrase, {{17, kAlt + "ALT_12.wav"}}},
      {"45000 ft new", FeetIn(45000, 1), SetAltitudeMetrePhrase,
       {{17, kAlt + "13000mJ.wav"}, {28, kAlt + "13000mE.wav"}}},
      {"45000 ft old", FeetIn(45000, 5), SetAltitudeMetrePhrase, {{17, kAlt + "ALT_16.wav"}}},
      {"low", FeetIn(0, 5), SetAltitudeMetrePhrase, {{17, kAlt + "ALT_04.wav"}, {28, kAlt + "3000mE.wav"}}},
      {"1249 km/h", Speed(1249), SetSpeedPhrase, {{18, kSpd + "1200kmhJ.wav"}, {29, kSpd + "1200kmhE.wav"}}},
      {"1250 km/h", Speed(1250), SetSpeedPhrase, {{18, kSpd + "1200kmhJ.wav"}, {29, kSpd + "morekmhE.wav"}}},
      {"1100 km/h old", Speed(1100, 3), SetSpeedPhrase, {{18, kSpd + "SPD_12.wav"}, {29, kSpd + "1100kmhE.wav"}}},
      {"1599 km/h old", Speed(1599, 4), SetSpeedPhrase, {{18, kSpd + "SPD_12.wav"}}},
      {"1600 km/h old", Speed(1600, 5), SetSpeedPhrase, {{18, kSpd + "SPD_20.wav"}}},
      {"449 km/h", Speed(449, 2), SetSpeedPhrase, {{18, kSpd + "400kmhJ.wav"}, {29, kSpd + "400kmhE.wav"}}},
      {"-21", Temperature(-21), SetTemperaturePhrase, {{20, kTmp + "20doJ.wav"}, {31, kTmp + "20doE.wav"}}},
      {"61", Temperature(61), SetTemperaturePhrase, {{20, kTmp + "20doJ.wav"}}},
      {"-1", Temperature(-1), SetTemperaturePhrase, {{20, kTmp + "-01doJ.wav"}}},
      {"-5", Temperature(-5), SetTemperaturePhrase, {{31, kTmp + "-05doE.wav"}}},
      {"0", Temperature(0), SetTemperaturePhrase, {{20, kTmp + "00doJ.wav"}}},
      {"49", Temperature(49), SetTemperaturePhrase, {{20, kTmp + "49doJ.wav"}}},
      {"55", Temperature(55), SetTemperaturePhrase, {{20, kTmp + "50moredoJ.wav"}}},
      {"60", Temperature(60), SetTemperaturePhrase, {{31, kTmp + "50moredoE.wav"}}},
      {"weather 4", Weather(4), SetWeatherPhrase,
       {{19, "\\Wav\\CP\\Weather\\rainJ.wav"}, {30, "\\Wav\\CP\\Weather\\rainE.wav"}}},
      {"weather 7", Weather(7), SetWeatherPhrase,
       {{19, "\\Wav\\CP\\Weather\\fineJ.wav"}, {30, "\\Wav\\CP\\Weather\\fineE.wav"}}},
      {"weather -1", Weather(-1), SetWeatherPhrase, {{19, "\\Wav\\CP\\Weather\\fineJ.wav"}}},
      {"09C", Runway("09C"), SetRunwayPhrase,
       {{30, kPb + "g_pb_0_.wav"}, {31, kPb + "g_pb_z_9.wav"}, {32, kPb + "g_pb_z_e.wav"}}},
      {"34L", Runway("34L"), SetRunwayPhrase,
       {{30, kPb + "g_pb_3_.wav"}, {31, kPb + "g_pb_z_4.wav"}, {32, kPb + "g_pb_z_l.wav"}}},
      {"16R", Runway("16R"), SetRunwayPhrase, {{32, kPb + "g_pb_z_r.wav"}}},
      {"16", Runway("16"), SetRunwayPhrase, {{32, kPb + "g_pb_z_e.wav"}}},
      // A character that is no runway digit leaves only its own slot silent.
      {"46R", Runway("46R"), SetRunwayPhrase, {{30, ""}, {31, kPb + "g_pb_z_6.wav"}, {32, kPb + "g_pb_z_r.wav"}}},
      {"1XL", Runway("1XL"), SetRunwayPhrase, {{30, kPb + "g_pb_1_.wav"}, {31, ""}, {32, kPb + "g_pb_z_l.wav"}}},
      {"empty", Runway(""), SetRunwayPhrase, {{30, ""}, {31, ""}, {32, kPb + "g_pb_z_e.wav"}}},
  };
  test::EngineProgram p;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    p.pro.engine.SoundSlotFile.fill(p.paths.BaseText() + "\\stale.wav");
    c.set(p.pro);
    c.builder(p.pro);
    for (const auto& [slot, literal] : c.slots) {
      const std::string& file = p.pro.engine.SoundSlotFile[static_cast<std::size_t>(slot)];
      EXPECT_EQ(literal.empty() ? file : p.Literal(file), literal) << slot;
    }
  }
}

// Each builder writes only its own slots.
TEST(ValuePhrases, BuildersWriteOnlyTheirSlots) {
  const std::pair<void (*)(state::ProContext&), std::vector<int>> builders[] = {
      {SetWeatherPhrase, {19, 30}},     {SetTemperaturePhrase, {20, 31}}, {SetAltitudeFeetPhrase, {27}},
      {SetAltitudeMetrePhrase, {17, 28}}, {SetSpeedPhrase, {18, 29}},     {SetRunwayPhrase, {30, 31, 32}},
  };
  test::EngineProgram p;
  p.pro.briefing.TobBriefing.TakeoffRunway = "34L";
  for (const auto& [builder, own] : builders) {
    p.pro.engine.SoundSlotFile.fill("stale");
    builder(p.pro);
    for (int slot = 0; slot <= 50; ++slot) {
      const bool mine = std::find(own.begin(), own.end(), slot) != own.end();
      EXPECT_EQ(p.pro.engine.SoundSlotFile[static_cast<std::size_t>(slot)] != "stale", mine) << slot;
    }
  }
}

}  // namespace
}  // namespace vx::announce
