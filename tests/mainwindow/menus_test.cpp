// The main window's menus and the windows they open: settings files through the File
// menu, the help panel's buttons from the flight and from the menu, the key settings and
// the version window.
#include <gtest/gtest.h>

#include <QAction>

#include <optional>
#include <string>
#include <vector>

#include "announce/flight_forms_open.h"
#include "announce/flight_window_opener.h"
#include "datafiles/positional_text.h"
#include "mainfiles/settings_file.h"
#include "mainfiles/settings_loader.h"
#include "mainwindow/key_sequence.h"
#include "mainwindow/pro_program.h"
#include "mainwindow/vexlor_pro.h"
#include "platform/instance_lock.h"
#include "platform/sim_ipc_client.h"

namespace vx::mainwindow {
namespace {

constexpr int A = 65, C = 67, kEsc = simlink::kVkEsc;
constexpr int D(int n) { return 48 + n; }

class NoFlightWindow final : public announce::FlightWindowOpener {
 public:
  bool FlightWindowOpen() const override { return false; }
  void OpenFlightWindow() override {}
};

class PlainForm final : public ui::Form {
 public:
  PlainForm(ui::UiEnv& env, std::string name) : Form(env, std::move(name)) {}
};

class MenusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    p.pro.svc.sim = &sim;
    main.Show();
    p.pro.main.keyWindows.frmTOB = &sheet;  // the briefing sheet of B-B
  }
  void Choose(ui::Menu& entry) { entry.Action()->trigger(); }
  std::filesystem::path Base(const std::string& name) const { return p.dir.Path() / name; }
  // A settings file saved by another run: its music choice is MIDI.
  void WriteSettingsFile(const std::filesystem::path& folder, const std::string& name) {
    platform::Paths paths{folder};
    state::ProContext other;
    other.svc = p.pro.svc;
    other.svc.paths = &paths;
    other.boxes = &p.ui.boxes;
    mainfiles::ApplyDefaultSettings(other);
    other.files.SettingsFileName = name;
    other.engine.BgmMode = "MIDI";
    ASSERT_TRUE(mainfiles::SaveSettingsFile(other, name));
  }

  test::ProProgram p;
  platform::SimVariableArea area;
  platform::InProcessSimIpcClient sim{area};
  platform::ScriptedInstanceLock lock;
  NoFlightWindow flight;
  VexlorProWindows windows{p.ui.env, p.pro, flight, lock, p.dir.Path() / "ExePro"};
  FrmMain& main = windows.frmMain;
  PlainForm sheet{p.ui.env, "frmTOB"};
};

TEST_F(MenusTest, SaveWithAnEmptyNameBoxSavesVexlorProCfg) {
  std::filesystem::remove(Base("VexlorPro.cfg"));
  main.tbxファイル名.SetText("");
  p.ui.boxes.Expect("上書き保存", ui::Answer::Ok, "VexlorPro.cfg に上書き保存しました");
  Choose(main.mnuFileSave);
  EXPECT_TRUE(std::filesystem::exists(Base("VexlorPro.cfg")));
  EXPECT_EQ(main.tbxファイル名.Text(), "VexlorPro.cfg");
  EXPECT_EQ(p.ui.boxes.PendingExpectations(), 0u);
}

TEST_F(MenusTest, OpenLoadsAFileOfTheBaseFolderAndNamesIt) {
  WriteSettingsFile(p.dir.Path(), "Mine.cfg");
  p.ui.dialogs.Expect(ui::FileDialogKind::Open, "開く", Base("Mine.cfg").string());
  p.ui.boxes.Expect("開く", ui::Answer::Ok, "Mine.cfg を読み込みました");
  main.buttonFile.PerformClick();
  EXPECT_EQ(main.comboBGM.Text(), "MIDI");
  EXPECT_EQ(main.tbxファイル名.Text(), "Mine.cfg");
  EXPECT_EQ(p.pro.files.SettingsFileName, "Mine.cfg");
  ASSERT_EQ(p.ui.dialogs.shown.size(), 1u);
  EXPECT_EQ(p.ui.dialogs.shown[0].request.filter, "VexlorPro ファイル (*.cfg)|*.cfg");
  EXPECT_EQ(p.ui.dialogs.shown[0].request.initialFolder, p.dir.Path().string());
  EXPECT_EQ(p.ui.boxes.PendingExpectations(), 0u);
}

