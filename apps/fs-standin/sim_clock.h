#pragma once
// The simulator's clock: local date and time running from a start time at a time scale,
// frozen while the simulator is paused, and its clock variables (local hour, minute,
// second, GMT hour and minute, the GMT-minus-local minutes, day of year, year).
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/sim_variable_area.h"

namespace vx::standin {

struct CivilTime {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// "YYYY-MM-DD HH:MM:SS" (or with a "T"); false when it is not one.
bool ParseCivilTime(std::string_view text, CivilTime& out);
// Seconds since 1970-01-01 00:00:00 of a civil time, and back.
std::int64_t CivilToSeconds(const CivilTime& t);
CivilTime SecondsToCivil(std::int64_t seconds);

// Beyond these the clock's seconds would leave the range its variables and logs are
// written from: a thousand times real time, one jump or script time of at most a year.
inline constexpr double kMaxTimeScale = 1000;
inline constexpr double kMaxAdvanceSeconds = 366.0 * 86400;

class SimClock {
 public:
  SimClock(CivilTime localStart, int gmtMinusLocalMinutes, double scale)
      : start_(CivilToSeconds(localStart)), gmtMinusLocal_(gmtMinusLocalMinutes), scale_(scale) {}

  // Runs the clock on to real (monotonic) time `realSeconds`; it stands still while paused.
  void RunTo(double realSeconds, bool paused);
  // Moves the simulator time on by `seconds` at once (also while paused).
  void Advance(double seconds) { simSeconds_ += seconds > 0 ? seconds : 0; }
  void SetScale(double scale) { scale_ = scale >= 0 ? scale : 0; }
  double Scale() const { return scale_; }

  // Simulator seconds since the start.
  double SimSeconds() const { return simSeconds_; }
  CivilTime Local() const;
  CivilTime Gmt() const;
  int GmtMinusLocalMinutes() const { return gmtMinusLocal_; }

  void WriteTo(platform::SimVariableArea& area) const;

 private:
  std::int64_t start_;
  int gmtMinusLocal_;
  double scale_;
  double simSeconds_ = 0;
  double lastReal_ = -1;
};

}  // namespace vx::standin
