#include "announce/takeoff_briefing.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "announce/flight_window_view.h"
#include "announce/group_run.h"
#include "announce/sound_slots.h"
#include "announce/spoken_digits.h"
#include "mainfiles/files.h"
#include "platform/event_pump.h"
#include "runtime/numbers.h"
#include "runtime/runtime_error.h"
#include "state/pro_context.h"

namespace vx::announce {
namespace {

// G1's parts in the sound slots. Slots 7 to 12 of the first half and 7 to 15 of the
// second hold the cockpit's recordings "\Wav\TOB\ca1g01.wav" to "ca1g15.wav".
namespace g1 {
// First half.
inline constexpr int kRunwayTens = 13;
inline constexpr int kRunwayUnits = 14;
inline constexpr int kRunwaySide = 15;
inline constexpr int kWindWord = 16;
inline constexpr int kWindDirection = 17;  // to 19
inline constexpr int kWindSpeed = 20;      // and 21
inline constexpr int kMinus = 22;
inline constexpr int kTemperature = 23;    // and 24
inline constexpr int kDewPoint = 25;       // and 26
inline constexpr int kQnh = 27;            // to 30
inline constexpr int kFirstHalfLast = 30;
// Second half.
inline constexpr int kFuel = 16;           // to 18
inline constexpr int kWeight = 19;         // to 21
inline constexpr int kFlapWord = 22;
inline constexpr int kFlap = 23;           // and 24
inline constexpr int kThrust = 25;
inline constexpr int kClimbWord = 26;
inline constexpr int kClimbMode = 27;
inline constexpr int kV1 = 28;             // to 30
inline constexpr int kVr = 31;             // to 33
inline constexpr int kV2 = 34;             // to 36
inline constexpr int kCruise = 37;         // and 38
inline constexpr int kEngineOutWord = 39;
inline constexpr int kEngineOut = 40;      // and 41
inline constexpr int kAccelWord = 42;
inline constexpr int kAccel = 43;          // and 44
inline constexpr int kReductionWord = 45;
inline constexpr int kReduction = 46;      // and 47
inline constexpr int kAfterV1 = 48;        // and 49
inline constexpr int kReturnPattern = 50;
// Parts of the run itself.
inline constexpr int kDoorTalk = 13;       // plays while the boarding door closes
inline constexpr int kClosingTalk = 14;
inline constexpr int kGreeting = 15;
}  // namespace g1

constexpr std::string_view kSpecialRecording = "\\Wav\\himitu\\nw057\\G1最初の挨拶.wav";
constexpr std::string_view kViewSwitchOn = "ON";
constexpr std::string_view kEyeCargo = "\\EyeCargo.cfg";
constexpr std::string_view kEyeDoor = "\\EyeDoor.cfg";
constexpr float kPollSeconds = 1.0f;
constexpr std::string_view kLeft = "レフト(L)";
constexpr std::string_view kRight = "ライト(R)";

// Digit forms of the cockpit's numbers (literal prefixes, the digit and ".wav" follow).
constexpr std::string_view kNumE_cm = "\\Wav\\CP\\NumE\\cp_cm";
constexpr std::string_view kNumE_ce = "\\Wav\\CP\\NumE\\cp_ce";
constexpr DigitForms kWindDirectionPlaces[] = {
    {"\\Wav\\CP\\NumJ\\cp_nh", "\\Wav\\CP\\NumJ\\cp_nh"},
    {"\\Wav\\CP\\NumJ\\cp_nj", "\\Wav\\CP\\NumJ\\cp_nj"},
    {"", "\\Wav\\CP\\NumJ\\cp_ns"},
};
constexpr DigitForms kWindSpeedPlaces[] = {
    {"\\Wav\\CP\\NumJ\\cp_nj", "\\Wav\\CP\\NumKnot\\cp_kj"},
    {"", "\\Wav\\CP\\NumKnot\\cp_ks"},
};
constexpr DigitForms kDegreePlaces[] = {
    {"\\Wav\\CP\\NumJ\\cp_nj", "\\Wav\\CP\\NumDo\\cp_dj"},
    {"", "\\Wav\\CP\\NumDo\\cp_ds"},
};
constexpr std::string_view kZeroDegrees = "\\Wav\\CP\\NumDo\\cp_ds0.wav";
// Cruise altitude in thousands of feet: ten-thousands, thousands.
constexpr DigitForms kCruisePlaces[] = {
    {"\\Wav\\CP\\NumJ\\cp_nm", "\\Wav\\CP\\NumFeet\\cp_fm"},
    {"", "\\Wav\\CP\\NumFeet\\cp_fk"},
};
// Heights in hundreds of feet: thousands, hundreds.
constexpr DigitForms kHeightPlaces[] = {
    {"\\Wav\\CP\\NumJ\\cp_nk", "\\Wav\\CP\\NumJ\\cp_nk"},
    {"", "\\Wav\\CP\\NumJ\\cp_nh"},
};
constexpr DigitForms kAfterV1Places[] = {
    {"\\Wav\\CP\\NumJ\\cp_nk", "\\Wav\\CP\\NumFeet\\cp_fk"},
    {"", "\\Wav\\CP\\NumJ\\cp_nh"},
};

// The wind relative to the runway (slot 16); any other text: slightly from the left.
struct WindWordRow {
  std::string_view text;
  std::string_view file;
};
constexpr WindWordRow kWindWords[] = {
    {"右後ろから", "\\Wav\\CP\\Etc\\cp_wrc.wav"},     {"ライトクロス", "\\Wav\\CP\\Etc\\cp_wrc.wav"},
    {"左後ろから", "\\Wav\\CP\\Etc\\cp_wlc.wav"},     {"レフトクロス", "\\Wav\\CP\\Etc\\cp_wlc.wav"},
    {"やや右よりの風", "\\Wav\\CP\\Etc\\cp_wry.wav"},
};
constexpr std::string_view kOtherWind = "\\Wav\\CP\\Etc\\cp_wly.wav";

// Take-off and climb thrust (slot 25), tested in order; an empty climb text matches any.
struct ThrustRow {
  std::string_view takeoff;
  std::string_view climb;
  std::string_view file;
};
constexpr ThrustRow kThrustPairs[] = {
    {"Take1", "Climb1", "\\Wav\\CP\\Etc\\cp_t1c1.wav"}, {"Take1", "Climb2", "\\Wav\\CP\\Etc\\cp_t1c2.wav"},
    {"Take2", "Climb1", "\\Wav\\CP\\Etc\\cp_t2c1.wav"}, {"Take2", "Climb2", "\\Wav\\CP\\Etc\\cp_t2c2.wav"},
    {"TO/CB", "", "\\Wav\\CP\\Etc\\cp_tocb.wav"},
};
constexpr std::string_view kOtherThrust = "\\Wav\\CP\\Etc\\cp_t1c1.wav";

// The return pattern and approach (slot 50); any other pair: short pattern, visual.
struct ReturnRow {
  std::string_view pattern;
  std::string_view approach;
  std::string_view file;
};
constexpr ReturnRow kReturnPatterns[] = {
    {"ワイドパターン", "レーダーベクター", "\\Wav\\CP\\Etc\\cp_pwr.wav"},
    {"ワイドパターン", "ビジュアル", "\\Wav\\CP\\Etc\\cp_pwv.wav"},
    {"ショートパターン", "レーダーベクター", "\\Wav\\CP\\Etc\\cp_psr.wav"},
};
constexpr std::string_view kOtherReturn = "\\Wav\\CP\\Etc\\cp_psv.wav";

// One step of the card's reading: a group step (a caption, a part, the spoken places of a
// number), or a move of the card (every move pumps the window events).
struct CardMove {
  enum class Kind : std::uint8_t { Move, Mark, Unmark, Reveal };
  Kind kind;
  int row = 0;  // Move: the row left
  int to = 0;   // Move: the row reached
};
using CardStep = std::variant<GroupStep, CardMove>;

constexpr CardStep Caption(std::string_view text) { return CaptionStep(text); }
constexpr CardStep P(int slot) { return PartStep(slot); }
constexpr CardStep Digits(int first, int places, std::string state::EngineState::*mask) {
  return DigitSteps(first, places, mask);
}
constexpr CardStep Move(int from, int to) { return CardMove{CardMove::Kind::Move, from, to}; }
constexpr CardStep Mark(int row) { return CardMove{CardMove::Kind::Mark, row}; }
constexpr CardStep Unmark(int row) { return CardMove{CardMove::Kind::Unmark, row}; }
constexpr CardStep Reveal(int row) { return CardMove{CardMove::Kind::Reveal, row}; }

using S = state::EngineState;

constexpr CardStep kTemperatureRows[] = {
    Caption("Ｇ１：ＴＯＢ１－０３"), Unmark(4), Unmark(5), Reveal(6), Mark(6), Mark(7),
    P(9), Digits(g1::kMinus, 3, &S::TempMask),  // minus, tens, ones: slots 22 to 24
    Reveal(7), P(10), Digits(g1::kMinus, 1, &S::DewPointMask),
};
constexpr CardStep kQnhRows[] = {
    Caption("Ｇ１：ＴＯＢ１－０５"), Reveal(8), Unmark(6), Unmark(7), Mark(8),
    P(11), P(27), P(28), P(29), P(30),
    Caption("Ｇ１：ＴＯＢ１－０６"), Move(8, 9), P(12),
};
constexpr CardStep kSecondHalf[] = {
    Caption("Ｇ１：ＴＯＢ１－０７"), Move(9, 11), P(7), Digits(g1::kFuel, 3, &S::FuelMask),
    Caption("Ｇ１：ＴＯＢ１－０８"), Unmark(11), Reveal(14), Mark(14), P(8), Digits(g1::kWeight, 3, &S::WeightMask),
    Move(14, 15), P(22), P(23), P(24),
    Move(15, 16), P(25),
    Move(16, 17), P(27), P(26),
    Move(17, 18), P(39), Digits(g1::kEngineOut, 2, &S::EngineOutAltMask),
    Move(18, 19), P(42), Digits(g1::kAccel, 2, &S::AccelAltMask),
    Move(19, 20), P(45), Digits(g1::kReduction, 2, &S::ReductionAltMask),
    Caption("Ｇ１：ＴＯＢ１－０９"), Move(20, 21), P(9), P(28), P(29), P(30),
    Move(21, 22), P(31), P(32), P(33),
    Move(22, 23), P(34), P(35), P(36),
    Caption("Ｇ１：ＴＯＢ１－１０"), Move(23, 24), P(10), Digits(g1::kCruise, 2, &S::CruiseAltMask),
};
constexpr CardStep kReturnRows[] = {
    Move(26, 27), Digits(g1::kAfterV1, 2, &S::AfterV1AltMask),
    Caption("Ｇ１：ＴＯＢ１－１２"), Move(27, 28), P(12), P(50), Unmark(28),
};

// The card as the group moves it; no card (a program without windows) moves nothing.
class Card {
 public:
  explicit Card(state::ProContext& pro) : pro_(pro) {}
  void Mark(int row, bool on = true) {
    if (BriefingCard* c = pro_.engine.briefingCard) c->Mark(row, on);
  }
  void Reveal(int row) {
    if (BriefingCard* c = pro_.engine.briefingCard) c->Reveal(row);
  }
  void Move(int from, int to) {
    Mark(from, false);
    Mark(to);
    Reveal(to);
    Pump();
  }
  void Pump() { pro_.svc.pump->Pump(); }

