#pragma once
// The voice inventory "\音声リスト.txt": which recordings of the cabin attendants'
// announcements and of the airline and airport names exist in the sound tree, as a
// tab-separated text for the user. "●" marks a recording that exists, "－" one that does
// not; the existence test ignores letter case.
#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "state/tables.h"

namespace vx::platform {
class Paths;
}

namespace vx::datafiles {

inline constexpr const char* kVoiceListFile = "\\音声リスト.txt";

// Writes the inventory under BaseFolder (CP932, CR LF, replacing an older one) and
// returns its full path. A file that cannot be written raises the runtime's file error.
std::filesystem::path WriteVoiceList(const platform::Paths& paths, const state::AirlineTableArray& airlines,
                                     const state::AirportTableArray& airports);

// The name trimmed of spaces and padded with spaces to 14 bytes in CP932; a longer name
// is kept whole.
std::string PadColumn14(std::string_view name);
// The six marks of "\Wav" + prefix + number ("00") + ".wav", joined by TABs.
std::string CheckNumberedWavSet(const platform::Paths& paths, int number, const std::array<std::string_view, 6>& prefixes);
// The four marks of "\Wav" + path, joined by TABs.
std::string CheckWavSet4(const platform::Paths& paths, const std::array<std::string_view, 4>& relativePaths);

}  // namespace vx::datafiles
