// Every recording a built group's loader can name is in the sample installation: the
// loaders run over a table of flights on the sample's tables, and every slot they fill
// names a file that scripts/make-sample.py makes (slots left silent aside).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <functional>
#include <set>
#include <string>

#include "announce/boarding_phase.h"
#include "announce/engine_program.h"
#include "announce/landing_call.h"
#include "announce/pushback_phase.h"
#include "announce/sound_slots.h"
#include "announce/takeoff_briefing.h"
#include "announce/value_phrases.h"

namespace vx::announce {
namespace {

// A path as the sample lists it: "/" between folders, no leading one, lower case
// (recordings are found ignoring case).
std::string Key(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  if (!path.empty() && path.front() == '/') path.erase(0, 1);
  std::transform(path.begin(), path.end(), path.begin(), [](unsigned char c) { return std::tolower(c); });
  return path;
}

struct SampleFlight {
  const char* airline;
  const char* departure;
  const char* arrival;
  const char* flightNumber;
  int gate, hour, minute;
  const char* runway1;
  const char* runway2;
  const char* side;
  const char* windDirection;
  const char* windSpeed;
  const char* windWord;
  const char* temperature;
  const char* dewPoint;
  const char* qnh;
  int flap;
  const char* thrust;
  const char* climb;
  const char* climbMode;
  int v1, vr, v2;
  int cruise, engineOut, accel, reduction, afterV1;
  const char* pattern;
  const char* approach;
  int fuelLbs, zeroFuelLbs;
  int typeCode;
  int cabinAttendant;  // 0 drawn
  int localHour;
};

// Flights of the sample's airlines and airports, over the edges of the spoken numbers.
const SampleFlight kFlights[] = {
    {"0", "1", "80", "1234", 5, 10, 30, "3", "4", "ライト(R)", "340", "7", "やや右よりの風", "18", "11", "2992", 5,
     "Take1", "Climb1", "LNAV/VNAV", 140, 145, 150, 35000, 1500, 3000, 1500, 3000, "ワイドパターン", "レーダーベクター",
     42000, 260000, 2, 1, 10},
    {"103", "1", "104", "900", 120, 0, 0, "0", "9", "センター(C)", "000", "5", "ライトクロス", "0", "-5", "3012", 15,
     "TO/CB", "Climb2", "SPD/HDG/ALT", 95, 99, 105, 40000, 800, 4500, 800, 4500, "ショートパターン", "ビジュアル",
     6500, 120000, 6, 4, 5},
    {"2", "3", "5", "7", 0, 23, 59, "1", "6", "レフト(L)", "275", "0", "左後ろから", "-12", "-20", "2875", 30,
     "Take2", "Climb1", "LNAV/VNAV", 160, 165, 170, 41000, 0, 0, 0, 0, "ワイドパターン", "ビジュアル", 120000,
     330000, 0, 0, 18},
    {"101", "106", "0", "12", 9, 12, 5, "2", "2", "なし", "090", "45", "右後ろから", "41", "33", "29a2", 20,
     "Take9", "Climb9", "", 125, 130, 135, 5000, 2500, 1000, 900, 1900, "", "", 99000, 200000, 9, 3, 23},
};

class SampleCoverageTest : public ::testing::Test {
 protected:
  SampleCoverageTest() {
    std::ifstream in(VX_SAMPLE_LIST);
    for (std::string line; std::getline(in, line);) {
      if (line.empty()) continue;
      listed.insert(Key(line));
      // Each listed recording exists (a short one), so that the loaders' tests for
      // recordings see the sample as it is.
      if (line.size() > 4 && line.compare(line.size() - 4, 4, ".wav") == 0) p.Wav("\\" + line, 0.01);
    }
    p.StartFlight();
    p.pro.files.AirportTable[1].チャイム = "チャイム羽田.wav";
  }

  void Check(const std::string& what) {
    for (std::size_t slot = 0; slot < p.pro.engine.SoundSlotFile.size(); ++slot) {
      const std::string& file = p.pro.engine.SoundSlotFile[slot];
      if (file.empty()) continue;
      const std::string key = Key(p.Literal(file));
      if (!listed.count(key)) missing.insert(key + " (" + what + ", slot " + std::to_string(slot) + ")");
    }
  }

  void Run(const std::string& what, const std::function<void(state::ProContext&)>& loader) {
    loader(p.pro);
    Check(what);
    StopAllAnnouncementSounds(p.pro);
  }

