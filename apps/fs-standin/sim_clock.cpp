#include "sim_clock.h"

#include <cmath>
#include <cstdio>

namespace vx::standin {
namespace {

std::int64_t DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& y, int& m, int& d) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

}  // namespace

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
