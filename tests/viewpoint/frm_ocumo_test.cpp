// The viewpoint program on the stand-in's simulator in this process and virtual time:
// keys written into VEXLORPRO_EYE as the main program writes them move the stand-in's eye.
#include "viewpoint/frm_ocumo.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <filesystem>
#include <string>
#include <vector>

#include "datafiles/ocumo_files.h"
#include "platform/foreign_windows.h"
#include "platform/instance_lock.h"
#include "platform/paths.h"
#include "runtime/cp932.h"
#include "simlink/channels.h"
#include "simlink/eye_keys.h"
#include "support/same_text.h"
#include "support/standin_in_process.h"
#include "support/temp_dir.h"
#include "ui/ui_test_env.h"
#include "viewpoint/frm_door_set.h"
#include "viewpoint/ocumo_in_process.h"
#include "viewpoint/ocumo_program.h"

namespace vx::viewpoint {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int kTab = simlink::kVkTab, kEsc = simlink::kVkEsc;

// A golden file typed by hand from the file listings (UTF-8, LF), as the programs write
// it (CP932, CR LF).
std::string Golden(const std::string& name) {
  const char* source = std::getenv("VX_SOURCE_DIR");
  std::ifstream in(fs::path(source ? source : ".") / "tests/datafiles/golden" / name, std::ios::binary);
  std::string text;
  for (const char c : std::string(std::istreambuf_iterator<char>(in), {})) {
    if (c == '\n' && (text.empty() || text.back() != '\r')) text += '\r';
    text += c;
  }
  return runtime::Utf8ToCp932(text);
}
constexpr int Pad(int digit) { return simlink::kVkKeypad0 + digit; }

class FrmOcumoTest : public ::testing::Test {
 protected:
  FrmOcumoTest() : FrmOcumoTest(standin::SimulatorSettings{}) {}
  explicit FrmOcumoTest(const standin::SimulatorSettings& settings) : standin(ui.clock, settings) {
    ui.env.programName = "Ocumo";
    ui.boxes.programName = "Ocumo";
    ui.env.screenSize = ui::TwipsSize{28800, 16200};
    simlink::OpenEyeChannel(ctx.svc.sharedMemoryPrefix, pro);
  }
  ~FrmOcumoTest() override {
    simlink::CloseSharedMapping(pro);
    platform::SharedMemory::Remove(ctx.svc.sharedMemoryPrefix, "VEXLORPRO_EYE");
  }
  bool Exists(const char* name) const { return fs::exists(base.Path() / name); }
  void Start() {
    datafiles::OcumoCfg cfg = datafiles::DefaultOcumoCfg();
    cfg.ProWindowHandle = 77;
    ocumo.Start(cfg);
  }
  // The key as the main program sends it, served by the next poll; the word it leaves.
  std::int32_t Key(int code) {
    simlink::WriteLongToChannel(code, pro);
    ui.pump.RunFor(60ms);
    std::int32_t word = -1;
    simlink::ReadLongFromChannel(word, pro);
    return word;
  }
  std::vector<std::string> EyeLines() const {
    std::vector<std::string> out;
    for (const auto& line : standin.simulator.LogLines()) {
      const auto at = line.find("\"kind\":\"eye\",");
      if (at != std::string::npos) out.push_back(line.substr(at + 13, line.size() - at - 14));
    }
    return out;
  }
  std::size_t KeyLines() const {
    std::size_t n = 0;
    for (const auto& line : standin.simulator.LogLines()) n += line.find("\"kind\":\"key\"") != std::string::npos;
    return n;
  }
  // The start-up refuses: the program ends with exit code 1 before its window.
  void ExpectStartUpEndsWithOne() {
    try {
      OcumoStartup(ctx, form, lock, (base.Path() / "ExePro").string());
      ADD_FAILURE() << "the program goes on";
    } catch (const platform::ProgramEnding& end) {
      EXPECT_EQ(end.exitCode, 1);
    }
  }
  std::int64_t Var(std::int32_t offset, std::int32_t size) { return standin.simulator.Area().GetSigned(offset, size); }
  std::uint64_t UVar(std::int32_t offset, std::int32_t size) { return standin.simulator.Area().GetUnsigned(offset, size); }

