#include "announce/landing_briefing.h"

#include <string_view>

#include "announce/group_run.h"
#include "announce/prompt_wait.h"
#include "announce/sound_slots.h"
#include "announce/spoken_digits.h"
#include "state/pro_context.h"

namespace vx::announce {
namespace {

// A4's parts in the sound slots.
namespace a4 {
inline constexpr int kPart1 = 7;  // 7 to 10 the four fixed parts
inline constexpr int kPart2 = 8;
inline constexpr int kPart3 = 9;
inline constexpr int kPart4 = 10;
inline constexpr int kRunwayTens = 11;
inline constexpr int kRunwayUnits = 12;
inline constexpr int kRunwaySide = 13;
inline constexpr int kAltitudeThousands = 14;
inline constexpr int kAltitudeHundreds = 15;
inline constexpr int kFlapTens = 16;
inline constexpr int kFlapUnits = 17;
}  // namespace a4

constexpr std::string_view kLeft = "レフト(L)";
constexpr std::string_view kRight = "ライト(R)";

// The go-around altitude in thousands and hundreds.
struct AltitudePlaces {
  int thousands = 0;
  int hundreds = 0;
};
AltitudePlaces SplitAltitude(int feet) {
  AltitudePlaces p;
  if (feet >= 1000) p.thousands = feet / 1000;
  const int rest = feet - 1000 * p.thousands;
  if (rest >= 100) p.hundreds = rest / 100;
  return p;
}

// When a part of the briefing is said.
enum class Said { Always, RunwaySide, Thousands, Hundreds };

struct LdbStep {
  std::string_view captionBefore;  // written even when the part is cut
  int slot;
  Said when;
};

constexpr LdbStep kLdbSteps[] = {
    {{}, a4::kPart1, Said::Always},
    {{}, a4::kRunwayTens, Said::Always},
    {{}, a4::kRunwayUnits, Said::Always},
    {{}, a4::kRunwaySide, Said::RunwaySide},
    {"Ａ４：ＬＤＢ－２", a4::kPart2, Said::Always},
    {{}, a4::kAltitudeThousands, Said::Thousands},
    {{}, a4::kAltitudeHundreds, Said::Hundreds},
    {"Ａ４：ＬＤＢ－３", a4::kPart3, Said::Always},
    {{}, a4::kFlapTens, Said::Always},
    {{}, a4::kFlapUnits, Said::Always},
    {"Ａ４：ＬＤＢ－４", a4::kPart4, Said::Always},
};

bool IsSaid(const state::ProContext& pro, Said when) {
  switch (when) {
    case Said::Always:
      return true;
    case Said::RunwaySide: {
      const std::string& side = pro.flight.LandingBriefing.LandingRunwayParts[2];
      return side == kLeft || side == kRight;
    }
    case Said::Thousands:
      return DigitSpoken(pro.engine.LdbAltitudeDigits, 0);
    case Said::Hundreds:
      return DigitSpoken(pro.engine.LdbAltitudeDigits, 1);
  }
  return false;
}

bool CallOutsOn(const state::ProContext& pro) {
  return pro.main.SpeedCallOption == "ON" || pro.main.AltitudeCallOption == "ON";
}

}  // namespace

std::string LdbAltitudeDigits(int goAroundAltitudeFt) {
  const AltitudePlaces p = SplitAltitude(goAroundAltitudeFt);
  return std::string(p.thousands != 0 ? "1" : "0") + (p.hundreds != 0 ? "1" : "0");
}

void PrepareLdbAnnouncement(state::ProContext& pro) {
  using namespace a4;
  const state::LandingBriefingValues& b = pro.flight.LandingBriefing;
  SetSlotFile(pro, kPart1, "\\Wav\\CP\\A4_1.wav");
  SetSlotFile(pro, kPart2, "\\Wav\\CP\\A4_2.wav");
  SetSlotFile(pro, kPart3, "\\Wav\\CP\\A4_3.wav");
  SetSlotFile(pro, kPart4, "\\Wav\\CP\\A4_4.wav");
  SetSlotFile(pro, kRunwayTens, "\\Wav\\CP\\NumE\\cp_cm" + b.LandingRunwayParts[0] + ".wav");
  SetSlotFile(pro, kRunwayUnits, "\\Wav\\CP\\NumE\\cp_ce" + b.LandingRunwayParts[1] + ".wav");
  SetSlotFile(pro, kRunwaySide, b.LandingRunwayParts[2] == kRight ? "\\Wav\\CP\\Etc\\cp_rwr.wav" : "\\Wav\\CP\\Etc\\cp_rwl.wav");
  const AltitudePlaces altitude = SplitAltitude(b.GoAroundAltitude);
  SetSlotFile(pro, kAltitudeThousands, "\\Wav\\CP\\NumJ\\cp_nk" + std::to_string(altitude.thousands) + ".wav");
  SetSlotFile(pro, kAltitudeHundreds, "\\Wav\\CP\\NumJ\\cp_nh" + std::to_string(altitude.hundreds) + ".wav");
  pro.engine.LdbAltitudeDigits = LdbAltitudeDigits(b.GoAroundAltitude);
  const int flaps = b.GoAroundFlap;
  const int flapTens = flaps >= 10 ? flaps / 10 : 0;
  SetSlotFile(pro, kFlapTens, "\\Wav\\CP\\NumE\\cp_cm" + std::to_string(flapTens) + ".wav");
  SetSlotFile(pro, kFlapUnits, "\\Wav\\CP\\NumE\\cp_ce" + std::to_string(flaps - 10 * flapTens) + ".wav");
  LoadSlotRange(pro, kPart1, kFlapUnits);
}

void AnnounceLdb(state::ProContext& pro) {
  if (!AskPrompt(pro, FlightForm::frmLDB, pro.flight.LandingBriefingState)) return;
  // The briefing is stored; it is said only while the call-outs are on.
  if (!CallOutsOn(pro)) return;
  GroupRun g(pro, GroupId::A4);
  g.Open(PrepareLdbAnnouncement);
  for (const LdbStep& step : kLdbSteps) {
    if (!step.captionBefore.empty()) g.Caption(step.captionBefore);
    if (IsSaid(pro, step.when)) g.Part(step.slot);
  }
  g.Close();
}

}  // namespace vx::announce
