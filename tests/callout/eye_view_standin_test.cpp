// The view layer against a running fs-standin: presets, eye points and view keys move the
// stand-in's view as its `eye` lines show.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "callout/eye_view.h"
#include "platform/standin_link.h"
#include "platform/timer_scheduler.h"
#include "platform/virtual_time.h"
#include "support/standin_process.h"

namespace vx::callout {
namespace {

// The fields of each `eye` line of the stand-in's log.
std::vector<std::string> EyeLines(const test::StandinProcess& standin) {
  std::vector<std::string> out;
  const std::string log = standin.Ctl({"log"}).out;
  std::size_t start = 0;
  while (start < log.size()) {
    const auto end = log.find('\n', start);
    const std::string line = log.substr(start, end - start);
    const auto at = line.find("\"kind\":\"eye\",");
    if (at != std::string::npos) out.push_back(line.substr(at + 13, line.size() - at - 14));
    start = end == std::string::npos ? log.size() : end + 1;
  }
  return out;
}

class EyeViewStandinTest : public ::testing::Test {
 protected:
  EyeViewStandinTest() {
    state.SimWindow = finder.FindTopLevelWindow("FS98MAIN");
    state.EyeVarTable = kFs98EyeVarTable;
    sim.Start(state.SimWindow, 65536, 2000);
  }
  void Set(const std::string& offset, const std::string& size, const std::string& value) {
    ASSERT_EQ(standin.Ctl({"set", offset, size, value}).exitCode, 0);
  }

  test::StandinProcess standin{{"--time-scale", "0"}};
  platform::StandinWindowFinder finder{standin.Folder(), standin.Prefix()};
  platform::StandinSimIpcClient sim{finder};
  platform::StandinKeyInjector keys{sim};
  platform::StandinSimFocus focus{sim};
  platform::VirtualClock clock;
  platform::TimerScheduler timers{clock};
  platform::VirtualEventPump pump{clock, timers};
  state::EyeViewState state;
  EyeView view{sim, keys, focus, pump, [](float) { return true; }, state};
};

TEST_F(EyeViewStandinTest, PresetAndTowerEyePoint) {
  state.ViewPresets[1] = {"3", "20", "80", "190", "SE1"};
  std::int16_t mode = 1;
  // View mode 1 at start: the preset is written, the view switched by Shift+S (1 -> 4).
  ASSERT_TRUE(ApplyViewPreset(view, 1, mode, 1));
  EXPECT_EQ(mode, 2);
  // The aircraft near 35.5 N, 139.75 E, heading 0.
  Set("0x0560", "4", "0");
  Set("0x0564", "4", "3945134");
  Set("0x0568", "4", "0");
  Set("0x056C", "4", "1667282443");
  Set("0x0580", "4", "0");
  Set("0x0B4C", "2", "10");
  PlaceEyePoint(view, 20, 0.0, 0.0, 100);
  mode = 1;
  WriteEyePoint(view, mode);  // view mode 4: the mode byte written, 3
  EXPECT_EQ(mode, 1);
  const auto lines = EyeLines(standin);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0],
            "\"mode\":1,\"preset\":{\"altitude\":3,\"distance\":20,\"zoom\":51,\"angle\":34588,\"code\":1},"
            "\"tower\":{\"lat\":0.0000000,\"lon\":0.0000000,\"alt\":0,\"zoom\":0}");
  EXPECT_EQ(lines[1],
            "\"mode\":4,\"preset\":{\"altitude\":3,\"distance\":20,\"zoom\":51,\"angle\":34588,\"code\":1},"
            "\"tower\":{\"lat\":0.0000000,\"lon\":0.0000000,\"alt\":0,\"zoom\":0}");
  EXPECT_EQ(lines[2],
            "\"mode\":3,\"preset\":{\"altitude\":3,\"distance\":20,\"zoom\":51,\"angle\":34588,\"code\":1},"
            "\"tower\":{\"lat\":35.5000025,\"lon\":139.7500000,\"alt\":30,\"zoom\":64}");
  EXPECT_EQ(standin.Ctl({"eye"}).out, "{" + lines[2] + "}\n");
}

TEST_F(EyeViewStandinTest, KeysOnlyWhileInFront) {
  Set("0x8320", "1", "4");
  ASSERT_EQ(standin.Ctl({"focus", "off"}).exitCode, 0);
  ReturnToCockpitView(view);  // "S" from 4 would give 1
  EXPECT_EQ(standin.Ctl({"get", "0x8320", "1"}).out, "4\n");
  PressWalkaroundChord(view);
  EXPECT_EQ(standin.Ctl({"get", "0x833C", "2"}).out, "0\n");
  focus.BringSimulatorToFront(state.SimWindow);
  PressWalkaroundChord(view);
  EXPECT_EQ(standin.Ctl({"get", "0x833C", "2"}).out, "2048\n");
  ReturnToCockpitView(view);
  EXPECT_EQ(standin.Ctl({"get", "0x8320", "1"}).out, "1\n");
}

}  // namespace
}  // namespace vx::callout