  ui::test::UiTestEnv ui;
  test::InProcessStandin standin;
  test::OcumoInProcess ocumo{ui, standin, test::UniqueName("ocumo") + "_"};
  test::TempDir& base = ocumo.base;
  platform::ScriptedInstanceLock& lock = ocumo.lock;
  platform::RecordingForeignWindows& windows = ocumo.windows;
  state::OcumoContext& ctx = ocumo.ctx;
  FrmOcumo& form = ocumo.form;
  state::Channel pro;  // the main program's side of VEXLORPRO_EYE
};

TEST_F(FrmOcumoTest, StartsAtTheRightEdgeInPresetZero) {
  Start();
  ASSERT_TRUE(form.Loaded());
  EXPECT_EQ(form.Top(), 620);
  EXPECT_EQ(form.Left() + form.Width(), 28800);
  EXPECT_TRUE(form.Topmost());
  EXPECT_EQ(form.tbx角度(0).Text(), "190");
  EXPECT_EQ(form.tbx扉(2).Text(), "SE2");
  EXPECT_EQ(form.tbx移動量.Text(), "小");
  EXPECT_EQ(form.Frame1.Caption(), "キー操作　＜カメラ移動＞");
  EXPECT_EQ(ctx.ocumo.ProWindowHandle, 77);
  // View mode 1 at the stand-in's start: the preset is written and the view switched by
  // Shift+S, which takes the stand-in to mode 4.
  const auto eye = EyeLines();
  ASSERT_FALSE(eye.empty());
  EXPECT_EQ(eye.back(),
            "\"mode\":4,\"preset\":{\"altitude\":0,\"distance\":40,\"zoom\":51,\"angle\":34588,\"code\":1},"
            "\"tower\":{\"lat\":0.0000000,\"lon\":0.0000000,\"alt\":0,\"zoom\":0}");
}

// One key on a preset whose box starts at a value: the box after it, and where the key
// writes a view variable, the value the simulator holds.
TEST_F(FrmOcumoTest, KeysAdjustTheCurrentPreset) {
  Start();
  ASSERT_TRUE(form.Loaded());
  enum Box { Height, Distance, Zoom, Angle };
  struct Case {
    const char* step;
    Box box;
    const char* before;
    int digit;
    const char* after;
    std::int32_t offset = 0, size = 0;
    std::int64_t value = 0;
  };
  const Case cases[] = {
      {"大", Distance, "15", 8, "10", 0x8340, 4, 10 * 256},
      {"大", Distance, "20", 8, "10"},
      {"大", Distance, "10", 8, "10"},
      {"大", Distance, "5", 8, "5", 0x8340, 4, 5 * 256},
      {"小", Distance, "2", 8, "1"},
      {"小", Distance, "1", 8, "1"},
      {"大", Distance, "1", 2, "11"},
      {"大", Angle, "355", 4, "5"},
      {"大", Angle, "350", 4, "360", 0x833C, 2, 0},
      {"大", Angle, "5", 6, "355"},
      {"小", Angle, "0", 6, "359"},
      {"小", Angle, "189", 4, "190", 0x833C, 2, 34588 - 65536},
      {"小", Angle, "179", 4, "180", 0x833C, 2, 32768 - 65536},
      {"大", Zoom, "12", 3, "5", 0x8334, 2, 3},
      {"大", Zoom, "5", 3, "5"},
      {"小", Zoom, "79", 9, "80", 0x8334, 2, 51},
      {"小", Zoom, "99", 9, "100", 0x8334, 2, 64},
      {"小", Zoom, "49", 9, "50", 0x8334, 2, 32},
      {"大", Height, "3", 7, "13", 0x8348, 4, 13 * 256},
      {"小", Height, "0", 1, "-1", 0x8348, 4, -256},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.before) + " key " + std::to_string(c.digit) + " step " + c.step);
    form.tbx移動量.SetText(c.step);
    ui::TextBox* boxes[] = {&form.tbx高度(0), &form.tbx距離(0), &form.tbxズーム(0), &form.tbx角度(0)};
    boxes[c.box]->SetText(c.before);
    ctx.view.ViewPresets[0][static_cast<std::size_t>(c.box)] = c.before;
    EXPECT_EQ(Key(Pad(c.digit)), 88);
    EXPECT_EQ(boxes[c.box]->Text(), c.after);
    EXPECT_EQ(ctx.view.ViewPresets[0][static_cast<std::size_t>(c.box)], c.after);
    if (c.size) {
      EXPECT_EQ(Var(c.offset, c.size), c.value);
    }
  }
  // The last adjustment shows in the stand-in's eye line.
  EXPECT_NE(EyeLines().back().find("\"altitude\":-1,"), std::string::npos) << EyeLines().back();
}

