// The call-out program's window: start-up, file poll, read tick and end, on the
// stand-in's simulator in this process and virtual time.
#include "callout/frm_exp.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "callout/callout_tick.h"
#include "callout/exp_sounds.h"
#include "platform/instance_lock.h"
#include "platform/paths.h"
#include "platform/recording_sound_device.h"
#include "simlink/channels.h"
#include "state/exp_context.h"
#include "support/standin_in_process.h"
#include "support/temp_dir.h"
#include "ui/form_layout.h"
#include "ui/ui_test_env.h"

namespace vx::callout {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Op = platform::RecordingSoundDevice::Op;

class FrmExpTest : public ::testing::Test {
 protected:
  FrmExpTest() {
    ui.env.programName = "VexlorEXP";
    ui.boxes.programName = "VexlorEXP";
    exp.svc.clock = &ui.clock;
    exp.svc.pump = &ui.pump;
    exp.svc.timers = &ui.timers;
    exp.svc.paths = &paths;
    exp.svc.sim = &standin.client;
    exp.svc.simWindows = &standin.windows;
    exp.svc.keys = &standin.keys;
    exp.svc.sound = &sound;
    exp.svc.sharedMemoryPrefix = test::UniqueName("exp") + "_";
    exp.boxes = &ui.boxes;
    exp.ui = &ui.env;
    exp.engine.InitCallOutWindow = [this] { ++initCalls; };
    exp.engine.ResetCallOutState = [this] { ++resetCalls; };
    fs::create_directories(base.Path() / "ExePro");
  }
  bool Exists(const char* name) const { return fs::exists(base.Path() / name); }
  void Touch(const char* name) { base.WriteBytes(name, ";\r\n"); }
  bool RunUntilEnded(std::chrono::milliseconds limit) {
    return ui.pump.RunUntil([this] { return !form.Loaded() || ui.pump.Ended(); }, limit);
  }

