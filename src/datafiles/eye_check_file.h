#pragma once
// EyeCheck.cfg: the values of the call-out program's inspection view sequence and of
// the departure board it shows; each new appearance starts the sequence once.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vx::datafiles {

struct EyeCheckCfg {
  std::string InspectionDoorSwitch;       // value 0, "ON": open the doors during the inspection
  std::int16_t InspectionBoardFlag = 0;   // value 1, 1: show the departure board
  // Values 2 to 11: the departure board's values.
  std::string boardKind = "出発";
  std::int16_t gate = 0;
  std::string airlineSlot;    // read through a 16-bit number
  std::string flightNumber;   // read through a 16-bit number ("0123" arrives as "123")
  std::int16_t hour = 0;      // scheduled departure, local
  std::int16_t minute = 0;
  std::string departureSlot;  // `AirportTable` slots as texts
  std::string arrivalSlot;
  std::string departureBoardName;  // 空港名パタパタ of the two slots
  std::string arrivalBoardName;
};

void WriteEyeCheckCfgFile(const std::filesystem::path& path, const EyeCheckCfg& values);
void StoreEyeCheckCfgValues(const std::vector<std::string>& values, EyeCheckCfg& record);
void ReadEyeCheckCfgFile(const std::filesystem::path& path, EyeCheckCfg& record);

}  // namespace vx::datafiles
