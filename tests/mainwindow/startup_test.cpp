// The main program from its start-up window to its end, on a temporary installation.
#include "mainwindow/vexlor_pro.h"

#include <gtest/gtest.h>

#include <ostream>

#include "support/same_text.h"

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <fstream>
#include <iterator>

#include "announce/flight_window_opener.h"
#include "briefing/cabin_attendant_pictures.h"
#include "datafiles/airport_airline_tables.h"
#include "datafiles/restart_summary.h"
#include "mainfiles/settings_file.h"
#include "mainfiles/settings_loader.h"
#include "mainwindow/key_mode.h"
#include "mainwindow/key_sequence.h"
#include "mainwindow/pro_program.h"
#include "platform/instance_lock.h"
#include "platform/sim_ipc_client.h"
#include "platform/text_file.h"
#include "ui/program_loop.h"
#include <QImage>
#include "runtime/cp932.h"

namespace vx::mainwindow {
namespace {

using namespace std::chrono_literals;

// The flight window as the engine will show it: a form that the Start button opens.
class StandInFlightWindow final : public announce::FlightWindowOpener {
 public:
  explicit StandInFlightWindow(ui::UiEnv& env) : form(env, "frmSound") {}
  bool FlightWindowOpen() const override { return form.Loaded(); }
  bool IsOpen() const { return form.Loaded(); }
  void OpenFlightWindow() override {
    ++(form.Loaded() ? raised : opened);
    form.Show();
  }

