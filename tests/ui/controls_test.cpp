#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QCheckBox>
#include <QPushButton>

#include <stdexcept>

#include "runtime/runtime_error.h"
#include "support/temp_dir.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/command_button.h"
#include "ui/control_array.h"
#include "ui/form.h"
#include "ui/form_layout.h"
#include "ui/frame.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/line_control.h"
#include "ui/menu.h"
#include "ui/option_button.h"
#include "ui/text_box.h"
#include "ui_test_env.h"

namespace vx::ui {
namespace {

using test::UiTestEnv;

// Expects a call to raise the runtime error with this number.
template <class F>
void ExpectRuntimeError(int number, F&& call) {
  try {
    call();
    ADD_FAILURE() << "no runtime error " << number;
  } catch (const runtime::RuntimeError& e) {
    EXPECT_EQ(e.Number(), number) << e.Text();
  }
}

void Type(QWidget* w, Qt::Key key, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, mods, text);
  QCoreApplication::sendEvent(w, &press);
  QKeyEvent release(QEvent::KeyRelease, key, mods, text);
  QCoreApplication::sendEvent(w, &release);
}

void ClickAt(QWidget* w, Qt::MouseButton button, QPoint at = QPoint(2, 2)) {
  QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), button, button, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), button, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &release);
}

// The cabin attendant choice: options on a frame and options on the form are two groups.
class ChoiceForm : public Form {
 public:
  explicit ChoiceForm(UiEnv& env) : Form(env, "frmCA") {
    for (OptionButton* o : {&selectCA0, &selectCA1, &selectCA2}) {
      o->onClick = [this, o] { clicked.push_back(o->Name()); };
    }
  }
  OptionButton radioPBON{*this, "radioPBON"};
  OptionButton radioPBOFF{*this, "radioPBOFF"};
  Frame Frame7{*this, "Frame7"};
  OptionButton selectCA0{Frame7, "selectCA0"};
  OptionButton selectCA1{Frame7, "selectCA1"};
  OptionButton selectCA2{Frame7, "selectCA2"};
  std::vector<std::string> clicked;

 protected:
  void Design() override {
    ApplyLayout(*this, kRows);
    radioPBON.SetValue(true);
    selectCA0.SetValue(true);
  }
  static constexpr ControlRow kRows[] = {
      {"Frame7", ControlKind::Frame, 120, 120, 3000, 2000, "CA さん選択"},
      {"radioPBON", ControlKind::OptionButton, 3300, 120, 1200, 300},
      {"radioPBOFF", ControlKind::OptionButton, 3300, 480, 1200, 300},
      {"selectCA0", ControlKind::OptionButton, 120, 300, 1500, 300, "ランダム"},
      {"selectCA1", ControlKind::OptionButton, 120, 660, 1500, 300, "CAさん1", 11, true},
      {"selectCA2", ControlKind::OptionButton, 120, 1020, 1500, 300, "CAさん2"},
  };
};

// A layout table places controls at any depth of frames; a row that does not match its
// form is refused at the first load.
TEST(Layouts, RowsPlaceControlsInFramesAndMismatchedRowsAreRefused) {
  UiTestEnv t;
  ChoiceForm form(t.env);
  form.Load();
  EXPECT_EQ(form.selectCA1.Top(), 660);
  EXPECT_EQ(form.selectCA1.Caption(), "CAさん1");
  EXPECT_EQ(form.selectCA1.FontSize(), 11);
  EXPECT_TRUE(form.selectCA1.FontBold());
  EXPECT_EQ(form.Frame7.Caption(), "CA さん選択");
  EXPECT_EQ(FindControl(form, "selectCA2"), &form.selectCA2);
  EXPECT_EQ(FindControl(form, "selectCA3"), nullptr);

  constexpr ControlRow kWrongKind[] = {{"Frame7", ControlKind::Label, 0, 0, 10, 10}};
  constexpr ControlRow kNoSuch[] = {{"selectCA3", ControlKind::OptionButton, 0, 0, 10, 10}};
  EXPECT_THROW(ApplyLayout(form, kWrongKind), std::logic_error);
  EXPECT_THROW(ApplyLayout(form, kNoSuch), std::logic_error);
}

