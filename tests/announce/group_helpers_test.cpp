// What the group procedures share: spoken digits, region folders and the domestic test,
// the cabin attendant draw, the sound slots and the hand-over file polls.
#include <gtest/gtest.h>

#include <array>

#include "announce/cabin_attendant.h"
#include "announce/engine_program.h"
#include "announce/handover_polls.h"
#include "announce/lobby_chime.h"
#include "announce/route_region.h"
#include "announce/sound_slots.h"
#include "announce/spoken_digits.h"
#include "platform/paths.h"
#include "runtime/runtime_error.h"

namespace vx::announce {
namespace {

using namespace std::chrono_literals;

constexpr std::array<DigitForms, 4> kLobbyFlight = {{
    {"\\Wav\\Lob\\NumJ\\lo_nk", "\\Wav\\Lob\\NumBin\\lo_bk"},
    {"\\Wav\\Lob\\NumJ\\lo_nh", "\\Wav\\Lob\\NumBin\\lo_bh"},
    {"\\Wav\\Lob\\NumJ\\lo_nj", "\\Wav\\Lob\\NumBin\\lo_bj"},
    {"", "\\Wav\\Lob\\NumBin\\lo_bs"},
}};
constexpr std::array<DigitForms, 3> kLobbyGate = {{
    {"\\Wav\\Lob\\NumJ\\lo_nh", "\\Wav\\Lob\\NumGate\\lo_gh"},
    {"\\Wav\\Lob\\NumJ\\lo_nj", "\\Wav\\Lob\\NumGate\\lo_gj"},
    {"", "\\Wav\\Lob\\NumGate\\lo_gs"},
}};

struct DigitCase {
  int value;
  std::string mask;
  std::vector<std::string> spoken;  // the files of the "1" places, in order
};

std::vector<std::string> Spoken(const SpokenNumber& n) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < n.files.size(); ++i)
    if (n.mask[i] == '1') out.push_back(n.files[i]);
  return out;
}

TEST(SpokenDigits, FlightNumbersSpeakEveryDigitButTheLastInItsRunningForm) {
  const DigitCase cases[] = {
      {120, "0110", {"\\Wav\\Lob\\NumJ\\lo_nh1.wav", "\\Wav\\Lob\\NumBin\\lo_bj2.wav"}},
      {1005, "1001", {"\\Wav\\Lob\\NumJ\\lo_nk1.wav", "\\Wav\\Lob\\NumBin\\lo_bs5.wav"}},
      {1234,
       "1111",
       {"\\Wav\\Lob\\NumJ\\lo_nk1.wav", "\\Wav\\Lob\\NumJ\\lo_nh2.wav", "\\Wav\\Lob\\NumJ\\lo_nj3.wav",
        "\\Wav\\Lob\\NumBin\\lo_bs4.wav"}},
      {1200, "1100", {"\\Wav\\Lob\\NumJ\\lo_nk1.wav", "\\Wav\\Lob\\NumBin\\lo_bh2.wav"}},
      {50, "0010", {"\\Wav\\Lob\\NumBin\\lo_bj5.wav"}},
      {7, "0001", {"\\Wav\\Lob\\NumBin\\lo_bs7.wav"}},
      {0, "0000", {}},
  };
  for (const auto& c : cases) {
    const SpokenNumber n = BuildSpokenDigits(c.value, kLobbyFlight);
    EXPECT_EQ(n.mask, c.mask) << c.value;
    EXPECT_EQ(Spoken(n), c.spoken) << c.value;
    EXPECT_EQ(n.files.size(), 4u);
  }
}

TEST(SpokenDigits, GatesUseTheirOwnFinalForms) {
  const DigitCase cases[] = {
      {5, "001", {"\\Wav\\Lob\\NumGate\\lo_gs5.wav"}},
      {20, "010", {"\\Wav\\Lob\\NumGate\\lo_gj2.wav"}},
      {105, "101", {"\\Wav\\Lob\\NumJ\\lo_nh1.wav", "\\Wav\\Lob\\NumGate\\lo_gs5.wav"}},
  };
  for (const auto& c : cases) {
    const SpokenNumber n = BuildSpokenDigits(c.value, kLobbyGate);
    EXPECT_EQ(n.mask, c.mask) << c.value;
    EXPECT_EQ(Spoken(n), c.spoken) << c.value;
  }
  // Unspoken places still name a file, so the loader's slots are all set.
  EXPECT_EQ(BuildSpokenDigits(5, kLobbyGate).files[0], "\\Wav\\Lob\\NumJ\\lo_nh0.wav");
  // The highest place keeps what is left.
  EXPECT_EQ(BuildSpokenDigits(1234, kLobbyGate).files[0], "\\Wav\\Lob\\NumJ\\lo_nh12.wav");

  test::EngineProgram p;
  SetSpokenDigitSlots(p.pro, 23, BuildSpokenDigits(105, kLobbyGate));
  EXPECT_EQ(p.Literal(p.pro.engine.SoundSlotFile[23]), "\\Wav\\Lob\\NumJ\\lo_nh1.wav");
  EXPECT_EQ(p.Literal(p.pro.engine.SoundSlotFile[25]), "\\Wav\\Lob\\NumGate\\lo_gs5.wav");
}

