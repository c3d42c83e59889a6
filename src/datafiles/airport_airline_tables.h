#pragma once
// The airport and airline tables in their comma-separated files "空港db.csv" and
// "会社db.csv" under `BaseFolder`. Reading takes the file as a stream of fields (a
// comma or a line end ends one; blanks around a field are dropped; a field that begins
// with a double quote runs to the closing quote; lines holding nothing but blanks are
// skipped), drops the header's fields, then reads rows of slot number and columns in any
// order. A file that does not read whole changes nothing. Writing puts the header and
// the rows of the kept slot ranges; "," inside a text becomes "，" and a leading double
// quote "＂", line breaks become blanks and blanks around a text are dropped, so that
// every field reads back as written and none shifts.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/tables.h"

namespace vx::platform {
class Paths;
}

namespace vx::datafiles {

inline constexpr std::string_view kAirportTableFile = "空港db.csv";
inline constexpr std::string_view kAirlineTableFile = "会社db.csv";
inline constexpr std::string_view kAirportTableHeader =
    "No,音声,チャイム,ICAO,選択ボタン,空港名パタパタ,空港名詳細,緯度,経度,高度,DEF時差,修正時差";
inline constexpr std::string_view kAirlineTableHeader = "No,音声,選択ボタン,会社名詳細,安全放送";

// The fields of a table file's text (UTF-8), in order.
std::vector<std::string> SplitTableFields(std::string_view text);

// Reads a file's text into the table: slots that no row names keep what they held. A
// slot number outside 0 to 200 raises RuntimeError 9, a number column that does not
// convert 13 or 6, a file that ends inside a row 62; the error's text then names the
// slot and the column, and the table is left as it was.
void ParseAirportTable(std::string_view text, state::AirportTableArray& table);
void ParseAirlineTable(std::string_view text, state::AirlineTableArray& table);

// The lines of the files: the header, then slots 0 to 199 (airports) or 0 to 49 and
// 100 to 149 (airlines).
std::vector<std::string> AirportTableLines(const state::AirportTableArray& table);
std::vector<std::string> AirlineTableLines(const state::AirlineTableArray& table);

// The files under `BaseFolder`. File errors are the runtime's (a missing file: 53); a
// file saved in UTF-8 with its byte-order mark is not read (321), its table left as it was.
void LoadAirportTable(const platform::Paths& paths, state::AirportTableArray& table);
void LoadAirlineTable(const platform::Paths& paths, state::AirlineTableArray& table);
void SaveAirportTable(const platform::Paths& paths, const state::AirportTableArray& table);
void SaveAirlineTable(const platform::Paths& paths, const state::AirlineTableArray& table);


// Before a flight starts: the message naming the table file that is missing, if any.
std::optional<std::string> MissingTableFileMessage(const platform::Paths& paths);

}  // namespace vx::datafiles
