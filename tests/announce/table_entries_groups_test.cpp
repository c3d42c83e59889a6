// The groups over table indexes that name no entry, as a settings file or a random flight
// can carry them: -1, the first past the end (201), 30000 and a text that is no number,
// for the airline and both route airports. Every loader that names a recording by a table
// entry leaves that recording's slot silent and names the rest; every group plays on.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "announce/arrival_phase.h"
#include "announce/boarding_phase.h"
#include "announce/captain_greeting.h"
#include "announce/engine_program.h"
#include "announce/inflight_groups.h"
#include "announce/pushback_phase.h"
#include "announce/sound_slots.h"
#include "announce/taxi_phase.h"

namespace vx::announce {
namespace {

const char* const kNoEntry[] = {"-1", "201", "30000", "ｘ"};

// A loader and the slots it names by the airline's or an airport's entry.
struct EntryLoader {
  const char* name;
  void (*prepare)(state::ProContext&);
  std::vector<int> entrySlots;
};
const EntryLoader kLoaders[] = {
    {"G0", PrepareBoardingAnnouncement, {14, 15}},  // lobby airline, arrival airport
    {"G2", PreparePushbackAnnouncement, {7, 8}},    // airline, arrival airport (long welcome)
    {"G3", PrepareSafetyAnnouncement, {}},          // the airline's safety file: below
    {"G5", PrepareArrivalAnnouncement, {7, 8}},     // airline, arrival airport
    {"G6", PrepareFinalAnnouncement, {7, 19, 20}},  // airline, lobby airline, origin
    {"A2", PrepareCaptainGreeting, {16}},           // airline
    {"A5", PrepareOneHourAnnouncement, {8}},        // arrival airport
};

class NoEntryTest : public ::testing::Test {
 protected:
  NoEntryTest() {
    p.StartFlight();
    p.pro.briefing.CabinAttendantChoice = 4;  // the long welcome names the arrival airport
    p.pro.briefing.TobBriefing.FlightNumber = "1205";
    p.pro.briefing.TobBriefing.TakeoffRunway = "16R";
    p.pro.files.AirlineTable[3].安全放送 = "jal.wav";
    p.Wav("\\Wav\\Etc\\安全放送\\jal.wav", 1.0);
    p.Wav("\\Wav\\CA4\\G3.wav", 1.0);
    Entries("3", "1", "5");
  }
  void Entries(const std::string& airline, const std::string& departure, const std::string& arrival) {
    p.pro.briefing.SelectedAirlineIndex = airline;
    p.pro.files.RouteAirports[0].slot = departure;
    p.pro.files.RouteAirports[1].slot = arrival;
  }
  std::string Slot(int slot) const { return p.Literal(p.pro.engine.SoundSlotFile[static_cast<std::size_t>(slot)]); }

  test::EngineProgram p;
};

TEST_F(NoEntryTest, EveryLoaderLeavesTheRecordingsOfNoEntrySilent) {
  for (const EntryLoader& loader : kLoaders) {
    SCOPED_TRACE(loader.name);
    // The flight's own entries name their recordings.
    loader.prepare(p.pro);
    for (int slot : loader.entrySlots) EXPECT_NE(Slot(slot), "") << slot;
    StopAllAnnouncementSounds(p.pro);
    for (const char* index : kNoEntry) {
      SCOPED_TRACE(index);
      Entries(index, index, index);
      for (int slot = 7; slot <= 50; ++slot) SetSlotFile(p.pro, slot, "\\Wav\\earlier.wav");
      loader.prepare(p.pro);
      for (int slot : loader.entrySlots) EXPECT_EQ(p.pro.engine.SoundSlotFile[static_cast<std::size_t>(slot)], "") << slot;
      EXPECT_NE(Slot(9), "") << "the loader names its other recordings";
      StopAllAnnouncementSounds(p.pro);
      Entries("3", "1", "5");
    }
  }
  EXPECT_TRUE(p.boxes.shown.empty());
}

TEST_F(NoEntryTest, TheTaxiGroupTakesTheAttendantsSafetyAnnouncementForAnAirlineOfNoEntry) {
  PrepareSafetyAnnouncement(p.pro);
  EXPECT_EQ(Slot(7), "\\Wav\\Etc\\安全放送\\jal.wav");
  StopAllAnnouncementSounds(p.pro);
  for (const char* index : kNoEntry) {
    SCOPED_TRACE(index);
    p.pro.briefing.SelectedAirlineIndex = index;
    PrepareSafetyAnnouncement(p.pro);
    EXPECT_EQ(Slot(7), "\\Wav\\CA4\\G3.wav");
    EXPECT_EQ(p.pro.engine.AirlineSafetyFileUsed, 0);
    StopAllAnnouncementSounds(p.pro);
  }
}

// C A 0, 2, 3, 5 and 6 on the ground with no entry for the airline and the airports:
// each group plays to its end and moves the ground step on, without a message.
TEST_F(NoEntryTest, EveryGroundGroupPlaysOnAndMovesTheStep) {
  struct Group {
    std::int16_t request;
    std::int16_t stepAfter;
    const char* plays;  // a recording it plays whatever the entries
  };
  const Group groups[] = {{10, 1, "\\Wav\\Lob\\出発最終案内.wav"},
                          {12, 3, "\\Wav\\CA4\\G1_2.wav"},
                          {13, 4, "\\Wav\\CA4\\G3.wav"},
                          {15, 6, "\\Wav\\CA1\\G5_1.wav"},
                          {16, 7, "\\Wav\\CA1\\G6_1.wav"}};
  for (const char* recording : {"\\Wav\\Lob\\出発最終案内.wav", "\\Wav\\CA4\\G1_2.wav", "\\Wav\\CA1\\G5_1.wav",
                                "\\Wav\\CA1\\G6_1.wav"})
    p.Wav(recording, 1.0);
  std::filesystem::create_directories(p.dir.Path() / "FlightReport");
  p.pro.briefing.PushbackSettings.pushbackOn = 0;
  p.pro.briefing.PushbackSettings.cockpitConversation = 0;
  p.pro.main.SpeedCallOption = "ON";
  for (const char* index : kNoEntry) {
    for (const Group& group : groups) {
      SCOPED_TRACE(std::string(index) + " request " + std::to_string(group.request));
      Entries(index, index, index);
      p.pro.flight.GroundStep = static_cast<std::int16_t>(group.request - 10);
      p.sound.calls.clear();
      p.SetOrigin();
      p.Serve(group.request);
      EXPECT_EQ(p.pro.flight.GroundStep, group.stepAfter);
      bool played = false;
      for (const test::Played& part : p.Timeline()) played = played || part.file == group.plays;
      EXPECT_TRUE(played);
    }
  }
  EXPECT_TRUE(p.boxes.shown.empty());
}

}  // namespace
}  // namespace vx::announce
