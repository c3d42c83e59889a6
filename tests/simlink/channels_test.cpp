#include "simlink/channels.h"

#include <gtest/gtest.h>

#include <vector>

#include "simlink/eye_keys.h"
#include "simlink/main_channels.h"
#include "state/pro_context.h"
#include "support/temp_dir.h"

namespace vx::simlink {
namespace {

std::vector<std::byte> B(std::initializer_list<int> bytes) {
  std::vector<std::byte> v;
  for (int b : bytes) v.push_back(static_cast<std::byte>(b));
  return v;
}

TEST(ChannelRecordTest, FlightDataLayoutByteForByte) {
  state::FlightDataRecord r;
  r.latitude = 1.0;
  r.longitude = -2.0;
  r.altitudeFt = 0x01020304;
  r.heightAboveGroundFt = -1;
  r.groundSpeedKmh = 300;
  r.indicatedAirspeedKt = 250;
  r.trueAirspeedKt = 0x7FFFFFFF;
  r.machTimes100 = 84;
  r.localHour = 9;
  r.localMinute = 30;
  r.second = 5;
  r.gmtHour = 0;
  r.gmtMinute = 30;
  r.gmtAheadOfLocalMinutes = -540;
  const std::vector<std::byte> expected = B({
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F,  // 0 latitude 1.0
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0,  // 8 longitude -2.0
      0x04, 0x03, 0x02, 0x01,                          // 16 altitude
      0xFF, 0xFF, 0xFF, 0xFF,                          // 20 height above ground -1
      0x2C, 0x01, 0x00, 0x00,                          // 24 ground speed 300
      0xFA, 0x00, 0x00, 0x00,                          // 28 IAS 250
      0xFF, 0xFF, 0xFF, 0x7F,                          // 32 TAS
      0x54, 0x00,                                      // 36 Mach x 100
      0x09, 0x00, 0x1E, 0x00, 0x05, 0x00,              // 38 local 09:30:05
      0x00, 0x00, 0x1E, 0x00,                          // 44 GMT 00:30
      0x00, 0x00,                                      // 48 reserved
      0xE4, 0xFD,                                      // 50 GMT ahead of local: -540
      0x00, 0x00,                                      // 52 reserved
  });
  const FlightDataBytes bytes = SerialiseFlightData(r);
  ASSERT_EQ(expected.size(), kFlightDataRecordSize);
  EXPECT_EQ(std::vector<std::byte>(bytes.begin(), bytes.end()), expected);
  EXPECT_EQ(DeserialiseFlightData(bytes), r);
}

TEST(ChannelRecordTest, VolLayoutByteForByte) {
  const state::VolChannelRecord r{1, 73, 0};
  const VolChannelBytes bytes = SerialiseVolRecord(r);
  EXPECT_EQ(std::vector<std::byte>(bytes.begin(), bytes.end()), B({0x01, 0x00, 0x49, 0x00, 0x00, 0x00}));
  EXPECT_EQ(DeserialiseVolRecord(bytes), r);
}

class ChannelTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const char* name : {kEyeChannelName, kVolChannelName, kStabChannelName, kDataChannelName}) {
      platform::SharedMemory::Remove(prefix, name);
    }
  }
  const std::string prefix = test::UniqueName("vxch") + "_";
};

TEST_F(ChannelTest, DataRecordFromTheCallOutSideReachesTheMainSide) {
  state::Channel writer, reader;
  ASSERT_TRUE(OpenDataChannel(prefix, reader));
  ASSERT_TRUE(OpenDataChannel(prefix, writer));
  state::FlightDataRecord r;
  r.latitude = 35.55;
  r.altitudeFt = 37000;
  r.second = 59;
  EXPECT_TRUE(WriteDataChannel(r, writer));
  state::FlightDataRecord got;
  EXPECT_EQ(ReadDataChannel(got, reader), 54);
  EXPECT_EQ(got, r);
}

