// The key handler of the main window with its effects: requests, channels, files,
// windows, sounds.
#include "mainwindow/command_keys.h"

#include "announce/frm_sound.h"

#include <gtest/gtest.h>

#include "mainwindow/key_mode.h"
#include "mainwindow/key_sequence.h"
#include "mainwindow/pro_program.h"
#include "mainwindow/quiet_sound.h"
#include "runtime/runtime_error.h"
#include "ui/form.h"
#include "ui/text_box.h"

namespace vx::mainwindow {
namespace {

using announce::FlightBox;
using platform::KeyPress;
using platform::KeyRelease;
using SoundOp = platform::RecordingSoundDevice::Op;
using Mp3Op = platform::RecordingMp3Player::Op;
using MusicOp = platform::RecordingMusicDevice::Op;

constexpr int A = 65, B = 66, C = 67, I = 73, Q = 81, X = 88, kSpace = 32, kEsc = simlink::kVkEsc;
constexpr int D(int n) { return 48 + n; }
constexpr int KP(int n) { return simlink::kVkKeypad0 + n; }

class PlainForm final : public ui::Form {
 public:
  PlainForm(ui::UiEnv& env, std::string name) : Form(env, std::move(name)) {}
  ui::TextBox tbx{*this, "tbx"};
};

class CommandKeysTest : public ::testing::Test {
 protected:
  void SetUp() override {
    simlink::OpenMainChannels(p.pro);
    p.pro.main.KeyInputMode = kKeyModeFlight;
    p.pro.engine.SoundSlotBuffer[0] = 500;  // the switch click
  }
  int Clicks() const {
    int n = 0;
    for (const auto& c : p.sound.CallsOf({SoundOp::Play})) n += c.buffer == 500 ? 1 : 0;
    return n;
  }
  test::ProProgram p;
};

TEST_F(CommandKeysTest, SequencesSetRequestsAndClickOnEveryCommandKey) {
  p.TypeKeys({C, A, D(0)});
  EXPECT_EQ(p.pro.engine.AnnounceRequest, 10);
  EXPECT_EQ(Clicks(), 3);
  p.TypeKeys({C, C});
  EXPECT_EQ(p.pro.engine.AnnounceRequest, 20);
  p.TypeKeys({B, D(3)});
  EXPECT_EQ(p.pro.engine.AnnounceRequest, 53);
  EXPECT_EQ(Clicks(), 7);
  // The hook never swallows a key of the flight.
  EXPECT_FALSE(p.hook.Send(KeyPress(C)));
  EXPECT_FALSE(p.pro.main.KeyHandlerBusy);
}

TEST_F(CommandKeysTest, ViewStepGoesToTheCallOutProgramAndClearsTheRequest) {
  p.pro.engine.AnnounceRequest = 14;
  p.pro.engine.QuietSound = 1;
  p.TypeKeys({I});
  EXPECT_EQ(p.pro.engine.AnnounceRequest, 0);
  const state::VolChannelRecord vol = test::ReadVolChannel(p.pro.svc.sharedMemoryPrefix);
  EXPECT_EQ(vol.VolCommandCode, 73);
  EXPECT_EQ(vol.QuietSound, 1);
  EXPECT_EQ(Clicks(), 0);
}

TEST_F(CommandKeysTest, ViewpointModeForwardsOnlyItsKeysWhileTheViewpointProgramRuns) {
  p.pro.main.OcumoProcess = p.processes.Start("/base/ExePro/Ocumo", {}, false);
  SetKeyInputMode(p.pro, kKeyModeViewpoint);
  EXPECT_EQ(p.hook.swallowCandidates, (std::vector<int>{27, 9, 96, 97, 98, 99, 100, 101, 102, 103, 104, 105}));

  EXPECT_TRUE(p.hook.Send(KeyPress(KP(5))));
  EXPECT_EQ(test::ReadEyeChannel(p.pro.svc.sharedMemoryPrefix), 101);
  // Ocumo answers 88; the release is swallowed and not forwarded.
  simlink::WriteLongToChannel(88, p.pro.sim.ChannelHandles.eye);
  EXPECT_TRUE(p.hook.Send(KeyRelease(KP(5))));
  EXPECT_EQ(test::ReadEyeChannel(p.pro.svc.sharedMemoryPrefix), 88);
  // Other keys and their releases pass untouched.
  EXPECT_FALSE(p.hook.Send(KeyPress(Q)));
  EXPECT_FALSE(p.hook.Send(KeyRelease(Q)));
  EXPECT_FALSE(p.hook.Send(KeyRelease(D(5))));
  EXPECT_TRUE(p.hook.Send(KeyPress(kEsc)));
  EXPECT_EQ(test::ReadEyeChannel(p.pro.svc.sharedMemoryPrefix), 27);

  // Ocumo has ended: the mode returns to 0 and nothing more is swallowed.
  p.processes.started.back().running = false;
  EXPECT_FALSE(p.hook.Send(KeyPress(KP(2))));
  EXPECT_EQ(p.pro.main.KeyInputMode, 0);
  EXPECT_TRUE(p.hook.swallowCandidates.empty());
  EXPECT_EQ(test::ReadEyeChannel(p.pro.svc.sharedMemoryPrefix), 27);
}

TEST_F(CommandKeysTest, TypedInputWindowsSilenceTheHookUntilTheLastOneCloses) {
  PlainForm landing(p.ui.env, "frmLDB");
  PlainForm gate(p.ui.env, "frmArvGate");
  p.pro.main.keyWindows.typedInput = {&landing, &gate};
  landing.Show();
  gate.Show();
  p.TypeKeys({C, A, D(1)});
  EXPECT_EQ(p.pro.engine.AnnounceRequest, 0);
  gate.Unload();  // one window closed, the other still takes typing
  p.TypeKeys({C, A, D(1)});
  EXPECT_EQ(p.pro.engine.AnnounceRequest, 0);
  EXPECT_EQ(Clicks(), 0);
  landing.Unload();
  p.TypeKeys({C, A, D(1)});
  EXPECT_EQ(p.pro.engine.AnnounceRequest, 11);

  // Not even the viewpoint keys are taken while typing.
  p.pro.main.OcumoProcess = p.processes.Start("/base/ExePro/Ocumo", {}, false);
  SetKeyInputMode(p.pro, kKeyModeViewpoint);
  gate.Show();
  EXPECT_FALSE(p.hook.Send(KeyPress(KP(1))));
  EXPECT_EQ(test::ReadEyeChannel(p.pro.svc.sharedMemoryPrefix), 0);
}

TEST_F(CommandKeysTest, EscClosesTheOpenDialogsInOrder) {
  PlainForm help(p.ui.env, "frmHelp"), pb(p.ui.env, "frmPB"), keys(p.ui.env, "frmキー設定");
  std::vector<std::string> unloaded;
  for (PlainForm* f : {&help, &pb, &keys}) f->onUnload = [&unloaded, f] { unloaded.push_back(f->Name()); };
  p.pro.main.keyWindows.closedByEsc = {&help, &pb, &keys};
  keys.Show();
  help.Show();
  p.pro.engine.AnnounceRequest = 12;
  p.TypeKeys({kEsc});
  EXPECT_EQ(unloaded, (std::vector<std::string>{"frmHelp", "frmキー設定"}));
  EXPECT_FALSE(help.Loaded() || pb.Loaded() || keys.Loaded());
  EXPECT_EQ(p.pro.engine.AnnounceRequest, 0);
}

TEST_F(CommandKeysTest, CancelCutsTheAnnouncementAndCallsOffTheCallOutProgram) {
  for (const char* f : {"vexlorPB.cfg", "EyeCheck.cfg", "EyeView.cfg", "EyeDoor.cfg"}) p.dir.WriteBytes(f, ";\r\n");
  p.pro.flight.RotatingViewState = 1;
  p.TypeKeys({C, B});
  EXPECT_TRUE(p.pro.engine.AnnounceAbort);
  EXPECT_FALSE(p.paths.Exists("\\vexlorPB.cfg"));
  EXPECT_FALSE(p.paths.Exists("\\EyeCheck.cfg"));
  EXPECT_FALSE(p.paths.Exists("\\EyeView.cfg"));
  EXPECT_TRUE(p.paths.Exists("\\EyeDoor.cfg"));
  EXPECT_EQ(p.pro.flight.RotatingViewState, 0);
  EXPECT_EQ(p.flightWindow.colours[FlightBox::tbxAA], std::make_pair(7, 8));

  // After the flight: no flight window to write into, and nothing is created.
  p.pro.engine.flightWindow = nullptr;
  p.pro.engine.AnnounceAbort = false;
  p.TypeKeys({C, B});
  EXPECT_TRUE(p.pro.engine.AnnounceAbort);
}

TEST_F(CommandKeysTest, RotatingViewStartsOnAAWithTheOptionOnAndStopsAfterBackspace) {
  p.pro.main.ViewSwitchOption = "OFF";
  p.TypeKeys({A, A});
  EXPECT_EQ(p.pro.flight.RotatingViewState, 0);
  EXPECT_FALSE(p.paths.Exists("\\EyeView.cfg"));

  p.pro.main.ViewSwitchOption = "ON";
  p.TypeKeys({A, A});
  EXPECT_EQ(p.pro.flight.RotatingViewState, 1);
  EXPECT_TRUE(p.paths.Exists("\\EyeView.cfg"));
  EXPECT_EQ(p.FlightText(FlightBox::tbx処理内容), "「A-A」 回転視点");
  EXPECT_EQ(p.flightWindow.colours[FlightBox::tbxAA], std::make_pair(9, 11));

  p.TypeKeys({X});  // before any Backspace: keeps running
  EXPECT_EQ(p.pro.flight.RotatingViewState, 1);
  p.TypeKeys({8});
  EXPECT_EQ(p.pro.flight.RotatingViewState, 2);
  p.TypeKeys({X});
  EXPECT_EQ(p.pro.flight.RotatingViewState, 0);
  EXPECT_FALSE(p.paths.Exists("\\EyeView.cfg"));
  EXPECT_EQ(p.FlightText(FlightBox::tbx処理内容), "");
  EXPECT_EQ(p.flightWindow.colours[FlightBox::tbxAA], std::make_pair(7, 8));
}

TEST_F(CommandKeysTest, BBOpensTheBriefingSheetTheGateOrTheRestartNotice) {
  PlainForm tob(p.ui.env, "frmTOB"), gate(p.ui.env, "frmArvGate");
  p.pro.main.keyWindows.frmTOB = &tob;
  p.pro.main.keyWindows.frmArvGate = &gate;
  p.TypeKeys({B, B});
  EXPECT_TRUE(tob.Loaded() && tob.Visible());
  EXPECT_TRUE(p.pro.main.TobFromFlight);
  EXPECT_TRUE(tob.Topmost());
  EXPECT_FALSE(gate.Loaded());

  p.pro.flight.FlightStage = 1;
  p.TypeKeys({B, B});
  EXPECT_TRUE(gate.Loaded() && gate.Visible() && gate.Topmost());

  p.pro.flight.FlightStage = 2;
  gate.Unload();
  tob.Unload();
  p.ui.boxes.Expect("再出発", ui::Answer::Ok, "再スタートしてください");
  p.TypeKeys({B, B});
  EXPECT_EQ(p.ui.boxes.PendingExpectations(), 0u);
  EXPECT_FALSE(tob.Loaded() || gate.Loaded());
}

TEST_F(CommandKeysTest, BAStartsOrStopsTheRadioChatter) {
  auto& atc = p.pro.flight.AtcChatterState;
  atc = 0;
  p.TypeKeys({B, A});
  EXPECT_EQ(atc, 3);
  atc = 1;
  p.TypeKeys({B, A});
  EXPECT_EQ(atc, 2);
  p.TypeKeys({B, A});
  EXPECT_EQ(atc, 2);
}

TEST_F(CommandKeysTest, KeysTypedWhileEscClosesAWindowCountAfterIt) {
  PlainForm help(p.ui.env, "frmHelp");
  p.pro.main.keyWindows.closedByEsc = {&help};
  help.Show();
  // While Esc closes the help panel, the user types C and A.
  help.onUnload = [this] {
    p.hook.Send(KeyPress(C));
    p.hook.Send(KeyPress(A));
  };
  p.TypeKeys({kEsc});
  EXPECT_FALSE(help.Loaded());
  EXPECT_EQ(p.pro.main.KeySequence.step, 3);
  EXPECT_EQ(Clicks(), 2);
  p.TypeKeys({D(1)});
  EXPECT_EQ(p.pro.engine.AnnounceRequest, 11);
}

TEST_F(CommandKeysTest, AfterTheFlightNoKeyBringsTheFlightWindowBack) {
  announce::FrmSound frmSound(p.ui.env, p.pro);  // the flight window, unloaded after its flight
  ASSERT_EQ(p.pro.engine.flightWindow, &frmSound);
  p.pro.flight.RotatingViewState = 2;
  p.TypeKeys({X});  // stops the rotating view
  p.TypeKeys({C, B});
  p.TypeKeys({kSpace});
  EXPECT_FALSE(frmSound.Loaded());
  EXPECT_EQ(p.pro.flight.RotatingViewState, 0);
  EXPECT_TRUE(p.pro.engine.AnnounceAbort);
}

// A slow program: the keys typed after a command key arrive while its handler still runs
// (they come in through the handler's own pump). They wait for it, in their order, and
// have the swallow answer they would have had at once.
TEST_F(CommandKeysTest, KeysArrivingWhileTheHandlerRunsWaitForIt) {
  struct Case {
    int mode;
    int first;
    std::vector<int> next;
    std::vector<bool> swallowed;  // the answers to `next`
    int request;
  };
  const std::vector<Case> cases = {
      {kKeyModeFlight, C, {A, D(0)}, {false, false}, 10},
      {kKeyModeViewpoint, KP(5), {Q, KP(7)}, {false, true}, 0},
  };
  for (const Case& c : cases) {
    p.pro.main.OcumoProcess = p.processes.Start("/base/ExePro/Ocumo", {}, false);
    p.pro.main.KeyInputMode = c.mode;
    p.pro.engine.AnnounceRequest = 0;
    std::vector<bool> swallowed;
    p.ui.pump.After(std::chrono::nanoseconds(0), [&] {
      for (int k : c.next) {
        swallowed.push_back(p.hook.Send(KeyPress(k)));
        p.hook.Send(KeyRelease(k));
      }
    });
    p.hook.Type(c.first);
    EXPECT_EQ(swallowed, c.swallowed) << c.first;
    EXPECT_EQ(p.pro.engine.AnnounceRequest, c.request) << c.first;
    EXPECT_FALSE(p.pro.main.KeyHandlerBusy);
  }
  EXPECT_EQ(Clicks(), 3);
  // In the viewpoint mode KP7 follows KP5 once the viewpoint program has taken KP5.
  EXPECT_EQ(test::ReadEyeChannel(p.pro.svc.sharedMemoryPrefix), 101);
  simlink::WriteLongToChannel(88, p.pro.sim.ChannelHandles.eye);
  p.ui.pump.RunFor(std::chrono::milliseconds(50));
  EXPECT_EQ(test::ReadEyeChannel(p.pro.svc.sharedMemoryPrefix), 103);
}

// B B after the final announcement puts up the handler's own box. The keys typed while it
// is up are the box's (Space or Enter closes it): none of them acts, then or after it.
TEST_F(CommandKeysTest, KeysTypedWhileTheHandlersOwnBoxIsUpDoNothing) {
  PlainForm help(p.ui.env, "frmHelp");
  p.pro.main.keyWindows.closedByEsc = {&help};
  p.pro.flight.FlightStage = 2;
  p.pro.flight.BgmPlaying = true;
  p.pro.engine.BgmEngine = 2;
  p.mp3.Open("/m/a.mp3");
  p.mp3.Play();
  struct Case {
    const char* what;
    std::int16_t volumeKey;
    std::vector<int> whileUp;
    std::vector<int> afterItWent = {};  // reach the hook after the box has gone
  };
  const Case cases[] = {
      {"Space, the volume key, closes it", kSpace, {kSpace}},
      {"Enter as the volume key closes it", 13, {13}},
      {"C A 9 typed into it", kSpace, {C, A, D(9)}},
      {"Esc", kSpace, {kEsc}},
      {"Esc closes it and reaches the hook after it", kSpace, {}, {kEsc}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    p.pro.main.VolumeKeyCode = c.volumeKey;
    help.Show();
    const int clicks = Clicks();
    p.ui.boxes.Expect("再出発", ui::Answer::Ok);
    p.ui.boxes.whileOpen = [&](const ui::ScriptedMessageBoxes::Shown&) {
      for (int k : c.whileUp) {
        p.ui.clock.Advance(std::chrono::milliseconds(300));
        EXPECT_FALSE(p.hook.Type(k));
      }
      p.ui.pump.After(std::chrono::nanoseconds(0), [&] {
        for (int k : c.afterItWent) p.hook.Type(k);
      });
    };
    p.TypeKeys({B, B});
    p.ui.boxes.whileOpen = nullptr;
    p.ui.pump.RunFor(std::chrono::seconds(3));
    EXPECT_EQ(p.ui.boxes.PendingExpectations(), 0u);
    EXPECT_EQ(Clicks(), clicks + 2);  // B and B only
    EXPECT_EQ(p.pro.engine.QuietSound, 0);
    EXPECT_EQ(p.FlightText(FlightBox::tbxKey), "");
    EXPECT_TRUE(p.mp3.CallsOf(Mp3Op::Pause).empty());
    EXPECT_EQ(p.pro.engine.AnnounceRequest, 0);
    EXPECT_EQ(p.pro.main.KeySequence.step, 0);
    EXPECT_TRUE(help.Loaded());
    EXPECT_TRUE(p.pro.main.KeysWaiting.empty());
  }
  // Closed, the box leaves the keys to the handler again.
  p.TypeKeys({C, A, D(9)});
  EXPECT_EQ(p.pro.engine.AnnounceRequest, 19);
}

// The heartbeat can fall due in the handler's pump and play a whole announcement there.
// Keys typed while it plays find the handler busy: they do nothing, then or after it.
TEST_F(CommandKeysTest, KeysTypedWhileAnAnnouncementPlaysInTheHandlersPumpDoNothing) {
  bool played = false;
  p.TypeKeys({C, A});
  p.ui.pump.After(std::chrono::nanoseconds(0), [&] {
    // What the heartbeat's tick does around a group: busy while it plays, the request served.
    p.pro.engine.DispatcherBusy = true;
    EXPECT_EQ(p.pro.engine.AnnounceRequest, 19);
    p.pro.engine.AnnounceRequest = 0;
    for (int k : {C, A, D(3)}) {
      p.ui.clock.Advance(std::chrono::milliseconds(300));
      EXPECT_FALSE(p.hook.Type(k));
    }
    p.ui.clock.Advance(std::chrono::seconds(20));
    p.pro.engine.DispatcherBusy = false;
    played = true;
  });
  p.TypeKeys({D(9)});
  ASSERT_TRUE(played);
  EXPECT_EQ(p.pro.engine.AnnounceRequest, 0);
  EXPECT_TRUE(p.pro.main.KeysWaiting.empty());
  EXPECT_EQ(p.pro.main.KeySequence.step, 0);
  // Afterwards the keys are the handler's again.
  p.TypeKeys({C, A, D(3)});
  EXPECT_EQ(p.pro.engine.AnnounceRequest, 13);
}

// The two seconds between the keys of a sequence count from when each key came, also for
// keys that waited while the handler was slow at the one before.
TEST_F(CommandKeysTest, ASequenceCountsFromEachKeysArrival) {
  struct Case {
    const char* what;
    int beforeA, beforeDigit, handlerTakes;  // milliseconds
    int request;
  };
  const Case cases[] = {
      {"arrived within 2 s, handled after 3 s", 100, 100, 3000, 19},
      {"arrived 2.5 s apart, handled at once", 2500, 100, 0, 0},
      {"arrived 2.5 s apart, handled after 3 s", 2500, 100, 3000, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    p.pro.engine.AnnounceRequest = 0;
    p.ui.pump.After(std::chrono::nanoseconds(0), [&] {
      p.ui.clock.Advance(std::chrono::milliseconds(c.beforeA));
      p.hook.Type(A);
      p.ui.clock.Advance(std::chrono::milliseconds(c.beforeDigit));
      p.hook.Type(D(9));
      p.ui.clock.Advance(std::chrono::milliseconds(c.handlerTakes));
    });
    p.TypeKeys({C});
    EXPECT_EQ(p.pro.engine.AnnounceRequest, c.request);
    EXPECT_TRUE(p.pro.main.KeysWaiting.empty());
  }
}

class ThrowingWindow final : public announce::FlightWindowView {
 public:
  void SetText(FlightBox, std::string_view) override { throw runtime::RuntimeError(5); }
  announce::WindowTwips Place() const override { return {}; }
};

TEST_F(CommandKeysTest, BusyFlagIsReleasedWhenTheWorkFails) {
  ThrowingWindow window;
  p.pro.engine.flightWindow = &window;
  EXPECT_THROW(p.TypeKeys({A, A}), runtime::RuntimeError);
  EXPECT_FALSE(p.pro.main.KeyHandlerBusy);
  p.pro.engine.flightWindow = &p.flightWindow;
  p.TypeKeys({C, C});
  EXPECT_EQ(p.pro.engine.AnnounceRequest, 20);
}

TEST_F(CommandKeysTest, ReleasesAndOtherModesChangeNothing) {
  p.hook.Send(KeyRelease(C));
  p.hook.Send(KeyRelease(A));
  p.hook.Send(KeyRelease(D(1)));
  EXPECT_EQ(p.pro.engine.AnnounceRequest, 0);
  EXPECT_EQ(Clicks(), 0);
  p.pro.main.KeyInputMode = kKeyModeNone;
  p.TypeKeys({C, A, D(1), kSpace, I});
  EXPECT_EQ(p.pro.engine.AnnounceRequest, 0);
  EXPECT_EQ(p.pro.engine.QuietSound, 0);
  EXPECT_EQ(test::ReadVolChannel(p.pro.svc.sharedMemoryPrefix).VolCommandCode, 0);
}

class QuietSoundTest : public CommandKeysTest {
 protected:
  void SetUp() override {
    CommandKeysTest::SetUp();
    auto& e = p.pro.engine;
    for (int i = 0; i <= 30; ++i) e.AnnounceVolumeTable[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(-i);
    for (int s = 0; s < state::kSoundSlotCount; ++s) e.SoundSlotBuffer[static_cast<std::size_t>(s)] = 1000 + s;
    e.LastLoadedSlot = 36;
    p.pro.flight.CurrentVolumeIndex = 5;
    p.pro.flight.CurrentVolume = -3000;
  }
  // The volume set on each slot by the last toggle.
  std::map<int, int> SlotVolumes(std::size_t fromCall) const {
    std::map<int, int> v;
    const auto calls = p.sound.CallsOf({SoundOp::SetVolume});
    for (std::size_t i = fromCall; i < calls.size(); ++i) v[calls[i].buffer - 1000] = calls[i].volume;
    return v;
  }
};

TEST_F(QuietSoundTest, VolumeKeyTwiceQuietsThenRestoresEverySlotToItsTableVolume) {
  p.TypeKeys({kSpace});
  EXPECT_EQ(p.pro.engine.QuietSound, 1);
  EXPECT_EQ(test::ReadVolChannel(p.pro.svc.sharedMemoryPrefix).QuietSound, 1);
  EXPECT_EQ(p.FlightText(FlightBox::tbxKey), "音小");
  auto quiet = SlotVolumes(0);
  ASSERT_EQ(quiet.size(), 37u);
  for (const auto& [slot, volume] : quiet) EXPECT_EQ(volume, -3000) << slot;

  const std::size_t before = p.sound.CallsOf({SoundOp::SetVolume}).size();
  p.TypeKeys({kSpace});
  EXPECT_EQ(p.pro.engine.QuietSound, 0);
  EXPECT_EQ(test::ReadVolChannel(p.pro.svc.sharedMemoryPrefix).QuietSound, 0);
  EXPECT_EQ(p.FlightText(FlightBox::tbxKey), "音大");
  EXPECT_EQ(p.pro.flight.CurrentVolume, -5);
  auto loud = SlotVolumes(before);
  ASSERT_EQ(loud.size(), 37u);
  for (const auto& [slot, volume] : loud) {
    int expected = -5;
    if (slot >= 1 && slot <= 3) expected = -29;
    if (slot == 4) expected = -30;
    EXPECT_EQ(volume, expected) << slot;
  }
}

TEST_F(QuietSoundTest, ApproachVolumeIndexLevelsItsOwnSlots) {
  p.pro.engine.QuietSound = 1;
  p.pro.flight.CurrentVolumeIndex = 2;
  ToggleQuietSound(p.pro);
  auto v = SlotVolumes(0);
  for (int s : {7, 9, 10}) EXPECT_EQ(v[s], -20) << s;
  for (int s : {34, 35}) EXPECT_EQ(v[s], -22) << s;
  for (int s : {0, 5, 6, 8, 11, 33, 36}) EXPECT_EQ(v[s], -2) << s;
}

TEST_F(QuietSoundTest, MusicIsLoweredOrPausedAndComesBackUnlessAnAnnouncementHoldsItDown) {
  auto& e = p.pro.engine;
  p.pro.flight.BgmPlaying = true;
  e.BgmEngine = 1;
  p.pro.flight.BgmVolume = 6;
  ToggleQuietSound(p.pro);
  ToggleQuietSound(p.pro);
  p.pro.flight.BgmLowered = true;
  ToggleQuietSound(p.pro);
  ToggleQuietSound(p.pro);
  std::vector<int> master;
  for (const auto& c : p.music.CallsOf(MusicOp::MasterVolume)) master.push_back(c.value);
  EXPECT_EQ(master, (std::vector<int>{-3000, 6 * 300 - 3000, -3000, -3000}));

  e.BgmEngine = 2;
  p.pro.flight.BgmLowered = false;
  p.mp3.Open("/m/a.mp3");
  p.mp3.Play();
  ToggleQuietSound(p.pro);  // pauses
  ToggleQuietSound(p.pro);  // resumes
  EXPECT_EQ(p.mp3.CallsOf(Mp3Op::Pause).size(), 1u);
  EXPECT_EQ(p.mp3.CallsOf(Mp3Op::Restart).size(), 1u);
}

}  // namespace
}  // namespace vx::mainwindow
