#pragma once
// Module-level state of the announcement engine (flight window, dispatcher, groups, music).
#include <cstdint>

namespace vx::announce {

struct EngineState {
  std::int16_t AnnounceRequest = 0;
  std::int16_t AnnounceAbort = 0;       // 1 cuts the running sequence and every wait in it
  std::int16_t FlightWindowClosed = 0;  // 1 once the flight window has unloaded
  std::int16_t FlightStage = 0;         // 0 up to departure, 1 after arrival, 2 after the final announcement
};

}  // namespace vx::announce
