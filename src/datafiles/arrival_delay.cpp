#include "datafiles/arrival_delay.h"

#include <array>


namespace vx::datafiles {
namespace {

struct DelayBand {
  int upTo;  // minutes late at most
  std::int16_t delayClass;
};

constexpr std::array<DelayBand, 7> kDelayBands = {{
    {-10, -1},
    {10, 0},
    {20, 10},
    {30, 20},
    {40, 30},
    {50, 40},
    {60, 50},
}};
constexpr std::int16_t kLaterThanEveryBand = 60;

}  // namespace

std::int16_t ArrivalDelayClassFor(int scheduledHour, int scheduledMinute, int actualHour, int actualMinute) {
  int d = (actualHour * 60 + actualMinute) - (scheduledHour * 60 + scheduledMinute);
  if (d < -720) {
    d += 1440;
  } else if (d > 720) {
    d -= 1440;
  }
  for (const auto& band : kDelayBands) {
    if (d <= band.upTo) return band.delayClass;
  }
  return kLaterThanEveryBand;
}

}  // namespace vx::datafiles