 private:
  state::ProContext& pro_;
};

void RunCardSteps(state::ProContext& pro, GroupRun& g, std::span<const CardStep> steps) {
  Card card(pro);
  for (const CardStep& step : steps) {
    if (const GroupStep* s = std::get_if<GroupStep>(&step)) {
      g.Steps({s, 1});
      continue;
    }
    const CardMove& m = std::get<CardMove>(step);
    switch (m.kind) {
      case CardMove::Kind::Move: card.Move(m.row, m.to); break;
      case CardMove::Kind::Mark: card.Mark(m.row); card.Pump(); break;
      case CardMove::Kind::Unmark: card.Mark(m.row, false); card.Pump(); break;
      case CardMove::Kind::Reveal: card.Reveal(m.row); card.Pump(); break;
    }
  }
}

// A briefing value as a whole number (rounded as the runtime stored it into an Integer)
// within the range whose places the recordings speak; none when it is no number.
std::optional<int> WholeNumber(std::string_view text, int lowest, int highest) {
  if (!runtime::IsNumeric(text)) return std::nullopt;
  try {
    const int value = runtime::CInt(text);
    if (value < lowest || value > highest) return std::nullopt;
    return value;
  } catch (const runtime::RuntimeError&) {
    return std::nullopt;
  }
}

void SetSilent(state::ProContext& pro, int first, int count, std::string& mask) {
  for (int i = 0; i < count; ++i) SetSlotSilent(pro, first + i);
  mask.assign(static_cast<std::size_t>(count), '0');
}

// The places of `value` into the slots from `first` on, and their mask; none (or a value
// below zero) leaves them silent.
void SetNumberSlots(state::ProContext& pro, int first, std::optional<int> value, std::span<const DigitForms> places,
                    std::string& mask) {
  if (!value || *value < 0) {
    SetSilent(pro, first, static_cast<int>(places.size()), mask);
    return;
  }
  const SpokenNumber number = BuildSpokenDigits(*value, places);
  SetSpokenDigitSlots(pro, first, number);
  mask = number.mask;
}

// Temperature and dew point: the sign in the mask (the minus word is slot 22), then the
// tens and ones of the degrees; 0 speaks one "zero degrees".
void SetDegreeSlots(state::ProContext& pro, int first, std::string_view text, std::string& mask) {
  const std::optional<int> t = WholeNumber(text, -99, 99);
  if (!t) {
    SetSilent(pro, first, 2, mask);
    mask = "000";
    return;
  }
  if (*t == 0) {
    SetSlotFile(pro, first, kZeroDegrees);
    SetSlotFile(pro, first + 1, kZeroDegrees);
    mask = "001";
    return;
  }
  std::string places;
  SetNumberSlots(pro, first, *t < 0 ? -*t : *t, kDegreePlaces, places);
  mask = (*t < 0 ? "1" : "0") + places;
}

// One digit character of a text in the form of its place; anything else is silent.
void SetDigitCharacter(state::ProContext& pro, int slot, std::string_view prefix, std::string_view text,
                       std::size_t at) {
  if (at < text.size() && text[at] >= '0' && text[at] <= '9')
    SetSlotFile(pro, slot, std::string(prefix) + text[at] + ".wav");
  else
    SetSlotSilent(pro, slot);
}

// Pounds spoken by their hundred-thousands, ten-thousands and thousands.
void SetPoundSlots(state::ProContext& pro, int first, std::int64_t p, std::string& mask) {
  if (p < 0) {
    SetSilent(pro, first, 3, mask);
    return;
  }
  const std::int64_t a = p >= 100000 ? p / 100000 : 0;
  const std::int64_t r = p - 100000 * a;
  const std::int64_t b = r >= 10000 ? r / 10000 : 0;
  const std::int64_t r2 = r - 10000 * b;
  const std::int64_t c = r2 >= 1000 ? r2 / 1000 : 0;
  const std::string as = runtime::IntText(a), bs = runtime::IntText(b), cs = runtime::IntText(c);
  if (b != 0)
    SetSlotFile(pro, first, "\\Wav\\CP\\NumJ\\cp_nj" + as + ".wav");
  else if (c != 0)
    SetSlotFile(pro, first, "\\Wav\\CP\\NumJ\\cp_ng" + as + ".wav");
  else
    SetSlotFile(pro, first, "\\Wav\\CP\\NumLbs\\cp_pg" + as + ".wav");
  if (c != 0)
    SetSlotFile(pro, first + 1, "\\Wav\\CP\\NumJ\\cp_nm" + bs + ".wav");
  else
    SetSlotFile(pro, first + 1, "\\Wav\\CP\\NumLbs\\cp_pm" + bs + ".wav");
  SetSlotFile(pro, first + 2, "\\Wav\\CP\\NumLbs\\cp_pk" + cs + ".wav");
  mask = std::string(a != 0 ? "1" : "0") + (b != 0 ? "1" : "0") + (c != 0 ? "1" : "0");
}

// A V-speed: hundreds and tens in the running form, ones in the closing form, all spoken.
void SetSpeedSlots(state::ProContext& pro, int first, int v) {
  if (v < 0 || v > 999) {
    for (int i = 0; i < 3; ++i) SetSlotSilent(pro, first + i);
    return;
  }
  const std::string digits = runtime::Format(v, "000");
  SetDigitCharacter(pro, first, kNumE_cm, digits, 0);
  SetDigitCharacter(pro, first + 1, kNumE_cm, digits, 1);
  SetDigitCharacter(pro, first + 2, kNumE_ce, digits, 2);
}

std::string TobFile(int n) { return "\\Wav\\TOB\\ca1g" + runtime::Format(n, "00") + ".wav"; }

bool SideSpoken(std::string_view side) { return side == kLeft || side == kRight; }

void PlayWind(state::ProContext& pro, GroupRun& g) {
  const state::EngineState& e = pro.engine;
  Card card(pro);
  if (e.WindSpeedMask == "00") {  // calm
    g.Part(g1::kWindSpeed + 1);
    card.Mark(4, false);
    card.Mark(5, false);
    card.Reveal(5);
    card.Pump();
    return;
  }
  if (e.WindDirMask == "000") {
    g.Part(g1::kWindDirection);
  } else {
    for (int place = 0; place < 3; ++place)
      if (DigitSpoken(e.WindDirMask, static_cast<std::size_t>(place))) g.Part(g1::kWindDirection + place);
  }
  g.Part(10);
  for (int place = 0; place < 2; ++place)
    if (DigitSpoken(e.WindSpeedMask, static_cast<std::size_t>(place))) g.Part(g1::kWindSpeed + place);
  card.Reveal(5);
  card.Pump();
  g.Part(g1::kWindWord);
}

void HideOrShowCard(state::ProContext& pro, bool visible) {
  if (BriefingCard* c = pro.engine.briefingCard) c->SetVisible(visible);
  pro.svc.pump->Pump();
}

}  // namespace

void PrepareTakeoffBriefing(state::ProContext& pro) {
  const auto& tob = pro.briefing.TobBriefing;
  state::EngineState& e = pro.engine;
  for (int n = 1; n <= 6; ++n) SetSlotFile(pro, 6 + n, TobFile(n));
  SetDigitCharacter(pro, g1::kRunwayTens, kNumE_cm, tob.TakeoffRunwayDigit1, 0);
  SetDigitCharacter(pro, g1::kRunwayUnits, kNumE_ce, tob.TakeoffRunwayDigit2, 0);
  SetSlotFile(pro, g1::kRunwaySide,
              tob.TakeoffRunwaySide == kRight ? "\\Wav\\CP\\Etc\\cp_rwr.wav" : "\\Wav\\CP\\Etc\\cp_rwl.wav");
  std::string_view windWord = kOtherWind;
  for (const WindWordRow& row : kWindWords)
    if (tob.WindWordText == row.text) windWord = row.file;
  SetSlotFile(pro, g1::kWindWord, windWord);
  SetNumberSlots(pro, g1::kWindDirection, WholeNumber(tob.WindDirectionText, 0, 999), kWindDirectionPlaces,
                 e.WindDirMask);
  SetNumberSlots(pro, g1::kWindSpeed, WholeNumber(tob.WindSpeedText, 0, 99), kWindSpeedPlaces, e.WindSpeedMask);
  SetSlotFile(pro, g1::kMinus, "\\Wav\\CP\\Etc\\cp_minas.wav");
  SetDegreeSlots(pro, g1::kTemperature, tob.TemperatureText, e.TempMask);
  SetDegreeSlots(pro, g1::kDewPoint, tob.DewPointText, e.DewPointMask);
  for (std::size_t i = 0; i < 4; ++i)
    SetDigitCharacter(pro, g1::kQnh + static_cast<int>(i), i % 2 == 0 ? kNumE_cm : kNumE_ce, tob.QnhInHgText, i);
  LoadSlotRange(pro, kFirstGroupSlot, g1::kFirstHalfLast);
}

void PrepareWelcomeAnnouncement(state::ProContext& pro) {
  const auto& tob = pro.briefing.TobBriefing;
  state::EngineState& e = pro.engine;
  LoadSpecialRecording(pro, kSpecialRecording);
  for (int n = 7; n <= 15; ++n) SetSlotFile(pro, n, TobFile(n));
  const std::int64_t fuel = pro.sim.FuelTotals.FuelTotalLbs;
  SetPoundSlots(pro, g1::kFuel, fuel, e.FuelMask);
  SetPoundSlots(pro, g1::kWeight, fuel + pro.sim.ZeroFuelWeightLbs, e.WeightMask);
  SetSlotFile(pro, g1::kFlapWord, "\\Wav\\CP\\Etc\\cp_flap.wav");
  const int flap = tob.TakeoffFlap;
  if (flap >= 0 && flap <= 99) {
    const std::string digits = runtime::Format(flap, "00");
    SetDigitCharacter(pro, g1::kFlap, kNumE_cm, digits, 0);
    SetDigitCharacter(pro, g1::kFlap + 1, kNumE_ce, digits, 1);
  } else {
    SetSlotSilent(pro, g1::kFlap);
    SetSlotSilent(pro, g1::kFlap + 1);
  }
  std::string_view thrust = kOtherThrust;
  for (const ThrustRow& row : kThrustPairs) {
    if (tob.TakeoffThrust == row.takeoff && (row.climb.empty() || tob.ClimbThrust == row.climb)) {
      thrust = row.file;
      break;
    }
  }
  SetSlotFile(pro, g1::kThrust, thrust);
  SetSlotFile(pro, g1::kClimbWord, "\\Wav\\CP\\Etc\\cp_up.wav");
  SetSlotFile(pro, g1::kClimbMode,
              tob.ClimbMode == "LNAV/VNAV" ? "\\Wav\\CP\\Etc\\cp_upnav.wav" : "\\Wav\\CP\\Etc\\cp_upspd.wav");
  SetSpeedSlots(pro, g1::kV1, tob.TakeoffV1);
  SetSpeedSlots(pro, g1::kVr, tob.TakeoffVr);
  SetSpeedSlots(pro, g1::kV2, tob.TakeoffV2);
  const std::int32_t cruise = tob.CruiseAltitude;
  SetNumberSlots(pro, g1::kCruise, cruise >= 0 ? std::optional<int>(cruise / 1000) : std::nullopt, kCruisePlaces,
                 e.CruiseAltMask);
  const auto hundreds = [](int feet) { return feet >= 0 ? std::optional<int>(feet / 100) : std::nullopt; };
  SetSlotFile(pro, g1::kEngineOutWord, "\\Wav\\CP\\Etc\\cp_efacc.wav");
  SetNumberSlots(pro, g1::kEngineOut, hundreds(tob.EngineOutAccelerationHeight), kHeightPlaces, e.EngineOutAltMask);
  SetSlotFile(pro, g1::kAccelWord, "\\Wav\\CP\\Etc\\cp_acc.wav");
  SetNumberSlots(pro, g1::kAccel, hundreds(tob.AccelerationHeight), kHeightPlaces, e.AccelAltMask);
  SetSlotFile(pro, g1::kReductionWord, "\\Wav\\CP\\Etc\\cp_treduc.wav");
  SetNumberSlots(pro, g1::kReduction, hundreds(tob.ReductionHeight), kHeightPlaces, e.ReductionAltMask);
  SetNumberSlots(pro, g1::kAfterV1, hundreds(tob.TroubleReturnAltitude), kAfterV1Places, e.AfterV1AltMask);
  std::string_view pattern = kOtherReturn;
  for (const ReturnRow& row : kReturnPatterns)
    if (tob.ReturnPattern == row.pattern && tob.ReturnApproach == row.approach) pattern = row.file;
  SetSlotFile(pro, g1::kReturnPattern, pattern);
  LoadSlotRange(pro, kFirstGroupSlot, kLastSlot);
}

void PlayTakeoffBriefingPart1(state::ProContext& pro) {
  GroupRun g(pro, GroupId::G1);
  Card card(pro);
  const std::string& side = pro.briefing.TobBriefing.TakeoffRunwaySide;

  g.Caption("Ｇ１：ＴＯＢ１－０１");
  card.Mark(0);
  card.Reveal(0);
  card.Pump();
  if (!g.Aborted()) {
    g.Play(7);
    g.Wait(4);
    card.Move(0, 1);
    g.Wait(1);
    card.Move(1, 2);
    g.Wait(1);
    card.Mark(2, false);
    card.Mark(3);
    if (SideSpoken(side)) {
      card.Mark(10);
      card.Reveal(10);
    } else {
      card.Reveal(3);
    }
    card.Pump();
    g.WaitEnd(7);
    g.Part(g1::kRunwayTens);
  }
  g.Part(g1::kRunwayUnits);
  if (SideSpoken(side)) g.Part(g1::kRunwaySide);

  g.Caption("Ｇ１：ＴＯＢ１－０２");
  for (int row : {3, 10}) card.Mark(row, false);
  card.Reveal(4);
  card.Mark(4);
  card.Mark(5);
  card.Pump();
  g.Part(8);
  PlayWind(pro, g);

  RunCardSteps(pro, g, kTemperatureRows);
  // The dew point's places follow its sign.
  for (int place = 1; place < 3; ++place)
    if (DigitSpoken(pro.engine.DewPointMask, static_cast<std::size_t>(place))) g.Part(g1::kDewPoint + place - 1);
  RunCardSteps(pro, g, kQnhRows);
}

void PlayTakeoffBriefingPart2(state::ProContext& pro) {
  GroupRun g(pro, GroupId::G1);
  Card card(pro);
  RunCardSteps(pro, g, kSecondHalf);
  g.Caption("Ｇ１：ＴＯＢ１－１１");
  card.Move(24, 25);
  if (!g.Aborted()) g.Play(11);
  g.Pause(10);
  card.Move(25, 26);
  if (!g.Aborted()) g.WaitEnd(11);
  RunCardSteps(pro, g, kReturnRows);
}

void RunTakeoffBriefing(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  auto& pump = *pro.svc.pump;
  GroupRun g(pro, GroupId::G1);
  Card card(pro);
  const bool viewSwitch = pro.main.ViewSwitchOption == kViewSwitchOn;

  pro.flight.FlightStage = 0;
  pro.sim.FlightMaxima = {};
  g.Check();
  if (e.briefingCard) e.briefingCard->ShowTopmost();
  pump.Pump();

  g.Begin();
  g.Load(PrepareTakeoffBriefing);
  PlayTakeoffBriefingPart1(pro);
  g.Check();
  StopAllAnnouncementSounds(pro);

  if (viewSwitch) {
    HideOrShowCard(pro, false);
    g.HandOver(kEyeCargo, mainfiles::WriteEyeCargoCfg);
    g.WaitForFile(kEyeCargo, kPollSeconds, PollCut::Ends);
    PrepareWelcomeAnnouncement(pro);
    g.WaitForFileGone(kEyeCargo, kPollSeconds, PollCut::Ends);
    HideOrShowCard(pro, true);
  } else {
    PrepareWelcomeAnnouncement(pro);
  }

  PlayTakeoffBriefingPart2(pro);

  g.Caption("Ｇ１：ＴＯＢ１－１３");
  card.Mark(29);
  card.Mark(30);
  card.Pump();
  if (!g.Aborted()) g.Play(g1::kDoorTalk);
  g.Pause(3);
  card.Reveal(29);
  g.Pause(1);
  card.Reveal(30);
  card.Mark(29, false);
  card.Mark(30, false);
  g.Pause(5);
  if (e.briefingCard) e.briefingCard->Unload();
  pump.Pump();

  const std::int16_t aes = pro.briefing.TobBriefing.DepartureAesFlag;
  if (aes == 0) g.WaitEnd(g1::kDoorTalk);
  if (viewSwitch) {
    g.HandOver(kEyeDoor, mainfiles::WriteEyeDoorCfg);
    g.WaitForFile(kEyeDoor, kPollSeconds, PollCut::Ends);
    g.WaitForFileGone(kEyeDoor, kPollSeconds, PollCut::Ends);
  }
  if (aes == 1) g.WaitEnd(g1::kDoorTalk);

  g.Caption("Ｇ１：ＴＯＢ１－１４");
  g.Part(g1::kClosingTalk);
  for (int place = 0; place < 2; ++place)
    if (DigitSpoken(e.CruiseAltMask, static_cast<std::size_t>(place))) g.Part(g1::kCruise + place);

  if (e.SpecialVoiceOn)
    g.SpecialPart();
  else
    g.Part(g1::kGreeting);
  g.Close();
}

}  // namespace vx::announce