// The simulator registered with the older window class: Ocumo's variable table stays
// empty, so every read and write it sends carries nothing, whatever the keys do.
class FrmOcumoFs6Test : public FrmOcumoTest {
 protected:
  static standin::SimulatorSettings Fs6() {
    standin::SimulatorSettings settings;
    settings.windowClass = "FS6MAIN";
    return settings;
  }
  FrmOcumoFs6Test() : FrmOcumoTest(Fs6()) {}
};

TEST_F(FrmOcumoFs6Test, ReadsAndWritesNothingThroughItsTable) {
  constexpr std::int32_t kViewVariables[] = {0x8320, 0x8330, 0x8334, 0x833C, 0x8340, 0x8345, 0x8348, 0x0D50, 0x0D64};
  std::vector<std::int64_t> before;
  for (const auto offset : kViewVariables) before.push_back(Var(offset, 4));
  standin.keepEntries = true;
  Start();
  ASSERT_TRUE(form.Loaded());
  EXPECT_EQ(ctx.ocumo.SimKind, "FS6");
  // Height, distance and zoom of preset 0, then Tab through the presets to the towers.
  for (const int key : {Pad(7), Pad(8), Pad(9), kTab, kTab, kTab, kTab, Pad(7), Pad(3), kTab}) {
    EXPECT_EQ(Key(key), 88) << key;
  }
  EXPECT_EQ(ctx.view.CurrentViewPreset, 5);
  EXPECT_EQ(form.tbx高度(0).Text(), "1") << "the boxes follow the keys";
  ASSERT_FALSE(standin.entries.empty());
  for (const platform::SimBatchEntry& e : standin.entries) {
    EXPECT_EQ(e.offset, 0) << (e.write ? "write" : "read");
    EXPECT_EQ(e.size, 0) << (e.write ? "write" : "read");
  }
  std::vector<std::int64_t> after;
  for (const auto offset : kViewVariables) after.push_back(Var(offset, 4));
  EXPECT_EQ(after, before) << "the view variables as the simulator started";
}

