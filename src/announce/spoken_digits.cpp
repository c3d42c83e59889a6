#include "announce/spoken_digits.h"

#include "announce/sound_slots.h"
#include "runtime/numbers.h"
#include "runtime/runtime_error.h"
#include "state/pro_context.h"

namespace vx::announce {

SpokenNumber BuildSpokenDigits(int value, std::span<const DigitForms> places) {
  const std::size_t count = places.size();
  std::vector<int> digits(count, 0);
  int rest = value;
  for (std::size_t i = 0; i < count; ++i) {
    if (i + 1 == count) {
      digits[i] = rest;
      break;
    }
    int power = 1;
    for (std::size_t k = i + 1; k < count; ++k) power *= 10;
    digits[i] = rest >= power ? rest / power : 0;
    rest -= digits[i] * power;
  }
  SpokenNumber number;
  for (std::size_t i = 0; i < count; ++i) {
    bool laterSpoken = false;
    for (std::size_t k = i + 1; k < count; ++k) laterSpoken = laterSpoken || digits[k] != 0;
    const std::string_view prefix = laterSpoken && i + 1 < count ? places[i].running : places[i].final;
    number.files.push_back(std::string(prefix) + std::to_string(digits[i]) + ".wav");
    number.mask += digits[i] != 0 ? '1' : '0';
  }
  return number;
}

bool DigitSpoken(std::string_view mask, std::size_t place) { return place < mask.size() && mask[place] == '1'; }

void SetSpokenDigitSlots(state::ProContext& pro, int firstSlot, const SpokenNumber& number) {
  for (std::size_t i = 0; i < number.files.size(); ++i)
    SetSlotFile(pro, firstSlot + static_cast<int>(i), number.files[i]);
}

std::optional<int> SpokenFlightNumber(std::string_view text) {
  if (!runtime::IsNumeric(text)) return std::nullopt;
  try {
    const int f = runtime::CInt(text);
    if (f < 0 || f > kLargestSpokenFlightNumber) return std::nullopt;
    return f;
  } catch (const runtime::RuntimeError&) {
    return std::nullopt;
  }
}

std::string SetFlightNumberSlots(state::ProContext& pro, int firstSlot, std::span<const DigitForms> places) {
  const std::optional<int> f = SpokenFlightNumber(pro.briefing.TobBriefing.FlightNumber);
  if (!f) {
    for (std::size_t i = 0; i < places.size(); ++i) SetSlotSilent(pro, firstSlot + static_cast<int>(i));
    return std::string(places.size(), '0');
  }
  const SpokenNumber number = BuildSpokenDigits(*f, places);
  SetSpokenDigitSlots(pro, firstSlot, number);
  return number.mask;
}

}  // namespace vx::announce
