// Writer side of the two-process test: rewrites vexlorSD.cfg the given number of times,
// every value of copy i being i.
#include <cstdlib>
#include <iostream>

#include "datafiles/sound_settings_file.h"
#include "runtime/numbers.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: handover_rewriter FILE COUNT\n";
    return 2;
  }
  const std::filesystem::path file = argv[1];
  const int count = std::atoi(argv[2]);
  try {
    for (int i = 1; i <= count; ++i) {
      vx::datafiles::VexlorSdCfg values;
      const auto v = static_cast<std::int16_t>(i);
      values.CallVolumeLevels.fill(v);
      values.GearNoiseIas = values.TouchdownSoundSize = values.VnavCallSwitch = values.ClimbThrustCallSwitch = v;
      values.ExpWindowTop = values.ExpWindowLeft = i;
      values.FlapCallVariant = values.TakeoffFlap = v;
      values.CallV1 = values.CallVR = values.CallV2 = values.MinimumsHeight1 = values.MinimumsHeight2 = i;
      values.AfterTakeoffHeights.fill(i);
      values.FlapUpSpeeds.fill(i);
      values.ApproachCheckHeight = values.landingCheckHeight = i;
      values.ApproachFlapSpeeds.fill(i);
      values.SpeedReductionHeights.fill(i);
      values.DepartureElevationFt = values.ArrivalElevationFt = values.GoAroundFlap = v;
      values.ArrivalLatitudeRaw = values.ArrivalLongitudeRaw = i;
      values.SpecialEngineSoundSwitch = v;
      values.landingRunwayNumber = vx::runtime::IntText(i);
      values.AesDeparture = values.AesArrival = values.CallElevationFt = v;
      vx::datafiles::WriteVexlorSdCfgFile(file, values);
    }
  } catch (const std::exception& e) {
    std::cerr << "handover_rewriter: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