TEST_F(MenusTest, AFileOutsideTheBaseFolderIsRefusedAndNothingChanges) {
  std::filesystem::create_directories(Base("elsewhere"));
  WriteSettingsFile(Base("elsewhere"), "Mine.cfg");
  const std::string name = p.pro.files.SettingsFileName;
  p.ui.dialogs.Expect(ui::FileDialogKind::Open, "開く", Base("elsewhere/Mine.cfg").string());
  p.ui.boxes.Expect("開く", ui::Answer::Ok, "フォルダー");
  Choose(main.mnuFileOpen);
  p.ui.dialogs.Expect(ui::FileDialogKind::Save, "保存", Base("elsewhere/New.cfg").string());
  p.ui.boxes.Expect("保存", ui::Answer::Ok, "フォルダー");
  Choose(main.mnuFileSaveAs);
  EXPECT_EQ(main.comboBGM.Text(), "MP3");
  EXPECT_EQ(p.pro.files.SettingsFileName, name);
  EXPECT_EQ(main.tbxファイル名.Text(), name);
  EXPECT_FALSE(std::filesystem::exists(Base("elsewhere/New.cfg")));
  EXPECT_FALSE(std::filesystem::exists(Base("New.cfg")));
  EXPECT_EQ(p.ui.boxes.PendingExpectations(), 0u);
}

// A name CP932 cannot keep would be written into "VexlorPro.cfg" as another name and fall
// back to the defaults at the next start: it is refused, naming the characters.
struct UnkeptName {
  const char* name;
  const char* named;  // the characters the box names
};

class UnkeptNameTest : public MenusTest, public ::testing::WithParamInterface<UnkeptName> {};

