#pragma once
// vexlorSD.cfg: the main program's sound, window and call-out values for the running
// call-out program, rewritten whole whenever one of them may have changed. The call-out
// program takes each copy once.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "datafiles/file_layout.h"
#include "state/exp_handover_values.h"

namespace vx::datafiles {

using VexlorSdCfg = state::ExpSoundValues;

void WriteVexlorSdCfgFile(const std::filesystem::path& path, const VexlorSdCfg& values);
void StoreVexlorSdCfgValues(const std::vector<std::string>& values, VexlorSdCfg& record);
void ReadVexlorSdCfgFile(const std::filesystem::path& path, VexlorSdCfg& record, BadValue bad = BadValue::Raise);

// Takes the file the main program left: renames it to a name of this process's own,
// then reads and deletes that copy, so a rewrite that lands meanwhile stays in place for
// the next take. False (record untouched) when there is no file. A read or conversion
// error still deletes the taken copy and then reaches the caller.
bool TakeVexlorSdCfgFile(const std::filesystem::path& path, VexlorSdCfg& record, BadValue bad = BadValue::Raise);

}  // namespace vx::datafiles