TEST_F(FrmOcumoTest, StepSizeTabAndTheRotationMenu) {
  Start();
  ASSERT_TRUE(form.Loaded());
  EXPECT_EQ(Key(Pad(5)), 88);
  EXPECT_EQ(form.tbx移動量.Text(), "大");
  EXPECT_EQ(Key(Pad(5)), 88);
  EXPECT_EQ(form.tbx移動量.Text(), "小");

  // "0" on preset 0 opens the rotation menu; "4" puts the digit into the box only.
  EXPECT_EQ(Key(Pad(0)), 88);
  EXPECT_EQ(ctx.ocumo.OcumoMode, 3);
  EXPECT_EQ(form.Frame1.Caption(), "キー操作　＜外視点回転設定＞");
  EXPECT_FALSE(form.tbx移動量.Visible());
  EXPECT_EQ(form.label移動.Caption().rfind("数字キーはテンキー使用\r\n\r\n終了　　　　　　：Ｅｓｃ\r\nカメラ移動　　　　：０", 0), 0u);
  EXPECT_EQ(Key(Pad(4)), 88);
  EXPECT_EQ(form.tbx扉(0).Text(), "4");
  EXPECT_EQ(ctx.view.ViewPresets[0][4], "7");
  EXPECT_EQ(ctx.ocumo.OcumoMode, 0);
  EXPECT_TRUE(form.tbx移動量.Visible());

  // Tab to the tower presets: the eye point and the tower view; "0" there presses nothing.
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Key(kTab), 88);
  EXPECT_EQ(ctx.view.CurrentViewPreset, 4);
  EXPECT_EQ(UVar(0x8320, 1), 3u);
  EXPECT_EQ(Var(0x0D64, 4), 30 + Var(0x0B4C, 2));  // above the ground
  EXPECT_EQ(Var(0x8330, 2), 64);
  const std::size_t keys = KeyLines();
  EXPECT_EQ(Key(Pad(0)), 88);
  EXPECT_EQ(KeyLines(), keys);
  // From preset 5 Tab comes back to preset 0 and its view.
  EXPECT_EQ(Key(kTab), 88);
  EXPECT_EQ(Key(kTab), 88);
  EXPECT_EQ(ctx.view.CurrentViewPreset, 0);
  EXPECT_EQ(UVar(0x8320, 1), 4u);
  EXPECT_EQ(EyeLines().back().substr(0, 8), "\"mode\":4");

  // No key, the acknowledgement and codes outside the table are left alone.
  EXPECT_EQ(Key(0), 0);
  EXPECT_EQ(Key(88), 88);
  EXPECT_EQ(Key(65), 65);
}

TEST_F(FrmOcumoTest, EscEndsAndHandsTheValuesBack) {
  Start();
  ASSERT_TRUE(form.Loaded());
  form.tbx移動量.SetText("大");
  EXPECT_EQ(Key(Pad(8)), 88);  // preset 0 distance 40 -> 30
  EXPECT_EQ(Key(kEsc), 88);
  EXPECT_FALSE(form.Loaded());
  EXPECT_FALSE(Exists("Ocumo.cfg"));
  EXPECT_EQ(windows.broughtToFront, (std::vector<std::int64_t>{77}));
  datafiles::EyeRetCfg back;
  datafiles::ReadEyeRetCfgFile(base.Path() / "EyeRet.cfg", back);
  EXPECT_EQ(back.ViewPresets[0][1], "30");
  EXPECT_EQ(back.ApuSoundSettings.volumes[1], "1");
  EXPECT_FALSE(ctx.ocumo.eye.IsOpen());
}

TEST_F(FrmOcumoTest, DeletingTheControlFileEndsItWithinAPoll) {
  Start();
  ASSERT_TRUE(form.Loaded());
  fs::remove(base.Path() / "Ocumo.cfg");
  const auto gone = ui.clock.MonotonicNanos();
  ASSERT_TRUE(ui.pump.RunUntil([this] { return !form.Loaded(); }, 1s));
  EXPECT_LE(ui.clock.MonotonicNanos() - gone, 100'000'000);
  EXPECT_TRUE(Exists("EyeRet.cfg"));
}

TEST_F(FrmOcumoTest, ALockThatCannotBeTrustedIsToldAndTheProgramStarts) {
  lock.problem = "二重起動の確認に使うロックファイル「 x 」を使えません。";
  ui.boxes.Expect("Ocumo", ui::Answer::Ok, lock.problem);
  Start();
  EXPECT_TRUE(form.Loaded());
  EXPECT_EQ(ui.boxes.PendingExpectations(), 0u);
}

TEST_F(FrmOcumoTest, WithoutAControlFileTheDefaultIsWritten) {
  OcumoStartup(ctx, form, lock, (base.Path() / "ExePro").string());
  ASSERT_TRUE(form.Loaded());
  EXPECT_TRUE(test::SameFileBytes(base.ReadBytes("Ocumo.cfg"), Golden("Ocumo.default.cfg")));
  EXPECT_EQ(ctx.ocumo.ProWindowHandle, 0);
  form.Unload();
  EXPECT_TRUE(windows.broughtToFront.empty()) << "no main program window to hand the focus to";
}

