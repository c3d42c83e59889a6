#pragma once
// vexlorPB.cfg: a pushback request; the call-out program pushes while it exists and
// deletes it when done.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "datafiles/file_layout.h"
#include "state/exp_handover_values.h"

namespace vx::datafiles {

using VexlorPbCfg = state::ExpPushbackValues;

void WriteVexlorPbCfgFile(const std::filesystem::path& path, const VexlorPbCfg& values);
void StoreVexlorPbCfgValues(const std::vector<std::string>& values, VexlorPbCfg& record);
void ReadVexlorPbCfgFile(const std::filesystem::path& path, VexlorPbCfg& record, BadValue bad = BadValue::Raise);

}  // namespace vx::datafiles
