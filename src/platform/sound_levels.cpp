#include <algorithm>
#include <cmath>

#include "platform/sound_device.h"

namespace vx::platform {

double AttenuationGain(int hundredthsDb) {
  if (hundredthsDb <= kSilentVolume) return 0.0;
  return std::pow(10.0, std::min(hundredthsDb, 0) / 2000.0);
}

StereoGain PannedGain(int volume, int pan) {
  const double gain = AttenuationGain(volume);
  const int p = std::clamp(pan, kPanLeft, kPanRight);
  StereoGain g{gain, gain};
  if (p < 0) g.right = gain * AttenuationGain(p);
  if (p > 0) g.left = gain * AttenuationGain(-p);
  return g;
}

}  // namespace vx::platform
