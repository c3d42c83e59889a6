#pragma once
// How the main window's Start button opens the flight window.
namespace vx::announce {

class FlightWindowOpener {
 public:
  virtual ~FlightWindowOpener() = default;
  // FlightWindowClosed := 0, then loads the flight window (its start sequence runs:
  // simulator, cabin strip, sound, the call-out program, the heartbeat, the briefing
  // sheet or the resumed flight), places it above all windows and shows it without
  // waiting. Without a simulator the window closes itself after its message; when the
  // sound device cannot be started it has already closed.
  virtual void OpenFlightWindow() = 0;
  // Whether the flight window is loaded (a flight is on).
  virtual bool FlightWindowOpen() const = 0;
};

}  // namespace vx::announce
