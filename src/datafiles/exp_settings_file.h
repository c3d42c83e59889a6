#pragma once
// vexlorEXP.cfg: the call-out program's settings, written by the main program right
// before it starts the call-out program; deleting it ends the call-out program.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "datafiles/file_layout.h"
#include "state/view_settings.h"

namespace vx::datafiles {

struct VexlorExpCfg {
  std::string SpeedCallOption = "ON";     // value 0, "ON" or "OFF"
  std::string AltitudeCallOption = "ON";  // value 1
  std::int32_t ExpWindowTop = 0;          // value 2, twips
  std::int32_t ExpWindowLeft = 0;         // value 3, twips
  state::ViewTableArray ViewPresets;             // values 4 to 33: 4 + 5 × viewpoint + item
  state::ApuSoundValues ApuSoundSettings;        // values 34, 35 positions; 36, 37 volumes
};

// A call switch of the call-out program: -1 (on) only for exactly "ON", else 0.
inline std::int16_t CallSwitch(std::string_view option) { return option == "ON" ? -1 : 0; }

void WriteVexlorExpCfgFile(const std::filesystem::path& path, const VexlorExpCfg& values);
// The file that the call-out program writes when it starts without one.
void WriteDefaultVexlorExpCfgFile(const std::filesystem::path& path);
VexlorExpCfg DefaultVexlorExpCfg();
void StoreVexlorExpCfgValues(const std::vector<std::string>& values, VexlorExpCfg& record);
void ReadVexlorExpCfgFile(const std::filesystem::path& path, VexlorExpCfg& record, BadValue bad = BadValue::Raise);

}  // namespace vx::datafiles
