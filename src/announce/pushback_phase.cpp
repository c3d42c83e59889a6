#include "announce/pushback_phase.h"

#include <optional>
#include <string>
#include <string_view>

#include "announce/cabin_attendant.h"
#include "announce/engine_start.h"
#include "announce/group_run.h"
#include "announce/route_region.h"
#include "announce/sound_slots.h"
#include "announce/spoken_digits.h"
#include "announce/value_phrases.h"
#include "mainfiles/files.h"
#include "platform/event_pump.h"
#include "platform/paths.h"
#include "state/pro_context.h"

namespace vx::announce {
namespace {

// G2's parts in the sound slots.
namespace g2 {
inline constexpr int kAirline = 7;
inline constexpr int kArrivalAirport = 8;
inline constexpr int kWelcome1 = 9;
inline constexpr int kWelcome2 = 10;
inline constexpr int kWelcome3 = 11;
inline constexpr int kWelcome4 = 12;  // domestic or international
inline constexpr int kWelcome5 = 13;
inline constexpr int kFlightDigits = 14;  // to 17
inline constexpr int kEngineTalk = 18;
inline constexpr int kClosingTalk = 19;
inline constexpr int kClosingTalkAes = 20;
inline constexpr int kRunwayTens = 30;  // 31 units, 32 side
inline constexpr int kRunwayUnits = 31;
inline constexpr int kRunwaySide = 32;
inline constexpr int kPushbackDone = 33;
inline constexpr int kCockpitLoop = 29;
inline constexpr int kLastSlot = 39;
}  // namespace g2

constexpr int kLongWelcomeVoice = 4;
constexpr std::string_view kSpecialRecording = "\\Wav\\himitu\\nw057\\G2プッシュバック開始.wav";
constexpr std::string_view kVexlorPb = "\\vexlorPB.cfg";
constexpr float kSpecialSeconds = 68.0f;
constexpr float kHandOverSeconds = 17.0f;
constexpr float kPushbackPollSeconds = 2.0f;
constexpr std::string_view kEngineFolder = "\\Wav\\Etc\\エンジン始動音\\";

// The cockpit's recordings by aircraft type: the type's number in the names, and whether
// the new voice files apply (type 0 has only the plain ones).
struct CockpitNames {
  std::string_view number;
  bool hasNew;
};
constexpr CockpitNames kCockpitByType[] = {
    {"00", false}, {"01", true}, {"02", true}, {"03", true}, {"04", true},
    {"05", true},  {"06", true}, {"06", true}, {"06", true}, {"06", true},
};
constexpr CockpitNames kOtherTypes = {"03", true};

// The add-on sequence's four voices (slots 23, 26, 27, 28); the loader's other unused slots
// of 21 to 28 are silent.
struct FixedSlot {
  int slot;
  std::string_view literal;
};
constexpr FixedSlot kAddonVoices[] = {
    {23, "\\Wav\\CP\\G2_00_N2.wav"},
    {26, "\\Wav\\CP\\G2_00_SC.wav"},
    {27, "\\Wav\\CP\\G2_00_E1.wav"},
    {28, "\\Wav\\CP\\G2_00_ASC.wav"},
};
constexpr int kSilentCockpitSlots[] = {21, 22, 24, 25};
constexpr FixedSlot kEngineSounds[] = {
    {36, "\\Wav\\Etc\\エンジン始動音\\lds767E01.wav"}, {37, "\\Wav\\Etc\\エンジン始動音\\lds767E02.wav"},
    {38, "\\Wav\\Etc\\エンジン始動音\\lds767E03.wav"}, {39, "\\Wav\\Etc\\エンジン始動音\\lds767E04.wav"},
};

// The long welcome's greeting by the simulator's local hour.
std::string_view GreetingByHour(int hour) {
  if (hour >= 5 && hour <= 9) return "\\Wav\\CA4\\G1_1_3.wav";
  if (hour >= 10 && hour <= 17) return "\\Wav\\CA4\\G1_1_1.wav";
  return "\\Wav\\CA4\\G1_1_2.wav";
}

// The long welcome up to its last two parts.
constexpr GroupStep kLongWelcome[] = {
    PartStep(g2::kWelcome1, "Ｇ２：挨拶１"),
    PartStep(g2::kWelcome2, "Ｇ２：挨拶２"),
    PartStep(g2::kAirline, "Ｇ２：航空会社名"),
    PartStep(g2::kWelcome3, "Ｇ２：挨拶３"),
    DigitSteps(g2::kFlightDigits, 4, &state::EngineState::FlightNumberMask),
    PartStep(g2::kArrivalAirport, "Ｇ２：到着空港"),
};

}  // namespace

void PreparePushbackAnnouncement(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  const auto& tob = pro.briefing.TobBriefing;
  LoadSpecialRecording(pro, kSpecialRecording);

  // The airline's name in a voice's folder (none for no entry of the table).
  const std::string airline = EntryRecording("\\Cmp", AirlineSlot(pro), "\\SCOMP_");
  const std::optional<int> arrivalSlot = ArrivalAirportSlot(pro);
  e.WelcomeVoiceSet = static_cast<std::int16_t>(ChooseCabinAttendant(
      pro,
      [&](int n) {
        return n == kLongWelcomeVoice || (n >= 1 && n <= 3 && CabinAttendantHas(pro, n, {airline, "\\G1_1.wav"}));
      },
      VoiceDraw{.voices = 4, .limit = VoiceDrawLimit::VoiceOneAfter21Draws, .afterDraws = kLongWelcomeVoice}));

  for (int slot = kFirstGroupSlot; slot <= g2::kLastSlot; ++slot) SetSlotSilent(pro, slot);
  const int voice = e.WelcomeVoiceSet;
  const std::string folder = CabinAttendantFolder(voice);
  SetSlotFile(pro, g2::kAirline, CabinAttendantFile(voice, airline));
  if (voice == kLongWelcomeVoice) {
    SetSlotFile(pro, g2::kArrivalAirport, EntryRecording("\\Wav\\CA4\\Apt", arrivalSlot, "\\SAPT_"));
    SetSlotFile(pro, g2::kWelcome1, GreetingByHour(pro.sim.SimClock.localHour));
    SetSlotFile(pro, g2::kWelcome2, "\\Wav\\CA4\\G1_2.wav");
    SetSlotFile(pro, g2::kWelcome3, "\\Wav\\CA4\\G1_3.wav");
    const bool international = arrivalSlot && *arrivalSlot >= state::kFirstInternationalSlot;
    SetSlotFile(pro, g2::kWelcome4, international ? "\\Wav\\CA4\\G1_4_int.wav" : "\\Wav\\CA4\\G1_4_dom.wav");
    SetSlotFile(pro, g2::kWelcome5, "\\Wav\\CA4\\G1_5.wav");
    e.FlightNumberMask = SetFlightNumberSlots(pro, g2::kFlightDigits, kCabinFlightPlaces);
  } else {
    SetSlotFile(pro, g2::kWelcome1, folder + "\\G1_1.wav");
    SetSlotFile(pro, g2::kWelcome2, folder + "\\G1_2.wav");
    e.FlightNumberMask = "0000";
  }

  const int type = tob.AircraftTypeCode;
  const CockpitNames& names = type >= 0 && type <= 9 ? kCockpitByType[static_cast<std::size_t>(type)] : kOtherTypes;
  const std::string suffix = names.hasNew && pro.briefing.PushbackSettings.voiceFileSet == 1 ? "_new.wav" : ".wav";
  const std::string cockpit = "\\Wav\\CP\\G2_" + std::string(names.number);
  SetSlotFile(pro, g2::kEngineTalk, cockpit + "_1" + suffix);
  SetSlotFile(pro, g2::kClosingTalk, cockpit + "_2" + suffix);
  SetSlotFile(pro, g2::kCockpitLoop, cockpit + "_i.wav");
  SetSlotFile(pro, g2::kClosingTalkAes, "\\Wav\\CP\\G2_00_2AES.wav");
  for (const FixedSlot& s : kAddonVoices) SetSlotFile(pro, s.slot, s.literal);
  for (int slot : kSilentCockpitSlots) SetSlotSilent(pro, slot);

  SetRunwayPhrase(pro);
  SetSlotFile(pro, g2::kPushbackDone, "\\Wav\\Etc\\プッシュバック\\g_pb_ps.wav");
  const std::string engine(kEngineFolder);
  SetSlotFile(pro, 34, engine + (type == 0 ? "lds767E_R.wav" : "767E_R.wav"));
  SetSlotFile(pro, 35, engine + (type == 0 ? "lds767E_L.wav" : "767E_L.wav"));
  for (const FixedSlot& s : kEngineSounds) SetSlotFile(pro, s.slot, s.literal);

  LoadSlotRange(pro, kFirstGroupSlot, g2::kLastSlot);
}

void AnnounceWelcomeShort(state::ProContext& pro) {
  GroupRun g(pro, GroupId::G2Welcome);
  UseVolumeIndex(pro, g.Spec().volumeIndex);
  g.Part(g2::kWelcome1, "Ｇ２：挨拶１");
  if (g.Aborted()) return;
  g.Part(g2::kAirline, "Ｇ２：航空会社名");
  if (g.Aborted()) return;
  g.Play(g2::kWelcome2);
  g.Caption("Ｇ２：挨拶２");
}

void AnnounceWelcomeLong(state::ProContext& pro) {
  GroupRun g(pro, GroupId::G2Welcome);
  UseVolumeIndex(pro, g.Spec().volumeIndex);
  g.Steps(kLongWelcome);
  if (g.Aborted()) return;
  g.Part(g2::kWelcome4, "Ｇ２：挨拶４");
  if (g.Aborted()) return;
  g.Play(g2::kWelcome5);
  g.Caption("Ｇ２：挨拶５");
}

void AnnounceWelcome(state::ProContext& pro) {
  if (pro.engine.WelcomeVoiceSet == kLongWelcomeVoice)
    AnnounceWelcomeLong(pro);
  else
    AnnounceWelcomeShort(pro);
}

void RunPushbackPhase(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  auto& pump = *pro.svc.pump;
  GroupRun g(pro, GroupId::G2);
  const auto& tob = pro.briefing.TobBriefing;
  const auto& options = pro.briefing.PushbackSettings;
  const bool special = e.SpecialVoiceOn;
  const bool cockpit = options.cockpitConversation == 1;
  const bool pushback = options.pushbackOn == 1 && tob.DepartureAesFlag != 1;
  const auto engineStartAt = [&](int timing) { return cockpit && options.engineStartTiming == timing; };

  // The loop starts at the volume the previous announcement left; the group takes its own
  // volume for the call-outs.
  const std::int16_t volumeIndex = pro.flight.CurrentVolumeIndex;
  const std::int16_t volume = pro.flight.CurrentVolume;
  g.Begin();
  pro.flight.CurrentVolumeIndex = volumeIndex;
  pro.flight.CurrentVolume = volume;
  g.Load(PreparePushbackAnnouncement);

  if (special) {
    g.PlayAt(kSpecialSlot, 0);
    pump.Pump();
    g.Wait(kSpecialSeconds);
  }
  g.PlayLooping(g2::kCockpitLoop);
  pump.Pump();

  // An add-on that cannot be read ends the group with its clean-up.
  const auto engineStartFailed = [&] {
    g.Stop(g2::kCockpitLoop);
    g.Close();
  };
  if (engineStartAt(0) && !PlayEngineStart(pro)) return engineStartFailed();

  if (!g.Aborted() && pushback) {
    g.Check();
    UseVolumeIndex(pro, g.Spec().volumeIndex);
    g.Part(g2::kRunwayTens);
    g.Part(g2::kRunwayUnits);
    g.Part(g2::kRunwaySide);
    g.HandOver(kVexlorPb, mainfiles::WriteVexlorPbCfg);
    g.Pause(kHandOverSeconds);
  }

  g.Check();
  if (!special) AnnounceWelcome(pro);
  if (engineStartAt(1) && !PlayEngineStart(pro)) return engineStartFailed();

  g.Check();
  if (pushback) {
    UseVolumeIndex(pro, g.Spec().volumeIndex);
    if (!g.Aborted()) {
      if (pro.svc.paths->Exists(kVexlorPb)) g.WaitForFileGone(kVexlorPb, kPushbackPollSeconds, PollCut::Ignored);
      g.Part(g2::kPushbackDone);
    }
  }
  if (engineStartAt(2) && !PlayEngineStart(pro)) return engineStartFailed();

  const int closing = tob.DepartureAesFlag == 1 ? g2::kClosingTalkAes : g2::kClosingTalk;
  if (!g.Aborted()) {
    g.Play(closing);
    g.Stop(g2::kCockpitLoop);
    pump.Pump();
    g.WaitEnd(closing);
  }
  g.WaitEnd(special ? kSpecialSlot : e.WelcomeVoiceSet == kLongWelcomeVoice ? g2::kWelcome5 : g2::kWelcome2);
  g.Close();
}

}  // namespace vx::announce