// A folder in the place of a file: it can be neither written nor read as one.
TEST_F(FrmOcumoTest, AControlFileThatCannotBeWrittenIsToldAndEndsBeforeTheWindow) {
  fs::create_directories(base.Path() / "Ocumo.cfg");
  ui.boxes.Expect("Ocumo", ui::Answer::Ok, "設定ファイル「 " + (base.Path() / "Ocumo.cfg").string() + " 」を作成できません。");
  ExpectStartUpEndsWithOne();
  EXPECT_EQ(ui.boxes.PendingExpectations(), 0u);
  EXPECT_EQ(ui.boxes.shown.size(), 1u);
  EXPECT_FALSE(form.Loaded());
}

// A control file with bytes CP932 does not define: the box names the file and the line.
TEST_F(FrmOcumoTest, AControlFileThatIsNotCp932IsRefusedNamingItsLine) {
  const std::string bytes = ";\r\n=0\r\n=\x80\r\n";
  base.WriteBytes("Ocumo.cfg", bytes);
  ui.boxes.Expect("Ocumo", ui::Answer::Ok,
                  "設定ファイル「 " + (base.Path() / "Ocumo.cfg").string() +
                      " 」を読み込めません。\n3 行目が Shift-JIS (CP932) として読めません。");
  ExpectStartUpEndsWithOne();
  EXPECT_EQ(ui.boxes.PendingExpectations(), 0u);
  EXPECT_EQ(base.ReadBytes("Ocumo.cfg"), bytes);
}

TEST_F(FrmOcumoTest, AReturnFileThatCannotBeWrittenIsToldAndTheEndStillRuns) {
  Start();
  ASSERT_TRUE(form.Loaded());
  ASSERT_TRUE(ctx.ocumo.eye.IsOpen());
  fs::create_directories(base.Path() / "EyeRet.cfg");
  form.Command1.PerformClick();  // the door window goes with the program
  ui.boxes.Expect("Ocumo", ui::Answer::Ok, "視点の戻しファイル「 " + (base.Path() / "EyeRet.cfg").string() + " 」を書き込めません。");
  EXPECT_EQ(Key(kEsc), 88);
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(ui.boxes.PendingExpectations(), 0u);
  EXPECT_EQ(ui.boxes.shown.size(), 1u);
  EXPECT_FALSE(ctx.ocumo.eye.IsOpen());
  EXPECT_EQ(ui.env.windows.LoadedCount(), 0u);
  EXPECT_FALSE(Exists("Ocumo.cfg"));
}

TEST_F(FrmOcumoTest, NoSimulatorMessageAndNothingWritten) {
  standin.running = false;
  ui.boxes.Expect("Ocumo", ui::Answer::Ok, "ＦＳが実行されていません");
  EXPECT_THROW(OcumoStartup(ctx, form, lock, (base.Path() / "ExePro").string()), platform::ProgramEnding);
  EXPECT_EQ(ui.boxes.shown.at(0).icon, ui::Icon::Exclamation);
  EXPECT_FALSE(form.Loaded());
  EXPECT_FALSE(Exists("Ocumo.cfg"));
  EXPECT_FALSE(Exists("EyeRet.cfg"));
}

TEST_F(FrmOcumoTest, ASecondCopyEndsAtOnce) {
  lock.anotherRunning = true;
  EXPECT_THROW(Start(), platform::ProgramEnding);
  EXPECT_FALSE(form.Loaded());
  EXPECT_TRUE(Exists("Ocumo.cfg"));
  EXPECT_FALSE(Exists("EyeRet.cfg"));
  EXPECT_TRUE(ui.boxes.shown.empty());
}

// A value 0 that is not a number leaves the handle 0; the presets are read all the same.
TEST_F(FrmOcumoTest, AHandleThatIsNotANumberIsZero) {
  base.WriteBytes("Ocumo.cfg", "=abc\r\n=1\r\n=2\r\n");
  ctx.svc.paths->SetBaseFolder(base.Path());
  ReadOcumoSettings(ctx);
  EXPECT_EQ(ctx.ocumo.ProWindowHandle, 0);
  EXPECT_EQ(ctx.view.ViewPresets[0][0], "1");
  EXPECT_EQ(ctx.view.ViewPresets[0][1], "2");
  EXPECT_EQ(ctx.view.ViewPresets[1][4], "SE1");
  EXPECT_EQ(ctx.view.ViewPresets[2][4], "SE2");
}

