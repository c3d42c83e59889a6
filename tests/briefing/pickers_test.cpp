#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

#include <chrono>
#include <filesystem>
#include <functional>

#include "briefing/frm_picker.h"
#include "briefing/registration_editors.h"
#include "datafiles/airport_airline_tables.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "state/pro_context.h"
#include "support/temp_dir.h"
#include "ui/ui_test_env.h"
#include "ui/window_handles.h"

namespace vx::briefing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

void RightPress(ui::Control& c) {
  QWidget* w = c.Widget();
  ASSERT_NE(w, nullptr);
  const QPoint at(2, 2);
  QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::RightButton, Qt::RightButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(w, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::RightButton, Qt::NoButton,
                      Qt::NoModifier);
  QCoreApplication::sendEvent(w, &release);
}

// Haneda in slot 0 with its voices, Sapporo in slot 1, Honolulu in slot 105; JAL in
// airline slot 0 with its voices.
class PickersTest : public ::testing::Test {
 protected:
  PickersTest() {
    pro.svc.clock = &ui.clock;
    pro.svc.pump = &ui.pump;
    pro.svc.paths = &paths;
    pro.boxes = &ui.boxes;
    state::AirportTableArray& a = pro.files.AirportTable;
    a[0] = {1, "", "RJTT", "羽田", "東　京　 羽田", "東京国際空港", 3945000, 1667000000, 21, -540, -540};
    a[1] = {0, "", "RJCC", "新千歳", "札　 幌　 新千歳", "札幌　新千歳国際空港", 4770000, 1686000000, 82, -540, -540};
    a[105] = {0, "", "PHNL", "ホノルル", "ホノルル", "ホノルル国際空港", 2369000, -1889000000, 13, 600, 600};
    a[101] = {1, "", "EGLL", "ロンドン", "ロンドン", "ロンドン　ヒースロー空港", 5732000, -5400000, 83, 0, 0};
    pro.files.AirlineTable[0] = {1, "JAL", "日本航空", ""};
    pro.files.AirlineTable[101] = {1, "BA", "英国航空", "ba.wav"};
    sheet.FillTobRoute = [this](int arg) { routeFills.push_back(arg); };
    sheet.FillTobHeader = [this] { ++headerFills; };
  }
  std::string AirportFile() const { return (dir.Path() / "空港db.csv").string(); }
  std::vector<std::string> AirportFileLines() const { return platform::ReadTextLines(dir.Path() / "空港db.csv"); }
  // Chooses the popup's entry on button k and answers the box that follows.
  void Popup(FrmPicker& p, int k, const char* entry, ui::Answer answer = ui::Answer::Yes) {
    ui.popups.Expect("mnuPopup", entry);
    ui.boxes.Expect(std::string(p.BoxTitle()), answer);
    RightPress(p.Button(k));
  }

  // The user's sequence on the two pickers of one table: an edit of an empty slot from
  // the first picker; while its editor is open, an edit of a slot with voices from the
  // second; then OK in the first editor, and OK in the second's if one opened. The second
  // edit is refused while the first is open, so the first editor writes its own slot.
  void SecondEditWhileTheFirstIsOpen(FrmPicker& first, int firstButton, FrmPicker& second, int secondButton,
                                     const std::function<void()>& typeIntoFirstAndOk,
                                     const std::function<void()>& okInSecondIfOpen) {
    first.OpenFromSheet(0);
    second.OpenFromSheet(1);
    ui.pump.After(5ms, [&] {
      ASSERT_TRUE(first.Editor().Loaded());
      ui.pump.After(5ms, [&] {
        typeIntoFirstAndOk();
        okInSecondIfOpen();
      });
      second.Activate();
      ui::test::Settle();
      ui.popups.Expect("mnuPopup", "mnuPopup変更");
      RightPress(second.Button(secondButton));
      EXPECT_FALSE(second.Editor().Loaded()) << "a second edit of the table while one is open";
      EXPECT_FALSE(second.Editing());
      ui::test::Settle();
      EXPECT_EQ(ui::ForegroundWindow(ui.env), first.Editor().Handle()) << "the open editor comes to the front";
    });
    Popup(first, firstButton, "mnuPopup変更");
    EXPECT_FALSE(first.Editing());
    EXPECT_FALSE(first.Editor().Loaded());
    EXPECT_EQ(ui.boxes.shown.size(), 1u) << "only the first edit asked";
    EXPECT_EQ(ui.popups.PendingExpectations(), 0u);

    // Once the first edit has ended, the second picker edits as before.
    ui.pump.After(5ms, okInSecondIfOpen);
    Popup(second, secondButton, "mnuPopup変更");
    EXPECT_FALSE(second.Editor().Loaded());
    EXPECT_EQ(ui.boxes.shown.back().title, second.BoxTitle());
    second.buttonExit.PerformClick();
    first.buttonExit.PerformClick();
  }

