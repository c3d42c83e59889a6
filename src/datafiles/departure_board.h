#pragma once
// Showing the own flight on the split-flap board: its three files written into the
// "\vovu030\" folder under BaseFolder, then the board program that stands there
// ("Vovu.exe" or "Vovu", any letter case) started with the timetable's path as its only
// argument; closed later by its process id. Both programs that show the board call
// these with their own services and state.
#include <functional>
#include <string>

#include "datafiles/board_files.h"
#include "state/tables.h"

namespace vx::platform {
class Clock;
class EventPump;
class Paths;
class ProcessLauncher;
class Random;
}  // namespace vx::platform

namespace vx::datafiles {

struct BoardServices {
  const platform::Paths& paths;
  const platform::Clock& clock;  // the PC clock written into Vovu.ini
  platform::EventPump& pump;
  platform::Random& random;
  platform::ProcessLauncher& processes;
};

// The outcome of one export: the board program's process id, or why the board could not
// be shown (a text for the program's caption).
struct BoardShown {
  int pid = 0;
  std::string fault;
  bool Shown() const { return pid != 0; }
};

// A missing folder or program, an airline or airport slot text that is not a number, a
// file that cannot be written, or a program that does not start gives a fault and no
// board; nothing is written unless the folder and the program are there and the slots
// are numbers. Each file written is followed by one pump.
BoardShown ShowDepartureBoard(const BoardServices& services, const BoardFlight& flight,
                              const state::AirportTableArray& airports);

// When the board `taskId` still runs: waits 1 s with the program's own timed wait
// `waitSeconds` (its result does not matter) and closes the program by its id. `taskId`
// is 0 afterwards. Nothing fails.
void CloseDepartureBoard(platform::ProcessLauncher& processes, const std::function<void(float seconds)>& waitSeconds,
                         int& taskId);
// The same without the wait (the end of the program or the flight).
void CloseDepartureBoardNow(platform::ProcessLauncher& processes, int& taskId);

}  // namespace vx::datafiles
