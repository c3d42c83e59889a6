#include "datafiles/airport_airline_tables.h"

#include "datafiles/positional_text.h"

#include <array>
#include <cstddef>
#include <functional>

#include "platform/event_pump.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "runtime/numbers.h"
#include "runtime/runtime_error.h"

namespace vx::datafiles {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// A text as a field that reads back as itself: line breaks would end the row and
// blanks around it would be dropped, "," would end it, and a leading double quote would
// start a quoted field.
std::string FieldText(std::string_view text) {
  std::string flat(text);
  for (char& c : flat) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  const std::string_view trimmed = TrimBlanks(flat);
  std::string out;
  out.reserve(trimmed.size());
  for (std::size_t i = 0; i < trimmed.size(); ++i) {
    if (trimmed[i] == ',') {
      out += "，";
    } else if (trimmed[i] == '"' && i == 0) {
      out += "＂";
    } else {
      out += trimmed[i];
    }
  }
  return out;
}

// One column of a table file: its title and how its field goes into a record.
template <class Record>
struct Column {
  std::string_view title;
  void (*store)(Record&, const std::string&);
  std::string (*text)(const Record&);
};

#define VX_TEXT_COLUMN(Record, name)                                                 \
  Column<Record> {                                                                   \
    #name, [](Record& r, const std::string& f) { r.name = f; },                      \
        [](const Record& r) { return FieldText(r.name); }                            \
  }
#define VX_INT_COLUMN(Record, name, convert)                                         \
  Column<Record> {                                                                   \
    #name, [](Record& r, const std::string& f) { r.name = runtime::convert(f); },    \
        [](const Record& r) { return runtime::IntText(r.name); }                     \
  }

const std::array<Column<state::AirportRecord>, 11> kAirportColumns = {
    VX_INT_COLUMN(state::AirportRecord, 音声, CInt),      VX_TEXT_COLUMN(state::AirportRecord, チャイム),
    VX_TEXT_COLUMN(state::AirportRecord, ICAO),           VX_TEXT_COLUMN(state::AirportRecord, 選択ボタン),
    VX_TEXT_COLUMN(state::AirportRecord, 空港名パタパタ), VX_TEXT_COLUMN(state::AirportRecord, 空港名詳細),
    VX_INT_COLUMN(state::AirportRecord, 緯度, CLng),      VX_INT_COLUMN(state::AirportRecord, 経度, CLng),
    VX_INT_COLUMN(state::AirportRecord, 高度, CInt),      VX_INT_COLUMN(state::AirportRecord, DEF時差, CInt),
    VX_INT_COLUMN(state::AirportRecord, 修正時差, CInt),
};

const std::array<Column<state::AirlineRecord>, 4> kAirlineColumns = {
    VX_INT_COLUMN(state::AirlineRecord, 音声, CInt),
    VX_TEXT_COLUMN(state::AirlineRecord, 選択ボタン),
    VX_TEXT_COLUMN(state::AirlineRecord, 会社名詳細),
    VX_TEXT_COLUMN(state::AirlineRecord, 安全放送),
};

#undef VX_TEXT_COLUMN
#undef VX_INT_COLUMN

[[noreturn]] void RaiseAt(const runtime::RuntimeError& e, std::string_view file, const std::string& slot,
                          std::string_view column, const std::string& field) {
  throw runtime::RuntimeError(e.Number(), e.Text() + "\n" + std::string(file) + "：No " + slot + " の " +
                                              std::string(column) + "「" + field + "」");
}

template <class Record, std::size_t N>
void ParseTable(std::string_view text, std::array<Record, state::kTableSlots>& table, const std::array<Column<Record>, N>& columns,
                std::string_view file) {
  const auto fields = SplitTableFields(text);
  constexpr std::size_t kRowFields = N + 1;
  auto staged = table;
  for (std::size_t at = kRowFields; at < fields.size(); at += kRowFields) {
    const std::string& slotText = fields[at];
    int slot = 0;
    try {
      slot = runtime::CInt(slotText);
      if (slot < 0 || slot >= state::kTableSlots) throw runtime::RuntimeError(runtime::kSubscriptOutOfRange);
      if (at + kRowFields > fields.size()) throw runtime::RuntimeError(runtime::kInputPastEndOfFile);
    } catch (const runtime::RuntimeError& e) {
      RaiseAt(e, file, slotText, "No", slotText);
    }
    Record& record = staged[static_cast<std::size_t>(slot)];
    for (std::size_t c = 0; c < N; ++c) {
      const std::string& field = fields[at + 1 + c];
      try {
        columns[c].store(record, field);
      } catch (const runtime::RuntimeError& e) {
        RaiseAt(e, file, slotText, columns[c].title, field);
      }
    }
  }
  table = std::move(staged);
}

template <class Record, std::size_t N>
void AppendRow(std::vector<std::string>& lines, int slot, const Record& record, const std::array<Column<Record>, N>& columns) {
  std::string line = runtime::IntText(slot);
  for (const auto& column : columns) line += "," + column.text(record);
  lines.push_back(std::move(line));
}

std::string Literal(std::string_view file) { return "\\" + std::string(file); }

}  // namespace

std::vector<std::string> SplitTableFields(std::string_view text) {
  return SplitItems(text, {.trimUnquotedEnd = true, .skipBlankLines = true});
}

void ParseAirportTable(std::string_view text, state::AirportTableArray& table) {
  ParseTable(text, table, kAirportColumns, kAirportTableFile);
}

void ParseAirlineTable(std::string_view text, state::AirlineTableArray& table) {
  ParseTable(text, table, kAirlineColumns, kAirlineTableFile);
}

std::vector<std::string> AirportTableLines(const state::AirportTableArray& table) {
  std::vector<std::string> lines{std::string(kAirportTableHeader)};
  for (int slot = 0; slot < 200; ++slot) AppendRow(lines, slot, table[static_cast<std::size_t>(slot)], kAirportColumns);
  return lines;
}

std::vector<std::string> AirlineTableLines(const state::AirlineTableArray& table) {
  std::vector<std::string> lines{std::string(kAirlineTableHeader)};
  for (int first : {0, 100}) {
    for (int slot = first; slot < first + 50; ++slot) {
      AppendRow(lines, slot, table[static_cast<std::size_t>(slot)], kAirlineColumns);
    }
  }
  return lines;
}

void LoadAirportTable(const platform::Paths& paths, state::AirportTableArray& table) {
  ParseAirportTable(platform::ReadCp932TextFile(paths.Under(Literal(kAirportTableFile))), table);
}

void LoadAirlineTable(const platform::Paths& paths, state::AirlineTableArray& table) {
  ParseAirlineTable(platform::ReadCp932TextFile(paths.Under(Literal(kAirlineTableFile))), table);
}

void SaveAirportTable(const platform::Paths& paths, const state::AirportTableArray& table) {
  platform::WriteTextLinesAtomic(paths.Under(Literal(kAirportTableFile)), AirportTableLines(table));
}

void SaveAirlineTable(const platform::Paths& paths, const state::AirlineTableArray& table) {
  platform::WriteTextLinesAtomic(paths.Under(Literal(kAirlineTableFile)), AirlineTableLines(table));
}

std::optional<std::string> MissingTableFileMessage(const platform::Paths& paths) {
  for (const auto file : {kAirportTableFile, kAirlineTableFile}) {
    if (!paths.Exists(Literal(file))) {
      return std::string(file) + " が見つかりません。\n" + paths.Under(Literal(file)).string() +
             "\n\nフライトを開始できません。";
    }
  }
  return std::nullopt;
}

}  // namespace vx::datafiles
