#pragma once
// Writing the main settings file: `SaveSettingsFile` with the current values (345
// lines) and `WriteDefaultSettingsFile` with the defaults (346 lines), both laid out by
// the settings table. Files are written whole under a temporary name and renamed, so a
// failed write leaves the old file as it was.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "mainfiles/settings_table.h"

namespace vx::state {
struct ProContext;
}
namespace vx::platform {
class Paths;
}

namespace vx::mainfiles {

enum class SettingsForm { Save, Defaults };

// The text after "=" of one value line. Commas become "，" and line breaks blanks, so
// that the value reads back whole and no later value shifts.
std::string SettingsValueText(const SettingsRow& row, state::ProContext& ctx, SettingsForm form);
// Every line of the file, without line ends.
std::vector<std::string> SettingsFileLines(state::ProContext& ctx, SettingsForm form);

// A settings file lives in `BaseFolder` under a bare name: not empty, not "." or "..",
// no folder separator, drive colon or control character, at most 255 bytes, and no
// comma (value 0 could not carry it back).
bool IsBareSettingsFileName(std::string_view name);
// The name when it is bare, else "VexlorPro.cfg".
std::string BareSettingsFileName(std::string_view name);
// The chosen file lies in `BaseFolder` itself (not in a folder below or elsewhere).
bool SettingsFileInBaseFolder(const std::filesystem::path& chosen, const platform::Paths& paths);
// The name File > Open takes from the chosen file: its bare name when it lies in
// `BaseFolder`, else "VexlorPro.cfg".
std::string SettingsFileNameForOpen(const std::filesystem::path& chosen, const platform::Paths& paths);

// Whether this run loaded the settings file, created it from the defaults or saved it;
// names compare as the file system's case-insensitive paths do.
bool SameSettingsFileName(std::string_view a, std::string_view b);
bool SettingsFileInHand(const state::ProContext& ctx, std::string_view name);
void MarkSettingsFileInHand(state::ProContext& ctx, std::string_view name);
// Whether a save under the name loses nothing: the file is in hand, or nothing of that
// name is there. A file this run could not load (or never came to load) is not.
bool SettingsFileMayBeWritten(const state::ProContext& ctx, std::string_view name);

// The saves of "VexlorPro.cfg" nobody asks for (at the exit and at a flight's end):
// written only when it may be, so a file this run could not load stays as the user left
// it. True when nothing failed.
bool SaveVexlorProCfgWithoutAsking(state::ProContext& ctx);

// The save over the current settings file at the user's word (File > Save, "Yes" at the
// exit): a file that may not be written is left as it is, a "設定値の保存" box says so
// (and how to keep the values) and the result is false. Otherwise as SaveSettingsFile.
bool OverwriteSettingsFile(state::ProContext& ctx, std::string_view name);

// Takes back "EyeRet.cfg" when present (viewpoints and APU sounds, then deletes it) and
// writes the current values under the name, whatever is there (File > Save As, where the
// user has chosen the file, and the resume snapshot) (a name that is not bare becomes
// "VexlorPro.cfg"). A failure keeps the old file, shows "設定値の保存" with the reason
// and returns false; a value holding a character CP932 lacks is such a failure, its box
// naming the value and the character. A written file is in hand.
bool SaveSettingsFile(state::ProContext& ctx, std::string_view name);
// Writes the defaults under the name; value 0 is the current `SettingsFileName` and
// value 164 the current `SpecialEngineSoundOn`. File errors reach the caller.
void WriteDefaultSettingsFile(state::ProContext& ctx, std::string_view name);

}  // namespace vx::mainfiles