TEST(RouteRegion, IndexesFrom100AreWorldAndTheFlightIsDomesticOnlyBelow100BothWays) {
  EXPECT_EQ(TableRegion(103).folder, "\\World");
  EXPECT_EQ(TableRegion(103).Number(), "03");
  EXPECT_EQ(TableRegion(112).Number(), "12");
  EXPECT_EQ(TableRegion(7).folder, "\\Japan");
  EXPECT_EQ(TableRegion(7).Number(), "07");
  EXPECT_EQ(TableRegion(99).folder, "\\Japan");
  EXPECT_EQ(TableRegion(100).Number(), "00");

  test::EngineProgram p;
  auto& route = p.pro.files.RouteAirports;
  route[0].slot = "5";
  route[1].slot = "12";
  EXPECT_TRUE(DomesticFlight(p.pro));
  route[1].slot = "120";
  EXPECT_FALSE(DomesticFlight(p.pro));
  route[0].slot = "105";
  route[1].slot = "5";
  EXPECT_FALSE(DomesticFlight(p.pro));
  // An airport of no entry is not an international one.
  route[0].slot = "ｘ";
  EXPECT_TRUE(DomesticFlight(p.pro));
  route[1].slot = "201";
  EXPECT_TRUE(DomesticFlight(p.pro));
  p.pro.briefing.SelectedAirlineIndex = "105";
  EXPECT_EQ(AirlineSlot(p.pro), 105);
  EXPECT_EQ(EntryRecording("\\Wav\\Lob\\Cmp", AirlineSlot(p.pro), "\\LCOMP_"), "\\Wav\\Lob\\Cmp\\World\\LCOMP_05.wav");
  p.pro.briefing.SelectedAirlineIndex = "30000";
  EXPECT_EQ(AirlineSlot(p.pro), std::nullopt);
  EXPECT_EQ(EntryRecording("\\Wav\\Lob\\Cmp", AirlineSlot(p.pro), "\\LCOMP_"), "");
}

class CabinAttendantTest : public ::testing::Test {
 protected:
  int Choose(VoiceDraw draw = {}) {
    return ChooseCabinAttendant(p.pro, [&](int n) { return CabinAttendantHas(p.pro, n, {"\\G3.wav"}); }, draw);
  }
  test::EngineProgram p;
};

TEST_F(CabinAttendantTest, TheChosenVoiceWhenItHasTheRecordingElseADrawnOne) {
  p.Wav("\\Wav\\CA2\\G3.wav", 1);
  p.Wav("\\Wav\\CA3\\G3.wav", 1);
  p.pro.briefing.CabinAttendantChoice = 3;
  EXPECT_EQ(Choose(), 3);
  EXPECT_EQ(p.random.Pending(), 0u);

  p.pro.briefing.CabinAttendantChoice = 4;  // lacks it
  for (double r : {0.0, 0.9, 0.3}) p.random.Push(r);  // voices 1, 4, 2
  EXPECT_EQ(Choose(), 2);

  p.pro.briefing.CabinAttendantChoice = 9;  // a settings file may hold it
  p.random.Push(0.5);
  EXPECT_EQ(Choose(), 3);
}

TEST_F(CabinAttendantTest, NoVoiceWithTheRecordingEndsTheDrawBoundedly) {
  // Voice 1 after 21 draws.
  for (int i = 0; i < 25; ++i) p.random.Push(0.6);
  EXPECT_EQ(Choose(), 1);
  EXPECT_EQ(p.random.Pending(), 4u);
  // Each voice once, even when the draws repeat themselves; then none.
  test::EngineProgram q;
  q.pro.briefing.CabinAttendantChoice = 2;
  EXPECT_EQ(ChooseCabinAttendant(q.pro, [](int) { return false; }, {.voices = 4, .limit = VoiceDrawLimit::EachVoiceOnce}),
            0);
  std::vector<int> tried;
  q.Wav("\\Wav\\CA4\\G3.wav", 1);
  ChooseCabinAttendant(
      q.pro,
      [&](int n) {
        tried.push_back(n);
        return CabinAttendantHas(q.pro, n, {"\\G3.wav"});
      },
      {.voices = 4, .limit = VoiceDrawLimit::EachVoiceOnce});
  EXPECT_EQ(tried, (std::vector<int>{2, 1, 3, 4}));  // the choice, then draws of 0 moving on
}