TEST_P(UnkeptNameTest, SaveAsAndOpenRefuseANameCp932CannotKeep) {
  const std::string name = GetParam().name;
  // A file of that name, as another program may have left it (no save writes such a
  // name into a file).
  WriteSettingsFile(p.dir.Path(), "Mine.cfg");
  std::filesystem::copy_file(Base("Mine.cfg"), Base(name));
  const std::string current = p.pro.files.SettingsFileName;
  p.ui.dialogs.Expect(ui::FileDialogKind::Save, "保存", Base(name + ".new").string());
  p.ui.boxes.Expect("保存", ui::Answer::Ok, std::string("記録できない文字があります：\n\n") + GetParam().named + "\n");
  Choose(main.mnuFileSaveAs);
  EXPECT_FALSE(std::filesystem::exists(Base(name + ".new")));
  p.ui.dialogs.Expect(ui::FileDialogKind::Open, "開く", Base(name).string());
  p.ui.boxes.Expect("開く", ui::Answer::Ok, std::string("記録できない文字があります：\n\n") + GetParam().named + "\n");
  Choose(main.mnuFileOpen);
  EXPECT_EQ(main.comboBGM.Text(), "MP3") << "nothing loaded";
  EXPECT_EQ(p.pro.files.SettingsFileName, current);
  EXPECT_EQ(main.tbxファイル名.Text(), current);
  EXPECT_EQ(p.ui.boxes.PendingExpectations(), 0u);
  EXPECT_EQ(p.ui.boxes.shown.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Names, UnkeptNameTest,
                         ::testing::Values(UnkeptName{"café.cfg", "é"}, UnkeptName{"旅🛫行🛫.cfg", "🛫"},
                                           UnkeptName{"東京〜大阪.cfg", "〜"}, UnkeptName{"한é.cfg", "한 é"}));

TEST_F(MenusTest, SaveAsTakesANameOfFullWidthAndHalfWidthKana) {
  p.ui.dialogs.Expect(ui::FileDialogKind::Save, "保存", Base("羽田～千歳ｶﾅ.cfg").string());
  p.ui.boxes.Expect("保存", ui::Answer::Ok, "羽田～千歳ｶﾅ.cfg に保存しました");
  Choose(main.mnuFileSaveAs);
  EXPECT_EQ(p.pro.files.SettingsFileName, "羽田～千歳ｶﾅ.cfg");
  EXPECT_EQ(p.ui.boxes.PendingExpectations(), 0u);
}

TEST_F(MenusTest, CancellingEitherDialogIsSilent) {
  const std::string name = p.pro.files.SettingsFileName;
  p.ui.dialogs.Expect(ui::FileDialogKind::Open, "開く", std::nullopt);
  p.ui.dialogs.Expect(ui::FileDialogKind::Save, "保存", std::nullopt);
  Choose(main.mnuFileOpen);
  Choose(main.mnuFileSaveAs);
  EXPECT_TRUE(p.ui.boxes.shown.empty());
  EXPECT_EQ(p.pro.files.SettingsFileName, name);
  EXPECT_EQ(p.ui.dialogs.PendingExpectations(), 0u);
}

TEST_F(MenusTest, SaveAsWritesTheFileUnderItsNameAndShowsSaved) {
  p.ui.dialogs.Expect(ui::FileDialogKind::Save, "保存", Base("New.cfg").string());
  p.ui.boxes.Expect("保存", ui::Answer::Ok, "New.cfg に保存しました");
  Choose(main.mnuFileSaveAs);
  ASSERT_TRUE(std::filesystem::exists(Base("New.cfg")));
  EXPECT_EQ(datafiles::ReadPositionalFile(Base("New.cfg")).at(0), "New.cfg");
  EXPECT_EQ(main.tbxファイル名.Text(), "New.cfg");
  EXPECT_EQ(p.pro.files.SettingsFileName, "New.cfg");
  EXPECT_EQ(p.ui.boxes.PendingExpectations(), 0u);
}

// A save that fails reports itself ("設定値の保存") and shows no success box.
TEST_F(MenusTest, ASaveThatFailsShowsNoSuccessBox) {
  std::filesystem::create_directories(Base("Busy.cfg"));
  const std::string name = p.pro.files.SettingsFileName;
  p.ui.dialogs.Expect(ui::FileDialogKind::Save, "保存", Base("Busy.cfg").string());
  p.ui.boxes.Expect("設定値の保存", ui::Answer::Ok);
  Choose(main.mnuFileSaveAs);
  EXPECT_EQ(p.pro.files.SettingsFileName, name);
  p.pro.files.SettingsFileName = "Busy.cfg";
  p.ui.boxes.Expect("設定値の保存", ui::Answer::Ok);
  Choose(main.mnuFileSave);
  ASSERT_EQ(p.ui.boxes.shown.size(), 2u);
  EXPECT_EQ(p.ui.boxes.PendingExpectations(), 0u);
}

// The current file named by "VexlorPro.cfg" did not load at the start (a value that does
// not convert): File > Save leaves it as it is and says so; chosen in Save As, it is
// written, and from then on File > Save writes it too.
TEST_F(MenusTest, SaveLeavesACurrentFileThatDidNotLoadAndSaveAsStillWritesIt) {
  const std::string bad = ";VexlorPro.cfg V1.11\r\n=Bad.cfg\r\n=top\r\n";
  p.dir.WriteBytes("Bad.cfg", bad);
  p.ui.boxes.Expect("CFG Read", ui::Answer::Ok, "「 Bad.cfg 」の設定値 1 を読み込めません");
  ASSERT_FALSE(mainfiles::LoadSettingsFile(p.pro, "Bad.cfg"));
  p.pro.files.SettingsFileName = "Bad.cfg";
  main.tbxファイル名.SetText("Bad.cfg");
  p.ui.boxes.Expect("設定値の保存", ui::Answer::Ok, "「 Bad.cfg 」は上書きしません。\nこの起動で読み込めていないファイルです。");
  Choose(main.mnuFileSave);
  EXPECT_EQ(p.dir.ReadBytes("Bad.cfg"), bad);

  p.ui.dialogs.Expect(ui::FileDialogKind::Save, "保存", Base("Bad.cfg").string());
  p.ui.boxes.Expect("保存", ui::Answer::Ok, "Bad.cfg に保存しました");
  Choose(main.mnuFileSaveAs);
  EXPECT_EQ(datafiles::ReadPositionalFile(Base("Bad.cfg")).at(0), "Bad.cfg");
  p.ui.boxes.Expect("上書き保存", ui::Answer::Ok, "Bad.cfg に上書き保存しました");
  Choose(main.mnuFileSave);
  EXPECT_EQ(p.ui.boxes.PendingExpectations(), 0u);
  EXPECT_EQ(p.ui.boxes.shown.size(), 4u);
}

// Each button of the help panel, opened from the flight or from the menu.
TEST_F(MenusTest, HelpButtonsFromTheFlightAndFromTheMenu) {
  struct Row {
    const char* button;
    bool fromFlight;
    int request;
    bool abort;
    const char* opened;  // the window the button opens, "" none
    bool openedFromFlight;
    bool unloaded;
    int atc;
  };
  const Row rows[] = {
      {"buttonCA2", true, 12, false, "", false, true, 0},   {"buttonCA2", false, 0, false, "", false, true, 0},
      {"buttonCC", true, 20, false, "", false, true, 0},    {"buttonB0", true, 50, false, "", false, true, 0},
      {"buttonB7", true, 57, false, "", false, true, 0},    {"buttonB7", false, 0, false, "", false, true, 0},
      {"buttonCB", true, 0, true, "", false, true, 0},      {"buttonCB", false, 0, false, "", false, true, 0},
      {"buttonBA", true, 0, false, "", false, true, 3},     {"buttonBA", false, 0, false, "", false, true, 0},
      {"buttonBB", true, 0, false, "frmTOB", true, true, 0}, {"buttonBB", false, 0, false, "", false, true, 0},
      {"buttonB2", false, 0, false, "frmPB", false, true, 0},
      {"buttonB3", true, 0, false, "frm音声設定", true, true, 0},
      {"buttonB3", false, 0, false, "frm音声設定", false, true, 0},
      {"buttonB4", true, 0, false, "frmキー設定", true, true, 0},
      {"buttonB1", true, 0, false, "", false, false, 0},   {"buttonExit", true, 0, false, "", false, true, 0},
  };
  ui::Form* const windowsOpened[] = {&sheet, &windows.frmPB, &windows.frm音声設定, &windows.frmキー設定};
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.button) + (r.fromFlight ? " from the flight" : " from the menu"));
    auto& e = p.pro.engine;
    e.AnnounceRequest = 0;
    e.AnnounceAbort = true;  // opening the panel clears it
    p.pro.flight.AtcChatterState = 0;
    p.pro.main.TobFromFlight = p.pro.main.KeyFormFromFlight = !r.openedFromFlight;
    p.pro.briefing.PushbackFormFromFlight = p.pro.briefing.VoiceFormFromFlight = !r.openedFromFlight;
    if (r.fromFlight) {
      announce::OpenHelpForm(p.pro);
    } else {
      Choose(main.mnuHelpDisp);
    }
    ASSERT_TRUE(windows.frmHelp.Loaded());
    EXPECT_FALSE(e.AnnounceAbort);
    windows.frmHelp.Button(r.button).PerformClick();

    EXPECT_EQ(e.AnnounceRequest, r.request);
    EXPECT_EQ(e.AnnounceAbort, r.abort);
    EXPECT_EQ(p.pro.flight.AtcChatterState, r.atc);
    EXPECT_EQ(windows.frmHelp.Loaded(), !r.unloaded);
    for (ui::Form* w : windowsOpened) EXPECT_EQ(w->Loaded(), w->Name() == r.opened) << w->Name();
    const std::string opened = r.opened;
    if (opened == "frmTOB") {
      EXPECT_EQ(p.pro.main.TobFromFlight, r.openedFromFlight);
    } else if (opened == "frmPB") {
      EXPECT_EQ(p.pro.briefing.PushbackFormFromFlight, r.openedFromFlight);
    } else if (opened == "frm音声設定") {
      EXPECT_EQ(p.pro.briefing.VoiceFormFromFlight, r.openedFromFlight);
    } else if (opened == "frmキー設定") {
      EXPECT_EQ(p.pro.main.KeyFormFromFlight, r.openedFromFlight);
    }
    for (ui::Form* w : windowsOpened) w->Unload();
    windows.frmHelp.Unload();
  }
}

