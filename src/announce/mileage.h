#pragma once
// The mileage of the user's flights: every finished flight adds its route distance in
// nautical miles to the total, and passing a milestone brings up the mileage window.
#include <cstdint>

namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// The highest milestone (5000, 10000, ... 25000, 30000, ... 220000) that the total
// reached going from `before` to `after`; 0 when it passed none.
std::int32_t MileageMilestoneFor(double before, double after);

// Adds the route distance (km / 1.852) to MileageTotal and sets MileageMilestone.
void CreditMileage(state::ProContext& pro);

}  // namespace vx::announce
