#include "announce/request_table.h"

namespace vx::announce {
namespace {

using G = GroupId;

constexpr RequestTable kGround = {{
    /* 10 */ {.group = G::G0, .step = 1},
    /* 11 */ {.group = G::G1, .step = 2},
    /* 12 */ {.group = G::G2, .step = 3, .departureClockFirst = true, .saveResume = true},
    /* 13 */ {.group = G::G3, .step = 4, .saveResume = true},
    /* 14 */ {.group = G::G4, .step = 5, .stopMusicFirst = true, .takeoffTrigger = true, .saveResume = true},
    /* 15 */ {.group = G::G5, .step = 6},
    /* 16 */ {.group = G::G6, .step = 7, .deleteResume = true},
    /* 17 */ {.group = std::nullopt, .step = 8},
    /* 18 */ {.group = std::nullopt, .step = 9},
    /* 19 */ {.group = G::G9, .delayedFirst = true},
}};

constexpr RequestTable kAir = {{
    /* 10 */ {.group = std::nullopt, .step = 1},
    /* 11 */ {.group = G::A1, .step = 3, .saveResume = true},
    /* 12 */ {.group = G::A2, .step = 5},
    /* 13 */ {.group = G::A3, .step = 2},
    /* 14 */ {.group = G::A4, .step = 7, .stepInternational = 6, .saveResume = true},
    /* 15 */ {.group = G::A5, .step = 4},
    /* 16 */ {.group = G::A6, .step = 7},
    /* 17 */ {.group = G::A7, .step = 8},
    /* 18 */ {.group = G::A8, .step = 9, .stopMusicFirst = true},
    /* 19 */ {.group = G::A9},
}};

}  // namespace

const RequestTable& GroundRequests() { return kGround; }
const RequestTable& AirRequests() { return kAir; }

}  // namespace vx::announce
