#include "datafiles/random_flight.h"

#include <optional>
#include <string_view>
#include <vector>

#include "datafiles/positional_text.h"
#include "runtime/numbers.h"
#include "runtime/runtime_error.h"
#include "runtime/text_rules.h"

namespace vx::datafiles {
namespace {

constexpr std::size_t kItemCount = 32;

// Item n (1-based) without its first character.
class Items {
 public:
  explicit Items(std::vector<std::string> items) : items_(std::move(items)) {}
  std::string Text(int n) const { return runtime::Mid(items_[n - 1], 2); }
  template <class Conversion>
  auto Convert(int n, const char* label, Conversion convert) const {
    try {
      return convert(Text(n));
    } catch (const runtime::RuntimeError& e) {
      throw RandomFlightError(e.Text(), label);
    }
  }
  std::int16_t Integer(int n, const char* label) const {
    return Convert(n, label, [](std::string_view t) { return runtime::CInt(t); });
  }
  std::int32_t Long(int n, const char* label) const {
    return Convert(n, label, [](std::string_view t) { return runtime::CLng(t); });
  }

 private:
  std::vector<std::string> items_;
};

// The digits of a departure time, ASCII or full-width ("０９３０"), as the runtime's number
// conversion reads both; nothing when the text holds anything else.
std::optional<std::vector<int>> TimeDigits(std::string_view text) {
  static constexpr std::string_view kFullWidthZero = "\xEF\xBC\x90";  // U+FF10
  std::vector<int> digits;
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] >= '0' && text[i] <= '9') {
      digits.push_back(text[i] - '0');
      ++i;
    } else if (text.substr(i, 2) == kFullWidthZero.substr(0, 2) && i + 2 < text.size() &&
               static_cast<unsigned char>(text[i + 2]) >= 0x90 && static_cast<unsigned char>(text[i + 2]) <= 0x99) {
      digits.push_back(static_cast<unsigned char>(text[i + 2]) - 0x90);
      i += 3;
    } else {
      return std::nullopt;
    }
  }
  return digits;
}

RandomFlightAirport ParseAirport(const Items& items, int first, const char* latitudeLabel,
                                 const char* longitudeLabel, const char* elevationLabel) {
  RandomFlightAirport a;
  a.icao = items.Text(first);
  a.buttonName = items.Text(first + 1);
  a.boardName = items.Text(first + 2);
  a.detailName = items.Text(first + 3);
  a.latitude = items.Long(first + 4, latitudeLabel);
  a.longitude = items.Long(first + 5, longitudeLabel);
  a.elevation = items.Integer(first + 6, elevationLabel);
  return a;
}

}  // namespace

RandomFlight ParseRandomFlight(std::string_view text) {
  auto all = SplitItems(text);
  if (all.size() < kItemCount) throw RandomFlightError(runtime::ErrorText(runtime::kInputPastEndOfFile), "項目数が");
  const Items items(std::move(all));

  RandomFlight f;
  f.year = items.Integer(8, "年が");
  f.month = items.Integer(9, "月が");
  f.day = items.Integer(10, "日が");

  // Four digits, hour then minute.
  const auto time = TimeDigits(items.Text(11));
  if (!time || time->size() != 4) throw RandomFlightError("", "出発時刻が");
  const auto& d = *time;
  f.departureHour = static_cast<std::int16_t>(d[0] * 10 + d[1]);
  f.departureMinute = static_cast<std::int16_t>(d[2] * 10 + d[3]);
  if (f.departureHour > 23 || f.departureMinute > 59) throw RandomFlightError("", "出発時刻が");

  f.airlineSlot = items.Integer(12, "航空会社番号が");
  if (f.airlineSlot < 0 || f.airlineSlot >= state::kTableSlots) {
    throw RandomFlightError(runtime::ErrorText(runtime::kSubscriptOutOfRange), "航空会社番号が");
  }
  if (f.airlineSlot == state::kImportAirlineSlot) {
    f.airlineButtonName = items.Text(13);
    f.airlineDetailName = items.Text(14);
  }
  f.ship = items.Text(15);
  f.departure = ParseAirport(items, 18, "出発空港の緯度が", "出発空港の経度が", "出発空港の高度が");
  f.arrival = ParseAirport(items, 26, "到着空港の緯度が", "到着空港の経度が", "到着空港の高度が");
  return f;
}

int ResolveImportedAirportSlot(const std::string& icao, int ownSlot, const state::AirportTableArray& table) {
  if (icao.empty()) return ownSlot;
  for (int slot = 0; slot < 200; ++slot) {
    if (table[slot].ICAO == icao) return slot;
  }
  return ownSlot;
}

}  // namespace vx::datafiles
