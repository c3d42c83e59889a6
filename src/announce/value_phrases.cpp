#include "announce/value_phrases.h"

#include <array>
#include <string_view>

#include "announce/sound_slots.h"
#include "runtime/numbers.h"
#include "state/pro_context.h"

namespace vx::announce {
namespace {

// The slots of the phrases.
namespace slots {
inline constexpr int kMetresJ = 17;
inline constexpr int kSpeedJ = 18;
inline constexpr int kWeatherJ = 19;
inline constexpr int kTemperatureJ = 20;
inline constexpr int kFeetE = 27;
inline constexpr int kMetresE = 28;
inline constexpr int kSpeedE = 29;
inline constexpr int kWeatherE = 30;
inline constexpr int kTemperatureE = 31;
inline constexpr int kRunwayTens = 30;
inline constexpr int kRunwayUnits = 31;
inline constexpr int kRunwaySide = 32;
}  // namespace slots

// Weather words by DestinationWeather 0 to 6.
constexpr std::array<std::string_view, 7> kWeatherWords = {"fine",      "sunycloud", "cloud", "cloudrain",
                                                            "rain",      "storm",     "snow"};

// One step of a value: the recordings of every value below `below` not taken by an
// earlier step. The last step of a table has no bound.
struct ValueStep {
  int below;
  std::string_view newJapanese;
  std::string_view oldJapanese;
  std::string_view english;
};
inline constexpr int kNoBound = 0x7fffffff;

constexpr ValueStep kMetreSteps[] = {
    {3500, "3000mJ.wav", "ALT_04.wav", "3000mE.wav"},     {4500, "4000mJ.wav", "ALT_04.wav", "4000mE.wav"},
    {5500, "5000mJ.wav", "ALT_06.wav", "5000mE.wav"},     {6500, "6000mJ.wav", "ALT_06.wav", "6000mE.wav"},
    {7500, "7000mJ.wav", "ALT_08.wav", "7000mE.wav"},     {8500, "8000mJ.wav", "ALT_08.wav", "8000mE.wav"},
    {9500, "9000mJ.wav", "ALT_09.wav", "9000mE.wav"},     {10500, "10000mJ.wav", "ALT_10.wav", "10000mE.wav"},
    {11500, "11000mJ.wav", "ALT_11.wav", "11000mE.wav"},  {12500, "12000mJ.wav", "ALT_12.wav", "12000mE.wav"},
    {13500, "13000mJ.wav", "ALT_12.wav", "13000mE.wav"},  {kNoBound, "13000mJ.wav", "ALT_16.wav", "13000mE.wav"},
};

// The older set has no 1100 km/h recording.
constexpr ValueStep kSpeedSteps[] = {
    {450, "400kmhJ.wav", "SPD_04.wav", "400kmhE.wav"},     {550, "500kmhJ.wav", "SPD_05.wav", "500kmhE.wav"},
    {650, "600kmhJ.wav", "SPD_06.wav", "600kmhE.wav"},     {750, "700kmhJ.wav", "SPD_07.wav", "700kmhE.wav"},
    {850, "800kmhJ.wav", "SPD_08.wav", "800kmhE.wav"},     {950, "900kmhJ.wav", "SPD_09.wav", "900kmhE.wav"},
    {1050, "1000kmhJ.wav", "SPD_10.wav", "1000kmhE.wav"},  {1150, "1100kmhJ.wav", "SPD_12.wav", "1100kmhE.wav"},
    {1250, "1200kmhJ.wav", "SPD_12.wav", "1200kmhE.wav"},  {1600, "1200kmhJ.wav", "SPD_12.wav", "morekmhE.wav"},
    {kNoBound, "1200kmhJ.wav", "SPD_20.wav", "morekmhE.wav"},
};

constexpr double kFeetPerMetre = 3.2809475;
constexpr std::string_view kAltFolder = "\\Wav\\CP\\Alt\\";
constexpr std::string_view kSpdFolder = "\\Wav\\CP\\Spd\\";
constexpr std::string_view kRunwayFolder = "\\Wav\\Etc\\プッシュバック\\";

template <std::size_t N>
const ValueStep& StepOf(const ValueStep (&steps)[N], int value) {
  for (const ValueStep& step : steps)
    if (value < step.below) return step;
  return steps[N - 1];
}

// CaptainAnnounceLanguage 1 and 2 speak the newer Japanese recordings.
bool NewJapaneseSet(const state::ProContext& pro) {
  const int language = pro.flight.CaptainAnnounceLanguage;
  return language == 1 || language == 2;
}

void SetStepSlots(state::ProContext& pro, const ValueStep& step, std::string_view folder, int japaneseSlot,
                  int englishSlot) {
  const std::string base(folder);
  SetSlotFile(pro, japaneseSlot, base + std::string(NewJapaneseSet(pro) ? step.newJapanese : step.oldJapanese));
  SetSlotFile(pro, englishSlot, base + std::string(step.english));
}

std::string TwoDigits(int value) { return runtime::Format(value, "00"); }

}  // namespace

std::string TemperatureKey(int t) {
  if (t >= -20 && t <= -1) return "-" + TwoDigits(-t);
  if (t >= 0 && t <= 49) return TwoDigits(t);
  if (t >= 50 && t <= 60) return "50more";
  return "20";
}

void SetWeatherPhrase(state::ProContext& pro) {
  const int w = pro.flight.DestinationWeather;
  const std::string word(kWeatherWords[w >= 0 && w <= 6 ? static_cast<std::size_t>(w) : 0]);
  SetSlotFile(pro, slots::kWeatherJ, "\\Wav\\CP\\Weather\\" + word + "J.wav");
  SetSlotFile(pro, slots::kWeatherE, "\\Wav\\CP\\Weather\\" + word + "E.wav");
}

void SetTemperaturePhrase(state::ProContext& pro) {
  const std::string key = TemperatureKey(pro.flight.DestinationTemperature);
  SetSlotFile(pro, slots::kTemperatureJ, "\\Wav\\CP\\Tmp\\" + key + "doJ.wav");
  SetSlotFile(pro, slots::kTemperatureE, "\\Wav\\CP\\Tmp\\" + key + "doE.wav");
}

void SetAltitudeFeetPhrase(state::ProContext& pro) {
  const std::int64_t a = pro.sim.AircraftAltitudeFt;
  std::string name;
  if (a < 10500)
    name = "10000ftE.wav";
  else if (a < 41500)
    name = runtime::IntText((a + 500) / 1000 * 1000) + "ftE.wav";
  else
    name = "40000moreftE.wav";
  SetSlotFile(pro, slots::kFeetE, std::string(kAltFolder) + name);
}

void SetAltitudeMetrePhrase(state::ProContext& pro) {
  const std::int32_t metres = runtime::CLng(pro.sim.AircraftAltitudeFt / kFeetPerMetre);
  SetStepSlots(pro, StepOf(kMetreSteps, metres), kAltFolder, slots::kMetresJ, slots::kMetresE);
}

void SetSpeedPhrase(state::ProContext& pro) {
  SetStepSlots(pro, StepOf(kSpeedSteps, pro.sim.GroundSpeedKmh), kSpdFolder, slots::kSpeedJ, slots::kSpeedE);
}

void SetRunwayPhrase(state::ProContext& pro) {
  const std::string& runway = pro.briefing.TobBriefing.TakeoffRunway;
  const std::string folder(kRunwayFolder);
  const char tens = runway.size() > 0 ? runway[0] : '\0';
  const char units = runway.size() > 1 ? runway[1] : '\0';
  const char side = runway.size() > 2 ? runway[2] : '\0';
  if (tens >= '0' && tens <= '3')
    SetSlotFile(pro, slots::kRunwayTens, folder + "g_pb_" + tens + "_.wav");
  else
    SetSlotSilent(pro, slots::kRunwayTens);
  if (units >= '0' && units <= '9')
    SetSlotFile(pro, slots::kRunwayUnits, folder + "g_pb_z_" + units + ".wav");
  else
    SetSlotSilent(pro, slots::kRunwayUnits);
  const char* sideFile = side == 'R' ? "g_pb_z_r.wav" : side == 'L' ? "g_pb_z_l.wav" : "g_pb_z_e.wav";
  SetSlotFile(pro, slots::kRunwaySide, folder + sideFile);
}

}  // namespace vx::announce
