#pragma once
// vexlorSD.cfg: the main program's sound, window and call-out values for the running
// call-out program, rewritten whole whenever one of them may have changed. The call-out
// program takes each copy once.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vx::datafiles {

struct VexlorSdCfg {
  std::array<std::int16_t, 7> CallVolumeLevels{};  // 0-6: volumes 1 to 10 of the seven groups
  std::int16_t GearNoiseIas = 0;                   // 7
  std::int16_t TouchdownSoundSize = 0;             // 8: 0 small, 1 large aircraft
  std::int16_t VnavCallSwitch = 0;                 // 9
  std::int16_t ClimbThrustCallSwitch = 0;          // 10
  std::int32_t ExpWindowTop = 0;                   // 11, twips
  std::int32_t ExpWindowLeft = 0;                  // 12, twips
  std::int16_t FlapCallVariant = 15;               // 13: 10 or 15
  std::int16_t TakeoffFlap = 0;                    // 14
  std::int32_t CallV1 = 0;                         // 15-17, knots
  std::int32_t CallVR = 0;
  std::int32_t CallV2 = 0;
  std::int32_t MinimumsHeight1 = 0;  // 18: approaching minimum, feet
  std::int32_t MinimumsHeight2 = 0;  // 19: minimum, feet
  std::array<std::int32_t, 3> AfterTakeoffHeights{};    // 20-22
  std::array<std::int32_t, 2> FlapUpSpeeds{};           // 23, 24
  std::int32_t ApproachCheckHeight = 0;                 // 25
  std::int32_t landingCheckHeight = 0;                  // 26 (the call-out program keeps it unused)
  std::array<std::int32_t, 6> ApproachFlapSpeeds{};     // 27-32
  std::array<std::int32_t, 6> SpeedReductionHeights{};  // 33-38
  std::int16_t DepartureElevationFt = 0;                // 39
  std::int16_t ArrivalElevationFt = 0;                  // 40
  std::int16_t GoAroundFlap = 0;                        // 41
  std::int32_t ArrivalLatitudeRaw = 0;                  // 42, simulator units
  std::int32_t ArrivalLongitudeRaw = 0;                 // 43
  std::int16_t SpecialEngineSoundSwitch = 0;            // 44
  // 45: the landing runway's two digits ("16"), read through a 16-bit number;
  // `LandingCourse` is that number × 10.
  std::string landingRunwayNumber = "16";
  std::int16_t AesDeparture = 0;     // 46
  std::int16_t AesArrival = 0;       // 47
  std::int16_t CallElevationFt = 0;  // 48
};

void WriteVexlorSdCfgFile(const std::filesystem::path& path, const VexlorSdCfg& values);
void StoreVexlorSdCfgValues(const std::vector<std::string>& values, VexlorSdCfg& record);
void ReadVexlorSdCfgFile(const std::filesystem::path& path, VexlorSdCfg& record);

// Takes the file the main program left: renames it to a name of this process's own,
// then reads and deletes that copy, so a rewrite that lands meanwhile stays in place for
// the next take. False (record untouched) when there is no file. A read or conversion
// error still deletes the taken copy and then reaches the caller.
bool TakeVexlorSdCfgFile(const std::filesystem::path& path, VexlorSdCfg& record);

}  // namespace vx::datafiles
