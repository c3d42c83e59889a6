#pragma once
// Days since 1970-01-01 of a civil date and back (proleptic Gregorian calendar).
#include <cstdint>

namespace vx::platform {

std::int64_t DaysFromCivil(int year, int month, int day);
void CivilFromDays(std::int64_t days, int& year, int& month, int& day);

}  // namespace vx::platform