// "C - B" ends the rotating view as the key path does, so A-A starts it again.
TEST_F(MenusTest, HelpCancelEndsTheRotatingViewAndAAWorksAgain) {
  p.pro.main.KeyInputMode = kKeyModeFlight;
  p.pro.main.ViewSwitchOption = "ON";
  p.TypeKeys({A, A});
  ASSERT_EQ(p.pro.flight.RotatingViewState, 1);
  ASSERT_TRUE(p.paths.Exists("\\EyeView.cfg"));
  announce::OpenHelpForm(p.pro);
  windows.frmHelp.Button("buttonCB").PerformClick();
  EXPECT_EQ(p.pro.flight.RotatingViewState, 0);
  EXPECT_FALSE(p.paths.Exists("\\EyeView.cfg"));
  EXPECT_EQ(p.FlightText(announce::FlightBox::tbx処理内容), "");
  EXPECT_TRUE(p.pro.engine.AnnounceAbort);
  p.TypeKeys({A, A});
  EXPECT_EQ(p.pro.flight.RotatingViewState, 1);
}

// Once the flight window has closed, the flight's buttons only close the panel.
TEST_F(MenusTest, ThePanelOutlivingItsFlightLeavesNothingForTheNext) {
  announce::OpenHelpForm(p.pro);
  p.pro.engine.FlightWindowClosed = true;
  windows.frmHelp.Button("buttonCA2").PerformClick();
  EXPECT_FALSE(windows.frmHelp.Loaded());
  announce::OpenHelpForm(p.pro);
  p.pro.engine.FlightWindowClosed = true;
  windows.frmHelp.Button("buttonCB").PerformClick();
  announce::OpenHelpForm(p.pro);
  p.pro.engine.FlightWindowClosed = true;
  windows.frmHelp.Button("buttonB3").PerformClick();
  EXPECT_EQ(p.pro.engine.AnnounceRequest, 0);
  EXPECT_FALSE(p.pro.engine.AnnounceAbort);
  EXPECT_TRUE(windows.frm音声設定.Loaded());
  EXPECT_FALSE(p.pro.briefing.VoiceFormFromFlight);
}