TEST_F(CabinAttendantTest, AThreeVoiceDrawNeverTakesVoiceFour) {
  p.Wav("\\Wav\\CA4\\G3.wav", 1);
  p.random.Push(0.999);
  EXPECT_EQ(Choose({.voices = 3}), 1) << "voice 4 is not drawn; after 21 draws voice 1";
}

TEST(SoundSlots, AFreedSlotIsZeroAndFreeingOrStoppingItAgainDoesNothing) {
  test::EngineProgram p;
  p.Wav("\\Wav\\T\\a.wav", 1);
  p.StartFlight();
  SetSlotFile(p.pro, 7, "\\Wav\\T\\a.wav");
  SetSlotFile(p.pro, 8, "\\Wav\\T\\missing.wav");
  LoadSlotRange(p.pro, 7, 8);
  EXPECT_EQ(p.pro.engine.FirstLoadedSlot, 7);
  EXPECT_EQ(p.pro.engine.LastLoadedSlot, 8);
  const auto buffer = p.pro.engine.SoundSlotBuffer[7];
  ASSERT_NE(buffer, 0);
  EXPECT_EQ(p.pro.engine.SoundSlotBuffer[8], 0) << "a missing recording plays nothing";
  StopAllAnnouncementSounds(p.pro);
  EXPECT_EQ(p.pro.engine.SoundSlotBuffer[7], 0);
  StopAllAnnouncementSounds(p.pro);
  FreeSlot(p.pro, 7);
  int frees = 0;
  for (const auto& c : p.sound.CallsOf({platform::RecordingSoundDevice::Op::Free})) frees += c.buffer == buffer;
  EXPECT_EQ(frees, 1);
}

TEST(SoundSlots, TheFixedEffectsAndTheSpecialRecording) {
  test::EngineProgram p;
  p.Wav("\\Wav\\Etc\\スイッチ音\\-ss1.wav", 0.2);
  p.Wav("\\Wav\\Etc\\エアコン\\aircon.wav", 3);
  p.Wav("\\Wav\\himitu\\nw057\\G3安全放送.wav", 3);
  PresetSoundSlotFiles(p.pro);
  EXPECT_EQ(p.Literal(p.pro.engine.SoundSlotFile[50]), "\\Wav\\Etc\\スイッチ音\\-ss1.wav");
  p.StartFlight();
  EXPECT_EQ(p.pro.engine.FirstLoadedSlot, 0);
  EXPECT_EQ(p.pro.engine.LastLoadedSlot, 6);
  EXPECT_NE(p.pro.engine.SoundSlotBuffer[0], 0);
  EXPECT_NE(p.pro.engine.SoundSlotBuffer[4], p.pro.engine.SoundSlotBuffer[5]);
  EXPECT_EQ(p.Literal(p.pro.engine.SoundSlotFile[5]), "\\Wav\\Etc\\エアコン\\aircon.wav");
  EXPECT_EQ(p.Literal(p.pro.engine.SoundSlotFile[6]), "\\Wav\\himitu\\nw057\\G0搭乗案内.wav");

  LoadSpecialRecording(p.pro, "\\Wav\\himitu\\nw057\\G3安全放送.wav");  // off: nothing
  EXPECT_EQ(p.Literal(p.pro.engine.SoundSlotFile[6]), "\\Wav\\himitu\\nw057\\G0搭乗案内.wav");
  p.pro.engine.SpecialVoiceOn = true;
  LoadSpecialRecording(p.pro, "\\Wav\\himitu\\nw057\\G3安全放送.wav");
  EXPECT_NE(p.pro.engine.SoundSlotBuffer[6], 0);
  LoadSlotRange(p.pro, 7, 7);
  StopAllAnnouncementSounds(p.pro);
  EXPECT_EQ(p.pro.engine.SoundSlotBuffer[6], 0) << "freed with the group while the special set is on";
  EXPECT_NE(p.pro.engine.SoundSlotBuffer[4], 0);
}

