#pragma once
// The main settings file ("VexlorPro.cfg", a user's settings file, the flight resume
// snapshot "FlightRestart.cfg"): 191 values in a fixed order after a fixed header.
// One row per value says which comment lines come before it, how it converts, what
// the defaults file holds and which program variable it is written from and read into.
// The defaults writer, the save, the loader and the resume snapshot all read this table.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vx::state {
struct ProContext;
struct MainWindowTexts;
}  // namespace vx::state

namespace vx::mainfiles {

inline constexpr int kSettingsValueCount = 191;
inline constexpr std::string_view kDefaultSettingsFileName = "VexlorPro.cfg";
inline constexpr std::string_view kFlightRestartFileName = "FlightRestart.cfg";
// The first line of every settings file; the loader compares it exactly.
inline constexpr std::string_view kSettingsVersionLine = ";VexlorPro.cfg V1.11";

// The nineteen lines before value 0: the version line, the header and the start marker.
extern const std::array<std::string_view, 19> kSettingsHeaderLines;
inline constexpr std::string_view kSettingsEndLine = ";-------------- 設定ここまで ------------------";

enum class SettingsKind : std::uint8_t {
  Text,     // taken unchanged
  Integer,  // 16-bit
  Long,     // 32-bit
  Double,   // general number form
};

enum class SettingsRule : std::uint8_t {
  None,
  FileName,           // value 0: `SettingsFileName`, the defaults file carries it too
  CurrentInDefaults,  // value 164: the defaults file keeps the current value
  Fixed,              // values 93, 94: always the default text; read, checked, dropped
  DefaultFileOnly,    // value 137: taken only from "VexlorPro.cfg"
};

// The program variable behind a value (monostate for the fixed values).
using SettingsField = std::variant<std::monostate, std::string*, std::int16_t*, std::int32_t*, double*>;

struct SettingsRow {
  int index = 0;
  // Comment lines written right before the value line, separated by "\n"; empty: none.
  std::string_view comments;
  // The defaults file's comment lines where they differ from those of a save.
  std::optional<std::string_view> defaultFileComments;
  SettingsKind kind = SettingsKind::Text;
  std::string_view defaultText;  // what the defaults file holds (unless the rule says otherwise)
  SettingsRule rule = SettingsRule::None;
  SettingsField (*field)(state::ProContext&) = nullptr;
  // The main window control that shows the value, where there is one.
  std::string* (*control)(state::MainWindowTexts&) = nullptr;
  // A file that ends before the value gives its default (values added after the first
  // files were written); otherwise the variable keeps what it held.
  bool defaultWhenMissing = false;
};

extern const std::array<SettingsRow, kSettingsValueCount> kSettingsTable;

}  // namespace vx::mainfiles
