#pragma once
// The value-less signal files: their existence is the message, deleting them the answer.
// Readers only test whether the file exists.
#include <filesystem>
#include <string_view>

namespace vx::datafiles {

enum class SignalFile {
  Begin,     // BEGIN.cfg: start-up quiet period of the call-out program
  EyeView,   // EyeView.cfg: the call-out program runs its rotating outside view
  EyeDoor,   // EyeDoor.cfg: the boarding-door view sequence, once
  EyeCargo,  // EyeCargo.cfg: the cargo-door view sequence, once
  Landed,    // vexlorLND.cfg: written by the call-out program after the landing roll
};

// The file's name as a literal under `BaseFolder`, such as "\BEGIN.cfg".
std::string_view SignalFileLiteral(SignalFile file);

// Writes the signal file whole (replacing an old one).
void WriteSignalFile(const std::filesystem::path& path, SignalFile file);

}  // namespace vx::datafiles
