// 空港db.csv and 会社db.csv as a user or a spreadsheet may have left them: a file either
// reads whole or changes nothing, and what is read writes and reads back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "datafiles/airport_airline_tables.h"
#include "runtime/cp932.h"
#include "runtime/runtime_error.h"

namespace {

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

template <class Table, class Parse, class Lines>
void Check(const std::string& text, Parse parse, Lines lines) {
  Table table;
  table[7].選択ボタン = "untouched";
  try {
    parse(text, table);
  } catch (const vx::runtime::RuntimeError&) {
    if (table[7].選択ボタン != "untouched") std::abort();
    return;
  }
  const auto written = lines(table);
  Table back;
  try {
    parse(Joined(written), back);
  } catch (const vx::runtime::RuntimeError&) {
    std::abort();  // what was written must read
  }
  if (lines(back) != written) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vx::datafiles;
  const std::string text = vx::runtime::Cp932ToUtf8(std::string(reinterpret_cast<const char*>(data), size));
  Check<vx::state::AirportTableArray>(text, ParseAirportTable, AirportTableLines);
  Check<vx::state::AirlineTableArray>(text, ParseAirlineTable, AirlineTableLines);
  return 0;
}