  ui::test::UiTestEnv ui;
  vx::test::TempDir dir;
  platform::Paths paths{dir.Path()};
  state::ProContext pro;
  TobSheetCalls sheet;
  std::vector<int> routeFills;
  int headerFills = 0;
  PickerSet pickers{ui.env, pro, sheet};
};

TEST_F(PickersTest, CaptionsTooltipsTitlesAndRowLabels) {
  FrmPicker& dom = pickers.frm国内線;
  dom.OpenFromSheet(0);
  EXPECT_EQ(dom.Caption(), "空港選択　国内線");
  EXPECT_EQ(dom.Button(0).Caption(), "+ RJTT   羽田");
  EXPECT_EQ(dom.Button(1).Caption(), "  RJCC   新千歳");
  EXPECT_EQ(dom.Button(2).Caption(), "     ");
  EXPECT_EQ(dom.Button(0).ToolTipText(), "RJTT 東京国際空港");
  EXPECT_EQ(dom.TitleLabel().Caption(), "出発　空港選択　国内線");
  EXPECT_EQ(dom.TitleLabel().BackColor(), ui::Colour::Palette(9));
  EXPECT_EQ(dom.RowLabel(9).Caption(), "北海道（２）");
  EXPECT_EQ(dom.Label登録.Caption(), "ボタンを右クリックで変更ができます。");
  // Shown again for the arrival while still open: the title follows.
  dom.OpenFromSheet(1);
  EXPECT_EQ(dom.TitleLabel().Caption(), "到着　空港選択　国内線");
  EXPECT_EQ(dom.TitleLabel().BackColor(), ui::Colour::Palette(13));

  FrmPicker& intl = pickers.frm国際線;
  intl.OpenFromSheet(0);
  EXPECT_EQ(intl.RowLabel(9).Caption(), "帰国便");
  EXPECT_EQ(intl.mnuPopup削除.Caption(), "登録を削除");
  EXPECT_EQ(intl.TitleLabel().Caption(), "出発　空港選択　国際線");

  FrmPicker& airlines = pickers.frm会社国内線;
  airlines.OpenFromSheet();
  EXPECT_EQ(airlines.Button(0).Caption(), "+ JAL");
  EXPECT_EQ(airlines.Button(1).Caption(), "");
  EXPECT_EQ(airlines.Button(0).ToolTipText(), "日本航空");
  EXPECT_EQ(airlines.TitleLabel().Name(), "Label11");
  EXPECT_EQ(airlines.TitleLabel().Caption(), "航空会社選択　国内線");
  EXPECT_EQ(airlines.Buttons().Count(), 50);
}

TEST_F(PickersTest, ChoosingHandsTheSlotBackAsTextAndRefillsTheSheet) {
  FrmPicker& intl = pickers.frm国際線;
  intl.OpenFromSheet(1);
  intl.Button(5).PerformClick();
  EXPECT_FALSE(intl.Loaded());
  EXPECT_EQ(pro.files.RouteAirports[1].slot, "105");
  EXPECT_EQ(routeFills, (std::vector<int>{0}));
  EXPECT_FALSE(fs::exists(AirportFile()));  // nothing changed: no write

  // The same airport may be both ends.
  intl.OpenFromSheet(0);
  intl.Button(5).PerformClick();
  EXPECT_EQ(pro.files.RouteAirports[0].slot, "105");

  FrmPicker& airlines = pickers.frm会社国内線;
  airlines.OpenFromSheet();
  airlines.Button(0).PerformClick();
  EXPECT_EQ(pro.briefing.SelectedAirlineIndex, "0");
  EXPECT_EQ(headerFills, 1);
}