  class Window final : public ui::Form {
   public:
    Window(ui::UiEnv& env, std::string name) : Form(env, std::move(name)) {}
  } form;
  int opened = 0;
  int raised = 0;
};

// A random flight from Haneda to New Chitose.
std::string RandomFlightBytes() {
  const char* items[] = {";RandomFlight", ";", ";", ";", ";", ";", ";", "=2007", "=3", "=15", "=0930", "=139", "=MYA",
                         "=My Airline", "=B767-300", "=x", "=x", "=RJTT", "=羽田", "=東京", "=東京国際空港　羽田",
                         "=3951057", "=1667653481", "=21", "=x", "=RJCC", "=千歳", "=札幌", "=新千歳空港", "=4753631",
                         "=1690454985", "=82"};
  std::string text;
  for (const char* item : items) text += std::string(item) + "\r\n";
  return runtime::Utf8ToCp932(text);
}

// A golden file of the hand-over files (UTF-8, LF) as the programs write it.
std::string GoldenBytes(const std::string& name) {
  std::ifstream in(std::filesystem::path(std::getenv("VX_SOURCE_DIR")) / "tests/datafiles/golden" / name,
                   std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string crlf;
  for (char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return runtime::Utf8ToCp932(crlf);
}

const char* const kHandOverFiles[] = {"Ocumo.cfg",    "EyeRet.cfg",   "EyeCheck.cfg", "EyeView.cfg",  "EyeDoor.cfg",
                                      "EyeCargo.cfg", "vexlorEXP.cfg", "vexlorPB.cfg", "vexlorSD.cfg", "vexlorLND.cfg"};

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() {
    p.pro.svc.sim = &sim;
    for (const char* f : {"ExePro/.keep", "midi/b.mid", "midi/A.MID", "mp3/x.mp3", "atc/del/d1.wav", "atc/apr/a1.wav",
                          "atc/apr/a2.wav", "Image/.keep"})
      p.dir.WriteBytes(std::string("inst/") + f, "");
    for (const char* f : kHandOverFiles) p.dir.WriteBytes(std::string("inst/") + f, "stale\r\n");
    p.dir.WriteBytes("inst/BEGIN.cfg", "stale\r\n");
    p.dir.WriteBytes("inst/RandomFlight.cfg", RandomFlightBytes());
    WriteSettingsFiles();
    WriteTables();
  }

  // "VexlorPro.cfg" names "Other.cfg"; each carries values of its own.
  void WriteSettingsFiles() {
    state::ProContext seed;
    seed.svc = p.pro.svc;
    seed.svc.paths = &instPaths;
    seed.boxes = &p.ui.boxes;
    mainfiles::ApplyDefaultSettings(seed);
    seed.files.SettingsFileName = "Other.cfg";
    seed.files.MileageTotal = 4321;
    seed.briefing.CabinAttendantChoice = 1;
    ASSERT_TRUE(mainfiles::SaveSettingsFile(seed, "VexlorPro.cfg"));
    seed.briefing.CabinAttendantChoice = 3;
    seed.engine.BgmMode = "MIDI";
    seed.main.CommandKeyA = 81;
    ASSERT_TRUE(mainfiles::SaveSettingsFile(seed, "Other.cfg"));
  }

  void WriteTables() {
    state::AirportTableArray airports;
    airports[0].ICAO = "RJTT";
    airports[0].選択ボタン = "羽田";
    state::AirlineTableArray airlines;
    airlines[0].選択ボタン = "JAL";
    datafiles::SaveAirportTable(instPaths, airports);
    datafiles::SaveAirlineTable(instPaths, airlines);
  }

  // The settings as a fresh program reads them from a file.
  state::ProContext ReadBack(const char* name) {
    state::ProContext r;
    r.svc = p.pro.svc;
    r.svc.pump = &readerPump;  // the program's pump has ended with it
    r.svc.paths = &instPaths;
    r.boxes = &p.ui.boxes;
    mainfiles::ApplyDefaultSettings(r);
    EXPECT_TRUE(mainfiles::LoadSettingsFile(r, name));
    return r;
  }

  bool Exists(const std::string& f) const { return std::filesystem::exists(p.dir.Path() / "inst" / f); }

  test::ProProgram p;
  platform::Paths instPaths{p.dir.Path() / "inst"};
  platform::VirtualClock readerClock;
  platform::TimerScheduler readerTimers{readerClock};
  platform::VirtualEventPump readerPump{readerClock, readerTimers};
  platform::SimVariableArea area;
  platform::InProcessSimIpcClient sim{area};
  platform::ScriptedInstanceLock lock;
  StandInFlightWindow flight{p.ui.env};
  VexlorProWindows windows{p.ui.env, p.pro, flight, lock, p.dir.Path() / "inst" / "ExePro"};
};

TEST_F(StartupTest, FromTheCaptainsNameThroughStartToTheSavingClose) {
  FrmPass& pass = windows.frmPass;
  FrmMain& main = windows.frmMain;
  int steps = 0;
  p.ui.pump.After(100ms, [&] {
    ++steps;
    ASSERT_TRUE(pass.Loaded());
    EXPECT_EQ(pass.tbxUserName.Text(), "VexlorPro");
    EXPECT_EQ(p.pro.svc.paths->BaseFolder(), p.dir.Path() / "inst");
    EXPECT_EQ(p.pro.engine.SoundSlotFile[50], (p.dir.Path() / "inst").string() + "\\Wav\\Etc\\スイッチ音\\-ss1.wav");
    pass.tbxUserName.SetText("山田 太郎");
    pass.buttonStart.PerformClick();
  });
  p.ui.pump.After(200ms, [&] {
    ++steps;
    EXPECT_EQ(p.pro.main.CaptainName, "山田 太郎");
    EXPECT_FALSE(pass.Loaded());
    ASSERT_TRUE(main.Loaded());
    EXPECT_EQ(main.Caption(), "VEXLOR-PRO  v3.02");
    // Hand-over files of the earlier run are gone; BEGIN.cfg is written afresh.
    for (const char* f : kHandOverFiles) EXPECT_FALSE(Exists(f)) << f;
    EXPECT_TRUE(vx::test::SameFileBytes(platform::ReadBinaryFile(p.dir.Path() / "inst" / "BEGIN.cfg"), GoldenBytes("BEGIN.cfg")));
    // Both settings files are loaded: the mileage only comes from the first, the rest from the second.
    EXPECT_EQ(p.pro.files.SettingsFileName, "Other.cfg");
    EXPECT_EQ(main.tbxファイル名.Text(), "Other.cfg");
    EXPECT_EQ(p.pro.files.MileageTotal, 4321);
    EXPECT_EQ(p.pro.briefing.CabinAttendantChoice, 3);
    EXPECT_EQ(p.pro.main.CommandKeyA, 81);
    EXPECT_EQ(main.comboBGM.Text(), "MIDI");
    EXPECT_FALSE(main.Image1.Picture().Empty());
    // Music of the chosen kind and the radio chatter are listed.
    const auto& music = p.pro.engine.BgmPlaylist;
    ASSERT_EQ(music.count, 2);
    EXPECT_EQ(music.titles[0], "A.MID");
    EXPECT_EQ(music.titles[1], "b.mid");
    EXPECT_EQ(p.pro.engine.AtcFileLists[0].count, 1);
    EXPECT_EQ(p.pro.engine.AtcFileLists[5].count, 2);
    EXPECT_EQ(p.pro.engine.AtcFileLists[2].count, 0);
    // Channels open, key hook on in mode 0.
    EXPECT_TRUE(p.pro.sim.ChannelHandles.eye.IsOpen() && p.pro.sim.ChannelHandles.data.IsOpen());
    EXPECT_TRUE(p.hook.enabled);
    EXPECT_EQ(p.pro.main.KeyInputMode, 0);
    EXPECT_EQ(p.pro.main.MainWindowHandle, static_cast<std::int32_t>(main.Handle()));

    main.comboBGM.SetText("MP3");
    main.buttonStart.PerformClick();
  });
  p.ui.pump.After(300ms, [&] {
    ++steps;
    EXPECT_EQ(flight.opened, 1);
    EXPECT_TRUE(flight.IsOpen());
    EXPECT_EQ(main.State(), ui::WindowState::Minimized);
    EXPECT_EQ(p.pro.engine.BgmMode, "MP3");
    EXPECT_EQ(p.pro.engine.BgmPlaylist.count, 1);  // rebuilt from "\mp3\*.mp3"
    EXPECT_EQ(p.pro.files.AirportTable[0].ICAO, "RJTT");
    // The random flight's airports are imported and the tables written back with them.
    EXPECT_EQ(p.pro.files.AirportTable[199].ICAO, "RJCC");
    state::AirportTableArray saved;
    datafiles::LoadAirportTable(instPaths, saved);
    EXPECT_EQ(saved[199].ICAO, "RJCC");
    EXPECT_FALSE(p.pro.main.ResumeRequested);
    // Start again while the flight runs only raises the flight window.
    main.buttonStart.PerformClick();
    EXPECT_EQ(flight.opened, 1);
    EXPECT_EQ(flight.raised, 1);
  });
  p.ui.pump.After(400ms, [&] {
    ++steps;
    p.pro.briefing.CabinAttendantChoice = 2;
    p.ui.boxes.Expect("設定値の保存", ui::Answer::Yes, "設定ファイル「 Other.cfg 」を上書き保存しますか？");
    main.Unload(ui::UnloadMode::ControlMenu);  // the window's close button
  });

  EXPECT_EQ(RunVexlorPro(p.ui.env, windows), 0);
  EXPECT_EQ(steps, 4);
  EXPECT_EQ(p.ui.boxes.PendingExpectations(), 0u);
  EXPECT_EQ(p.ui.boxes.shown.back().text, "VexlorPro を終了します。\n\n設定ファイル「 Other.cfg 」を上書き保存しますか？");
  EXPECT_EQ(sim.stops, 1);
  EXPECT_EQ(ReadBack("Other.cfg").briefing.CabinAttendantChoice, 2);
  EXPECT_EQ(ReadBack("VexlorPro.cfg").briefing.CabinAttendantChoice, 2);
  EXPECT_EQ(ReadBack("VexlorPro.cfg").engine.BgmMode, "MP3");
  EXPECT_FALSE(Exists("RandomFlight.cfg"));
  EXPECT_TRUE(Exists("BEGIN.cfg"));
  EXPECT_FALSE(p.pro.sim.ChannelHandles.eye.IsOpen());
  EXPECT_EQ(p.hook.calls.back(), "Disable");
}

TEST_F(StartupTest, AnsweringNoStillWritesTheDefaultFileAndKeepsTheOthers) {
  const std::string otherBefore = platform::ReadBinaryFile(p.dir.Path() / "inst" / "Other.cfg");
  p.ui.pump.After(100ms, [&] { windows.frmPass.buttonStart.PerformClick(); });
  p.ui.pump.After(200ms, [&] {
    EXPECT_EQ(p.pro.main.CaptainName, "VexlorPro");
    p.pro.briefing.CabinAttendantChoice = 4;
    p.ui.boxes.Expect("設定値の保存", ui::Answer::No);
    windows.frmMain.buttonExit.PerformClick();
  });
  EXPECT_EQ(RunVexlorPro(p.ui.env, windows), 0);
  EXPECT_EQ(platform::ReadBinaryFile(p.dir.Path() / "inst" / "Other.cfg"), otherBefore);
  EXPECT_EQ(ReadBack("VexlorPro.cfg").briefing.CabinAttendantChoice, 4);
  EXPECT_TRUE(Exists("RandomFlight.cfg"));
}

TEST_F(StartupTest, ASecondCopyEndsAtOnceWithoutAWord) {
  lock.anotherRunning = true;
  EXPECT_EQ(RunVexlorPro(p.ui.env, windows), 0);
  EXPECT_FALSE(windows.frmPass.Loaded());
  EXPECT_FALSE(windows.frmMain.Loaded());
  EXPECT_TRUE(p.ui.boxes.shown.empty());
  EXPECT_TRUE(Exists("vexlorEXP.cfg"));  // nothing of the running copy is touched
}

// A lock that another user could hold is no running copy: the user is told, the program starts.
TEST_F(StartupTest, ALockThatCannotBeTrustedIsToldAndTheProgramStarts) {
  lock.problem = "二重起動の確認に使うロックファイル「 x 」を使えません。";
  p.ui.boxes.Expect("VexlorPro", ui::Answer::Ok, lock.problem);
  bool passShown = false;
  p.ui.pump.After(100ms, [&] {
    passShown = windows.frmPass.Loaded();
    windows.frmPass.buttonExit.PerformClick();
  });
  EXPECT_EQ(RunVexlorPro(p.ui.env, windows), 0);
  EXPECT_TRUE(passShown);
  EXPECT_EQ(p.ui.boxes.PendingExpectations(), 0u);
  ASSERT_EQ(p.ui.boxes.shown.size(), 1u);
  EXPECT_EQ(p.ui.boxes.shown[0].icon, ui::Icon::Exclamation);
}

TEST_F(StartupTest, ExitOnTheStartUpWindowEndsTheProgram) {
  p.ui.pump.After(100ms, [&] { windows.frmPass.buttonExit.PerformClick(); });
  EXPECT_EQ(RunVexlorPro(p.ui.env, windows), 0);
  EXPECT_TRUE(p.ui.pump.Ended());
  EXPECT_FALSE(windows.frmMain.Loaded());
}

// The main window on its own, its base folder the installation.
class MainWindowTest : public StartupTest {
 protected:
  void SetUp() override { p.paths.SetBaseFolder(p.dir.Path() / "inst"); }
  // Runs the program from the main window; `steps` run 100 ms apart.
  void Run(std::vector<std::function<void()>> steps) {
    auto at = 100ms;
    for (auto& step : steps) {
      p.ui.pump.After(at, step);
      at += 100ms;
    }
    EXPECT_EQ(ui::RunProgram(p.ui.env, [&] { windows.frmMain.Show(); }), 0);
  }
  void CloseAnswering(ui::Answer answer) {
    p.ui.boxes.Expect("設定値の保存", answer);
    windows.frmMain.buttonExit.PerformClick();
  }
};

// A folder that refuses every change while it lives, to root too: a read-only bind mount
// of itself in a mount namespace of this test process where mounting is allowed, else
// mode 0555. Empty when neither can be had.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(std::filesystem::path folder) : folder_(std::move(folder)) {
    if (::geteuid() != 0) {
      std::filesystem::permissions(folder_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
      ok_ = true;
      return;
    }
    static const bool ownNamespace = ::unshare(CLONE_NEWNS) == 0 &&
                                     ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    mounted_ = ownNamespace && ::mount(folder_.c_str(), folder_.c_str(), nullptr, MS_BIND, nullptr) == 0;
    ok_ = mounted_ &&
          ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
  }
  ~ReadOnlyFolder() {
    if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    if (::geteuid() != 0) std::filesystem::permissions(folder_, std::filesystem::perms::owner_all);
  }
  bool Ok() const { return ok_; }

 private:
  std::filesystem::path folder_;
  bool mounted_ = false;
  bool ok_ = false;
};

// Runs whose settings could not be loaded, or whose folder takes no writes, leave the
// user's VexlorPro.cfg as it was whatever the answer at the exit, and say where its copy
// went. The file names itself here, so a run that loads it writes back the same bytes.
enum class Spoil { BadValue, Utf8Bom, Utf8, ReadOnlyFile, BeginCfgFolder, ReadOnlyFolder };

struct SpoiledRun {
  const char* name;
  Spoil spoil;
  ui::Answer answer;
  std::vector<std::pair<std::string, std::string>> beforeExit, atExit;  // title, text part
  bool loads;                                                            // the settings come from the file
  bool keptAside;
};
void PrintTo(const SpoiledRun& r, std::ostream* os) { *os << r.name; }

constexpr const char* kBeginCfgUnwritable =
    "起動処理の一部ができませんでした。\n\nBEGIN.cfg の書き込み：書き";  // "書き込めない場所" or "書き込みが許可されていません"
constexpr const char* kNotLoadedNotSaved = "「 VexlorPro.cfg 」は上書きしません。\nこの起動で読み込めていないファイルです。";

class SpoiledSettingsTest : public MainWindowTest, public ::testing::WithParamInterface<SpoiledRun> {};

TEST_P(SpoiledSettingsTest, TheUsersFileSurvivesTheExitByteForByte) {
  const SpoiledRun& run = GetParam();
  const auto inst = p.dir.Path() / "inst";
  {
    state::ProContext seed;
    seed.svc = p.pro.svc;
    seed.svc.paths = &instPaths;
    seed.boxes = &p.ui.boxes;
    mainfiles::ApplyDefaultSettings(seed);
    seed.files.MileageTotal = 4321;
    seed.briefing.CabinAttendantChoice = 1;
    ASSERT_TRUE(mainfiles::SaveSettingsFile(seed, "VexlorPro.cfg"));
  }
  std::optional<ReadOnlyFolder> readOnly;
  switch (run.spoil) {
    case Spoil::BadValue: {
      std::string text = platform::ReadBinaryFile(inst / "VexlorPro.cfg");
      const auto second = text.find("\r\n=", text.find("\r\n=") + 1) + 3;
      text.replace(second, text.find("\r\n", second) - second, "abc");
      p.dir.WriteBytes("inst/VexlorPro.cfg", text);
      break;
    }
    case Spoil::Utf8Bom:  // as an editor saves it in UTF-8
      p.dir.WriteBytes("inst/VexlorPro.cfg",
                       "\xEF\xBB\xBF" + runtime::Cp932ToUtf8(platform::ReadBinaryFile(inst / "VexlorPro.cfg")));
      break;
    case Spoil::Utf8:  // as most editors save UTF-8: without the mark
      p.dir.WriteBytes("inst/VexlorPro.cfg", runtime::Cp932ToUtf8(platform::ReadBinaryFile(inst / "VexlorPro.cfg")));
      break;
    case Spoil::ReadOnlyFile:
      std::filesystem::permissions(inst / "VexlorPro.cfg", std::filesystem::perms::owner_read);
      break;
    case Spoil::BeginCfgFolder:  // BEGIN.cfg cannot be written, as on a full disk
      std::filesystem::remove(inst / "BEGIN.cfg");
      std::filesystem::create_directory(inst / "BEGIN.cfg");
      break;
    case Spoil::ReadOnlyFolder:
      readOnly.emplace(inst);
      if (!readOnly->Ok()) GTEST_SKIP() << "no read-only folder can be made here";
      break;
  }
  const std::string before = platform::ReadBinaryFile(inst / "VexlorPro.cfg");
  const auto modeBefore = std::filesystem::status(inst / "VexlorPro.cfg").permissions();
  p.hook.enabled = false;
  p.hook.handler = nullptr;
  for (const auto& [title, text] : run.beforeExit) p.ui.boxes.Expect(title, ui::Answer::Ok, text);
  p.ui.boxes.Expect("設定値の保存", run.answer);
  for (const auto& [title, text] : run.atExit) p.ui.boxes.Expect(title, ui::Answer::Ok, text);
  Run({[&] {
    // The load has gone on to the settings and the key hook.
    EXPECT_TRUE(p.hook.enabled && p.hook.handler);
    EXPECT_EQ(mainfiles::SettingsFileInHand(p.pro, "VexlorPro.cfg"), run.loads);
    EXPECT_EQ(p.pro.files.MileageTotal, run.loads ? 4321 : 0);
    EXPECT_EQ(p.pro.briefing.CabinAttendantChoice, run.loads ? 1 : 0);
    windows.frmMain.buttonExit.PerformClick();
  }});
  readOnly.reset();
  EXPECT_EQ(p.ui.boxes.PendingExpectations(), 0u);
  EXPECT_EQ(p.ui.boxes.shown.size(), run.beforeExit.size() + 1 + run.atExit.size());
  EXPECT_EQ(platform::ReadBinaryFile(inst / "VexlorPro.cfg"), before);
  EXPECT_EQ(std::filesystem::status(inst / "VexlorPro.cfg").permissions(), modeBefore);
  EXPECT_EQ(Exists("VexlorPro.cfg.読込失敗"), run.keptAside);
  if (run.keptAside) {
    EXPECT_EQ(platform::ReadBinaryFile(inst / "VexlorPro.cfg.読込失敗"), before);
  }
  // Hand-over files of the earlier run are gone wherever the folder lets them go.
  if (run.spoil != Spoil::ReadOnlyFolder) {
    for (const char* f : kHandOverFiles) EXPECT_FALSE(Exists(f)) << f;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Runs, SpoiledSettingsTest,
    ::testing::Values(
        SpoiledRun{"BadValueNo", Spoil::BadValue, ui::Answer::No,
                   {{"CFG Read", "「 VexlorPro.cfg.読込失敗 」に残しました"}}, {}, false, true},
        SpoiledRun{"BadValueYes", Spoil::BadValue, ui::Answer::Yes,
                   {{"CFG Read", "「 VexlorPro.cfg.読込失敗 」に残しました"}}, {{"設定値の保存", kNotLoadedNotSaved}},
                   false, true},
        SpoiledRun{"Utf8BomYes", Spoil::Utf8Bom, ui::Answer::Yes,
                   {{"CFG Read",
                     "UTF-8 で保存されています（1 行目から Shift-JIS (CP932) として読めません）。"
                     "Shift-JIS (CP932) で保存し直してください。\n\n設定値は読み込む前のままです。\n"
                     "元のファイルは「 VexlorPro.cfg.読込失敗 」に残しました。"}},
                   {{"設定値の保存", kNotLoadedNotSaved}}, false, true},
        SpoiledRun{"Utf8Yes", Spoil::Utf8, ui::Answer::Yes,
                   {{"CFG Read",
                     "「 VexlorPro.cfg 」を読み込めません。\nファイル形式が不正です。\n"
                     "UTF-8 で保存されています（3 行目から Shift-JIS (CP932) として読めません）。"
                     "Shift-JIS (CP932) で保存し直してください。\n\n設定値は読み込む前のままです。\n"
                     "元のファイルは「 VexlorPro.cfg.読込失敗 」に残しました。"}},
                   {{"設定値の保存", kNotLoadedNotSaved}}, false, true},
        SpoiledRun{"ReadOnlyFileNo", Spoil::ReadOnlyFile, ui::Answer::No, {},
                   {{"設定値の保存", "「 VexlorPro.cfg 」を保存できませんでした"}}, true, false},
        SpoiledRun{"ReadOnlyFileYes", Spoil::ReadOnlyFile, ui::Answer::Yes, {},
                   {{"設定値の保存", "「 VexlorPro.cfg 」を保存できませんでした"}}, true, false},
        SpoiledRun{"BeginCfgFolderYes", Spoil::BeginCfgFolder, ui::Answer::Yes,
                   {{"VexlorPro 起動", "\n\nBEGIN.cfg の書き込み：書き込めない場所です（読み取り専用のディスク、同じ名前のフォルダーなど）。\n\n"
                                       "VexlorPro のフォルダー：\n"}},
                   {}, true, false},
        SpoiledRun{"ReadOnlyFolderYes", Spoil::ReadOnlyFolder, ui::Answer::Yes, {{"VexlorPro 起動", kBeginCfgUnwritable}},
                   {{"設定値の保存", "「 VexlorPro.cfg 」を保存できませんでした"}, {"VexlorPro 終了", "RandomFlight.cfg の削除"}},
                   true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ExitFromAReadOnlyFolderRunsEveryStepAndEnds) {
  std::optional<ReadOnlyFolder> readOnly;
  p.ui.boxes.Expect("設定値の保存", ui::Answer::No);
  p.ui.boxes.Expect("設定値の保存", ui::Answer::Ok, "を保存できませんでした");
  p.ui.boxes.Expect("VexlorPro 終了", ui::Answer::Ok, "EyeCheck.cfg の削除");
  Run({[&] {
         p.dir.WriteBytes("inst/EyeCheck.cfg", "written by a group\r\n");
         readOnly.emplace(p.dir.Path() / "inst");
         if (!readOnly->Ok()) GTEST_SKIP() << "no read-only folder can be made here";
       },
       [&] { windows.frmMain.buttonExit.PerformClick(); }});
  if (!readOnly->Ok()) return;
  EXPECT_TRUE(p.ui.pump.Ended());
  EXPECT_EQ(p.ui.boxes.PendingExpectations(), 0u);
  EXPECT_EQ(p.ui.boxes.shown.size(), 3u);
  EXPECT_FALSE(p.pro.sim.ChannelHandles.eye.IsOpen());
  EXPECT_EQ(p.hook.calls.back(), "Disable");
  readOnly.reset();
  EXPECT_TRUE(Exists("EyeCheck.cfg"));
}

TEST_F(MainWindowTest, ViewpointButtonStartsOneViewpointProgramAndRoutesItsKeys) {
  Run({[&] {
         windows.frmMain.buttonOcumo.PerformClick();
         ASSERT_EQ(p.processes.started.size(), 1u);
         EXPECT_EQ(p.processes.started[0].program, p.dir.Path() / "inst" / "ExePro" / "Ocumo");
         EXPECT_FALSE(p.processes.started[0].takeFocus);
         EXPECT_TRUE(Exists("Ocumo.cfg"));
         EXPECT_EQ(p.pro.main.KeyInputMode, 1);
         EXPECT_EQ(p.hook.swallowCandidates.size(), 12u);
         // A second press while it runs starts no second copy.
         windows.frmMain.buttonOcumo.PerformClick();
         EXPECT_EQ(p.processes.started.size(), 1u);
         EXPECT_TRUE(p.hook.Send(platform::KeyPress(100)));
       },
       [&] {
         // The viewpoint program has ended: its key mode ends with it at the next check.
         p.processes.started[0].running = false;
       },
       [] {}, [] {}, [] {}, [] {}, [] {},  // the watch looks every half second
       [&] {
         EXPECT_EQ(p.pro.main.KeyInputMode, 0);
         EXPECT_TRUE(p.hook.swallowCandidates.empty());
         EXPECT_FALSE(p.hook.Send(platform::KeyPress(100)));
         // Pressed again: a new one starts.
         windows.frmMain.buttonOcumo.PerformClick();
         EXPECT_EQ(p.processes.started.size(), 2u);
         p.processes.started[1].running = false;
         CloseAnswering(ui::Answer::No);
       }});
}

TEST_F(MainWindowTest, ViewpointSetUpDuringAFlightReturnsToTheFlightsKeyMode) {
  Run({[&] {
         SetKeyInputMode(p.pro, kKeyModeFlight);  // as the flight window does
         windows.frmMain.buttonOcumo.PerformClick();
         EXPECT_EQ(p.pro.main.KeyInputMode, kKeyModeViewpoint);
         p.processes.started[0].running = false;
       },
       [] {}, [] {}, [] {}, [] {}, [] {}, [] {},  // the watch looks every half second
       [&] {
         EXPECT_EQ(p.pro.main.KeyInputMode, kKeyModeFlight);
         EXPECT_TRUE(p.hook.swallowCandidates.empty());
         // C, A, 0 with the keys the settings chose for C and A.
         for (const int key : {int{p.pro.main.CommandKeyC}, int{p.pro.main.CommandKeyA}, int{'0'}}) {
           p.hook.Send(platform::KeyPress(key));
           p.hook.Send(platform::KeyRelease(key));
         }
         EXPECT_EQ(p.pro.engine.AnnounceRequest, 10);
         SetKeyInputMode(p.pro, kKeyModeNone);
         CloseAnswering(ui::Answer::No);
       }});
}

TEST_F(MainWindowTest, AMissingViewpointProgramIsNamedInABox) {
  p.processes.failStart = true;
  p.ui.boxes.Expect("視点設定", ui::Answer::Ok, "「 " + (p.dir.Path() / "inst" / "ExePro" / "Ocumo").string() + " 」を起動できません");
  Run({[&] {
         windows.frmMain.buttonOcumo.PerformClick();
         EXPECT_EQ(p.pro.main.KeyInputMode, kKeyModeNone);
         EXPECT_TRUE(p.hook.swallowCandidates.empty());
         EXPECT_EQ(p.ui.boxes.PendingExpectations(), 0u);
         CloseAnswering(ui::Answer::No);
       }});
}

TEST_F(MainWindowTest, ClosingEndsTheViewpointProgramFirstAndKeepsItsReturnedValues) {
  Run({[&] { windows.frmMain.buttonOcumo.PerformClick(); },
       [&] {
         // The viewpoint program ends when its control file goes, writing EyeRet.cfg 1 s later.
         const auto ocumo = p.processes.started.at(0).pid;
         p.ui.pump.After(1s, [&, ocumo] {
           EXPECT_FALSE(Exists("Ocumo.cfg"));
           std::string text = ";EyeRet\r\n";
           for (int i = 0; i < 34; ++i) text += "=" + std::to_string(i == 0 ? 777 : 1) + "\r\n";
           p.dir.WriteBytes("inst/EyeRet.cfg", text);
           p.processes.Close(ocumo);
         });
         CloseAnswering(ui::Answer::No);
       }});
  EXPECT_FALSE(Exists("EyeRet.cfg"));
  EXPECT_EQ(ReadBack("VexlorPro.cfg").files.ViewTable[0][0], "777");
}

TEST_F(MainWindowTest, ClosingWaitsAtMostThreeSecondsForTheViewpointProgram) {
  std::int64_t closedAt = 0;
  Run({[&] { windows.frmMain.buttonOcumo.PerformClick(); },
       [&] {
         closedAt = p.ui.clock.MonotonicNanos();
         CloseAnswering(ui::Answer::No);
       }});
  const double waited = static_cast<double>(p.ui.clock.MonotonicNanos() - closedAt) / 1e9;
  EXPECT_GE(waited, 3.0);
  EXPECT_LT(waited, 3.5);
  EXPECT_TRUE(Exists("VexlorPro.cfg"));
}

// A call-out program started just before the close has not looked for its settings yet:
// it finds none and writes its defaults. The close deletes them again and waits for the
// program to end; one that never ends is closed after ten seconds.
struct CallOutAtClose {
  const char* name;
  bool endsOnItsOwn;
  double minWait, maxWait;
};
void PrintTo(const CallOutAtClose& c, std::ostream* os) { *os << c.name; }

class CallOutAtCloseTest : public MainWindowTest, public ::testing::WithParamInterface<CallOutAtClose> {};

TEST_P(CallOutAtCloseTest, TheCloseOutlastsACallOutProgramStartedJustBefore) {
  const CallOutAtClose& c = GetParam();
  std::int64_t closedAt = 0;
  bool sawItsDefaults = false;
  Run({[&] {
    const int exp = *(p.pro.main.CallOutProcess = p.processes.Start(p.dir.Path() / "inst/ExePro/VexlorEXP", {}, false));
    closedAt = p.ui.clock.MonotonicNanos();
    p.ui.pump.After(500ms, [&] { p.dir.WriteBytes("inst/vexlorEXP.cfg", ";defaults\r\n"); });
    p.ui.pump.After(1500ms, [&, exp] {
      sawItsDefaults = Exists("vexlorEXP.cfg");
      if (c.endsOnItsOwn) p.processes.Close(exp);
    });
    CloseAnswering(ui::Answer::No);
  }});
  const double waited = static_cast<double>(p.ui.clock.MonotonicNanos() - closedAt) / 1e9;
  EXPECT_FALSE(sawItsDefaults) << "its defaults are deleted again while the close waits";
  EXPECT_FALSE(Exists("vexlorEXP.cfg"));
  EXPECT_FALSE(p.processes.IsRunning(p.processes.started.at(0).pid));
  EXPECT_GE(waited, c.minWait);
  EXPECT_LT(waited, c.maxWait);
}

INSTANTIATE_TEST_SUITE_P(Runs, CallOutAtCloseTest,
                         ::testing::Values(CallOutAtClose{"EndsOnItsOwn", true, 1.5, 2.0},
                                           CallOutAtClose{"NeverEnds", false, 10.0, 10.5}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ResumeQuestionNamesTheInterruptedFlight) {
  p.dir.WriteBytes("inst/FlightRestart.cfg", ";\r\n");
  Run({[&] {
         p.ui.boxes.Expect("途中データ読込", ui::Answer::Yes,
                           "前回フライトの途中データがあります。  読込みますか？\n\n航空会社 ： ｘｘｘ\n使用機材 ： ｘｘｘ\n"
                           "出発空港 ： ｘｘｘ\n到着空港 ： ｘｘｘ\n");
         windows.frmMain.buttonStart.PerformClick();
         EXPECT_TRUE(p.pro.main.ResumeRequested);
         EXPECT_EQ(flight.opened, 1);
         flight.form.Unload();
         state::RestartSummaryTexts summary{"JAL", "B767", "羽田", "千歳"};
         datafiles::WriteFlightRestartContentsFile(p.dir.Path() / "inst" / "FlightRestart内容.cfg", summary);
         p.ui.boxes.Expect("途中データ読込", ui::Answer::No, "航空会社 ： JAL\n使用機材 ： B767\n出発空港 ： 羽田\n到着空港 ： 千歳\n");
         windows.frmMain.buttonStart.PerformClick();
         EXPECT_FALSE(p.pro.main.ResumeRequested);
         flight.form.Unload();
         CloseAnswering(ui::Answer::No);
       }});
  EXPECT_EQ(p.ui.boxes.PendingExpectations(), 0u);
}

TEST_F(MainWindowTest, StartTakesBackTheViewpointValuesAndWithoutTablesOpensNoFlight) {
  std::string text = ";EyeRet\r\n";
  for (int i = 0; i < 34; ++i) text += "=" + std::to_string(i == 0 ? 555 : 2) + "\r\n";
  Run({[&] {
         p.dir.WriteBytes("inst/EyeRet.cfg", text);
         windows.frmMain.buttonStart.PerformClick();
         EXPECT_EQ(p.pro.files.ViewTable[0][0], "555");
         EXPECT_FALSE(Exists("EyeRet.cfg"));
         flight.form.Unload();
         windows.frmMain.SetWindowState(ui::WindowState::Normal);
         std::filesystem::remove(p.dir.Path() / "inst" / "会社db.csv");
         p.ui.boxes.Expect("Start", ui::Answer::Ok);
         windows.frmMain.buttonStart.PerformClick();
         EXPECT_EQ(flight.opened, 1);
         EXPECT_EQ(windows.frmMain.State(), ui::WindowState::Normal);
         CloseAnswering(ui::Answer::No);
       }});
}

// Reads of files whose mode is 0 fail while it lives, also in a test run by root: the
// effective user becomes "nobody" (the folders above made passable to it).
class ReadsAsAnotherUser {
 public:
  explicit ReadsAsAnotherUser(const std::vector<std::filesystem::path>& folders) {
    if (::geteuid() != 0) return;
    using P = std::filesystem::perms;
    // Its groups stay root's: the group's bits count for it.
    for (const auto& f : folders)
      std::filesystem::permissions(f, P::group_read | P::group_exec | P::others_read | P::others_exec,
                                   std::filesystem::perm_options::add);
    switched_ = ::seteuid(65534) == 0;
  }
  ~ReadsAsAnotherUser() {
    if (switched_) (void)::seteuid(0);
  }

 private:
  bool switched_ = false;
};

// A file the Start reads that cannot be read names itself, the reason and the way out in
// the box, under the runtime's own text; each Start is refused until it is mended.
struct UnreadableStartFile {
  const char* file;
  const char* remedyPart;
  bool snapshot;  // FlightRestart.cfg beside it: the resume question follows a mended Start
};

class UnreadableStartFileTest : public MainWindowTest, public ::testing::WithParamInterface<UnreadableStartFile> {};

TEST_P(UnreadableStartFileTest, TheBoxNamesTheFileAndEveryStartIsRefusedUntilItIsMended) {
  const auto inst = p.dir.Path() / "inst";
  const auto file = inst / GetParam().file;
  std::filesystem::remove(inst / "RandomFlight.cfg");
  Run({[&] {
         if (GetParam().snapshot) p.dir.WriteBytes("inst/FlightRestart.cfg", ";\r\n");
         if (!Exists(GetParam().file)) p.dir.WriteBytes(std::string("inst/") + GetParam().file, ";\r\n=1\r\n");
         std::filesystem::permissions(file, std::filesystem::perms::none);
         const std::string text = "書き込みできません。\n\nファイル「 " + file.string() +
                                  " 」を読み込めません。\n読み取りが許可されていません（ファイルのアクセス権）。\n\n";
         for (int start = 0; start < 2; ++start) {
           ReadsAsAnotherUser nobody({p.dir.Path(), inst});
           p.ui.boxes.Expect(p.ui.boxes.programName, ui::Answer::Ok, text);
           windows.frmMain.buttonStart.PerformClick();
           ASSERT_FALSE(p.ui.boxes.shown.empty());
           EXPECT_EQ(p.ui.boxes.shown.back().text.rfind(text, 0), 0u) << "the runtime's text first";
           EXPECT_NE(p.ui.boxes.shown.back().text.find(GetParam().remedyPart), std::string::npos);
         }
         EXPECT_EQ(flight.opened, 0);
         EXPECT_EQ(windows.frmMain.State(), ui::WindowState::Normal);
         std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
         if (GetParam().snapshot) p.ui.boxes.Expect("途中データ読込", ui::Answer::No);
         windows.frmMain.buttonStart.PerformClick();
         EXPECT_EQ(flight.opened, 1);
         flight.form.Unload();
         CloseAnswering(ui::Answer::No);
       }});
  EXPECT_EQ(p.ui.boxes.PendingExpectations(), 0u);
  EXPECT_EQ(p.ui.boxes.shown.size(), GetParam().snapshot ? 4u : 3u);
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadableStartFileTest,
    ::testing::Values(UnreadableStartFile{"EyeRet.cfg", "ファイルを削除してください。\n削除すると、視点設定", false},
                      UnreadableStartFile{"FlightRestart内容.cfg", "削除しても、前回フライトの途中から再開できます。", true},
                      UnreadableStartFile{"空港db.csv", "このファイルを読めるまで、フライトを開始できません。", false},
                      UnreadableStartFile{"会社db.csv", "このファイルを読めるまで、フライトを開始できません。", false}));

// The texts of the sample installation's tables (slot, chime, ICAO, button, board name,
// detail name; airlines: slot, button, detail name, safety file).
struct SampleAirport {
  int slot;
  const char* chime;
  const char* icao;
  const char* button;
  const char* board;
  const char* detail;
};
constexpr SampleAirport kSampleAirports[] = {
    {0, "", "RJAA", "成田", "東京(成田)", "成田国際空港"},
    {1, "チャイム羽田.wav", "RJTT", "羽田", "東京(羽田)", "東京国際空港　羽田"},
    {2, "", "RJBB", "関西", "大阪(関西)", "関西国際空港"},
    {3, "", "RJOO", "伊丹", "大阪(伊丹)", "大阪国際空港　伊丹"},
    {4, "", "RJGG", "中部", "名古屋(中部)", "中部国際空港"},
    {5, "", "RJFF", "福岡", "福岡", "福岡空港"},
    {6, "", "ROAH", "那覇", "沖縄(那覇)", "那覇空港"},
    {80, "", "RJCC", "新千歳", "札幌(新千歳)", "新千歳国際空港　札幌"},
    {100, "", "KJFK", "ニューヨーク", "NEW YORK", "ジョン・F・ケネディ国際空港"},
    {101, "", "EGLL", "ロンドン", "LONDON", "ロンドン・ヒースロー空港"},
    {102, "", "KLAX", "ロサンゼルス", "LOS ANGELES", "ロサンゼルス国際空港"},
    {103, "", "WSSS", "シンガポール", "SINGAPORE", "シンガポール・チャンギ国際空港"},
    {104, "", "VHHH", "香港", "HONG KONG", "香港国際空港"},
    {105, "", "RKSI", "ソウル", "SEOUL", "仁川国際空港"},
    {106, "", "LFPG", "パリ", "PARIS", "シャルル・ド・ゴール空港"},
};
constexpr std::array<std::array<const char*, 4>, 8> kSampleAirlines = {{
    {"0", "JAL", "JAL 日本航空", "JAL.wav"},
    {"1", "ANA", "ANA 全日本空輸", ""},
    {"2", "SKY", "SKY スカイマーク", ""},
    {"3", "ADO", "ADO エア・ドゥ", ""},
    {"100", "UAL", "UAL ユナイテッド航空", ""},
    {"101", "BAW", "BAW ブリティッシュ・エアウェイズ", ""},
    {"102", "SIA", "SIA シンガポール航空", ""},
    {"103", "CPA", "CPA キャセイパシフィック航空", ""},
}};

// A table that an editor saved in UTF-8, with its byte-order mark or (as most Linux
// editors do) without, is not read as CP932, which would put other characters in every
// name and have the next save of the table write "?" over them: the Start is refused with
// the table's box, which names the file, its first line that does not read and how it
// must be saved. The same texts in CP932 are read.
struct Utf8Table {
  const char* file;
  bool bom;
};
void PrintTo(const Utf8Table& t, std::ostream* os) { *os << t.file << (t.bom ? " with its mark" : ""); }

class Utf8TableTest : public MainWindowTest, public ::testing::WithParamInterface<Utf8Table> {
 protected:
  void WriteSampleTables() {
    state::AirportTableArray airports;
    for (const SampleAirport& a : kSampleAirports) airports[a.slot] = {1, a.chime, a.icao, a.button, a.board, a.detail};
    state::AirlineTableArray airlines;
    for (const auto& [slot, button, detail, safety] : kSampleAirlines) airlines[std::stoi(slot)] = {1, button, detail, safety};
    datafiles::SaveAirportTable(instPaths, airports);
    datafiles::SaveAirlineTable(instPaths, airlines);
  }
};

TEST_P(Utf8TableTest, TheStartIsRefusedWithABoxNamingTheFileItsLineAndTheEncoding) {
  const auto file = p.dir.Path() / "inst" / GetParam().file;
  std::filesystem::remove(p.dir.Path() / "inst" / "RandomFlight.cfg");
  WriteSampleTables();
  const std::string cp932 = platform::ReadBinaryFile(file);
  const std::string utf8 = (GetParam().bom ? "\xEF\xBB\xBF" : "") + runtime::Cp932ToUtf8(cp932);
  p.dir.WriteBytes(std::string("inst/") + GetParam().file, utf8);
  Run({[&] {
    // The heading line is the first to hold Japanese.
    p.ui.boxes.Expect(p.ui.boxes.programName, ui::Answer::Ok,
                      "ファイル形式が不正です。\n\nファイル「 " + file.string() +
                          " 」を読み込めません。\nUTF-8 で保存されています（1 行目から Shift-JIS (CP932) として読めません）。"
                          "Shift-JIS (CP932) で保存し直してください。\n\nファイルを読めるように");
    windows.frmMain.buttonStart.PerformClick();
    EXPECT_EQ(flight.opened, 0);
    EXPECT_EQ(windows.frmMain.State(), ui::WindowState::Normal);
    EXPECT_EQ(platform::ReadBinaryFile(file), utf8) << "left as the user saved it";
    const bool airports = std::string_view(GetParam().file) == "空港db.csv";
    EXPECT_TRUE(airports ? p.pro.files.AirportTable[1].ICAO.empty() : p.pro.files.AirlineTable[0].選択ボタン.empty());
    // Saved again in Shift-JIS, the table is read and the flight starts.
    p.dir.WriteBytes(std::string("inst/") + GetParam().file, cp932);
    windows.frmMain.buttonStart.PerformClick();
    EXPECT_EQ(flight.opened, 1);
    EXPECT_EQ(p.pro.files.AirportTable[1].チャイム, "チャイム羽田.wav");
    EXPECT_EQ(p.pro.files.AirportTable[101].空港名詳細, "ロンドン・ヒースロー空港");
    EXPECT_EQ(p.pro.files.AirportTable[80].空港名パタパタ, "札幌(新千歳)");
    EXPECT_EQ(p.pro.files.AirlineTable[101].会社名詳細, "BAW ブリティッシュ・エアウェイズ");
    flight.form.Unload();
    CloseAnswering(ui::Answer::No);
  }});
  EXPECT_EQ(p.ui.boxes.PendingExpectations(), 0u);
  EXPECT_EQ(p.ui.boxes.shown.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Tables, Utf8TableTest,
                         ::testing::Values(Utf8Table{"空港db.csv", false}, Utf8Table{"会社db.csv", false},
                                           Utf8Table{"空港db.csv", true}, Utf8Table{"会社db.csv", true}));

// A value that holds a character CP932 lacks (a ship name typed on the briefing sheet) is
// never written as "?": "Yes" at the exit is refused with a box naming the value and the
// character, and both settings files stay as they were.
TEST_F(MainWindowTest, ExitYesRefusesAValueCp932LacksAndLeavesTheFiles) {
  const auto inst = p.dir.Path() / "inst";
  const std::string named = platform::ReadBinaryFile(inst / "Other.cfg");
  const std::string main = platform::ReadBinaryFile(inst / "VexlorPro.cfg");
  Run({[&] {
    p.pro.briefing.TobBriefing.ShipName = "B747-400 ポケモン😀ジェット";
    p.ui.boxes.Expect("設定値の保存", ui::Answer::Yes);
    for (const char* file : {"Other.cfg", "VexlorPro.cfg"}) {
      p.ui.boxes.Expect("設定値の保存", ui::Answer::Ok,
                        std::string("設定ファイル「 ") + file + " 」を保存できませんでした。\n"
                            "設定値 135（シップ）の文字「😀」は Shift-JIS (CP932) で保存できません。");
    }
    windows.frmMain.buttonExit.PerformClick();
  }});
  EXPECT_EQ(p.ui.boxes.PendingExpectations(), 0u);
  EXPECT_EQ(platform::ReadBinaryFile(inst / "Other.cfg"), named);
  EXPECT_EQ(platform::ReadBinaryFile(inst / "VexlorPro.cfg"), main);
}

// Values loaded while the main window shows (a resumed flight's) reach its option boxes,
// so the Start or the exit does not copy the old texts back over them.
TEST_F(MainWindowTest, OptionBoxesShowValuesLoadedLater) {
  state::ProContext seed;
  seed.svc = p.pro.svc;
  seed.boxes = &p.ui.boxes;
  mainfiles::ApplyDefaultSettings(seed);
  seed.engine.BgmMode = "MIDI";
  seed.main.SpeedCallOption = "OFF";
  ASSERT_TRUE(mainfiles::SaveSettingsFile(seed, "Resumed.cfg"));
  Run({[&] {
         windows.frmMain.comboBGM.SetText("MP3");
         ASSERT_TRUE(mainfiles::LoadSettingsFile(p.pro, "Resumed.cfg"));
       },
       [] {}, [] {}, [] {}, [] {}, [] {},  // the window's half-second timer shows them
       [&] {
         EXPECT_EQ(windows.frmMain.comboBGM.Text(), "MIDI");
         CloseAnswering(ui::Answer::No);
       }});
  EXPECT_EQ(p.pro.engine.BgmMode, "MIDI");
  EXPECT_EQ(p.pro.main.SpeedCallOption, "OFF");
}

TEST_F(MainWindowTest, ReportAdviceOnlyBeyondOneHundredAndOneFiles) {
  for (int i = 0; i < 101; ++i) p.dir.WriteBytes("inst/FlightReport/Report_" + std::to_string(i) + ".txt", "");
  Run({[&] { CloseAnswering(ui::Answer::No); }});
  EXPECT_EQ(p.ui.boxes.shown.size(), 1u);
}

TEST_F(MainWindowTest, ReportAdviceWithOneHundredAndTwoFiles) {
  for (int i = 0; i < 102; ++i) p.dir.WriteBytes("inst/FlightReport/Report_" + std::to_string(i) + ".txt", "");
  p.ui.boxes.Expect("フライトレポート", ui::Answer::Ok,
                    "フライトレポートのファイル数が１００を超えました。\n\nFlightReport フォルダー内のフライトレポートファイルを整理してください。");
  Run({[&] { CloseAnswering(ui::Answer::No); }});
  EXPECT_EQ(p.ui.boxes.PendingExpectations(), 0u);
}

struct PictureCase {
  int choice;
  double random;  // drawn for the random choice
  int picture;    // 1 to 5
};

class PictureTest : public MainWindowTest, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(PictureTest, CabinAttendantPictureFollowsTheChoice) {
  state::ProContext r = ReadBack("Other.cfg");
  r.briefing.CabinAttendantChoice = static_cast<std::int16_t>(GetParam().choice);
  ASSERT_TRUE(mainfiles::SaveSettingsFile(r, "Other.cfg"));
  p.random.Push(GetParam().random);
  Run({[&] {
    // Without picture files each attendant has a placeholder of her own.
    const ui::Picture expected = briefing::CabinAttendantPlaceholder(GetParam().picture);
    const QImage* shown = windows.frmMain.Image1.Picture().Image();
    ASSERT_TRUE(shown);
    EXPECT_EQ(*shown, *expected.Image());
    CloseAnswering(ui::Answer::No);
  }});
}

INSTANTIATE_TEST_SUITE_P(Choices, PictureTest,
                         ::testing::Values(PictureCase{2, 0, 2}, PictureCase{4, 0, 4}, PictureCase{7, 0, 5},
                                           PictureCase{0, 0.1, 1}, PictureCase{0, 0.7, 5}, PictureCase{0, 0.9, 5}));

class CaptainNameTest : public StartupTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(CaptainNameTest, EmptyOrIsNullNameBecomesTheProgramsName) {
  p.ui.pump.After(100ms, [&] {
    windows.frmPass.tbxUserName.SetText(GetParam());
    windows.frmPass.tbxUserName.onKeyDown(13, 0);  // Enter in the name box starts as the button does
  });
  p.ui.pump.After(200ms, [&] {
    EXPECT_EQ(p.pro.main.CaptainName, "VexlorPro");
    EXPECT_EQ(windows.frmPass.tbxUserName.Text(), "VexlorPro");
    p.ui.boxes.Expect("設定値の保存", ui::Answer::No);
    windows.frmMain.buttonExit.PerformClick();
  });
  EXPECT_EQ(RunVexlorPro(p.ui.env, windows), 0);
}

INSTANTIATE_TEST_SUITE_P(Names, CaptainNameTest, ::testing::Values("", "IsNull"));

}  // namespace
}  // namespace vx::mainwindow
