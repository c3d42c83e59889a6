#pragma once
// The simulated simulator: the variable area, its clock, the flight script, and the log of
// every write, key and rejected entry as JSON lines.
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "aircraft_motion.h"
#include "flight_script.h"
#include "platform/json_text.h"
#include "platform/sim_variable_area.h"
#include "sim_clock.h"

namespace vx::standin {

using platform::JsonString;

struct SimulatorSettings {
  std::string windowClass = "FS98MAIN";
  bool refuseStart = false;
  CivilTime localStart;
  int gmtMinusLocalMinutes = -540;
  double timeScale = 1.0;
};

// The turn of the preset view (0x833C, full circle 65536) on one Shift+Ctrl+Backspace.
inline constexpr int kWalkaroundStep = 2048;
// How long after a door or jetway chord its second key counts.
inline constexpr double kDoorKeySeconds = 1.0;

class Simulator {
 public:
  explicit Simulator(const SimulatorSettings& settings);
  ~Simulator();
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  // Runs the clock and the script on to real (monotonic) time `realSeconds`.
  void Update(double realSeconds);

  // One entry of a batch; `from` names the connection in the log. A rejected entry
  // changes nothing and is logged.
  platform::SimEntryStatus Read(std::string_view from, std::int32_t offset, std::int32_t size, std::uint8_t* out);
  // A write whose data is not `size` bytes long is rejected as a bad size.
  platform::SimEntryStatus Write(std::string_view from, std::int32_t offset, std::int32_t size,
                                 std::span<const std::uint8_t> data);
  // A key pressed into the simulator. Keys act only while its window is in front: S steps
  // the view mode 1, 2, 3, 4, 1; Shift+S steps it back; Alt+V, M, C sets mode 1;
  // Shift+Ctrl+Backspace in mode 4 turns the preset view by kWalkaroundStep. A chord with
  // Shift, Ctrl or Alt followed within kDoorKeySeconds of simulator time by digit n toggles
  // door n; Ctrl+Shift+W followed as soon by F6 toggles the jetway.
  void Key(std::string_view from, int virtualKey, bool down);
  // Whether the simulator's window is in front (on at start); every change is logged.
  bool InFront() const { return inFront_; }
  void SetInFront(std::string_view from, bool inFront);
  // Logs an `eye` line when the view or tower eye variables changed since the last one.
  // Called after every batch, key and clock step.
  void NoteViewChange();
  // The fields of an `eye` line: the view mode, the preset view and the tower eye point.
  std::string EyeFields() const;
  // A key handed on to the main program's key hook, and whether it got there.
  void HookKey(std::string_view from, int virtualKey, bool down, bool delivered);
  // A client's link start; false when the stand-in refuses it.
  bool StartLink(std::string_view from, std::int32_t size);

  // Replaces the flight script; its time 0 is now. False with a message on a bad script.
  bool LoadScript(std::string_view name, std::string_view text, std::string& message);
  // The clock's scale and a jump of its time, each within kMaxTimeScale and
  // kMaxAdvanceSeconds; false with a message, and nothing changed, beyond them.
  bool SetTimeScale(double scale, std::string& message);
  bool AdvanceTime(double seconds, std::string& message);

  const std::string& WindowClass() const { return settings_.windowClass; }
  bool RefusesStart() const { return settings_.refuseStart; }
  platform::SimVariableArea& Area() { return area_; }
  const SimClock& Clock() const { return clock_; }
  // The log is streamed to a file of its own (unlinked, in the temporary folder), not kept
  // in memory. Its bytes from `from` on, at most `maxBytes`: whole lines where at least
  // one fits, else the first part of a longer line; `next` is where the next read starts.
  std::string ReadLog(std::uint64_t from, std::size_t maxBytes, std::uint64_t& next) const;
  std::uint64_t LogSize() const { return logBytes_; }
  // Every line so far, read back from the file (for tests).
  std::vector<std::string> LogLines() const;
  // Also hands every log line to `sink` (a file, the terminal).
  void SetLogSink(std::function<void(const std::string&)> sink) { sink_ = std::move(sink); }

 private:
  void ApplyScript();
  // The door and jetway keys: true when the key was one of their second keys.
  bool DoorKey(int virtualKey);
  // The script step, then the aircraft's own motion since the last step.
  void StepWorld();
  void Log(std::string_view kind, const std::string& fields);
  bool Paused() const { return area_.GetSigned(kPauseOffset, 2) != 0; }

  SimulatorSettings settings_;
  platform::SimVariableArea area_;
  SimClock clock_;
  FlightScript script_;
  double scriptStart_ = 0;
  std::string scriptName_;
  bool scriptEndLogged_ = false;
  std::array<std::int64_t, 11> tankLevelShift_{};
  AircraftMotion motion_;
  double motionSeconds_ = 0;  // simulator time the motion has run to
  int logFd_ = -1;  // the log's file; -1 when none could be made (lines go to the sink only)
  std::uint64_t logLines_ = 0;
  std::uint64_t logBytes_ = 0;
  bool inFront_ = true;
  bool shift_ = false, ctrl_ = false, alt_ = false;
  int viewMenu_ = 0;  // 1 after Alt+V, 2 after M
  // The last chord with a modifier: when (simulator seconds) and whether it was Ctrl+Shift+W.
  double chordAt_ = -1e9;
  bool jetwayChord_ = false;
  bool chordPending_ = false;
  std::array<bool, 10> doorOpen_{};
  bool jetwayAttached_ = true;  // the aircraft starts at its gate
  std::vector<std::uint8_t> lastView_;
  std::function<void(const std::string&)> sink_;
};

}  // namespace vx::standin