// A poll before the channel is open sees no key.
TEST_F(FrmOcumoTest, APollWithoutTheChannelSeesNoKey) {
  Start();
  ASSERT_TRUE(form.Loaded());
  simlink::CloseSharedMapping(ctx.ocumo.eye);
  EXPECT_EQ(Key(kTab), kTab);
  EXPECT_EQ(ctx.view.CurrentViewPreset, 0);
}

// A box that is not a whole number, or a result beyond its width, makes the key do nothing.
TEST_F(FrmOcumoTest, ABoxThatIsNotAWholeNumberDoesNothing) {
  Start();
  ASSERT_TRUE(form.Loaded());
  const std::size_t eyes = EyeLines().size();
  form.tbx距離(0).SetText("1.5");
  EXPECT_EQ(Key(Pad(2)), 88);
  EXPECT_EQ(form.tbx距離(0).Text(), "1.5");
  form.tbx距離(0).SetText("32767");
  EXPECT_EQ(Key(Pad(2)), 88);
  EXPECT_EQ(form.tbx距離(0).Text(), "32767");
  EXPECT_EQ(EyeLines().size(), eyes);
}

TEST_F(FrmOcumoTest, DoorWindow) {
  Start();
  ASSERT_TRUE(form.Loaded());
  form.Command1.onClick();
  FrmDoorSet* door = form.DoorSet();
  ASSERT_NE(door, nullptr);
  ASSERT_TRUE(door->Loaded());
  EXPECT_EQ(door->comboSubKey(0).Text(), "Shift");
  EXPECT_EQ(door->tbxKey2(0).Text(), "E");
  EXPECT_EQ(door->tbxKey3(0).Text(), "1");

  // The close box keeps nothing.
  door->comboSubKey(0).SetText("None");
  door->Unload(ui::UnloadMode::ControlMenu);
  EXPECT_EQ(ctx.view.ViewPresets[1][4], "SE1");

  form.Command1.onClick();
  ASSERT_TRUE(door->Loaded());
  EXPECT_EQ(door->comboSubKey(0).Text(), "Shift");
  door->comboSubKey(0).SetText("None");
  door->tbxKey2(0).SetText("G");
  door->tbxKey3(0).SetText("-");
  door->comboAPU位置(1).SetText("右");
  door->comboAPU音量(1).SetText("7");
  door->OKButton.onClick();
  EXPECT_FALSE(door->Loaded());
  EXPECT_EQ(ctx.view.ViewPresets[1][4], "NG-");
  EXPECT_EQ(form.tbx扉(1).Text(), "NG-");
  EXPECT_EQ(Key(kEsc), 88);
  datafiles::EyeRetCfg back;
  datafiles::ReadEyeRetCfgFile(base.Path() / "EyeRet.cfg", back);
  EXPECT_EQ(back.ViewPresets[1][4], "NG-");
  EXPECT_EQ(back.ApuSoundSettings.positions[1], "右");
  EXPECT_EQ(back.ApuSoundSettings.volumes[1], "7");
}

TEST_F(FrmOcumoTest, TheLayoutTablesAreTheLoadedWindows) {
  Start();
  form.Command1.onClick();
  for (auto [layout, window] : {std::pair<ui::FormLayout, ui::Form*>{FrmOcumoLayout(), &form},
                                std::pair<ui::FormLayout, ui::Form*>{FrmDoorSetLayout(), form.DoorSet()}}) {
    for (const ui::ControlRow& row : layout.rows) {
      ui::Control* c = ui::FindControl(*window, row.name, row.index);
      ASSERT_NE(c, nullptr) << row.name;
      EXPECT_EQ(c->Width(), row.width) << row.name;
    }
  }
}

}  // namespace
}  // namespace vx::viewpoint
