#pragma once
// The flight window as the main window's Start button reaches it. The announcement
// engine's flight window implements it.
namespace vx::mainwindow {

class FlightWindowOpener {
 public:
  virtual ~FlightWindowOpener() = default;
  // Whether the flight window is up (a flight runs).
  virtual bool IsOpen() const = 0;
  // Loads the flight window, whose load runs the start of the flight, makes it topmost
  // and shows it without waiting.
  virtual void OpenTopmost() = 0;
  // Brings the open flight window to the front.
  virtual void Raise() = 0;
};

}  // namespace vx::mainwindow
