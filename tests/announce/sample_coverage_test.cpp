// Every recording a built group's loader can name is in the sample installation
// (scripts/make-sample.py). One check runs the loaders over the sample's airport and airline
// tables, every cabin attendant voice, every delay class, every flight number and gate, every
// departure hour and minute, the captain's greeting at every local hour and language set,
// the landing briefing's digits, and the hidden set; another over a table of flights at the
// edges of the spoken numbers. Each file they put into a sound slot must be one the script
// makes (slots left silent aside).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <set>
#include <string>

#include "announce/arrival_phase.h"
#include "announce/boarding_phase.h"
#include "announce/captain_greeting.h"
#include "announce/engine_program.h"
#include "announce/inflight_groups.h"
#include "announce/landing_briefing.h"
#include "announce/landing_call.h"
#include "announce/lobby_chime.h"
#include "announce/pushback_phase.h"
#include "announce/sound_slots.h"
#include "announce/spoken_digits.h"
#include "announce/takeoff_briefing.h"
#include "announce/taxi_phase.h"
#include "announce/value_phrases.h"
#include "mainfiles/tables.h"

namespace vx::announce {
namespace {

std::string SourceDir() {
  const char* dir = std::getenv("VX_SOURCE_DIR");
  return dir ? dir : ".";
}

// The output of a command; empty when it fails.
std::string CommandOutput(const std::string& command) {
  std::string out;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  return ::pclose(pipe) == 0 ? out : std::string();
}

// A literal under the base folder as the script lists it ("Wav/Lob/x.wav").
std::string Listed(std::string literal) {
  std::replace(literal.begin(), literal.end(), '\\', '/');
  if (!literal.empty() && literal.front() == '/') literal.erase(0, 1);
  return literal;
}

class SampleCoverageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string script = SourceDir() + "/scripts/make-sample.py";
    const std::string listing = CommandOutput("python3 '" + script + "' --list");
    ASSERT_FALSE(listing.empty()) << "make-sample.py --list failed";
    for (std::size_t at = 0, end; (end = listing.find('\n', at)) != std::string::npos; at = end + 1)
      sample.insert(listing.substr(at, end - at));
    ASSERT_FALSE(CommandOutput("python3 '" + script + "' --tables-only '" + p.dir.Path().string() + "' && echo ok").empty());

    // The sample's recordings there (short tones), so that the loaders' choices see them.
    for (const std::string& file : sample)
      if (file.size() > 4 && file.compare(file.size() - 4, 4, ".wav") == 0) p.Wav("\\" + file, 0.05);
    p.StartFlight();
    mainfiles::LoadAirportTable(p.pro);
    mainfiles::LoadAirlineTable(p.pro);
    for (int i = 0; i < state::kTableSlots; ++i) {
      if (!p.pro.files.AirportTable[static_cast<std::size_t>(i)].選択ボタン.empty()) airports.push_back(i);
      if (!p.pro.files.AirlineTable[static_cast<std::size_t>(i)].選択ボタン.empty()) airlines.push_back(i);
    }
    ASSERT_FALSE(airports.empty());
    ASSERT_FALSE(airlines.empty());

    auto& tob = p.pro.briefing.TobBriefing;
    tob.FlightNumber = "1234";
    tob.DepartureGate = 5;
    tob.TakeoffRunwayDigit1 = "3";
    tob.TakeoffRunwayDigit2 = "4";
    p.pro.main.ArrivalGate = 105;
    p.pro.briefing.SelectedAirlineIndex = std::to_string(airlines[0]);
    p.pro.files.RouteAirports[0].slot = std::to_string(airports[0]);
    p.pro.files.RouteAirports[1].slot = std::to_string(airports[0]);
  }

  // Runs the loader and notes every file it named (the special recording's slot too).
  void Load(void (*loader)(state::ProContext&)) {
    loader(p.pro);
    for (int slot = kSpecialSlot; slot <= kLastSlot; ++slot) Note(p.Literal(p.pro.engine.SoundSlotFile[slot]));
    StopAllAnnouncementSounds(p.pro);
    for (int slot = kFirstGroupSlot; slot <= kLastSlot; ++slot) p.pro.engine.SoundSlotFile[slot].clear();
  }
  void Note(const std::string& literal) {
    if (!literal.empty()) named.insert(Listed(literal));
  }
  // Each loader for each voice.
  void LoadEach(std::initializer_list<void (*)(state::ProContext&)> loaders) {
    for (int voice = 1; voice <= 4; ++voice) {
      p.pro.briefing.CabinAttendantChoice = static_cast<std::int16_t>(voice);
      for (auto loader : loaders) Load(loader);
    }
  }

  test::EngineProgram p;
  std::set<std::string> sample;
  std::set<std::string> named;
  std::vector<int> airports, airlines;
};

