// The flight window on the offscreen window system and virtual time: its start sequence
// (first and later flights, no simulator, no sound, resume), its heartbeat, its window
// position, and its end during a group.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "announce/engine_program.h"
#include "announce/frm_sound.h"
#include "announce/sound_slots.h"
#include "mainfiles/flight_restart.h"
#include "platform/sim_ipc_client.h"
#include "platform/sim_variable_area.h"
#include "simlink/channels.h"
#include "simlink/simulator_link.h"
#include "ui/file_dialog.h"
#include "ui/popup_menu.h"
#include "ui/ui_env.h"

namespace vx::announce {
namespace {

using namespace std::chrono_literals;
using FF = FlightForm;

class FrmSoundTest : public ::testing::Test {
 protected:
  FrmSoundTest() {
    p.alsoOnPump = [] { QCoreApplication::processEvents(); };
    dialogs.onUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
    popups.onUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
    finder.windows["FS98MAIN"] = 4711;
    p.pro.svc.sim = &client;
    p.pro.svc.simWindows = &finder;
    p.pro.engine.BgmMode = "OFF";
    p.File("\\ExePro\\VexlorEXP", "#!/bin/sh\n");
    p.File("\\Ocumo.cfg");
    p.Wav("\\Wav\\Etc\\スイッチ音\\-ss1.wav", 0.2);
    p.pro.engine.SoundWindowPosition = {1200, 2400, 0, 0};
    p.pro.files.RouteAirports[0].slot = "1";
    p.pro.files.RouteAirports[1].slot = "2";
    p.pro.briefing.TobBriefing.AircraftTypeText = "04 B75/76 2 Engines";
    p.pro.flight.LandingBriefing.LandingRunway = "34L";
    p.pro.flight.GroundStep = 5;
  }
  ~FrmSoundTest() override {
    if (window.Loaded()) window.Unload();
  }
  std::int32_t Stab() const {
    std::int32_t v = -1;
    simlink::ReadLongFromChannel(v, p.pro.sim.ChannelHandles.stab);
    return v;
  }

