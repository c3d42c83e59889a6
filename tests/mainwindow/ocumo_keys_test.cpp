// Keys of the viewpoint mode from the main program's key handler to the viewpoint program,
// both in this process on one virtual clock, with the stand-in's simulator behind the
// viewpoint program: every key typed reaches it, in its order, however fast they come.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "mainwindow/key_mode.h"
#include "mainwindow/key_sequence.h"
#include "mainwindow/pro_program.h"
#include "simlink/eye_keys.h"
#include "support/standin_in_process.h"
#include "viewpoint/ocumo_in_process.h"

namespace vx::mainwindow {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int kTab = simlink::kVkTab, kEsc = simlink::kVkEsc, kQ = 81;
constexpr int KP(int n) { return simlink::kVkKeypad0 + n; }

class OcumoKeysTest : public ::testing::Test {
 protected:
  OcumoKeysTest() {
    simlink::OpenMainChannels(p.pro);
    p.pro.main.KeyInputMode = kKeyModeFlight;
    StartOcumo(first);
  }
  // The main window starts the viewpoint program and enters the viewpoint mode.
  void StartOcumo(vx::test::OcumoInProcess& ocumo) {
    p.pro.main.OcumoProcess = p.processes.Start("/base/ExePro/Ocumo", {}, false);
    EnterViewpointMode(p.pro);
    ocumo.Start();
  }
  // The keys typed one after the other, with no time between them.
  void Burst(std::initializer_list<int> keys) {
    for (int k : keys) EXPECT_TRUE(p.hook.Type(k)) << k;
  }
  std::int32_t EyeWord() const { return test::ReadEyeChannel(p.pro.svc.sharedMemoryPrefix); }

  test::ProProgram p;
  vx::test::InProcessStandin standin{p.ui.clock};
  vx::test::OcumoInProcess first{p.ui, standin, p.pro.svc.sharedMemoryPrefix};
  state::OcumoContext& ocumo = first.ctx;
  viewpoint::FrmOcumo& form = first.form;
};

// Tab, 8, 8, 6, 9 in one burst: preset 1, two steps forward, one to the right, zoom in.
TEST_F(OcumoKeysTest, FiveKeysInOneBurstAllReachTheViewpointProgramInOrder) {
  ASSERT_TRUE(form.Loaded());
  ASSERT_EQ(ocumo.view.CurrentViewPreset, 0);
  Burst({kTab, KP(8), KP(8), KP(6), KP(9)});
  p.ui.pump.RunFor(1s);
  EXPECT_EQ(ocumo.view.CurrentViewPreset, 1);
  EXPECT_EQ(form.tbx距離(1).Text(), "28");
  EXPECT_EQ(form.tbx角度(1).Text(), "339");
  EXPECT_EQ(form.tbxズーム(1).Text(), "51");
  EXPECT_EQ(EyeWord(), 88);
  EXPECT_TRUE(p.pro.sim.EyeKeysWaiting.empty());

  // A held key's repeats are not stored up behind it: it stops when it is let go.
  p.hook.Send(platform::KeyPress(KP(8)));
  for (int i = 0; i < 5; ++i) p.hook.Send(platform::KeyRepeat(KP(8)));
  p.hook.Send(platform::KeyRelease(KP(8)));
  p.ui.pump.RunFor(1s);
  EXPECT_EQ(form.tbx距離(1).Text(), "27");
}

// The viewpoint program stops taking keys: the keys wait up to the bound, for a limited
// time only, and the main program's handler neither waits for it nor stops passing the
// keys that are not the viewpoint program's. Taking again, it gets the one key that was
// in the channel, and then keys as fast as they come.
TEST_F(OcumoKeysTest, AStoppedViewpointProgramHoldsNoMoreThanTheBoundForALimitedTime) {
  ASSERT_TRUE(form.Loaded());
  form.Timer1.SetEnabled(false);
  const auto start = p.ui.clock.MonotonicNanos();
  for (int i = 0; i < 40; ++i) {
    EXPECT_TRUE(p.hook.Type(KP(i % 2 == 0 ? 8 : 2)));
    EXPECT_LE(p.pro.sim.EyeKeysWaiting.size(), simlink::kEyeKeysWaitingMax);
  }
  EXPECT_EQ(p.pro.sim.EyeKeysWaiting.size(), simlink::kEyeKeysWaitingMax);
  EXPECT_FALSE(p.hook.Type(kQ));
  EXPECT_LT(p.ui.clock.MonotonicNanos() - start, 200'000'000) << "the handler waited";
  EXPECT_EQ(EyeWord(), KP(8));

  p.ui.pump.RunFor(std::chrono::milliseconds(simlink::kEyeKeyTakeLimitMs + 100));
  EXPECT_TRUE(p.pro.sim.EyeKeysWaiting.empty());
  EXPECT_EQ(EyeWord(), KP(8));

  form.Timer1.SetEnabled(true);
  p.ui.pump.RunFor(200ms);
  EXPECT_EQ(form.tbx距離(0).Text(), "39");  // the one key, forward from 40
  Burst({KP(2), KP(2), KP(2)});
  p.ui.pump.RunFor(500ms);
  EXPECT_EQ(form.tbx距離(0).Text(), "42");
}

// Esc ends the viewpoint program, and the key typed right after it is written into the
// channel once Esc has been taken, where no viewpoint program takes it. The next viewpoint
// program, started ten seconds later, does not act on it.
TEST_F(OcumoKeysTest, AKeyLeftInTheChannelByAViewpointProgramThatEndedMovesNoOtherEye) {
  ASSERT_TRUE(form.Loaded());
  Burst({kEsc, KP(8)});
  ASSERT_TRUE(p.ui.pump.RunUntil([&] { return !form.Loaded(); }, 1s));
  p.processes.started.back().running = false;
  p.ui.pump.RunFor(1s);
  ASSERT_EQ(EyeWord(), KP(8)) << "the key is left in the channel";

  p.ui.pump.RunFor(10s);
  vx::test::OcumoInProcess next{p.ui, standin, p.pro.svc.sharedMemoryPrefix};
  StartOcumo(next);
  ASSERT_TRUE(next.form.Loaded());
  p.ui.pump.RunFor(1s);
  EXPECT_EQ(next.form.tbx距離(0).Text(), "40");
  EXPECT_EQ(EyeWord(), 88);
  // Its own keys it takes.
  Burst({KP(8)});
  p.ui.pump.RunFor(200ms);
  EXPECT_EQ(next.form.tbx距離(0).Text(), "39");
}

}  // namespace
}  // namespace vx::mainwindow