TEST(OptionButtons, OnlyOneIsSelectedPerContainer) {
  UiTestEnv t;
  ChoiceForm form(t.env);
  form.Load();
  EXPECT_TRUE(form.clicked.empty()) << "design values raise no clicks";
  EXPECT_TRUE(form.radioPBON.Value());
  EXPECT_TRUE(form.selectCA0.Value());
  EXPECT_EQ(form.selectCA1.Widget()->parentWidget(), form.Frame7.Widget());

  form.selectCA2.SetValue(true);
  EXPECT_FALSE(form.selectCA0.Value());
  EXPECT_TRUE(form.selectCA2.Value());
  EXPECT_TRUE(form.radioPBON.Value()) << "the form's group is another group";

  static_cast<QRadioButton*>(form.selectCA1.Widget())->click();
  EXPECT_TRUE(form.selectCA1.Value());
  EXPECT_FALSE(form.selectCA2.Value());
  EXPECT_FALSE(static_cast<QRadioButton*>(form.selectCA2.Widget())->isChecked());

  static_cast<QRadioButton*>(form.selectCA1.Widget())->click();
  EXPECT_TRUE(form.selectCA1.Value()) << "clicking the selected button keeps it selected";
  EXPECT_TRUE(static_cast<QRadioButton*>(form.selectCA1.Widget())->isChecked());

  static_cast<QRadioButton*>(form.radioPBOFF.Widget())->click();
  EXPECT_TRUE(form.radioPBOFF.Value());
  EXPECT_FALSE(form.radioPBON.Value());
  EXPECT_TRUE(form.selectCA1.Value());
  EXPECT_EQ(form.clicked, (std::vector<std::string>{"selectCA2", "selectCA1"}));
}

class OptionsForm : public Form {
 public:
  explicit OptionsForm(UiEnv& env) : Form(env, "frmMain") {
    comboBGM.onClick = [this] { log.push_back("BGM click " + comboBGM.Text()); };
    combo機種.onClick = [this] { log.push_back("機種 click " + combo機種.Text()); };
    combo機種.onChange = [this] { log.push_back("機種 change " + combo機種.Text()); };
    tbx機長名.onChange = [this] { log.push_back("name change " + tbx機長名.Text()); };
    tbx機長名.onKeyDown = [this](int key, int shift) {
      log.push_back("key " + std::to_string(key) + "/" + std::to_string(shift));
    };
    checkHimituON.onClick = [this] { log.push_back("check " + std::to_string(checkHimituON.Value())); };
  }
  ComboBox comboBGM{*this, "comboBGM"};
  ComboBox combo機種{*this, "combo機種"};
  TextBox tbx機長名{*this, "tbx機長名"};
  TextBox tbxMemo{*this, "tbxMemo"};
  CheckBox checkHimituON{*this, "checkHimituON"};
  std::vector<std::string> log;

 protected:
  void Design() override {
    comboBGM.SetStyle(ComboStyle::ListOnly);
    for (const char* item : {"MP3", "MIDI", "OFF"}) comboBGM.AddItem(item);
    comboBGM.SetText("MP3");
    combo機種.AddItem("767-300");
    combo機種.AddItem("747-400");
    combo機種.SetText("767-300");
    tbx機長名.SetText("VexlorPro");
    tbxMemo.SetMultiLine(true);
    checkHimituON.SetCaption("秘密");
  }
};

TEST(ComboBoxes, ListOnlyTakesOnlyItsItemsWhileEditableTakesAnyText) {
  UiTestEnv t;
  OptionsForm form(t.env);
  form.Show();
  EXPECT_EQ(form.comboBGM.ListIndex(), 0);
  EXPECT_TRUE(form.log.empty());
  auto* bgm = static_cast<QComboBox*>(form.comboBGM.Widget());
  auto* type = static_cast<QComboBox*>(form.combo機種.Widget());
  EXPECT_FALSE(bgm->isEditable());
  EXPECT_TRUE(type->isEditable());

  form.comboBGM.SetText("MIDI");
  EXPECT_EQ(form.comboBGM.ListIndex(), 1);
  EXPECT_EQ(bgm->currentText().toStdString(), "MIDI");
  ExpectRuntimeError(383, [&] { form.comboBGM.SetText("midi"); });
  EXPECT_EQ(form.comboBGM.Text(), "MIDI");
  form.comboBGM.SetListIndex(-1);
  EXPECT_EQ(form.comboBGM.Text(), "");
  ExpectRuntimeError(380, [&] { form.comboBGM.SetListIndex(3); });
  bgm->activated(2);  // the user picks "OFF"
  EXPECT_EQ(form.comboBGM.Text(), "OFF");
  EXPECT_EQ(form.comboBGM.ListIndex(), 2);

  form.combo機種.SetText("A320");
  EXPECT_EQ(form.combo機種.ListIndex(), -1);
  EXPECT_EQ(type->currentText().toStdString(), "A320");
  form.combo機種.SetText("747-400");
  EXPECT_EQ(form.combo機種.ListIndex(), 1);
  type->lineEdit()->selectAll();
  Type(type->lineEdit(), Qt::Key_7, "7");
  EXPECT_EQ(form.combo機種.Text(), "7");
  EXPECT_EQ(form.combo機種.ListIndex(), -1);

  form.combo機種.AddItem("777-200", 0);
  form.combo機種.SetListIndex(2);
  form.combo機種.AddItem("737-800", 0);
  EXPECT_EQ(form.combo機種.ListIndex(), 3) << "inserting before the chosen item moves it";
  EXPECT_EQ(form.combo機種.List(3), "747-400");
  ExpectRuntimeError(5, [&] { form.combo機種.AddItem("x", 9); });

  EXPECT_EQ(form.log, (std::vector<std::string>{
                          "BGM click MIDI", "BGM click ", "BGM click OFF", "機種 change A320",
                          "機種 change 747-400", "機種 change 7", "機種 change 747-400", "機種 click 747-400"}));
}

