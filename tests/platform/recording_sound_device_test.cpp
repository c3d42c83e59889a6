#include "platform/recording_sound_device.h"

#include <gtest/gtest.h>

#include "platform/virtual_time.h"
#include "support/sound_files.h"

namespace vx::platform {
namespace {

using namespace std::chrono_literals;
using Op = RecordingSoundDevice::Op;

class RecordingSoundDeviceTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(device.Init()); }
  std::int32_t Create(double seconds, std::string_view label = "a.wav") {
    const auto image = test::MakeToneWav({.sampleRate = 22050, .seconds = seconds});
    return device.CreateBuffer(image, 1, label);
  }
  VirtualClock clock;
  RecordingSoundDevice device{clock};
};

TEST_F(RecordingSoundDeviceTest, PlaysForTheDurationOfItsWavAndRestartsOnReplay) {
  const auto b = Create(2.0);
  ASSERT_NE(b, 0);
  device.Play(b, -600, 0);
  EXPECT_TRUE(device.IsPlaying(b));
  clock.Advance(1500ms);
  device.Play(b, -600, 0);  // restart: plays 2 s from here
  clock.Advance(1999ms);
  EXPECT_TRUE(device.IsPlaying(b));
  clock.Advance(1ms);
  EXPECT_FALSE(device.IsPlaying(b));
  EXPECT_EQ(device.Find(b)->plays, 2);
}

TEST_F(RecordingSoundDeviceTest, ALoopPlaysUntilStopped) {
  const auto b = Create(0.5);
  device.PlayLooping(b, 0, 10000);
  clock.Advance(60s);
  EXPECT_TRUE(device.IsPlaying(b));
  device.Stop(b);
  EXPECT_FALSE(device.IsPlaying(b));
}

TEST_F(RecordingSoundDeviceTest, FreedUnknownAndZeroBuffersAreSilentAndIgnoreCalls) {
  const auto b = Create(5.0);
  device.Play(b, 0, 0);
  device.Free(b);
  for (std::int32_t id : {b, 0, 12345}) {
    SCOPED_TRACE(id);
    device.Play(id, 0, 0);
    device.PlayLooping(id, 0, 0);
    device.SetVolume(id, -100);
    device.Stop(id);
    device.Free(id);
    EXPECT_FALSE(device.IsPlaying(id));
  }
  EXPECT_EQ(device.LiveBuffers(), 0);
  // A new buffer never takes a freed id.
  EXPECT_NE(Create(1.0), b);
}

TEST_F(RecordingSoundDeviceTest, LogsEveryCallWithItsArgumentsAndTime) {
  const auto b = Create(1.0, "\\Wav\\CA1\\G3.wav");
  clock.Advance(250ms);
  device.PlayLooping(b, -3000, -10000);
  device.SetVolume(b, -900);
  clock.Advance(1s);
  device.Stop(b);
  device.Free(b);
  const auto calls = device.CallsOf({Op::CreateBuffer, Op::PlayLooping, Op::SetVolume, Op::Stop, Op::Free});
  ASSERT_EQ(calls.size(), 5u);
  const auto t0 = calls[0].atNanos;
  EXPECT_EQ(calls[0].buffer, b);
  EXPECT_EQ(calls[0].label, "\\Wav\\CA1\\G3.wav");
  EXPECT_EQ(calls[1].atNanos - t0, 250'000'000);
  EXPECT_EQ(calls[1].volume, -3000);
  EXPECT_EQ(calls[1].pan, -10000);
  EXPECT_EQ(calls[1].label, "\\Wav\\CA1\\G3.wav");
  EXPECT_EQ(calls[2].volume, -900);
  EXPECT_EQ(calls[3].atNanos - t0, 1'250'000'000);
  EXPECT_EQ(device.Find(b)->volume, -900);
}

TEST_F(RecordingSoundDeviceTest, InjectedFailuresAndBadImages) {
  device.failCreate = [](std::string_view label) { return label == "bad.wav"; };
  EXPECT_EQ(Create(1.0, "bad.wav"), 0);
  EXPECT_NE(Create(1.0, "good.wav"), 0);
  const std::vector<std::uint8_t> notWav = {1, 2, 3, 4};
  EXPECT_EQ(device.CreateBuffer(notWav, 1, "text.wav"), 0);

  RecordingSoundDevice broken(clock);
  broken.failInit = true;
  EXPECT_FALSE(broken.Init());
  const auto image = test::MakeToneWav({});
  EXPECT_EQ(broken.CreateBuffer(image, 1, "x.wav"), 0);
}

TEST(PannedGain, AttenuationAndPanInHundredthsOfADecibel) {
  EXPECT_DOUBLE_EQ(PannedGain(0, 0).left, 1.0);
  EXPECT_NEAR(PannedGain(-600, 0).left, 0.50119, 1e-5);
  EXPECT_NEAR(PannedGain(-3000, 0).right, 0.031623, 1e-6);
  EXPECT_EQ(PannedGain(-10000, 0).left, 0.0);
  EXPECT_EQ(PannedGain(-20000, 0).right, 0.0);
  const auto left = PannedGain(-600, -10000);
  EXPECT_NEAR(left.left, 0.50119, 1e-5);
  EXPECT_EQ(left.right, 0.0);
  const auto halfRight = PannedGain(0, 600);
  EXPECT_NEAR(halfRight.left, 0.50119, 1e-5);
  EXPECT_EQ(halfRight.right, 1.0);
}

}  // namespace
}  // namespace vx::platform
