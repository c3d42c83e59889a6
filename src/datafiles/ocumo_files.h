#pragma once
// The viewpoint program's two files: Ocumo.cfg (from the main program: its window
// handle, six viewpoints and the APU sound values; deleting it ends the viewpoint
// program) and EyeRet.cfg (the same values without the handle, handed back at its end).
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "datafiles/file_layout.h"
#include "state/view_settings.h"

namespace vx::datafiles {

struct OcumoCfg {
  std::int32_t ProWindowHandle = 0;  // value 0
  state::ViewTableArray ViewPresets;        // values 1 to 30: 1 + 5 × viewpoint + item
  state::ApuSoundValues ApuSoundSettings;   // values 31, 32 positions; 33, 34 volumes
};

struct EyeRetCfg {
  state::ViewTableArray ViewPresets;       // values 0 to 29: 5 × viewpoint + item
  state::ApuSoundValues ApuSoundSettings;  // values 30, 31 positions; 32, 33 volumes
};

void WriteOcumoCfgFile(const std::filesystem::path& path, const OcumoCfg& values);
// The values of the file that the viewpoint program writes when it finds none.
OcumoCfg DefaultOcumoCfg();
void StoreOcumoCfgValues(const std::vector<std::string>& values, OcumoCfg& record);
void ReadOcumoCfgFile(const std::filesystem::path& path, OcumoCfg& record, BadValue bad = BadValue::Raise);

void WriteEyeRetCfgFile(const std::filesystem::path& path, const EyeRetCfg& values);
void StoreEyeRetCfgValues(const std::vector<std::string>& values, EyeRetCfg& record);
void ReadEyeRetCfgFile(const std::filesystem::path& path, EyeRetCfg& record);

}  // namespace vx::datafiles