TEST_F(PickersTest, AClickOnAnEmptySlotOnlyMovesPickerSlot) {
  FrmPicker& dom = pickers.frm国内線;
  dom.OpenFromSheet(0);
  pro.files.RouteAirports[0].slot = "1";
  dom.Button(7).PerformClick();
  EXPECT_TRUE(dom.Loaded());
  EXPECT_EQ(pro.briefing.Pickers.PickerSlot, 7);
  EXPECT_EQ(pro.files.RouteAirports[0].slot, "1");
  EXPECT_TRUE(routeFills.empty());
}

TEST_F(PickersTest, ANewSlotIsRegisteredThroughTheEditorAndSavedAtClose) {
  FrmPicker& dom = pickers.frm国内線;
  dom.OpenFromSheet(0);
  Frm空港登録& editor = *dom.AirportEditor();
  bool modalWhileOpen = false;
  ui.pump.After(5ms, [&] {
    ASSERT_TRUE(editor.Loaded());
    EXPECT_EQ(editor.tbxLatHi.Text(), "0");
    EXPECT_EQ(editor.tbx時差.Text(), "0");
    // The picker takes no command meanwhile.
    dom.Button(0).PerformClick();
    dom.buttonExit.PerformClick();
    modalWhileOpen = dom.Loaded() && pro.files.RouteAirports[0].slot.empty();
    editor.tbxICAO.SetText("RJOO");
    editor.tbxボタン.SetText("伊丹 ");
    editor.tbxパタパタ.SetText("大　 阪　 伊丹");
    editor.tbx詳細名.SetText("大阪国際空港");
    editor.buttonOK.PerformClick();
  });
  ui.boxes.Expect("国内空港登録", ui::Answer::Yes, "新規登録を行います");
  ui.popups.Expect("mnuPopup", "mnuPopup変更");
  RightPress(dom.Button(3));
  EXPECT_EQ(ui.boxes.shown.back().icon, ui::Icon::Information);
  EXPECT_TRUE(modalWhileOpen);
  EXPECT_FALSE(editor.Loaded());
  EXPECT_EQ(pro.briefing.Pickers.AirportEditSlot, state::kNoSlot);
  EXPECT_EQ(pro.files.AirportTable[3].選択ボタン, "伊丹 ");
  EXPECT_EQ(dom.Button(3).Caption(), "  RJOO   伊丹 ");
  EXPECT_EQ(pro.briefing.Pickers.AirportTableChanged, -1);

  dom.buttonExit.PerformClick();
  EXPECT_FALSE(dom.Loaded());
  EXPECT_EQ(pro.briefing.Pickers.AirportTableChanged, 0);
  const auto lines = AirportFileLines();
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[4], "3,0,,RJOO,伊丹,大　 阪　 伊丹,大阪国際空港,0,0,0,0,0");
}

TEST_F(PickersTest, AnEditorClosedByItsFrameEndsTheWaitAndTheTableIsStillSaved) {
  FrmPicker& airlines = pickers.frm会社国内線;
  airlines.OpenFromSheet();
  Frm会社登録& editor = *airlines.AirlineEditor();
  ui.pump.After(5ms, [&] {
    editor.tbx詳細名.SetText("変えたが取り消す");
    editor.Unload(ui::UnloadMode::ControlMenu);
  });
  ui.popups.Expect("mnuPopup", "mnuPopup変更");
  ui.boxes.Expect("国内会社登録", ui::Answer::Yes, "音声付きのデフォルト航空会社です\r\n\r\nそれでも変更しますか？");
  RightPress(airlines.Button(0));
  EXPECT_EQ(ui.boxes.shown.back().icon, ui::Icon::Exclamation);
  EXPECT_FALSE(airlines.Editing());
  EXPECT_EQ(pro.files.AirlineTable[0].会社名詳細, "日本航空");
  airlines.buttonExit.PerformClick();
  const auto lines = platform::ReadTextLines(dir.Path() / "会社db.csv");
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[1], "0,1,JAL,日本航空,");
}

TEST_F(PickersTest, ChangingThenCancellingStillSavesAndNoAnswerChangesNothing) {
  FrmPicker& dom = pickers.frm国内線;
  dom.OpenFromSheet(0);
  Popup(dom, 1, "mnuPopup変更", ui::Answer::No);
  EXPECT_EQ(pro.briefing.Pickers.AirportTableChanged, 0);
  EXPECT_EQ(ui.boxes.shown.back().text, "このボタンはすでに登録されています\r\n\r\n登録を変更しますか？");

  ui.pump.After(5ms, [&] {
    dom.AirportEditor()->tbxICAO.SetText("XXXX");
    dom.AirportEditor()->buttonCancel.PerformClick();
  });
  Popup(dom, 1, "mnuPopup変更");
  EXPECT_EQ(pro.files.AirportTable[1].ICAO, "RJCC");
  dom.buttonExit.PerformClick();
  EXPECT_TRUE(fs::exists(AirportFile()));
}