TEST(TextBoxes, ChangeRunsForTypingAndForCodeButNotForTheSameText) {
  UiTestEnv t;
  OptionsForm form(t.env);
  form.Show();
  auto* edit = static_cast<QLineEdit*>(form.tbx機長名.Widget());
  form.tbx機長名.SetText("VexlorPro");
  form.tbx機長名.SetText("山田");
  QCoreApplication::processEvents();  // the window becomes active
  edit->setFocus();
  edit->end(false);
  Type(edit, Qt::Key_A, "a");
  Type(edit, Qt::Key_Return, "\r");
  Type(edit, Qt::Key_5, "5", Qt::KeypadModifier);
  EXPECT_EQ(form.tbx機長名.Text(), "山田a5");
  form.tbx機長名.SetLocked(true);
  Type(edit, Qt::Key_B, "b");
  EXPECT_EQ(form.tbx機長名.Text(), "山田a5") << "a locked box takes no typing";
  EXPECT_EQ(form.log, (std::vector<std::string>{"name change 山田", "key 65/0", "name change 山田a", "key 13/0",
                                                "key 101/0", "name change 山田a5", "key 66/0"}));

  form.tbxMemo.SetText("一行目\r\n二行目");
  EXPECT_EQ(static_cast<QPlainTextEdit*>(form.tbxMemo.Widget())->toPlainText().toStdString(), "一行目\n二行目");
  static_cast<QPlainTextEdit*>(form.tbxMemo.Widget())->appendPlainText("三行目");
  EXPECT_EQ(form.tbxMemo.Text(), "一行目\r\n二行目\r\n三行目");
}

TEST(CheckBoxes, ValueIsZeroOneOrTwoAndClickFollowsChanges) {
  UiTestEnv t;
  OptionsForm form(t.env);
  form.Show();
  form.checkHimituON.SetValue(1);
  form.checkHimituON.SetValue(1);
  static_cast<QCheckBox*>(form.checkHimituON.Widget())->click();
  EXPECT_EQ(form.checkHimituON.Value(), 0);
  ExpectRuntimeError(380, [&] { form.checkHimituON.SetValue(3); });
  form.checkHimituON.SetValue(2);
  EXPECT_EQ(static_cast<QCheckBox*>(form.checkHimituON.Widget())->checkState(), Qt::PartiallyChecked);
  EXPECT_EQ(form.log, (std::vector<std::string>{"check 1", "check 0", "check 2"}));
}

TEST(Colours, PaletteNumbersGiveTheirRgbValues) {
  const std::uint32_t expected[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                      0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                      0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(Colour::Palette(i).Value(), expected[i]) << i;
    EXPECT_EQ(Colour::Palette(i).PaletteIndex(), i);
  }
  EXPECT_EQ(Colour::Rgb(1, 2, 3).PaletteIndex(), -1);
  ExpectRuntimeError(5, [] { Colour::Palette(16); });
  ExpectRuntimeError(5, [] { Colour::Palette(-1); });
}

class StripForm : public Form {
 public:
  explicit StripForm(UiEnv& env) : Form(env, "frmCabin") {
    tbxATC.onGotFocus = [this] {
      ++gotFocus;
      キャレット消用.SetFocus();
    };
  }
  TextBox tbxATC{*this, "tbxATC"};
  Label Label1{*this, "Label1"};
  CommandButton キャレット消用{*this, "キャレット消用"};
  Line Line1{*this, "Line1"};
  int gotFocus = 0;