  ui::test::UiTestEnv ui;
  test::TempDir base;
  platform::Paths paths;
  platform::RecordingSoundDevice sound{ui.clock};
  test::InProcessStandin standin{ui.clock};
  platform::ScriptedInstanceLock lock;
  state::ExpContext exp;
  FrmExp form{ui.env, exp, lock, (base.Path() / "ExePro").string()};
  int initCalls = 0;
  int resetCalls = 0;
};

TEST_F(FrmExpTest, StartsReadsAndEndsWhenItsSettingsFileGoes) {
  form.Start();
  ASSERT_TRUE(form.Loaded());
  EXPECT_EQ(exp.frame.BaseFolder, base.Str());
  EXPECT_EQ(exp.frame.SimConnected, -1);
  EXPECT_TRUE(Exists("vexlorEXP.cfg")) << "the defaults, written when missing";
  EXPECT_EQ(form.キャレット消用.Left(), -2000);
  EXPECT_EQ(resetCalls, 1);
  EXPECT_EQ(initCalls, 1);
  EXPECT_EQ(exp.frame.EyeCheckArmed, 1);
  EXPECT_EQ(sound.CallsOf({Op::SetGlobalFocus}).size(), 75u);
  EXPECT_TRUE(form.Timer1.Running());
  EXPECT_EQ(form.Timer1.Interval(), 1007);
  EXPECT_EQ(form.Timer2.Interval(), 307);

  const int before = standin.client.batches;
  ui.pump.RunFor(3100ms);
  EXPECT_GE(standin.client.batches - before, 10) << "one read each 307 ms";
  EXPECT_EQ(form.tbx3.Text().rfind("GS：", 0), 0u);
  EXPECT_EQ(form.tbxAltWind.Text().find("℃ 風："), 2u) << "the full read of the tenth tick";

  Touch("vexlorPB.cfg");
  Touch("vexlorSD.cfg");
  fs::remove(base.Path() / "vexlorEXP.cfg");
  const auto gone = ui.clock.MonotonicNanos();
  ASSERT_TRUE(RunUntilEnded(2s));
  EXPECT_LE(ui.clock.MonotonicNanos() - gone, 1'400'000'000) << "within a poll and a tick";
  EXPECT_FALSE(Exists("vexlorPB.cfg"));
  EXPECT_FALSE(Exists("vexlorSD.cfg"));
  EXPECT_EQ(sound.CallsOf({Op::Quit}).size(), 1u);
  EXPECT_FALSE(exp.sim.data.IsOpen());
}

TEST_F(FrmExpTest, TheEnginesStartUpPutsTheWindowOnTop) {
  exp.engine.InitCallOutWindow = [this] { InitCallOutWindow(exp); };
  EXPECT_FALSE(form.Topmost());
  form.Start();
  ASSERT_TRUE(form.Loaded());
  EXPECT_TRUE(form.Topmost());
  EXPECT_EQ(exp.view.eye.CurrentViewPreset, 1);
}

TEST_F(FrmExpTest, WithoutASimulatorItSaysSoAndEnds) {
  standin.running = false;
  ui.boxes.Expect("VEXLOR-EXP", ui::Answer::Ok, "ＦＳが実行されていません");
  form.Start();
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(ui.boxes.shown.at(0).icon, ui::Icon::Exclamation);
  EXPECT_FALSE(Exists("vexlorEXP.cfg"));
  EXPECT_EQ(initCalls, 0);
  EXPECT_TRUE(sound.CallsOf({Op::Init, Op::Quit}).empty());
}

TEST_F(FrmExpTest, WithoutSoundItSaysSoAndEnds) {
  sound.failInit = true;
  Touch("vexlorSD.cfg");
  ui.boxes.Expect("VexlorEXP", ui::Answer::Ok, "DirectSoundは使えません。");
  form.Start();
  EXPECT_FALSE(form.Loaded());
  EXPECT_FALSE(Exists("vexlorSD.cfg")) << "the unload cleans up";
  EXPECT_EQ(initCalls, 0);
}

TEST_F(FrmExpTest, ASecondCopyEndsAndLeavesTheFilesOfTheFirst) {
  lock.anotherRunning = true;
  Touch("vexlorPB.cfg");
  Touch("vexlorSD.cfg");
  EXPECT_THROW(form.Load(), platform::ProgramEnding);
  EXPECT_TRUE(ui.pump.Ended());
  EXPECT_TRUE(Exists("vexlorPB.cfg"));
  EXPECT_TRUE(Exists("vexlorSD.cfg"));
  EXPECT_EQ(standin.client.batches, 0);
}

TEST_F(FrmExpTest, ALockThatCannotBeTrustedIsToldAndTheProgramStarts) {
  lock.problem = "二重起動の確認に使うロックファイル「 x 」を使えません。";
  ui.boxes.Expect("VexlorEXP", ui::Answer::Ok, lock.problem);
  form.Start();
  EXPECT_TRUE(form.Loaded());
  EXPECT_EQ(ui.boxes.PendingExpectations(), 0u);
  EXPECT_EQ(initCalls, 1);
}

TEST_F(FrmExpTest, TheFilePollSetsThePresenceFlags) {
  form.Start();
  ASSERT_TRUE(form.Loaded());
  exp.frame.EyeCheckArmed = 0;
  Touch("EyeView.cfg");
  Touch("EyeCheck.cfg");
  Touch("EyeDoor.cfg");
  Touch("BEGIN.cfg");
  ui.pump.RunFor(1100ms);
  EXPECT_EQ(exp.frame.EyeViewPresent, -1);
  EXPECT_EQ(exp.frame.EyeViewArmed, 1);
  EXPECT_EQ(exp.frame.EyeCheckArmed, 1);
  EXPECT_EQ(exp.frame.EyeDoorPresent, -1);
  EXPECT_EQ(exp.frame.EyeCargoPresent, 0);
  EXPECT_EQ(exp.frame.BeginFilePresent, -1);
  exp.frame.EyeViewArmed = 0;
  ui.pump.RunFor(1100ms);
  EXPECT_EQ(exp.frame.EyeViewArmed, 0) << "armed only when the file newly appears";
  fs::remove(base.Path() / "EyeView.cfg");
  ui.pump.RunFor(1100ms);
  EXPECT_EQ(exp.frame.EyeViewPresent, 0);
}

// A folder in the place of the settings file: it can be neither written nor read as one.
// Without the file nothing would end the program, so it says so and ends at once.
TEST_F(FrmExpTest, ASettingsFileThatCannotBeWrittenIsToldAndTheProgramEnds) {
  fs::create_directories(base.Path() / "vexlorEXP.cfg");
  Touch("vexlorPB.cfg");
  Touch("vexlorSD.cfg");
  ui.boxes.Expect("VEXLOR-EXP", ui::Answer::Ok,
                  "設定ファイル「 " + (base.Path() / "vexlorEXP.cfg").string() + " 」を作成できません。");
  form.Start();
  EXPECT_TRUE(RunUntilEnded(1s));
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(ui.boxes.PendingExpectations(), 0u);
  EXPECT_EQ(ui.boxes.shown.size(), 1u);
  EXPECT_FALSE(Exists("vexlorPB.cfg"));
  EXPECT_FALSE(Exists("vexlorSD.cfg"));
  EXPECT_TRUE(sound.CallsOf({Op::Quit}).empty()) << "no sound system was started";
  EXPECT_FALSE(exp.sim.data.IsOpen());
  EXPECT_FALSE(form.Timer1.Running());
}

// A settings file saved in UTF-8 is not read as other characters: the box names the file
// and its first line that does not read, the program ends and the file stays as it is.
TEST_F(FrmExpTest, ASettingsFileInUtf8IsRefusedNamingItsLineAndKept) {
  const std::string utf8 = ";\r\n=ON\r\n=右\r\n";
  base.WriteBytes("vexlorEXP.cfg", utf8);
  ui.boxes.Expect("VEXLOR-EXP", ui::Answer::Ok,
                  "ファイル形式が不正です。\n\n設定ファイル「 " + (base.Path() / "vexlorEXP.cfg").string() +
                      " 」を読み込めません。\nUTF-8 で保存されています（3 行目から Shift-JIS (CP932) として読めません）。");
  form.Start();
  EXPECT_TRUE(RunUntilEnded(1s));
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(ui.boxes.PendingExpectations(), 0u);
  EXPECT_EQ(base.ReadBytes("vexlorEXP.cfg"), utf8);
}

// The airport table in UTF-8: its box names the file and the line, the table is not read
// as other characters and the program goes on without it.
TEST_F(FrmExpTest, AnAirportTableInUtf8IsToldNamingItsLineAndNotRead) {
  const std::string utf8 = "No,音声,チャイム,ICAO\r\n1,1,チャイム羽田.wav,RJTT,羽田\r\n";
  base.WriteBytes("空港db.csv", utf8);
  ui.boxes.Expect(ui.boxes.programName, ui::Answer::Ok,
                  "ファイル形式が不正です。\n\nファイル「 " + (base.Path() / "空港db.csv").string() +
                      " 」を読み込めません。\nUTF-8 で保存されています（1 行目から Shift-JIS (CP932) として読めません）。");
  form.Start();
  ui.pump.RunFor(100ms);
  EXPECT_EQ(ui.boxes.PendingExpectations(), 0u);
  ASSERT_FALSE(ui.boxes.shown.empty());
  EXPECT_EQ(ui.boxes.shown[0].icon, ui::Icon::Critical);
  EXPECT_EQ(exp.airports[1].ICAO, "");
  EXPECT_TRUE(form.Loaded());
  EXPECT_EQ(base.ReadBytes("空港db.csv"), utf8);
}

// The simulator goes away mid-flight: the flight data record stands still and the loss is
// told once; another simulator on the same link is taken up within two seconds or so, and
// the record follows its clock again.
TEST_F(FrmExpTest, ALostSimulatorIsToldOnceAndTakenUpAgainWhenItAnswers) {
  exp.engine.RunCallOutTick = [this] { RunCallOutTick(exp); };
  const auto record = [this] {
    state::FlightDataRecord r;
    simlink::ReadDataChannel(r, exp.sim.data);
    return r.localHour * 3600 + r.localMinute * 60 + r.second;
  };
  ::testing::internal::CaptureStderr();
  form.Start();
  ASSERT_TRUE(form.Loaded());
  ui.pump.RunFor(2s);
  const int before = record();
  ui.pump.RunFor(2s);
  EXPECT_GE(record() - before, 1) << "the record follows the simulator's clock";

  standin.running = false;
  ui.pump.RunFor(500ms);
  const int gone = record();
  ui.pump.RunFor(15s);
  EXPECT_EQ(record(), gone);
  EXPECT_TRUE(form.Loaded()) << "the program goes on";

  standin.running = true;
  standin.windowHandle = 4343;  // a simulator started again is another process
  ui.pump.RunFor(3s);
  EXPECT_EQ(exp.sim.SimWindow, 4343);
  EXPECT_GE(record() - gone, 15) << "the clock that ran on meanwhile";
  const std::string said = ::testing::internal::GetCapturedStderr();
  auto count = [&said](const std::string& what) {
    std::size_t n = 0;
    for (auto at = said.find(what); at != std::string::npos; at = said.find(what, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(count("link is lost"), 1u) << said;
  EXPECT_EQ(count("link is up again"), 1u) << said;
}

TEST_F(FrmExpTest, TheExitButtonEndsTheProgram) {
  form.Start();
  ASSERT_TRUE(form.Loaded());
  form.buttonExit.PerformClick();
  ui::test::Settle();
  EXPECT_FALSE(form.Loaded());
}

// A display that fails as a fault of the program would.
class FaultyDisplay final : public ExpDisplay {
 public:
  void SetText(ExpBox, std::string_view) override { throw std::out_of_range("tbx3: no such text box"); }
  std::string Text(ExpBox) const override { return {}; }
};

// A fault inside the call-out tick (an error that is not the runtime's), on the window's
// 307 ms timer: one box names it, the ticks that fall due in the 3.4 s it stays up add no
// other, and the program ends as on a close, its files and shared memories gone.
TEST_F(FrmExpTest, AFaultInTheTickIsShownInOneBoxAndEndsTheProgram) {
  InstallCallOutEngine(exp);
  form.Start();
  ASSERT_TRUE(form.Loaded());
  ASSERT_TRUE(exp.sim.data.IsOpen());
  FaultyDisplay faulty;
  exp.display = &faulty;
  Touch("vexlorPB.cfg");
  ui.boxes.Expect("VexlorEXP", ui::Answer::Ok, "tbx3: no such text box");
  ui.boxes.whileOpen = [this](const ui::ScriptedMessageBoxes::Shown&) { ui.pump.RunFor(3400ms); };
  ASSERT_TRUE(RunUntilEnded(2s));
  ASSERT_EQ(ui.boxes.shown.size(), 1u);
  EXPECT_EQ(ui.boxes.shown[0].icon, ui::Icon::Critical);
  EXPECT_FALSE(form.Loaded());
  EXPECT_FALSE(form.Timer2.Running());
  EXPECT_FALSE(Exists("vexlorPB.cfg"));
  EXPECT_EQ(sound.CallsOf({Op::Quit}).size(), 1u);
  EXPECT_FALSE(exp.sim.vol.IsOpen());
  EXPECT_FALSE(exp.sim.stab.IsOpen());
  EXPECT_FALSE(exp.sim.data.IsOpen());
}

TEST(ExpSounds, VolumeGroupsAndFiles) {
  state::ExpContext exp;
  exp.sd.CallVolumeLevels = {10, 0, 1, 2, 3, 4, 5};
  BuildExpVolumeTable(exp);
  const auto& t = exp.sound.CallVolumeTable;
  EXPECT_EQ(t[23], 0) << "level 10 is full volume";
  EXPECT_EQ(t[40], 0);
  EXPECT_EQ(t[27], -3000);
  EXPECT_EQ(t[34], -2700);
  EXPECT_EQ(t[38], -2400);
  EXPECT_EQ(t[39], -2100);
  EXPECT_EQ(t[54], -1800);
  EXPECT_EQ(t[63], -1500);
  EXPECT_EQ(t[74], -1500);
  for (int i = 64; i <= 70; ++i) EXPECT_EQ(t[static_cast<std::size_t>(i)], 0) << i;

  const auto& paths = CallSoundPaths();
  EXPECT_EQ(paths[0], "\\Wav\\Etc\\速度読上\\Oh006.wav");
  EXPECT_EQ(paths[10], "\\Wav\\Etc\\高度読上\\-1000.wav");
  EXPECT_EQ(paths[52], "\\Wav\\CP\\Flap\\CP_着陸Flap2.wav");
  EXPECT_EQ(paths[70], "\\Wav\\himitu\\ravikGE.wav");
  EXPECT_EQ(paths[74], "\\Wav\\CP\\ChkList\\CP_LndLightOFF.wav");
}

TEST_F(FrmExpTest, TheLayoutTableIsTheLoadedWindow) {
  const ui::FormLayout layout = FrmExpLayout();
  EXPECT_EQ(layout.form, "frmExp");
  form.Start();
  for (const ui::ControlRow& row : layout.rows) {
    ui::Control* c = ui::FindControl(form, row.name);
    ASSERT_NE(c, nullptr) << row.name;
    if (row.name != "キャレット消用") {
      EXPECT_EQ(c->Left(), row.left) << row.name;
    }
    EXPECT_EQ(c->Width(), row.width) << row.name;
  }
}

}  // namespace
}  // namespace vx::callout
