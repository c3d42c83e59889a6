#pragma once
// The "pump the window events" step of the programs, idling until something happens,
// and ending a program from inside nested pumps.
#include <chrono>

namespace vx::platform {

// Thrown out of Pump() once the program has been told to end: unwinds every nested
// wait up to the outermost event handler, which lets it pass silently.
struct ProgramEnding {
  int exitCode = 0;
};

class EventPump {
 public:
  virtual ~EventPump() = default;
  // Handles the pending window events and fires the timers that are due; never blocks.
  virtual void Pump() = 0;
  // Sleeps until an event arrives or a timer falls due, at most `upTo`, then pumps.
  // This is what keeps a waiting program idle instead of spinning.
  virtual void Idle(std::chrono::milliseconds upTo) = 0;

  // Ends the program: stops the main loop and throws ProgramEnding, as every later
  // Pump() does, so the stack of nested handlers unwinds.
  [[noreturn]] void EndProgram(int exitCode = 0) {
    ended_ = true;
    exitCode_ = exitCode;
    OnEndProgram(exitCode);
    throw ProgramEnding{exitCode};
  }
  bool Ended() const { return ended_; }
  int ExitCode() const { return exitCode_; }

 protected:
  void ThrowIfEnded() const {
    if (ended_) throw ProgramEnding{exitCode_};
  }
  virtual void OnEndProgram(int /*exitCode*/) {}

 private:
  bool ended_ = false;
  int exitCode_ = 0;
};

}  // namespace vx::platform