 protected:
  void Design() override {
    SetBorderStyle(BorderStyle::None);
    Move(0, 0, 4950, 600);
    tbxATC.Move(1560, 0, 435, 315);
    tbxATC.SetText("ATC");
    Label1.SetCaption("出発           到着");
    Label1.Move(0, 330, 2000, 255);
    キャレット消用.Move(-2000, 0, 600, 300);
    Line1.SetPoints(0, 315, 4950, 315);
  }
};

TEST(Colours, ControlsShowPaletteAndRgbColoursAndReadThemBack) {
  UiTestEnv t;
  StripForm form(t.env);
  form.Show();
  EXPECT_EQ(form.tbxATC.BackColor(), Colour::Rgb(255, 255, 255)) << "a text box is white until painted";
  form.tbxATC.SetBackColor(Colour::Palette(13));
  form.tbxATC.SetForeColor(Colour::Palette(15));
  EXPECT_EQ(form.tbxATC.BackColor(), Colour::Rgb(0xFF, 0x00, 0xFF));
  EXPECT_EQ(form.tbxATC.ForeColor().PaletteIndex(), 15);
  const QPalette p = form.tbxATC.Widget()->palette();
  EXPECT_EQ(p.color(QPalette::Base), QColor(0xFF, 0x00, 0xFF));
  EXPECT_EQ(p.color(QPalette::Text), QColor(0xFF, 0xFF, 0xFF));
  form.Label1.SetForeColor(Colour::Rgb(0x12, 0x34, 0x56));
  EXPECT_EQ(form.Label1.Widget()->palette().color(QPalette::WindowText), QColor(0x12, 0x34, 0x56));

  form.Unload();
  form.tbxATC.SetBackColor(Colour::Palette(7));
  form.Load();
  EXPECT_EQ(form.tbxATC.BackColor(), Colour::Rgb(255, 255, 255)) << "a new load starts uncoloured";
}

TEST(Focus, ADisplayOnlyBoxPassesTheFocusToTheOffScreenButton) {
  UiTestEnv t;
  StripForm form(t.env);
  form.Show();
  QCoreApplication::processEvents();
  EXPECT_EQ(form.gotFocus, 1) << "the box got the window's first focus";
  EXPECT_TRUE(form.キャレット消用.HasFocus());
  form.tbxATC.SetFocus();
  QCoreApplication::processEvents();
  EXPECT_EQ(form.gotFocus, 2);
  EXPECT_TRUE(form.キャレット消用.HasFocus());
  EXPECT_FALSE(form.tbxATC.HasFocus());
  EXPECT_LT(form.キャレット消用.Widget()->x(), 0);
}

class PickerForm : public Form {
 public:
  explicit PickerForm(UiEnv& env) : Form(env, "frm国内線") {
    button空港.onClick = [this](int index) { log.push_back("choose " + std::to_string(index)); };
    button空港.onMouseDown = [this](int index, const MouseArgs& m) {
      log.push_back("down " + std::to_string(index) + " button " + std::to_string(m.button));
      if (m.button == kRightButton) PopupMenu(mnuPopup);
    };
    mnuPopup変更.onClick = [this] { log.push_back("change"); };
    mnuPopup削除.onClick = [this] { log.push_back("delete"); };
    mnuFileExit.onClick = [this] { log.push_back("exit"); };
    Image1.onClick = [this](int index) { log.push_back("image " + std::to_string(index)); };
  }
  ControlArray<CommandButton> button空港{*this, "button空港", 0, 99};
  ControlArray<Image> Image1{*this, "Image1", 0, 2};
  Menu mnuFile{*this, "mnuFile", "ファイル"};
  Menu mnuFileOpen{mnuFile, "mnuFileOpen", "開く"};
  Menu mnuFileBar{mnuFile, "mnuFileBar", "-"};
  Menu mnuFileExit{mnuFile, "mnuFileExit", "終了"};
  Menu mnuPopup{*this, "mnuPopup", "ポップアップ"};
  Menu mnuPopupキャンセル{mnuPopup, "mnuPopupキャンセル", "キャンセル"};
  Menu mnuPopupBar0{mnuPopup, "mnuPopupBar0", "-"};
  Menu mnuPopup変更{mnuPopup, "mnuPopup変更", "設定の変更"};
  Menu mnuPopup削除{mnuPopup, "mnuPopup削除", "登録の削除"};
  std::vector<std::string> log;

