#pragma once
// Numbers spoken digit by digit (flight numbers, gates, weights): every spoken digit but
// the last one in its running form, the last in its final form. A digit of 0 is not
// spoken; the digit mask says which are.
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// The two recordings of one digit place: literal prefixes under BaseFolder, followed by
// the digit and ".wav" ("\Wav\Lob\NumJ\lo_nh" and "\Wav\Lob\NumBin\lo_bh").
struct DigitForms {
  std::string_view running;
  std::string_view final;
};

struct SpokenNumber {
  std::vector<std::string> files;  // one literal per place, highest first
  std::string mask;                // "1" for each digit that is not 0
};

// Splits `value` into one digit per place, highest first (the highest place keeps all
// that is left: 1234 in three places gives 12, 3, 4). A place takes its running form
// when a later digit is not 0, otherwise its final form; the last place always its final
// form.
SpokenNumber BuildSpokenDigits(int value, std::span<const DigitForms> places);

// The files into the slots from `firstSlot` on.
void SetSpokenDigitSlots(state::ProContext& pro, int firstSlot, const SpokenNumber& number);

// The briefing's flight number as a whole number of four places at most; none when the
// text is no number ("JL123", empty) or lies outside 0 to 9999 ("40000").
inline constexpr int kLargestSpokenFlightNumber = 9999;
std::optional<int> SpokenFlightNumber(std::string_view text);

// The flight number's digits into the slots from `firstSlot` on, one per place; returns
// the digit mask. A flight number that is none (above) leaves every place silent and
// the mask all "0": the digits are not spoken and the group plays on.
std::string SetFlightNumberSlots(state::ProContext& pro, int firstSlot, std::span<const DigitForms> places);

// Whether the digit of `place` (0 the highest) is spoken: its mask character is "1".
bool DigitSpoken(std::string_view mask, std::size_t place);

// The digit forms of the groups.
// The lobby's flight number, four places (thousands to ones).
inline constexpr std::array<DigitForms, 4> kLobbyFlightPlaces = {{
    {"\\Wav\\Lob\\NumJ\\lo_nk", "\\Wav\\Lob\\NumBin\\lo_bk"},
    {"\\Wav\\Lob\\NumJ\\lo_nh", "\\Wav\\Lob\\NumBin\\lo_bh"},
    {"\\Wav\\Lob\\NumJ\\lo_nj", "\\Wav\\Lob\\NumBin\\lo_bj"},
    {"", "\\Wav\\Lob\\NumBin\\lo_bs"},
}};
// The lobby's gate, three places (hundreds to ones).
inline constexpr std::array<DigitForms, 3> kLobbyGatePlaces = {{
    {"\\Wav\\Lob\\NumJ\\lo_nh", "\\Wav\\Lob\\NumGate\\lo_gh"},
    {"\\Wav\\Lob\\NumJ\\lo_nj", "\\Wav\\Lob\\NumGate\\lo_gj"},
    {"", "\\Wav\\Lob\\NumGate\\lo_gs"},
}};
// The cabin's flight number, four places, in the voice of the fourth cabin attendant.
inline constexpr std::array<DigitForms, 4> kCabinFlightPlaces = {{
    {"\\Wav\\CA4\\NumJ\\ca_nk", "\\Wav\\CA4\\NumBin\\ca_bk"},
    {"\\Wav\\CA4\\NumJ\\ca_nh", "\\Wav\\CA4\\NumBin\\ca_bh"},
    {"\\Wav\\CA4\\NumJ\\ca_nj", "\\Wav\\CA4\\NumBin\\ca_bj"},
    {"", "\\Wav\\CA4\\NumBin\\ca_bs"},
}};

}  // namespace vx::announce
