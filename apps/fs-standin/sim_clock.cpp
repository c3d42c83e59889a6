#include "sim_clock.h"

#include <cmath>
#include <cstdio>

#include "platform/civil_date.h"

namespace vx::standin {

using platform::CivilFromDays;
using platform::DaysFromCivil;

bool ParseCivilTime(std::string_view text, CivilTime& out) {
  const std::string s(text);
  CivilTime t;
  char sep = 0;
  int consumed = 0;
  if (std::sscanf(s.c_str(), "%4d-%2d-%2d%c%2d:%2d:%2d%n", &t.year, &t.month, &t.day, &sep, &t.hour, &t.minute,
                  &t.second, &consumed) != 7 ||
      static_cast<std::size_t>(consumed) != s.size() || (sep != ' ' && sep != 'T')) {
    return false;
  }
  if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour > 23 || t.minute > 59 || t.second > 59 ||
      t.hour < 0 || t.minute < 0 || t.second < 0) {
    return false;
  }
  out = t;
  return true;
}

std::int64_t CivilToSeconds(const CivilTime& t) {
  return ((DaysFromCivil(t.year, t.month, t.day) * 24 + t.hour) * 60 + t.minute) * 60 + t.second;
}

CivilTime SecondsToCivil(std::int64_t seconds) {
  std::int64_t days = seconds / 86400;
  std::int64_t rest = seconds % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  CivilTime t;
  CivilFromDays(days, t.year, t.month, t.day);
  t.hour = static_cast<int>(rest / 3600);
  t.minute = static_cast<int>(rest / 60 % 60);
  t.second = static_cast<int>(rest % 60);
  return t;
}

void SimClock::RunTo(double realSeconds, bool paused) {
  if (lastReal_ >= 0 && realSeconds > lastReal_ && !paused) simSeconds_ += (realSeconds - lastReal_) * scale_;
  if (realSeconds > lastReal_) lastReal_ = realSeconds;
}

CivilTime SimClock::Local() const {
  return SecondsToCivil(start_ + static_cast<std::int64_t>(std::floor(simSeconds_)));
}

CivilTime SimClock::Gmt() const {
  return SecondsToCivil(start_ + static_cast<std::int64_t>(std::floor(simSeconds_)) + gmtMinusLocal_ * 60LL);
}

void SimClock::WriteTo(platform::SimVariableArea& area) const {
  const CivilTime local = Local();
  const CivilTime gmt = Gmt();
  area.Set(0x0238, 1, local.hour);
  area.Set(0x0239, 1, local.minute);
  area.Set(0x023A, 1, local.second);
  area.Set(0x023B, 1, gmt.hour);
  area.Set(0x023C, 1, gmt.minute);
  area.Set(0x0246, 2, gmtMinusLocal_);
  const std::int64_t dayOfYear = DaysFromCivil(local.year, local.month, local.day) - DaysFromCivil(local.year, 1, 1) + 1;
  area.Set(0x023E, 2, dayOfYear);
  area.Set(0x0240, 2, local.year);
}

}  // namespace vx::standin
