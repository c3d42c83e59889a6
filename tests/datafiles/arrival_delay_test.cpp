#include <gtest/gtest.h>

#include "datafiles/arrival_delay.h"

namespace vx::datafiles {
namespace {

TEST(ArrivalDelayTest, ClassesAtTheirBoundariesAndAcrossMidnight) {
  struct Case {
    int scheduledHour, scheduledMinute, actualHour, actualMinute;
    std::int16_t expected;
  };
  const Case cases[] = {
      {12, 0, 11, 50, -1},  // 10 early
      {12, 0, 11, 51, 0},   // 9 early
      {12, 0, 12, 10, 0},   // 10 late
      {12, 0, 12, 11, 10},  {12, 0, 12, 20, 10}, {12, 0, 12, 21, 20}, {12, 0, 12, 30, 20},
      {12, 0, 12, 31, 30},  {12, 0, 12, 40, 30}, {12, 0, 12, 41, 40}, {12, 0, 12, 50, 40},
      {12, 0, 12, 51, 50},  {12, 0, 13, 0, 50},  {12, 0, 13, 1, 60},  {12, 0, 23, 59, 60},
      {23, 50, 0, 5, 10},   // d = -1425 + 1440 = 15
      {0, 10, 23, 55, -1},  // d = 1425 - 1440 = -15
      {0, 0, 12, 0, 60},    // d = 720 stays
      {12, 0, 0, 0, -1},    // d = -720 stays
      {0, 0, 12, 1, -1},    // d = 721 becomes -719
      {23, 55, 0, 50, 50},  // 55 late across midnight
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ArrivalDelayClassFor(c.scheduledHour, c.scheduledMinute, c.actualHour, c.actualMinute), c.expected)
        << c.scheduledHour << ":" << c.scheduledMinute << " -> " << c.actualHour << ":" << c.actualMinute;
  }
}

}  // namespace
}  // namespace vx::datafiles