TEST_F(PickersTest, DeletingClearsTheRecordItsMarkAndIsKeptAcrossTheOtherPickerOfTheTable) {
  FrmPicker& dom = pickers.frm国内線;
  dom.OpenFromSheet(0);
  Popup(dom, 0, "mnuPopup削除");
  EXPECT_EQ(pro.files.AirportTable[0], state::AirportRecord{});
  EXPECT_EQ(dom.Button(0).Caption(), "     ");
  // A deletion on an empty slot asks nothing.
  ui.popups.Expect("mnuPopup", "mnuPopup削除");
  RightPress(dom.Button(2));

  // The other picker of the same table opens and closes without a change: the edit stays
  // marked and is saved.
  FrmPicker& intl = pickers.frm国際線;
  intl.OpenFromSheet(1);
  EXPECT_EQ(pro.briefing.Pickers.AirportTableChanged, -1);
  intl.buttonExit.PerformClick();
  EXPECT_EQ(pro.briefing.Pickers.AirportTableChanged, 0);
  ASSERT_TRUE(fs::exists(AirportFile()));
  EXPECT_EQ(AirportFileLines()[1], "0,0,,,,,,0,0,0,0,0");
  dom.Unload(ui::UnloadMode::ControlMenu);
  EXPECT_EQ(routeFills, (std::vector<int>{0, 0}));
}

TEST_F(PickersTest, AnAirportEditorWritesOnlyItsSlotAndTheOtherPickerWaitsForIt) {
  FrmPicker& dom = pickers.frm国内線;
  FrmPicker& intl = pickers.frm国際線;
  const state::AirportRecord london = pro.files.AirportTable[101];
  SecondEditWhileTheFirstIsOpen(
      dom, 20, intl, 1,
      [&] {
        Frm空港登録& e = *dom.AirportEditor();
        e.tbxICAO.SetText("RJOA");
        e.tbxボタン.SetText("広島");
        e.tbxパタパタ.SetText("広　 島");
        e.tbx詳細名.SetText("広島空港");
        e.buttonOK.PerformClick();
      },
      [&] {
        if (intl.AirportEditor()->Loaded()) intl.AirportEditor()->buttonOK.PerformClick();
      });
  EXPECT_EQ(pro.files.AirportTable[20].選択ボタン, "広島");
  EXPECT_EQ(pro.files.AirportTable[101], london);
  const auto lines = AirportFileLines();
  ASSERT_GE(lines.size(), 103u);
  EXPECT_EQ(lines[21], "20,0,,RJOA,広島,広　 島,広島空港,0,0,0,0,0");
  EXPECT_EQ(lines[102], "101,1,,EGLL,ロンドン,ロンドン,ロンドン　ヒースロー空港,5732000,-5400000,83,0,0");
}

TEST_F(PickersTest, AnAirlineEditorWritesOnlyItsSlotAndTheOtherPickerWaitsForIt) {
  FrmPicker& dom = pickers.frm会社国内線;
  FrmPicker& intl = pickers.frm会社国際線;
  SecondEditWhileTheFirstIsOpen(
      dom, 20, intl, 1,
      [&] {
        Frm会社登録& e = *dom.AirlineEditor();
        e.tbxボタン.SetText("JAC");
        e.tbx詳細名.SetText("日本エアコミューター");
        e.buttonOK.PerformClick();
      },
      [&] {
        if (intl.AirlineEditor()->Loaded()) intl.AirlineEditor()->buttonOK.PerformClick();
      });
  EXPECT_EQ(pro.files.AirlineTable[20], (state::AirlineRecord{0, "JAC", "日本エアコミューター", ""}));
  EXPECT_EQ(pro.files.AirlineTable[101], (state::AirlineRecord{1, "BA", "英国航空", "ba.wav"}));
  const auto lines = platform::ReadTextLines(dir.Path() / "会社db.csv");
  ASSERT_EQ(lines.size(), 101u);  // slots 0 to 49 and 100 to 149
  EXPECT_EQ(lines[21], "20,0,JAC,日本エアコミューター,");
  EXPECT_EQ(lines[52], "101,1,BA,英国航空,ba.wav");
}