  test::EngineProgram p;
  ui::ScriptedFileDialogs dialogs;
  ui::ScriptedPopupMenus popups;
  ui::UiEnv env{p.clock, p.pump, p.timers, p.boxes, dialogs, popups, "VexlorPro"};
  platform::SimVariableArea area;
  platform::InProcessSimIpcClient client{area};
  platform::InProcessSimWindowFinder finder;
  FrmSound window{env, p.pro};
};

TEST_F(FrmSoundTest, TheFirstFlightConnectsAndStartsEverythingInOrder) {
  simlink::WriteLongToChannel(1, p.pro.sim.ChannelHandles.stab);
  p.pro.engine.FlightWindowClosed = true;  // the flight before
  window.OpenFlightWindow();
  ASSERT_TRUE(window.Loaded());
  EXPECT_TRUE(window.Visible());
  EXPECT_TRUE(window.Topmost());
  auto& e = p.pro.engine;
  EXPECT_TRUE(e.FlightWindowReady);
  EXPECT_EQ(finder.lookups.size(), 2u);
  EXPECT_EQ(client.startedWindows, std::vector<std::int64_t>{4711});
  EXPECT_EQ(window.Top(), 1200);
  EXPECT_EQ(window.Left(), 2400);
  EXPECT_EQ(e.SoundWindowPosition.expLeft, 2400 + window.Width());
  EXPECT_EQ(window.キャレット消用.Left(), -2000);
  EXPECT_EQ(p.forms.shown, (std::vector<FF>{FF::frmCabin, FF::frmTOB}));
  EXPECT_EQ(p.pro.main.KeyInputMode, 2);
  EXPECT_FALSE(p.Exists("\\Ocumo.cfg"));
  EXPECT_TRUE(p.sound.Started());
  EXPECT_NE(e.SoundSlotBuffer[0], 0);
  EXPECT_EQ(e.LastLoadedSlot, 6);
  EXPECT_EQ(e.BgmEngine, 0);
  EXPECT_EQ(p.pro.flight.GroundStep, 0);
  EXPECT_EQ(p.pro.flight.AirStep, 1);
  EXPECT_TRUE(p.Exists("\\vexlorEXP.cfg"));
  EXPECT_TRUE(p.Exists("\\vexlorSD.cfg"));
  ASSERT_EQ(p.processes.started.size(), 1u);
  EXPECT_EQ(p.processes.started[0].program, p.paths.Under("\\ExePro\\VexlorEXP"));
  EXPECT_FALSE(p.processes.started[0].takeFocus);
  EXPECT_EQ(p.pro.flight.AtcChatterState, 2);
  EXPECT_EQ(window.tbxKey.Text(), "音大");
  EXPECT_EQ(p.mainWindow.sequencesCleared, 1);
  EXPECT_EQ(Stab(), 0);
  EXPECT_TRUE(window.Timer2.Running());
  EXPECT_EQ(window.Timer2.Interval(), 490);
  EXPECT_EQ(p.pro.flight.LandingBriefing.LandingRunway, "16R");
  EXPECT_EQ(p.pro.briefing.TobBriefing.AircraftTypeCode, 4);
  EXPECT_TRUE(p.pro.sim.AddonSessionOpen);
  EXPECT_TRUE(p.boxes.shown.empty());
}

TEST_F(FrmSoundTest, ALaterFlightOfTheRunDoesNotConnectAgainButStartsTheRest) {
  window.OpenFlightWindow();
  window.buttonExit.PerformClick();
  ASSERT_FALSE(window.Loaded());
  EXPECT_TRUE(p.pro.engine.FlightWindowClosed);
  EXPECT_FALSE(p.Exists("\\vexlorEXP.cfg")) << "the call-out program is told to end";
  EXPECT_EQ(p.mainWindow.restored, 1);

  window.OpenFlightWindow();
  ASSERT_TRUE(window.Loaded());
  EXPECT_EQ(finder.lookups.size(), 2u);
  EXPECT_EQ(client.startedWindows.size(), 1u);
  EXPECT_EQ(p.processes.started.size(), 2u);
  EXPECT_TRUE(window.Timer2.Running());
  EXPECT_EQ(p.pro.engine.FlightId, 2u);
}

TEST_F(FrmSoundTest, WithoutASimulatorNothingStartsAndTheWindowClosesItself) {
  finder.windows.clear();
  p.boxes.Expect("VexlorPro", ui::Answer::Ok, "ＦＳが実行されていません");
  window.OpenFlightWindow();
  EXPECT_EQ(p.boxes.shown.at(0).icon, ui::Icon::Exclamation);
  EXPECT_FALSE(window.Loaded());
  EXPECT_FALSE(p.pro.engine.FlightWindowReady);
  EXPECT_TRUE(p.processes.started.empty());
  EXPECT_EQ(p.sound.CallsOf({platform::RecordingSoundDevice::Op::Init}).size(), 1u) << "the fixture's own only";
  EXPECT_FALSE(window.Timer2.Running());
  EXPECT_EQ(p.timers.Count(), 0u);
  EXPECT_EQ(p.mainWindow.restored, 1);
}

TEST_F(FrmSoundTest, WithoutSoundTheStartStopsThere) {
  p.sound.failInit = true;
  p.boxes.Expect("VexlorPro", ui::Answer::Ok, "DirectSoundは使えません。");
  window.OpenFlightWindow();
  EXPECT_FALSE(window.Loaded());
  EXPECT_TRUE(p.processes.started.empty()) << "no call-out program";
  EXPECT_FALSE(p.Exists("\\vexlorEXP.cfg"));
  EXPECT_EQ(p.timers.Count(), 0u) << "no heartbeat";
  // The cabin strip and the prompts that may still ask close with the flight.
  EXPECT_TRUE(p.forms.unloaded == (std::vector<FF>{FF::frmCabin, FF::frmLDB, FF::frmCPAnounce}));
  EXPECT_EQ(p.boxes.shown.size(), 1u);
}

TEST_F(FrmSoundTest, MidiWithoutFilesOpensNoMusicAndTheCallOutProgramMayHaveItsExtension) {
  p.pro.engine.BgmMode = "MIDI";
  p.File("\\ExePro\\VexlorEXP.exe", "");
  window.OpenFlightWindow();
  EXPECT_EQ(p.pro.engine.BgmEngine, 0);
  const auto musicInits = p.music.CallsOf(platform::RecordingMusicDevice::Op::Init).size();
  EXPECT_EQ(musicInits, 1u) << "the fixture's own only";
  EXPECT_EQ(p.processes.started.at(0).program, p.paths.Under("\\ExePro\\VexlorEXP.exe"));
  window.Unload();

  p.pro.engine.BgmPlaylist.count = 1;
  p.pro.engine.BgmPlaylist.paths[0] = "/music/a.mid";
  p.processes.failStart = true;
  p.boxes.Expect("VexlorPro", ui::Answer::Ok, "ファイルが見つかりません。");
  window.OpenFlightWindow();
  EXPECT_EQ(p.pro.engine.BgmEngine, 1);
  EXPECT_EQ(p.music.CallsOf(platform::RecordingMusicDevice::Op::Init).size(), musicInits + 1);
  EXPECT_TRUE(window.Timer2.Running()) << "the flight goes on without call-outs";
}

TEST_F(FrmSoundTest, AResumeDeclinedOpensTheBriefingSheetAndOneAcceptedLoadsTheSnapshot) {
  p.pro.briefing.TobBriefing.AirlineName = "resumed airline";
  ASSERT_TRUE(mainfiles::SaveFlightRestart(p.pro));
  p.pro.briefing.TobBriefing.AirlineName = "other";
  p.File("\\BEGIN.cfg");
  p.pro.main.ResumeRequested = false;
  window.OpenFlightWindow();
  EXPECT_EQ(p.forms.shown.back(), FF::frmTOB);
  EXPECT_EQ(p.pro.briefing.TobBriefing.AirlineName, "other");
  EXPECT_TRUE(p.Exists("\\BEGIN.cfg"));
  window.Unload();

  p.forms.shown.clear();
  p.pro.main.ResumeRequested = true;
  window.OpenFlightWindow();
  EXPECT_EQ(p.forms.shown, std::vector<FF>{FF::frmCabin});
  EXPECT_EQ(p.pro.briefing.TobBriefing.AirlineName, "resumed airline");
  EXPECT_FALSE(p.Exists("\\BEGIN.cfg"));
}

TEST_F(FrmSoundTest, TheHeartbeatServesARequestOnItsNextTickAndFollowsTheWindowsPlace) {
  window.OpenFlightWindow();
  p.pump.RunFor(600ms);
  p.paths.DeleteIfExists("\\vexlorSD.cfg");
  p.pump.RunFor(1000ms);
  EXPECT_FALSE(p.Exists("\\vexlorSD.cfg")) << "an unmoved window writes nothing";

  p.pro.engine.AnnounceRequest = 17;  // the ground's empty step
  const auto t0 = p.Now();
  ASSERT_TRUE(p.pump.RunUntil([&] { return p.pro.engine.AnnounceRequest == 0; }, 2s));
  EXPECT_LE(p.Now() - t0, 490'000'000);
  EXPECT_EQ(p.pro.flight.GroundStep, 8);

  window.Move(3000, 900);
  p.pump.RunFor(500ms);
  EXPECT_TRUE(p.Exists("\\vexlorSD.cfg"));
  EXPECT_EQ(p.pro.engine.SoundWindowPosition.top, 900);
  EXPECT_EQ(p.pro.engine.SoundWindowPosition.left, 3000);
  EXPECT_EQ(p.pro.engine.SoundWindowPosition.expTop, 900);
  EXPECT_EQ(p.pro.engine.SoundWindowPosition.expLeft, 3000 + window.Width());
}

// The simulator goes away mid-flight: told once, however many heartbeats follow; when it
// answers again (another window on the same link) the flight takes it up and reads it.
TEST_F(FrmSoundTest, ALostSimulatorIsToldOnceAndTakenUpAgainWhenItAnswers) {
  window.OpenFlightWindow();
  p.pump.RunFor(1s);
  ASSERT_TRUE(p.boxes.shown.empty());
  client.dead = true;
  finder.windows.clear();
  p.boxes.Expect("VexlorPro", ui::Answer::Ok, "ＦＳが実行されていません");
  p.pump.RunFor(20s);
  ASSERT_EQ(p.boxes.shown.size(), 1u) << "one box, not one a heartbeat";
  EXPECT_EQ(p.boxes.shown[0].text, "ＦＳが実行されていません");
  EXPECT_EQ(p.boxes.shown[0].icon, ui::Icon::Exclamation);
  const std::size_t lookupsWhileGone = finder.lookups.size();
  EXPECT_GE(lookupsWhileGone, 2u + 2 * 7) << "looked for again every two seconds or so";
  EXPECT_LE(lookupsWhileGone, 2u + 2 * 11) << "not on every heartbeat";

  client.dead = false;
  finder.windows["FS98MAIN"] = 4712;
  p.pump.RunFor(3s);
  EXPECT_EQ(client.startedWindows, (std::vector<std::int64_t>{4711, 4712}));
  EXPECT_EQ(p.pro.sim.SimWindow, 4712);
  area.Set(0x11D0, 2, 21 * 256);
  simlink::ReadSimulatorState(p.pro);
  EXPECT_EQ(p.pro.sim.OutsideTemperature, 21) << "values flow again";

  // Gone a second time: told again, once.
  client.dead = true;
  p.boxes.Expect("VexlorPro", ui::Answer::Ok, "ＦＳが実行されていません");
  p.pump.RunFor(5s);
  EXPECT_EQ(p.boxes.shown.size(), 2u);
}

// The main window's close stops the link while the flight window still runs: no loss.
TEST_F(FrmSoundTest, ALinkTheProgramStopsIsNoLoss) {
  window.OpenFlightWindow();
  p.pump.RunFor(1s);
  simlink::StopSimulatorLink(p.pro);
  p.pump.RunFor(5s);
  EXPECT_TRUE(p.boxes.shown.empty());
  EXPECT_EQ(client.startedWindows.size(), 1u) << "not started again";
}

// The call-out program of the flight ends by itself during it: told once, and not started
// again. One told to end (its control file deleted, as the main window's close does while
// the flight window still runs) is not told.
TEST_F(FrmSoundTest, TheCallOutProgramEndingByItselfDuringTheFlightIsToldOnce) {
  window.OpenFlightWindow();
  p.pump.RunFor(1s);
  ASSERT_EQ(p.processes.started.size(), 1u);
  p.processes.started[0].running = false;
  p.boxes.Expect("VexlorPro", ui::Answer::Ok, "VexlorEXPが終了しました。");
  p.pump.RunFor(5s);
  ASSERT_EQ(p.boxes.shown.size(), 1u);
  EXPECT_EQ(p.boxes.shown[0].icon, ui::Icon::Exclamation);
  EXPECT_EQ(p.processes.started.size(), 1u) << "not started again";
  EXPECT_FALSE(p.pro.main.CallOutProcess);

  window.buttonExit.PerformClick();
  window.OpenFlightWindow();  // the next flight starts its own
  p.pump.RunFor(1s);
  ASSERT_EQ(p.processes.started.size(), 2u);
  p.paths.DeleteIfExists("\\vexlorEXP.cfg");
  p.processes.started[1].running = false;
  p.pump.RunFor(2s);
  EXPECT_EQ(p.boxes.shown.size(), 1u);
}

TEST_F(FrmSoundTest, ClosingDuringAGroupSilencesItAndDeletesTheHandoverFilesButEyeRet) {
  p.Wav("\\Wav\\CA1\\15分前.wav", 30);
  p.pro.briefing.CabinAttendantChoice = 1;
  window.OpenFlightWindow();
  for (const char* f : {"\\EyeCheck.cfg", "\\EyeView.cfg", "\\EyeDoor.cfg", "\\EyeCargo.cfg", "\\vexlorPB.cfg",
                        "\\vexlorLND.cfg", "\\EyeRet.cfg"})
    p.File(f);
  p.paths.DeleteIfExists("\\vexlorLND.cfg");
  p.pro.flight.LandingCallState = 2;
  p.WriteFlightData(9000);
  p.pump.After(5s, [&] { window.buttonExit.PerformClick(); });
  p.pump.RunFor(6s);
  ASSERT_FALSE(window.Loaded());
  for (const char* f : {"\\Ocumo.cfg", "\\EyeCheck.cfg", "\\EyeView.cfg", "\\EyeDoor.cfg", "\\EyeCargo.cfg",
                        "\\vexlorEXP.cfg", "\\vexlorPB.cfg", "\\vexlorSD.cfg", "\\vexlorLND.cfg"})
    EXPECT_FALSE(p.Exists(f)) << f;
  EXPECT_TRUE(p.Exists("\\EyeRet.cfg"));
  const auto played = p.Timeline();
  ASSERT_EQ(played.size(), 1u);
  EXPECT_LT(played[0].endMs, p.Ms(p.Now()));
  EXPECT_EQ(p.sound.LiveBuffers(), 0);
  EXPECT_FALSE(p.sound.Started());
  EXPECT_FALSE(p.pro.engine.DispatcherBusy);
  EXPECT_EQ(p.pro.main.KeyInputMode, 0);
  EXPECT_EQ(p.timers.Count(), 0u);
  EXPECT_EQ(p.forms.unloaded, (std::vector<FF>{FF::frmCabin, FF::frmLDB, FF::frmCPAnounce}));
  EXPECT_EQ(p.mainWindow.restored, 1);
  EXPECT_FALSE(p.pro.sim.AddonSessionOpen);
  EXPECT_EQ(p.addon.sessions.size(), 2u) << "opened and closed";
}

TEST_F(FrmSoundTest, HelpOpensTheCommandPanelOnTop) {
  window.OpenFlightWindow();
  window.buttonHelp.PerformClick();
  EXPECT_TRUE(p.pro.main.HelpFromFlight);
  EXPECT_EQ(p.forms.shown.back(), FF::frmHelp);
  EXPECT_EQ(p.forms.asked.back(), FF::frmHelp);
}

}  // namespace
}  // namespace vx::announce
