#pragma once
// vexlorPB.cfg: a pushback request; the call-out program pushes while it exists and
// deletes it when done.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vx::datafiles {

struct VexlorPbCfg {
  std::int16_t pushbackOn = 0;            // value 0 (the call-out program does not use it)
  std::int16_t PushbackMode = 0;          // 1: the simulator's own pushback, else a slew push
  std::int16_t SlewStartByte = 0;         // pushback speed
  std::int16_t SlewTurnValue = 0;         // turn rate
  std::int16_t SlewTurnByte = 0;          // backward speed while turning
  std::int16_t PushbackDistance = 0;      // metres
  std::string PushbackSide;               // "左" or "右"
  std::int16_t PushbackTurnMode = 0;      // 1 by an angle, 2 to a compass word, 3 to a heading
  std::int16_t PushbackTurnAngle = 0;     // degrees
  std::string PushbackCompassWord;        // "北", "東", "南", ...
  std::int16_t PushbackFixedHeading = 0;  // degrees
};

void WriteVexlorPbCfgFile(const std::filesystem::path& path, const VexlorPbCfg& values);
void StoreVexlorPbCfgValues(const std::vector<std::string>& values, VexlorPbCfg& record);
void ReadVexlorPbCfgFile(const std::filesystem::path& path, VexlorPbCfg& record);

}  // namespace vx::datafiles