TEST_F(ChannelTest, FirstOpenerFindsZerosAndASecondOpenerNeverClears) {
  state::Channel first;
  ASSERT_TRUE(OpenDataChannel(prefix, first));
  state::FlightDataRecord got;
  got.altitudeFt = 5;
  EXPECT_EQ(ReadDataChannel(got, first), 54);
  EXPECT_EQ(got, state::FlightDataRecord{});

  state::FlightDataRecord r;
  r.groundSpeedKmh = 880;
  WriteDataChannel(r, first);
  state::Channel second;
  ASSERT_TRUE(OpenDataChannel(prefix, second));
  EXPECT_EQ(ReadDataChannel(got, second), 54);
  EXPECT_EQ(got.groundSpeedKmh, 880);
}

TEST_F(ChannelTest, ClosedChannelReadsNothingAndWritesNothing) {
  state::Channel channel;
  state::FlightDataRecord record;
  record.altitudeFt = 1234;
  EXPECT_EQ(ReadDataChannel(record, channel), 0);
  EXPECT_EQ(record.altitudeFt, 1234);
  EXPECT_FALSE(WriteDataChannel(record, channel));
  std::int32_t value = 7;
  EXPECT_EQ(ReadLongFromChannel(value, channel), 0);
  EXPECT_EQ(value, 7);
  EXPECT_FALSE(WriteLongToChannel(1, channel));
  EXPECT_FALSE(WriteVolWord(kVolQuietWordOffset, 1, channel));
  EXPECT_FALSE(CloseSharedMapping(channel));

  ASSERT_TRUE(OpenStabChannel(prefix, channel));
  EXPECT_TRUE(CloseSharedMapping(channel));
  EXPECT_FALSE(channel.IsOpen());
  EXPECT_EQ(ReadLongFromChannel(value, channel), 0);
}

// A record another program is writing at the same moment: copies are taken until two agree.
TEST(StableCopyTest, TornCopiesNeverReachTheCaller) {
  const std::vector<std::vector<std::byte>> copies = {B({1, 1, 0, 0}), B({2, 2, 2, 0}), B({3, 3, 3, 3}),
                                                      B({3, 3, 3, 3})};
  std::size_t next = 0;
  std::vector<std::byte> out(4);
  EXPECT_TRUE(CopyUntilStable(
      [&](std::span<std::byte> to) {
        std::copy(copies[next].begin(), copies[next].end(), to.begin());
        ++next;
      },
      out, 16));
  EXPECT_EQ(out, B({3, 3, 3, 3}));
  EXPECT_EQ(next, 4u);
}

TEST(StableCopyTest, GivesUpAfterItsBound) {
  int calls = 0;
  std::vector<std::byte> out(2);
  EXPECT_FALSE(CopyUntilStable(
      [&](std::span<std::byte> to) {
        ++calls;
        to[0] = static_cast<std::byte>(calls);
      },
      out, 16));
  EXPECT_EQ(calls, 16);
}

class MainChannelsTest : public ChannelTest {
 protected:
  void SetUp() override {
    pro.svc.sharedMemoryPrefix = prefix;
    OpenMainChannels(pro);
  }
  void TearDown() override {
    CloseMainChannels(pro);
    ChannelTest::TearDown();
  }
  state::ProContext pro;
};

TEST_F(MainChannelsTest, AllFourOpenZeroFilledAndClose) {
  const state::ChannelHandleSet& h = pro.sim.ChannelHandles;
  ASSERT_TRUE(h.eye.IsOpen() && h.vol.IsOpen() && h.stab.IsOpen() && h.data.IsOpen());
  EXPECT_EQ(h.eye.mapping->Size(), 4u);
  EXPECT_EQ(h.vol.mapping->Size(), 6u);
  EXPECT_EQ(h.stab.mapping->Size(), 4u);
  EXPECT_EQ(h.data.mapping->Size(), 54u);
  state::VolChannelRecord vol{5, 5, 5};
  EXPECT_EQ(ReadVolChannel(vol, h.vol), 6);
  EXPECT_EQ(vol, state::VolChannelRecord{});
  CloseMainChannels(pro);
  EXPECT_FALSE(h.eye.IsOpen() || h.vol.IsOpen() || h.stab.IsOpen() || h.data.IsOpen());
}