TEST_F(SampleCoverageTest, EveryRecordingTheBuiltGroupsCanNameIsInTheSample) {
  const auto loaders = {PrepareBoardingAnnouncement, PrepareArrivalAnnouncement, PrepareFinalAnnouncement,
                        PrepareSafetyAnnouncement, PrepareTakeoffAnnouncement, PrepareTakeoffWaitAnnouncement,
                        PrepareSeatbeltOffAnnouncement, PrepareServiceStartAnnouncement,
                        PrepareOneHourAnnouncement, PrepareServiceEndAnnouncement, PrepareApproachAnnouncement,
                        PrepareLandingAnnouncement, PrepareTurbulenceAnnouncement, PrepareCaptainGreeting,
                        PrepareLdbAnnouncement};
  for (int airline : airlines) {
    p.pro.briefing.SelectedAirlineIndex = std::to_string(airline);
    LoadEach(loaders);
  }
  p.pro.briefing.SelectedAirlineIndex = std::to_string(airlines[0]);
  for (int airport : airports) {
    p.pro.files.RouteAirports[0].slot = std::to_string(airport);
    p.pro.files.RouteAirports[1].slot = std::to_string(airport);
    LoadEach(loaders);
    Note(LobbyChime(p.pro, airport));
  }
  for (int delayClass : {-1, 0, 10, 20, 30, 40, 50, 60}) {
    p.pro.files.ArrivalDelayClass = static_cast<std::int16_t>(delayClass);
    Load(PrepareFinalAnnouncement);
  }
  auto& departure = p.pro.briefing.BriefingTimes.events[0];
  for (int hour = 0; hour < 24; ++hour) {
    departure.localHour = static_cast<std::int16_t>(hour);
    Load(PrepareBoardingAnnouncement);
  }
  for (int minute = 0; minute < 60; ++minute) {
    departure.localMinute = static_cast<std::int16_t>(minute);
    Load(PrepareBoardingAnnouncement);
  }
  // The captain's greeting at every local hour, in every language set, on time and late.
  for (int hour = 0; hour < 24; ++hour) {
    p.pro.sim.SimClock.localHour = static_cast<std::int16_t>(hour);
    for (int language = 1; language <= 6; ++language) {
      p.pro.flight.CaptainAnnounceLanguage = static_cast<std::int16_t>(language);
      for (bool delayed : {false, true}) {
        p.pro.engine.DepartureDelayed = delayed;
        Load(PrepareCaptainGreeting);
      }
    }
  }
  // The landing briefing's runway digits and sides, go-around altitudes to 9900 ft and the
  // go-around flaps of the prompt.
  auto& ldb = p.pro.flight.LandingBriefing;
  for (int digit = 0; digit <= 9; ++digit) {
    ldb.LandingRunwayParts[0] = ldb.LandingRunwayParts[1] = std::to_string(digit);
    Load(PrepareLdbAnnouncement);
  }
  for (const char* side : {"レフト(L)", "ライト(R)", "センター(C)", ""}) {
    ldb.LandingRunwayParts[2] = side;
    Load(PrepareLdbAnnouncement);
  }
  for (int feet = 0; feet <= 9900; feet += 100) {
    ldb.GoAroundAltitude = static_cast<std::int16_t>(feet);
    Load(PrepareLdbAnnouncement);
  }
  for (int flaps : {0, 1, 5, 10, 15, 20, 25, 30}) {
    ldb.GoAroundFlap = static_cast<std::int16_t>(flaps);
    Load(PrepareLdbAnnouncement);
  }
  p.pro.engine.SpecialVoiceOn = true;
  Load(PrepareCaptainGreeting);
  Load(PrepareBoardingAnnouncement);
  Load(PrepareArrivalAnnouncement);
  Load(PrepareSafetyAnnouncement);
  for (auto loader : {PrepareSeatbeltOffAnnouncement, PrepareServiceStartAnnouncement, PrepareOneHourAnnouncement,
                      PrepareApproachAnnouncement, PrepareLandingAnnouncement})
    Load(loader);
  p.pro.engine.SpecialVoiceOn = false;
  // The taxi's runway digits, sides and flaps.
  auto& tob = p.pro.briefing.TobBriefing;
  for (int digit = 0; digit <= 9; ++digit) {
    tob.TakeoffRunwayDigit1 = tob.TakeoffRunwayDigit2 = std::to_string(digit);
    Load(PrepareSafetyAnnouncement);
  }
  for (const char* side : {"レフト(L)", "ライト(R)", "センター(C)"}) {
    tob.TakeoffRunwaySide = side;
    Load(PrepareSafetyAnnouncement);
  }
  for (int flap : {0, 5, 10, 15, 20, 25, 30}) {
    tob.TakeoffFlap = static_cast<std::int16_t>(flap);
    Load(PrepareSafetyAnnouncement);
  }
  // Flight numbers and gates the briefing sheet allows, in the forms of the lobby.
  for (int number = 0; number <= 9999; ++number)
    for (const std::string& file : BuildSpokenDigits(number, kLobbyFlightPlaces).files) Note(file);
  for (int gate = 0; gate <= 999; ++gate)
    for (const std::string& file : BuildSpokenDigits(gate, kLobbyGatePlaces).files) Note(file);

  std::vector<std::string> missing;
  for (const std::string& file : named)
    if (!sample.count(file)) missing.push_back(file);
  EXPECT_TRUE(missing.empty()) << missing.size() << " not in the sample, the first: " << missing.front();
  EXPECT_GT(named.size(), 200u);
}



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

class SampleFlightCoverageTest : public ::testing::Test {
 protected:
  SampleFlightCoverageTest() {
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

TEST_F(SampleFlightCoverageTest, TheLoadersOfTheBuiltGroupsNameOnlyRecordingsOfTheSample) {
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
        Run(what + " G3", PrepareSafetyAnnouncement);
        Run(what + " G4", PrepareTakeoffAnnouncement);
        Run(what + " G9", PrepareTakeoffWaitAnnouncement);
        Run(what + " A1", PrepareSeatbeltOffAnnouncement);
        Run(what + " A3", PrepareServiceStartAnnouncement);
        Run(what + " A5", PrepareOneHourAnnouncement);
        Run(what + " A6", PrepareServiceEndAnnouncement);
        Run(what + " A7", PrepareApproachAnnouncement);
        Run(what + " A8", PrepareLandingAnnouncement);
        Run(what + " A9", PrepareTurbulenceAnnouncement);
        Run(what + " A2", PrepareCaptainGreeting);
        Run(what + " A4", PrepareLdbAnnouncement);
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
