#pragma once
// Loading the main settings file into the program's variables. The version line is
// checked first; a missing file, or "VexlorPro.cfg" of another version, is replaced by
// the defaults file and that is loaded. Loading is all or nothing: every value is
// converted into a staging copy first, and only a file that converts whole is stored.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vx::state {
struct ProContext;
}

namespace vx::mainfiles {

// One converted value (monostate: a value that is read and checked, then dropped).
using StagedValue = std::variant<std::monostate, std::string, std::int16_t, std::int32_t, double>;

// A value that does not convert: its number, its text and the conversion's error text.
class SettingsValueError : public std::runtime_error {
 public:
  SettingsValueError(int index, std::string valueText, std::string reason)
      : std::runtime_error(reason), index_(index), valueText_(std::move(valueText)), reason_(std::move(reason)) {}
  int Index() const { return index_; }
  const std::string& ValueText() const { return valueText_; }
  const std::string& Reason() const { return reason_; }

 private:
  int index_;
  std::string valueText_;
  std::string reason_;
};

// Converts the values of a file (the texts after "=", in order) as the settings table
// says. Values beyond 190 are ignored; value 137 is converted only when `takeMileage`.
// Raises SettingsValueError at the first value that does not convert.
std::vector<StagedValue> StageSettingsValues(const std::vector<std::string>& values, bool takeMileage);

// Stores staged values: first the presets (`AutoPauseDistance` 0, values 134 to 136,
// and 137 when `takeMileage`, at their defaults), then each staged value into its
// variable and into the main window control that shows it. A file name in value 0
// that is not bare becomes "VexlorPro.cfg".
void StoreStagedSettings(state::ProContext& ctx, const std::vector<StagedValue>& staged, bool takeMileage);

// Where a settings file that did not load is kept aside: its name and this suffix.
inline constexpr std::string_view kUnreadableCopySuffix = ".読込失敗";

// What a load is for. A resume takes the snapshot whole or not at all: a snapshot of
// another version (a damaged first line, an empty file) fails like a value that does not
// convert, instead of bringing back the defaults, and each failure's box says that the
// flight starts afresh.
enum class SettingsLoad { Settings, Resume };

// Loads `BaseFolder` & "\" & name (a name that is not bare loads "VexlorPro.cfg") and
// rebuilds the volume table. `MileageTotal` is taken only from "VexlorPro.cfg". A file
// that cannot be read (one saved in UTF-8 with its byte-order mark among them) or holds
// a value that does not convert is reported in a "CFG Read" box naming the file, the
// value number and its text, or the reason; the program then keeps every value it had,
// the file is copied aside (kUnreadableCopySuffix; the box says where) and the result is
// false. A file of another version is copied aside too before it is deleted and the
// defaults come back; one that cannot be copied stays, and nothing is loaded.
bool LoadSettingsFile(state::ProContext& ctx, std::string_view name, SettingsLoad purpose = SettingsLoad::Settings);

// The defaults of the table stored as if a defaults file had been loaded, without a
// file and without touching `MileageTotal`.
void ApplyDefaultSettings(state::ProContext& ctx);

// The two loads of the main window's start: "VexlorPro.cfg", then the file it names.
// The defaults are in effect before the first, so a file that fails leaves them; the
// settings-file box shows `SettingsFileName` after the first load.
void LoadSettingsAtStartup(state::ProContext& ctx);

}  // namespace vx::mainfiles