TEST(HandoverPolls, PollsSleepBetweenTestsEndOnTheFlightAndHeedTheCutOnlyWhenAsked) {
  test::EngineProgram p;
  p.StartFlight();
  p.File("\\vexlorPB.cfg");
  p.pro.engine.AnnounceAbort = true;  // the cancel keys: the pushback's poll goes on
  p.pump.After(9s, [&] { p.paths.DeleteIfExists("\\vexlorPB.cfg"); });
  const auto t0 = p.Now();
  const auto rounds = p.sound.isPlayingQueries;
  EXPECT_TRUE(PollUntilFileGone(p.pro, "\\vexlorPB.cfg", 2.0f, PollCut::Ignored));
  EXPECT_NEAR((p.Now() - t0) / 1e9, 10.0, 0.05) << "seen at the fifth 2 s step";
  EXPECT_LT(p.pump.PumpCount(), 5000) << "it sleeps between its tests";
  EXPECT_EQ(p.sound.isPlayingQueries, rounds);

  p.File("\\EyeDoor.cfg");
  EXPECT_TRUE(PollUntilFileGone(p.pro, "\\EyeDoor.cfg", 1.0f, PollCut::Ends));  // the cut ends it
  p.pro.engine.AnnounceAbort = false;
  p.pump.After(2500ms, [&] { p.File("\\EyeCargo.cfg"); });
  EXPECT_TRUE(PollUntilFileExists(p.pro, "\\EyeCargo.cfg", 1.0f, PollCut::Ends));
  p.pump.After(1500ms, [&] { p.pro.engine.FlightWindowClosed = true; });
  EXPECT_FALSE(PollUntilFileGone(p.pro, "\\EyeCargo.cfg", 1.0f, PollCut::Ends));
}

}  // namespace
}  // namespace vx::announce


namespace vx::announce {
namespace {

TEST(LobbyChime, TheAirportsOwnChimeElseADrawnTypeChimeElseNone) {
  test::EngineProgram p;
  EXPECT_EQ(LobbyChime(p.pro, 3), "") << "no chime at all: the slot stays silent";
  p.Wav("\\Wav\\Lob\\Type_b.wav", 1);
  p.Wav("\\Wav\\Lob\\type_A.wav", 1);
  p.Wav("\\Wav\\Lob\\Haneda.WAV", 1);
  p.pro.files.AirportTable[3].チャイム = " haneda.wav ";
  EXPECT_EQ(LobbyChime(p.pro, 3), "\\Wav\\Lob\\Haneda.WAV");
  p.pro.files.AirportTable[3].チャイム = "gone.wav";
  p.random.Push(0.7);
  EXPECT_EQ(LobbyChime(p.pro, 3), "\\Wav\\Lob\\Type_b.wav");
  p.random.Push(0.2);
  EXPECT_EQ(LobbyChime(p.pro, 999), "\\Wav\\Lob\\type_A.wav");
}

TEST(LobbyChime, ATableNameThatLeavesTheLobbyFolderCountsAsMissing) {
  test::EngineProgram p;
  p.Wav("\\Wav\\Lob\\Type_b.wav", 1);
  p.Wav("\\Wav\\Lob\\sub\\own.wav", 1);
  p.Wav("\\Wav\\secret.wav", 1);
  p.Wav("\\Wav\\Lob\\a..b.wav", 1);
  for (const char* name : {"sub\\own.wav", "sub/own.wav", "..\\secret.wav", "../secret.wav", "a..b.wav", "..", "\\"}) {
    p.pro.files.AirportTable[3].チャイム = name;
    p.random.Push(0.0);
    EXPECT_EQ(LobbyChime(p.pro, 3), "\\Wav\\Lob\\Type_b.wav") << name;
  }
  EXPECT_TRUE(platform::IsBareFileName("haneda.wav"));
  EXPECT_FALSE(platform::IsBareFileName(""));
}

TEST(SoundSlots, ASilentSlotLoadsNoBufferAndShowsNoMessage) {
  test::EngineProgram p;
  p.StartFlight();
  SetSlotFile(p.pro, 13, "\\Wav\\Lob\\chime.wav");
  SetSlotSilent(p.pro, 13);
  EXPECT_EQ(p.pro.engine.SoundSlotFile[13], "");
  LoadSlotRange(p.pro, 13, 13);
  EXPECT_EQ(SlotBuffer(p.pro, 13), 0);
  PlaySlot(p.pro, 13, 0);
  EXPECT_FALSE(SlotPlaying(p.pro, 13));
}

}  // namespace
}  // namespace vx::announce