  test::EngineProgram p;
  std::set<std::string> listed;
  std::set<std::string> missing;
};

TEST_F(SampleCoverageTest, TheLoadersOfTheBuiltGroupsNameOnlyRecordingsOfTheSample) {
  ASSERT_GT(listed.size(), 100u) << "the list of " VX_SAMPLE_LIST;
  Check("fixed effects");
  for (const SampleFlight& f : kFlights) {
    auto& b = p.pro.briefing;
    auto& t = b.TobBriefing;
    b.SelectedAirlineIndex = f.airline;
    p.pro.files.RouteAirports[0].slot = f.departure;
    p.pro.files.RouteAirports[1].slot = f.arrival;
    t.FlightNumber = f.flightNumber;
    t.DepartureGate = static_cast<std::int16_t>(f.gate);
    b.BriefingTimes.events[0].localHour = static_cast<std::int16_t>(f.hour);
    b.BriefingTimes.events[0].localMinute = static_cast<std::int16_t>(f.minute);
    t.TakeoffRunwayDigit1 = f.runway1;
    t.TakeoffRunwayDigit2 = f.runway2;
    t.TakeoffRunwaySide = f.side;
    const std::string side = f.side;
    t.TakeoffRunway = std::string(f.runway1) + f.runway2 +
                      (side == "レフト(L)" ? "L" : side == "ライト(R)" ? "R" : side == "センター(C)" ? "C" : "N");
    t.WindDirectionText = f.windDirection;
    t.WindSpeedText = f.windSpeed;
    t.WindWordText = f.windWord;
    t.TemperatureText = f.temperature;
    t.DewPointText = f.dewPoint;
    t.QnhInHgText = f.qnh;
    t.TakeoffFlap = static_cast<std::int16_t>(f.flap);
    t.TakeoffThrust = f.thrust;
    t.ClimbThrust = f.climb;
    t.ClimbMode = f.climbMode;
    t.TakeoffV1 = static_cast<std::int16_t>(f.v1);
    t.TakeoffVr = static_cast<std::int16_t>(f.vr);
    t.TakeoffV2 = static_cast<std::int16_t>(f.v2);
    t.CruiseAltitude = f.cruise;
    t.EngineOutAccelerationHeight = static_cast<std::int16_t>(f.engineOut);
    t.AccelerationHeight = static_cast<std::int16_t>(f.accel);
    t.ReductionHeight = static_cast<std::int16_t>(f.reduction);
    t.TroubleReturnAltitude = static_cast<std::int16_t>(f.afterV1);
    t.ReturnPattern = f.pattern;
    t.ReturnApproach = f.approach;
    p.pro.sim.FuelTotals.FuelTotalLbs = f.fuelLbs;
    p.pro.sim.ZeroFuelWeightLbs = f.zeroFuelLbs;
    t.AircraftTypeCode = static_cast<std::int16_t>(f.typeCode);
    b.CabinAttendantChoice = static_cast<std::int16_t>(f.cabinAttendant);
    p.pro.sim.SimClock.localHour = static_cast<std::int16_t>(f.localHour);
    p.random.Push(0.5);
    for (bool special : {false, true}) {
      p.pro.engine.SpecialVoiceOn = special;
      for (int voiceFiles : {0, 1}) {
        b.PushbackSettings.voiceFileSet = static_cast<std::int16_t>(voiceFiles);
        const std::string what = std::string("flight ") + f.flightNumber;
        Run(what + " G0", PrepareBoardingAnnouncement);
        Run(what + " G1", PrepareTakeoffBriefing);
        Run(what + " G1 second half", PrepareWelcomeAnnouncement);
        Run(what + " G2", PreparePushbackAnnouncement);
        Run(what + " 15 minutes", PrepareFifteenMinuteAnnouncement);
      }
    }
  }
  // The pushback's cockpit recordings of every aircraft type, in both voice sets.
  for (int type = -1; type <= 10; ++type) {
    p.pro.briefing.TobBriefing.AircraftTypeCode = static_cast<std::int16_t>(type);
    for (int voiceFiles : {0, 1}) {
      p.pro.briefing.PushbackSettings.voiceFileSet = static_cast<std::int16_t>(voiceFiles);
      Run("type " + std::to_string(type) + " G2", PreparePushbackAnnouncement);
    }
  }
  // The value phrases over their whole ranges.
  for (int language = 1; language <= 5; ++language) {
    p.pro.flight.CaptainAnnounceLanguage = static_cast<std::int16_t>(language);
    for (int ft = -1000; ft <= 50000; ft += 250) {
      p.pro.sim.AircraftAltitudeFt = ft;
      SetAltitudeFeetPhrase(p.pro);
      SetAltitudeMetrePhrase(p.pro);
      Check("altitude " + std::to_string(ft));
    }
    for (int kmh = 0; kmh <= 2000; kmh += 25) {
      p.pro.sim.GroundSpeedKmh = kmh;
      SetSpeedPhrase(p.pro);
      Check("speed " + std::to_string(kmh));
    }
  }
  for (int t = -30; t <= 70; ++t) {
    p.pro.flight.DestinationTemperature = static_cast<std::int16_t>(t);
    SetTemperaturePhrase(p.pro);
    Check("temperature " + std::to_string(t));
  }
  for (int w = -1; w <= 8; ++w) {
    p.pro.flight.DestinationWeather = static_cast<std::int16_t>(w);
    SetWeatherPhrase(p.pro);
    Check("weather " + std::to_string(w));
  }
  std::string all;
  for (const std::string& m : missing) all += "\n  " + m;
  EXPECT_TRUE(missing.empty()) << "not in the sample:" << all;
}

}  // namespace
}  // namespace vx::announce
