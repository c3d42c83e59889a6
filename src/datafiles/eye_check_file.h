#pragma once
// EyeCheck.cfg: the values of the call-out program's inspection view sequence and of
// the departure board it shows; each new appearance starts the sequence once.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "datafiles/file_layout.h"
#include "state/exp_handover_values.h"

namespace vx::datafiles {

using EyeCheckCfg = state::ExpInspectionValues;

void WriteEyeCheckCfgFile(const std::filesystem::path& path, const EyeCheckCfg& values);
void StoreEyeCheckCfgValues(const std::vector<std::string>& values, EyeCheckCfg& record);
void ReadEyeCheckCfgFile(const std::filesystem::path& path, EyeCheckCfg& record, BadValue bad = BadValue::Raise);

}  // namespace vx::datafiles
