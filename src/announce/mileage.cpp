#include "announce/mileage.h"

#include <array>

#include "state/pro_context.h"

namespace vx::announce {
namespace {

constexpr double kKmPerNauticalMile = 1.852;

// Highest first: the first one passed is the one to announce.
constexpr std::array<std::int32_t, 25> kMilestones = {
    220000, 210000, 200000, 190000, 180000, 170000, 160000, 150000, 140000, 130000, 120000, 110000, 100000,
    90000,  80000,  70000,  60000,  50000,  40000,  30000,  25000,  20000,  15000,  10000,  5000};

}  // namespace

std::int32_t MileageMilestoneFor(double before, double after) {
  for (std::int32_t m : kMilestones)
    if (after >= m && before < m) return m;
  return 0;
}

void CreditMileage(state::ProContext& pro) {
  state::FilesState& f = pro.files;
  const double before = f.MileageTotal;
  f.MileageTotal = before + f.RouteDistance / kKmPerNauticalMile;
  f.MileageMilestone = MileageMilestoneFor(before, f.MileageTotal);
}

}  // namespace vx::announce
