#pragma once
// The landing briefing between the pilots (A4): asked for first in frmLDB, then the
// runway, the go-around altitude and the go-around flaps spoken from the stored briefing.
// Nothing is said while both call-out options are off.
#include <string>

namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// The group (in-flight request 14).
void AnnounceLdb(state::ProContext& pro);

// The loader: slots 7 to 17, and LdbAltitudeDigits.
void PrepareLdbAnnouncement(state::ProContext& pro);

// The go-around altitude's spoken places: "1" where its thousands, then its hundreds,
// are not 0 ("11" for 4500, "10" for 3000, "01" for 800).
std::string LdbAltitudeDigits(int goAroundAltitudeFt);

}  // namespace vx::announce
