#include "announce/captain_greeting.h"

#include <span>
#include <string>
#include <string_view>

#include "announce/group_run.h"
#include "announce/prompt_wait.h"
#include "announce/route_region.h"
#include "announce/sound_slots.h"
#include "announce/value_phrases.h"
#include "platform/event_pump.h"
#include "state/pro_context.h"

namespace vx::announce {
namespace {

// A2's parts in the sound slots.
namespace a2 {
inline constexpr int kCockpitOpening = 7;
inline constexpr int kCockpitClosing = 8;
inline constexpr int kJapanese1 = 9;  // 9 to 15 new Japanese, 9 to 13 airline-name Japanese
inline constexpr int kAirline = 16;
inline constexpr int kMetresJ = 17;
inline constexpr int kSpeedJ = 18;
inline constexpr int kWeatherJ = 19;
inline constexpr int kTemperatureJ = 20;
inline constexpr int kEnglish1 = 21;  // 21 to 26
inline constexpr int kFeetE = 27;
inline constexpr int kMetresE = 28;
inline constexpr int kSpeedE = 29;
inline constexpr int kWeatherE = 30;
inline constexpr int kTemperatureE = 31;
inline constexpr int kNoise = 32;
}  // namespace a2

constexpr std::string_view kHiddenRecording = "\\Wav\\himitu\\nw057\\A2機長挨拶.wav";

// The openings by the simulator's local hour; an hour outside every band takes the
// evening opening.
struct HourBand {
  int from;
  int to;
  std::string_view file;
};
constexpr HourBand kJapaneseOpenings[] = {
    {5, 9, "\\Wav\\CP\\A2_1MJ.wav"},
    {10, 18, "\\Wav\\CP\\A2_1AJ.wav"},
};
constexpr std::string_view kJapaneseEvening = "\\Wav\\CP\\A2_1EJ.wav";
constexpr HourBand kEnglishOpenings[] = {
    {5, 11, "\\Wav\\CP\\A2_1ME.wav"},
    {12, 17, "\\Wav\\CP\\A2_1AE.wav"},
};
constexpr std::string_view kEnglishEvening = "\\Wav\\CP\\A2_1EE.wav";

template <std::size_t N>
std::string_view OpeningOf(const HourBand (&bands)[N], std::string_view evening, int hour) {
  for (const HourBand& band : bands)
    if (hour >= band.from && hour <= band.to) return band.file;
  return evening;
}

// The recordings after the opening: the second, the third by DepartureDelayed, and the
// fourth to the seventh.
constexpr std::string_view kNewJapanese2 = "\\Wav\\CP\\A2_2J.wav";
constexpr std::string_view kNewJapanese4to7[] = {
    "\\Wav\\CP\\A2_4J.wav", "\\Wav\\CP\\A2_5J.wav", "\\Wav\\CP\\A2_6J.wav", "\\Wav\\CP\\A2_7J.wav",
};
constexpr std::string_view kDelayed = "\\Wav\\CP\\A2_3Jdelay.wav";
constexpr std::string_view kOnTime = "\\Wav\\CP\\A2_3Jontime.wav";
constexpr std::string_view kCompanyJapanese[] = {
    "\\Wav\\CP\\A2_1.wav", "\\Wav\\CP\\A2_2.wav", "\\Wav\\CP\\A2_3.wav", "\\Wav\\CP\\A2_4.wav", "\\Wav\\CP\\A2_5.wav",
};
constexpr std::string_view kEnglish[] = {
    "\\Wav\\CP\\A2_2E.wav", "\\Wav\\CP\\A2_3E.wav", "\\Wav\\CP\\A2_4E.wav", "\\Wav\\CP\\A2_5E.wav", "\\Wav\\CP\\A2_6E.wav",
};

constexpr GroupStep kJapaneseSteps[] = {
    PartStep(a2::kJapanese1, "Ａ２：機長挨拶１"),     PartStep(10, "Ａ２：機長挨拶２"),
    PartStep(11, "Ａ２：機長挨拶３"),                 PartStep(a2::kMetresJ, "Ａ２：機長高度(ｍ)"),
    PartStep(12, "Ａ２：機長挨拶４"),                 PartStep(a2::kSpeedJ, "Ａ２：機長速度"),
    PartStep(13, "Ａ２：機長挨拶５"),                 PartStep(a2::kWeatherJ, "Ａ２：機長天候"),
    PartStep(14, "Ａ２：機長挨拶６"),                 PartStep(a2::kTemperatureJ, "Ａ２：機長気温"),
    PartStep(15, "Ａ２：機長挨拶７"),
};

constexpr GroupStep kEnglishSteps[] = {
    PartStep(a2::kEnglish1, "Ａ２：英語挨拶１"),  PartStep(22, "Ａ２：英語挨拶２"),
    PartStep(a2::kFeetE, "Ａ２：英語高度(ft)"),  PartStep(23, "Ａ２：英語挨拶３"),
    PartStep(a2::kMetresE, "Ａ２：英語高度(ｍ)"), PartStep(24, "Ａ２：英語挨拶４"),
    PartStep(a2::kSpeedE, "Ａ２：英語速度"),     PartStep(25, "Ａ２：英語挨拶５"),
    PartStep(a2::kWeatherE, "Ａ２：英語天候"),   PartStep(a2::kTemperatureE, "Ａ２：英語気温"),
    PartStep(26, "Ａ２：英語挨拶６"),
};

// The airline's name is said twice; the group's caption stays over the first part.
constexpr GroupStep kCompanySteps[] = {
    PartStep(a2::kJapanese1),
    PartStep(a2::kAirline, "Ａ２：航空会社名"),
    PartStep(10, "Ａ２：機長挨拶２"),
    PartStep(a2::kMetresJ, "Ａ２：高度"),
    PartStep(a2::kSpeedJ, "Ａ２：速度"),
    PartStep(11, "Ａ２：機長挨拶３"),
    PartStep(12, "Ａ２：機長挨拶４"),
    PartStep(a2::kAirline, "Ａ２：航空会社名"),
    PartStep(13, "Ａ２：機長挨拶５"),
};

// What each language set plays; any value not listed plays the airline-name Japanese.
struct LanguageSet {
  int language;
  bool pauseFirst;  // 2 s before the first sequence
  void (*first)(state::ProContext&);
  void (*second)(state::ProContext&);
};
constexpr LanguageSet kLanguageSets[] = {
    {1, true, PlayCaptainGreetingJ, nullptr},
    {2, true, PlayCaptainGreetingJ, PlayCaptainGreetingE},
    {3, true, PlayCaptainGreetingE, nullptr},
    {4, false, PlayCaptainGreetingCompany, nullptr},
    {5, false, PlayCaptainGreetingCompany, PlayCaptainGreetingE},
};
constexpr LanguageSet kOtherLanguage = {0, false, PlayCaptainGreetingCompany, nullptr};

const LanguageSet& LanguageSetOf(int language) {
  for (const LanguageSet& set : kLanguageSets)
    if (set.language == language) return set;
  return kOtherLanguage;
}

constexpr float kBeforeGreetingSeconds = 2;
constexpr float kAroundNoiseStopSeconds = 1;

bool NewJapanese(const state::ProContext& pro) {
  const int language = pro.flight.CaptainAnnounceLanguage;
  return language == 1 || language == 2;
}

void SetSlotFiles(state::ProContext& pro, int firstSlot, std::span<const std::string_view> files) {
  int slot = firstSlot;
  for (std::string_view file : files) SetSlotFile(pro, slot++, file);
}

}  // namespace

void PlayCaptainGreetingJ(state::ProContext& pro) { GroupRun(pro, GroupId::A2).Steps(kJapaneseSteps); }
void PlayCaptainGreetingE(state::ProContext& pro) { GroupRun(pro, GroupId::A2).Steps(kEnglishSteps); }
void PlayCaptainGreetingCompany(state::ProContext& pro) { GroupRun(pro, GroupId::A2).Steps(kCompanySteps); }

void PrepareCaptainGreeting(state::ProContext& pro) {
  using namespace a2;
  if (pro.engine.SpecialVoiceOn) LoadSpecialRecording(pro, kHiddenRecording);
  SetSlotFile(pro, kCockpitOpening, "\\Wav\\CP\\A2_0.wav");
  SetSlotFile(pro, kCockpitClosing, "\\Wav\\CP\\A2_6.wav");
  const int hour = pro.sim.SimClock.localHour;
  if (NewJapanese(pro)) {
    SetSlotFile(pro, kJapanese1, OpeningOf(kJapaneseOpenings, kJapaneseEvening, hour));
    SetSlotFile(pro, kJapanese1 + 1, kNewJapanese2);
    SetSlotFile(pro, kJapanese1 + 2, pro.engine.DepartureDelayed ? kDelayed : kOnTime);
    SetSlotFiles(pro, kJapanese1 + 3, kNewJapanese4to7);
  } else {
    // Slots 14 and 15 keep what they held: loaded, never played.
    SetSlotFiles(pro, kJapanese1, kCompanyJapanese);
  }
  SetSlotFile(pro, kEnglish1, OpeningOf(kEnglishOpenings, kEnglishEvening, hour));
  SetSlotFiles(pro, kEnglish1 + 1, kEnglish);
  SetSlotFile(pro, kNoise, "\\Wav\\CP\\A2_noise.wav");
  SetSlotFile(pro, kAirline, EntryRecording("\\Wav\\CP\\Cmp", AirlineSlot(pro), "\\PCOMP_"));
  SetAltitudeFeetPhrase(pro);
  SetAltitudeMetrePhrase(pro);
  SetSpeedPhrase(pro);
  SetWeatherPhrase(pro);
  SetTemperaturePhrase(pro);
  LoadSlotRange(pro, kCockpitOpening, kNoise);
}

void RunCaptainGreeting(state::ProContext& pro) {
  using namespace a2;
  const bool hidden = pro.engine.SpecialVoiceOn;
  if (!hidden && !AskPrompt(pro, FlightForm::frmCPAnounce, pro.flight.CaptainAnnounceState)) return;

  GroupRun g(pro, GroupId::A2);
  g.Open(PrepareCaptainGreeting);
  if (hidden) {
    g.SpecialPart();
    g.Close();
    return;
  }
  if (g.Cockpit()) g.Part(kCockpitOpening);
  // A cut announcement goes straight to the clean-up: no noise bed under no greeting.
  if (!g.Aborted()) g.PlayLooping(kNoise);
  const LanguageSet& set = LanguageSetOf(pro.flight.CaptainAnnounceLanguage);
  if (set.pauseFirst) {
    g.Wait(kBeforeGreetingSeconds);
    pro.svc.pump->Pump();
  }
  set.first(pro);
  if (set.second) set.second(pro);
  g.Wait(kAroundNoiseStopSeconds);
  g.Stop(kNoise);
  pro.svc.pump->Pump();
  g.Wait(kAroundNoiseStopSeconds);
  pro.svc.pump->Pump();
  if (g.Cockpit()) g.Part(kCockpitClosing);
  g.Close();
}

}  // namespace vx::announce
