// The stand-in's simulator in the test process: batches, keys and the focus reach it on
// virtual time.
#include "support/standin_in_process.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace vx::test {
namespace {

constexpr int kVkS = 83;

TEST(InProcessStandin, KeysMoveTheViewOnlyWhileTheSimulatorIsInFront) {
  platform::VirtualClock clock;
  InProcessStandin standin{clock};
  const std::int64_t window = standin.windows.FindTopLevelWindow("FS98MAIN");
  ASSERT_EQ(window, standin.windowHandle);
  ASSERT_NE(standin.client.Start(window, 65536, 2000), 0);
  auto viewMode = [&] {
    std::uint8_t mode = 0;
    standin.client.BeginRequest();
    standin.client.ReadStateData(0x8320, 1, &mode);
    EXPECT_TRUE(standin.client.SendRequest());
    return mode;
  };
  EXPECT_EQ(viewMode(), 1);
  EXPECT_TRUE(standin.focus.SimulatorInFront(window));
  standin.keys.KeyDown(kVkS), standin.keys.KeyUp(kVkS);
  EXPECT_EQ(viewMode(), 2);

  standin.simulator.SetInFront("test", false);
  EXPECT_FALSE(standin.focus.SimulatorInFront(window));
  standin.keys.KeyDown(kVkS), standin.keys.KeyUp(kVkS);
  EXPECT_EQ(viewMode(), 2) << "keys do nothing while another window is in front";
  standin.focus.BringSimulatorToFront(window);
  EXPECT_TRUE(standin.focus.SimulatorInFront(window));
  EXPECT_FALSE(standin.focus.SimulatorInFront(0));
}

}  // namespace
}  // namespace vx::test