 protected:
  void Design() override {
    Move(0, 0, 12000, 6000);
    for (int k = 0; k < 100; ++k) button空港(k).Move(1200 + (k % 10) * 1080, (k / 10) * 420, 1050, 400);
    button空港(5).SetCaption("  RJTT   羽田");
    mnuPopup.SetVisible(false);
    for (Image* i : Image1.Elements()) i->Move(0, 4500 + i->Index() * 400, 300, 300);
  }
};

TEST(ControlArrays, ElementsAreFoundByIndexAndTheirEventsCarryIt) {
  UiTestEnv t;
  PickerForm form(t.env);
  form.Show();
  EXPECT_EQ(form.button空港.Count(), 100);
  EXPECT_EQ(form.button空港.LBound(), 0);
  EXPECT_EQ(form.button空港.UBound(), 99);
  EXPECT_EQ(form.button空港(5).Index(), 5);
  EXPECT_EQ(form.button空港(5).Caption(), "  RJTT   羽田");
  EXPECT_EQ(form.button空港(37).Left(), 1200 + 7 * 1080);
  ExpectRuntimeError(340, [&] { form.button空港(100); });

  static_cast<QPushButton*>(form.button空港(5).Widget())->click();
  ClickAt(form.Image1(2).Widget(), Qt::LeftButton);
  EXPECT_EQ(form.log, (std::vector<std::string>{"choose 5", "image 2"}));
}

TEST(Menus, MenuBarEntriesAndPopupMenusRunTheirHandlers) {
  UiTestEnv t;
  PickerForm form(t.env);
  form.Show();
  ASSERT_NE(form.mnuFileExit.Action(), nullptr);
  EXPECT_TRUE(form.mnuFileBar.Action()->isSeparator());
  EXPECT_FALSE(form.mnuPopup.Action()->isVisible()) << "a popup-only menu stays off the bar";
  form.mnuFileExit.Action()->trigger();
  form.mnuFileOpen.SetEnabled(false);
  EXPECT_FALSE(form.mnuFileOpen.Action()->isEnabled());

  t.popups.Expect("mnuPopup", "mnuPopup変更");
  t.popups.Expect("mnuPopup", "");
  ClickAt(form.button空港(12).Widget(), Qt::RightButton);
  ClickAt(form.button空港(13).Widget(), Qt::RightButton);
  EXPECT_EQ(form.log, (std::vector<std::string>{"exit", "down 12 button 2", "change", "down 13 button 2"}));
  EXPECT_EQ(t.popups.PendingExpectations(), 0u);

  t.popups.Expect("mnuPopup", "mnuPopupBar0");
  EXPECT_NONFATAL_FAILURE(form.PopupMenu(form.mnuPopup), "cannot be chosen");
  EXPECT_NONFATAL_FAILURE(form.PopupMenu(form.mnuPopup), "unexpected popup menu [mnuPopup]");
}

TEST(Pictures, LoadFromFilesAndSizeTheImage) {
  UiTestEnv t;
  vx::test::TempDir dir;
  QImage png(30, 20, QImage::Format_RGB32);
  png.fill(Qt::red);
  const std::string pngPath = (dir.Path() / "x001.png").string();
  ASSERT_TRUE(png.save(QString::fromStdString(pngPath)));
  dir.WriteBytes("x002.jpg", "not a picture");

  ExpectRuntimeError(53, [&] { Picture::Load(dir.Path() / "missing.jpg"); });
  ExpectRuntimeError(481, [&] { Picture::Load(dir.Path() / "x002.jpg"); });
  const Picture picture = Picture::Load(pngPath);
  EXPECT_EQ(picture.WidthPixels(), 30);

  PickerForm form(t.env);
  form.Show();
  form.Image1(0).SetPicture(picture);
  EXPECT_EQ(form.Image1(0).Width(), 450);
  EXPECT_EQ(form.Image1(0).Height(), 300);
  form.Image1(1).SetStretch(true);
  form.Image1(1).SetPicture(picture);
  EXPECT_EQ(form.Image1(1).Width(), 300) << "a stretched picture takes the control's size";
  EXPECT_EQ(static_cast<QLabel*>(form.Image1(1).Widget())->pixmap().size(), QSize(20, 20));
  EXPECT_TRUE(form.Image1(1).Picture() == form.Image1(0).Picture());
}

TEST(Lines, CoverTheirTwoPoints) {
  UiTestEnv t;
  StripForm form(t.env);
  form.Show();
  const QRect r = form.Line1.Widget()->geometry();
  EXPECT_LE(r.left(), 0);
  EXPECT_GE(r.right(), 330);
  EXPECT_LE(r.top(), 21);
  EXPECT_GE(r.bottom(), 21);
}

}  // namespace
}  // namespace vx::ui