// The other picker of the table closes (and saves) while an edit is open: the edit is
// still saved when its own picker closes.
TEST_F(PickersTest, AnEditStaysToBeSavedWhenTheOtherPickerClosesMeanwhile) {
  FrmPicker& dom = pickers.frm会社国内線;
  FrmPicker& intl = pickers.frm会社国際線;
  dom.OpenFromSheet();
  intl.OpenFromSheet();
  ui.pump.After(5ms, [&] {
    intl.buttonExit.PerformClick();
    ASSERT_FALSE(intl.Loaded());
    Frm会社登録& e = *dom.AirlineEditor();
    e.tbxボタン.SetText("JAC");
    e.tbx詳細名.SetText("日本エアコミューター");
    e.buttonOK.PerformClick();
  });
  Popup(dom, 20, "mnuPopup変更");
  dom.buttonExit.PerformClick();
  EXPECT_EQ(pro.briefing.Pickers.AirlineTableChanged, 0);
  EXPECT_EQ(platform::ReadTextLines(dir.Path() / "会社db.csv").at(21), "20,0,JAC,日本エアコミューター,");
}

TEST_F(PickersTest, AReadOnlyTableFileIsReportedAndSavedAtTheNextClose) {
  datafiles::SaveAirportTable(paths, pro.files.AirportTable);
  fs::permissions(AirportFile(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  FrmPicker& dom = pickers.frm国内線;
  dom.OpenFromSheet(0);
  Popup(dom, 1, "mnuPopup削除");
  ui.boxes.Expect("国内空港登録", ui::Answer::Ok, "空港db.csv");
  dom.buttonExit.PerformClick();
  EXPECT_FALSE(dom.Loaded());
  EXPECT_EQ(ui.boxes.PendingExpectations(), 0u);
  EXPECT_EQ(pro.briefing.Pickers.AirportTableChanged, -1);
  EXPECT_EQ(pro.files.AirportTable[1], state::AirportRecord{});
  EXPECT_EQ(AirportFileLines()[2].substr(0, 9), "1,0,,RJCC");

  fs::permissions(AirportFile(), fs::perms::owner_write, fs::perm_options::add);
  dom.OpenFromSheet(0);
  dom.buttonExit.PerformClick();
  EXPECT_EQ(pro.briefing.Pickers.AirportTableChanged, 0);
  EXPECT_EQ(AirportFileLines()[2], "1,0,,,,,,0,0,0,0,0");
}

// A text the table file (CP932) cannot hold, typed into the editor, is refused at OK with
// a box naming the box and the character; the table on disk keeps its bytes.
TEST_F(PickersTest, ATextCp932LacksIsRefusedAtOkAndTheTableFileStays) {
  struct Case {
    const char* box;
    const char* label;
    const char* character;
  };
  const Case cases[] = {{"tbxチャイム", "ロビーのチャイム", "😀"}, {"tbx詳細名", "空港名　詳細", "ẞ"}};
  datafiles::SaveAirportTable(paths, pro.files.AirportTable);
  const std::string before = platform::ReadBinaryFile(AirportFile());
  const state::AirportRecord record = pro.files.AirportTable[1];
  for (const Case& c : cases) {
    SCOPED_TRACE(c.box);
    FrmPicker& dom = pickers.frm国内線;
    dom.OpenFromSheet(0);
    ui.pump.After(5ms, [&] {
      Frm空港登録& editor = *dom.AirportEditor();
      static_cast<ui::TextBox*>(ui::FindControl(editor, c.box))->SetText(std::string("新千歳") + c.character + ".wav");
      ui.boxes.Expect("空港登録", ui::Answer::Ok,
                      std::string("「") + c.label + "」に登録できない文字が含まれています\r\n\r\n文字：「" + c.character + "」");
      editor.buttonOK.PerformClick();
      EXPECT_TRUE(editor.Loaded());
      editor.buttonCancel.PerformClick();
    });
    Popup(dom, 1, "mnuPopup変更");
    dom.buttonExit.PerformClick();
    EXPECT_EQ(ui.boxes.PendingExpectations(), 0u);
    EXPECT_EQ(pro.files.AirportTable[1], record);
    EXPECT_EQ(platform::ReadBinaryFile(AirportFile()), before);
  }
}

}  // namespace
}  // namespace vx::briefing
