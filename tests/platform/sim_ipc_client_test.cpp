#include "platform/sim_ipc_client.h"

#include <gtest/gtest.h>

namespace vx::platform {
namespace {

TEST(SimEntryTest, SizesAndBounds) {
  struct Case {
    std::int64_t offset, size;
    SimEntryStatus status;
  } cases[] = {
      {0, 0, SimEntryStatus::Ok},          {0x0262, 2, SimEntryStatus::Ok},
      {65532, 4, SimEntryStatus::Ok},      {65535, 1, SimEntryStatus::Ok},
      {65536, 0, SimEntryStatus::Ok},      {65533, 4, SimEntryStatus::OutsideArea},
      {65536, 1, SimEntryStatus::OutsideArea}, {-1, 1, SimEntryStatus::OutsideArea},
      {0, 3, SimEntryStatus::BadSize},     {0, 8, SimEntryStatus::BadSize},
      {0, -4, SimEntryStatus::BadSize},    {70000, 3, SimEntryStatus::BadSize},
  };
  for (const Case& c : cases) EXPECT_EQ(CheckSimEntry(c.offset, c.size), c.status) << c.offset << " " << c.size;
}

class InProcessClientTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(client.Start(42, 65536, 2000), 0); }
  SimVariableArea area;
  InProcessSimIpcClient client{area};
};

TEST_F(InProcessClientTest, BatchAppliedInQueueOrder) {
  area.Set(0x0100, 2, 7);
  std::int16_t before = 0, after = 0;
  const std::int16_t five = 5;
  client.BeginRequest();
  client.ReadStateData(0x0100, 2, &before);
  client.WriteStateData(0x0100, 2, &five);
  client.ReadStateData(0x0100, 2, &after);
  EXPECT_TRUE(client.SendRequest());
  EXPECT_EQ(before, 7);
  EXPECT_EQ(after, 5);
  EXPECT_EQ(area.GetSigned(0x0100, 2), 5);
}

TEST_F(InProcessClientTest, DestinationsAreFilledOnlyBySendRequest) {
  area.Set(0x0200, 4, 123456);
  std::int32_t value = -1;
  client.BeginRequest();
  client.ReadStateData(0x0200, 4, &value);
  EXPECT_EQ(value, -1);
  client.SendRequest();
  EXPECT_EQ(value, 123456);
}

TEST_F(InProcessClientTest, WriteSourceIsTakenWhenQueued) {
  std::int32_t source = 11;
  client.BeginRequest();
  client.WriteStateData(0x0300, 4, &source);
  source = 99;
  client.SendRequest();
  EXPECT_EQ(area.GetSigned(0x0300, 4), 11);
  ASSERT_EQ(client.writes.size(), 1u);
  EXPECT_EQ(client.writes[0], (InProcessSimIpcClient::Write{0x0300, 4, 11}));
}

TEST_F(InProcessClientTest, RejectedEntriesLeaveTheirDestinationsAndTheRestIsApplied) {
  area.Set(0x0010, 2, 3);
  area.Set(65534, 2, 9);
  std::int32_t outside = -1, badSize = -1, empty = -1;
  std::int16_t good = -1;
  const std::int32_t big = 77;
  client.BeginRequest();
  client.ReadStateData(65534, 4, &outside);
  client.ReadStateData(0x0010, 3, &badSize);
  client.ReadStateData(0, 0, &empty);
  client.WriteStateData(-2, 2, &big);
  client.ReadStateData(0x0010, 2, &good);
  EXPECT_FALSE(client.SendRequest());
  EXPECT_EQ(outside, -1);
  EXPECT_EQ(badSize, -1);
  EXPECT_EQ(empty, -1);
  EXPECT_EQ(good, 3);
  EXPECT_TRUE(client.writes.empty());
}

TEST_F(InProcessClientTest, DeadSimulatorLeavesEverythingUnchanged) {
  area.Set(0x0400, 2, 5);
  client.dead = true;
  std::int16_t value = -1;
  const std::int16_t one = 1;
  client.BeginRequest();
  client.ReadStateData(0x0400, 2, &value);
  client.WriteStateData(0x0402, 2, &one);
  EXPECT_FALSE(client.SendRequest());
  EXPECT_EQ(value, -1);
  EXPECT_EQ(area.GetSigned(0x0402, 2), 0);
}

TEST(InProcessClientStartTest, RefusedOrNoWindow) {
  SimVariableArea area;
  InProcessSimIpcClient client(area);
  EXPECT_EQ(client.Start(0, 65536, 2000), 0);
  client.refuseStart = true;
  EXPECT_EQ(client.Start(42, 65536, 2000), 0);
  std::int16_t value = -1;
  client.BeginRequest();
  client.ReadStateData(0, 2, &value);
  EXPECT_FALSE(client.SendRequest());
  EXPECT_EQ(value, -1);
}

}  // namespace
}  // namespace vx::platform
