#pragma once
// The pictures of the four cabin attendants and of the random choice, from the files
// "\Image\x001.jpg" to "\Image\x005.jpg" under `BaseFolder`. A file that is missing or
// is no picture gives a drawn placeholder naming the attendant, so the windows always
// have a picture to show.
#include <array>

#include "ui/picture.h"

namespace vx::platform {
class Paths;
}

namespace vx::briefing {

// Attendants 1 to 4 at 0 to 3, the fifth picture at 4.
using CabinAttendantPictureSet = std::array<ui::Picture, 5>;

CabinAttendantPictureSet LoadCabinAttendantPictures(const platform::Paths& paths);

// The placeholder of picture n (1 to 5).
ui::Picture CabinAttendantPlaceholder(int n);

}  // namespace vx::briefing