TEST_F(MainChannelsTest, EyeKeyAndTakeoffTriggerAsLongs) {
  state::Channel viewpoint, callout;
  ASSERT_TRUE(OpenEyeChannel(prefix, viewpoint));
  ASSERT_TRUE(OpenStabChannel(prefix, callout));
  EXPECT_TRUE(ForwardEyeKey(pro, 105));
  std::int32_t value = 0;
  EXPECT_EQ(ReadLongFromChannel(value, viewpoint), 4);
  EXPECT_EQ(value, 105);
  EXPECT_TRUE(WriteLongToChannel(kChannelTaken, viewpoint));
  EXPECT_EQ(ReadLongFromChannel(value, pro.sim.ChannelHandles.eye), 4);
  EXPECT_EQ(value, 88);

  EXPECT_TRUE(WriteTakeoffStarted(pro, 1));
  EXPECT_EQ(ReadLongFromChannel(value, callout), 4);
  EXPECT_EQ(value, 1);
  EXPECT_EQ(pro.sim.TakeoffStartedFlag, 1);
}

// The viewpoint program's acknowledgement: 88 replaces the key only while the key is still
// there, so a key written after the read is kept for the next poll.
TEST_F(MainChannelsTest, AcknowledgementOnlyReplacesTheKeyThatWasRead) {
  state::Channel viewpoint;
  ASSERT_TRUE(OpenEyeChannel(prefix, viewpoint));
  EXPECT_TRUE(ForwardEyeKey(pro, 9));
  std::int32_t value = 0;
  EXPECT_TRUE(WriteLongToChannel(104, pro.sim.ChannelHandles.eye));  // written between the read of 9 and its answer
  EXPECT_FALSE(CompareAndSwapLong(9, kChannelTaken, viewpoint));
  EXPECT_EQ(ReadLongFromChannel(value, pro.sim.ChannelHandles.eye), 4);
  EXPECT_EQ(value, 104);
  EXPECT_TRUE(CompareAndSwapLong(104, kChannelTaken, viewpoint));
  EXPECT_EQ(ReadLongFromChannel(value, pro.sim.ChannelHandles.eye), 4);
  EXPECT_EQ(value, 88);
  state::Channel closed;
  EXPECT_FALSE(CompareAndSwapLong(88, 0, closed));
}

// The view-step command is sent once: a later quiet toggle does not send it again.
TEST_F(MainChannelsTest, QuietToggleDoesNotRepeatAnAnsweredViewStep) {
  state::Channel callout;
  ASSERT_TRUE(OpenVolChannel(prefix, callout));
  EXPECT_TRUE(SendViewStepCommand(pro));
  state::VolChannelRecord seen;
  ReadVolChannel(seen, callout);
  EXPECT_EQ(seen, (state::VolChannelRecord{0, 73, 0}));

  // The call-out program answers with its whole record.
  seen.VolCommandCode = kChannelTaken;
  WriteVolChannel(seen, callout);

  pro.engine.QuietSound = 1;
  EXPECT_TRUE(SendQuietSound(pro));
  ReadVolChannel(seen, callout);
  EXPECT_EQ(seen, (state::VolChannelRecord{1, 88, 0}));
  EXPECT_EQ(pro.sim.VolRecord.VolCommandCode, 73);  // the main program's own copy keeps it

  pro.engine.QuietSound = 0;
  SendQuietSound(pro);
  ReadVolChannel(seen, callout);
  EXPECT_EQ(seen, (state::VolChannelRecord{0, 88, 0}));
}

}  // namespace
}  // namespace vx::simlink