TEST_F(MenusTest, KeySettingsKeepCodesThatAreNotWholeNumbersFrom1To254) {
  struct Row {
    const char* what;
    const char* typedA;  // null: left as shown
    bool defaultB;
    bool byOK;
    int keyA, keyB;
    bool kept;
  };
  const Row rows[] = {
      {"unchanged", nullptr, false, true, 81, 90, false}, {"default B", nullptr, true, false, 81, 66, false},
      {"113", "113", false, true, 113, 90, false},        {"empty", "", false, false, 81, 90, true},
      {"x", "x", false, true, 81, 90, true},              {"0", "0", false, false, 81, 90, true},
      {"255", "255", false, true, 81, 90, true},
  };
  Frmキー設定& form = windows.frmキー設定;
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    p.pro.main.CommandKeyA = 81;
    p.pro.main.CommandKeyB = 90;
    Choose(main.mnuSetKey);
    ASSERT_TRUE(form.Loaded());
    EXPECT_FALSE(p.pro.main.KeyFormFromFlight);
    EXPECT_EQ(form.tbxA.Text(), "81");
    if (r.typedA) form.tbxA.SetText(r.typedA);
    if (r.defaultB) form.buttonDefB.PerformClick();
    if (r.kept) p.ui.boxes.Expect("キー設定", ui::Answer::Ok, "２．「Ａ」 コマンドキー");
    if (r.byOK) {
      form.buttonOK.PerformClick();
    } else {
      form.Unload(ui::UnloadMode::ControlMenu);
    }
    EXPECT_FALSE(form.Loaded());
    EXPECT_EQ(p.pro.briefing.DialogOpenFlag, 0);
    EXPECT_FALSE(p.pro.flight.KeyFormOpenFlag);
    EXPECT_EQ(p.pro.main.CommandKeyA, r.keyA);
    EXPECT_EQ(p.pro.main.CommandKeyB, r.keyB);
    EXPECT_EQ(p.ui.boxes.PendingExpectations(), 0u);
  }
}

TEST_F(MenusTest, TheKeyHookIgnoresEveryKeyWhileTheKeySettingsAreOpen) {
  p.pro.main.KeyInputMode = kKeyModeFlight;
  Choose(main.mnuSetKey);
  p.TypeKeys({C, A, D(2), kEsc});
  EXPECT_EQ(p.pro.engine.AnnounceRequest, 0);
  ASSERT_TRUE(windows.frmキー設定.Loaded());
  EXPECT_EQ(p.pro.briefing.DialogOpenFlag, -1);
  EXPECT_TRUE(p.pro.flight.KeyFormOpenFlag);
  windows.frmキー設定.buttonOK.PerformClick();
  p.TypeKeys({C, A, D(2)});
  EXPECT_EQ(p.pro.engine.AnnounceRequest, 12);
}

TEST_F(MenusTest, SettingsAndVersionEntriesOpenTheirWindowsOnTop) {
  for (ui::Menu* entry : {&main.mnuSetPB, &main.mnuSetSound, &main.mnuHelpVer}) Choose(*entry);
  for (ui::Form* w : std::initializer_list<ui::Form*>{&windows.frmPB, &windows.frm音声設定, &windows.frmVer}) {
    EXPECT_TRUE(w->Loaded()) << w->Name();
    EXPECT_TRUE(w->Topmost()) << w->Name();
  }
  EXPECT_EQ(windows.frmVer.Label3.Caption(), "VexlorPro 3");
  EXPECT_FALSE(windows.frmVer.Image1.Picture().Empty());
  windows.frmVer.buttonExit.PerformClick();
  EXPECT_FALSE(windows.frmVer.Loaded());
}

}  // namespace
}  // namespace vx::mainwindow
