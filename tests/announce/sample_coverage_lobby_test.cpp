// Every recording a built group's loader can name is in the sample installation
// (scripts/make-sample.py): the loaders run over the sample's airport and airline tables,
// every cabin attendant voice, every delay class, every flight number and gate, every
// departure hour and minute, and the hidden set; each file they put into a sound slot
// must be one the script makes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "announce/arrival_phase.h"
#include "announce/boarding_phase.h"
#include "announce/engine_program.h"
#include "announce/lobby_chime.h"
#include "announce/pro_tables.h"
#include "announce/sound_slots.h"
#include "announce/spoken_digits.h"

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

class LobbyAndArrivalCoverageTest : public ::testing::Test {
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
    LoadAirportTable(p.pro);
    LoadAirlineTable(p.pro);
    for (int i = 0; i < state::kTableSlots; ++i) {
      if (!p.pro.files.AirportTable[static_cast<std::size_t>(i)].選択ボタン.empty()) airports.push_back(i);
      if (!p.pro.files.AirlineTable[static_cast<std::size_t>(i)].選択ボタン.empty()) airlines.push_back(i);
    }
    ASSERT_FALSE(airports.empty());
    ASSERT_FALSE(airlines.empty());

    auto& tob = p.pro.briefing.TobBriefing;
    tob.FlightNumber = "1234";
    tob.DepartureGate = 5;
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

TEST_F(LobbyAndArrivalCoverageTest, EveryRecordingTheBuiltGroupsCanNameIsInTheSample) {
  const auto loaders = {PrepareBoardingAnnouncement, PrepareArrivalAnnouncement, PrepareFinalAnnouncement};
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
  p.pro.engine.SpecialVoiceOn = true;
  Load(PrepareBoardingAnnouncement);
  Load(PrepareArrivalAnnouncement);
  p.pro.engine.SpecialVoiceOn = false;
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

}  // namespace
}  // namespace vx::announce
