#include <gtest/gtest.h>

#include "datafiles/volume_table.h"

namespace vx::datafiles {
namespace {

TEST(VolumeTableTest, EachSettingBecomesItsAttenuationWithinTheDeviceRange) {
  struct Case {
    std::int16_t setting;
    std::int16_t attenuation;
  };
  const Case cases[] = {{10, 0},      {9, -300},      {1, -2700},      {0, -3000},         {-1, -3300},
                        {15, 0},      {-30, -10000},  {32767, 0},      {-32768, -10000}};
  std::array<std::int16_t, 31> settings{};
  for (std::size_t i = 0; i < std::size(cases); ++i) settings[i * 3] = cases[i].setting;
  state::EngineState engine;
  engine.AnnounceVolumeTable.fill(123);
  BuildVolumeTable(engine, settings);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(engine.AnnounceVolumeTable[i * 3], cases[i].attenuation) << cases[i].setting;
  }
  EXPECT_EQ(engine.AnnounceVolumeTable[1], -3000);   // setting 0
  EXPECT_EQ(engine.AnnounceVolumeTable[30], -3000);  // the last entry is built too
}

}  // namespace
}  // namespace vx::datafiles
