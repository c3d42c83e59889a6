// Every text of every form fits its control: each form is built from its design (without
// its load step), and each control's texts (its design text, its list items, and the
// widest texts the programs write into it) are measured in the control's own font against
// the room the control leaves for text inside its frame and margins.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <cctype>
#include <climits>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "announce/frm_sound.h"
#include "briefing/frm_ca.h"
#include "briefing/frm_fuel_tank.h"
#include "briefing/frm_pb.h"
#include "briefing/frm_picker.h"
#include "briefing/frm_tob.h"
#include "briefing/frm_tob2.h"
#include "briefing/frm_tset.h"
#include "briefing/frm_voice_settings.h"
#include "briefing/registration_editors.h"
#include "callout/frm_exp.h"
#include "mainwindow/frm_cabin.h"
#include "mainwindow/frm_help.h"
#include "mainwindow/frm_key_settings.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_pass.h"
#include "mainwindow/frm_prompts.h"
#include "mainwindow/frm_ver.h"
#include "mainwindow/pro_program.h"
#include "platform/instance_lock.h"
#include "state/exp_context.h"
#include "state/ocumo_context.h"
#include "ui/control.h"
#include "ui/fonts.h"
#include "ui/form.h"
#include "viewpoint/frm_door_set.h"
#include "viewpoint/frm_ocumo.h"

namespace vx {
namespace {

// What the forms are built on: the three programs' contexts and the windows that other
// windows are given.
struct Programs {
  mainwindow::test::ProProgram main;
  ui::UiEnv& env = main.ui.env;
  state::ProContext& pro = main.pro;
  state::ExpContext exp;
  state::OcumoContext ocumo;
  platform::ScriptedInstanceLock lock;
  std::filesystem::path folder = main.dir.Path();
  briefing::TobSheetCalls sheet{[] {}, [](int) {}, [] {}};
  announce::FrmSound frmSound{env, pro};
  mainwindow::FrmVer frmVer{env};
  viewpoint::FrmOcumo frmOcumo{env, ocumo};
};

std::unique_ptr<ui::Form> Own(ui::Form* form) { return std::unique_ptr<ui::Form>(form); }

// Every form of the programs, one line each.
struct FormEntry {
  std::string_view name;
  std::function<std::unique_ptr<ui::Form>(Programs&)> make;
};
const FormEntry kForms[] = {
    {"frmMain", [](Programs& p) { return Own(new mainwindow::FrmMain(p.env, p.pro, p.frmSound, p.frmVer)); }},
    {"frmPass", [](Programs& p) { return Own(new mainwindow::FrmPass(p.env, p.pro, p.frmVer, p.lock, p.folder)); }},
    {"frmVer", [](Programs& p) { return Own(new mainwindow::FrmVer(p.env)); }},
    {"frmCabin", [](Programs& p) { return Own(new mainwindow::FrmCabin(p.env, p.pro)); }},
    {"frmHelp", [](Programs& p) { return Own(new mainwindow::FrmHelp(p.env, p.pro)); }},
    {"frmキー設定", [](Programs& p) { return Own(new mainwindow::Frmキー設定(p.env, p.pro)); }},
    {"frmArvGate", [](Programs& p) { return Own(new mainwindow::FrmArvGate(p.env, p.pro)); }},
    {"frmAutoPause", [](Programs& p) { return Own(new mainwindow::FrmAutoPause(p.env, p.pro)); }},
    {"frmCPAnounce", [](Programs& p) { return Own(new mainwindow::FrmCPAnounce(p.env, p.pro)); }},
    {"frmマイル達成", [](Programs& p) { return Own(new mainwindow::FrmMileage(p.env, p.pro)); }},
    {"frmLDB", [](Programs& p) { return Own(new mainwindow::FrmLDB(p.env, p.pro)); }},
    {"frmSound", [](Programs& p) { return Own(new announce::FrmSound(p.env, p.pro)); }},
    {"frmCA", [](Programs& p) { return Own(new briefing::FrmCA(p.env, p.pro)); }},
    {"frmFuelTank", [](Programs& p) { return Own(new briefing::FrmFuelTank(p.env, p.pro, p.sheet)); }},
    {"frmPB", [](Programs& p) { return Own(new briefing::FrmPB(p.env, p.pro)); }},
    {"frmTOB", [](Programs& p) { return Own(new briefing::FrmTOB(p.env, p.pro)); }},
    {"frmTOB2", [](Programs& p) { return Own(new briefing::FrmTOB2(p.env, p.pro)); }},
    {"frmTSet", [](Programs& p) { return Own(new briefing::FrmTSet(p.env, p.pro)); }},
    {"frm音声設定", [](Programs& p) { return Own(new briefing::Frm音声設定(p.env, p.pro)); }},
    {"frm国内線", [](Programs& p) { return Own(new briefing::FrmPicker(p.env, p.pro, p.sheet, briefing::PickerKind::DomesticAirports)); }},
    {"frm国際線", [](Programs& p) { return Own(new briefing::FrmPicker(p.env, p.pro, p.sheet, briefing::PickerKind::InternationalAirports)); }},
    {"frm会社国内線", [](Programs& p) { return Own(new briefing::FrmPicker(p.env, p.pro, p.sheet, briefing::PickerKind::DomesticAirlines)); }},
    {"frm会社国際線", [](Programs& p) { return Own(new briefing::FrmPicker(p.env, p.pro, p.sheet, briefing::PickerKind::InternationalAirlines)); }},
    {"frm空港登録", [](Programs& p) { return Own(new briefing::Frm空港登録(p.env, p.pro)); }},
    {"frm会社登録", [](Programs& p) { return Own(new briefing::Frm会社登録(p.env, p.pro)); }},
    {"frmExp", [](Programs& p) { return Own(new callout::FrmExp(p.env, p.exp, p.lock, p.folder.string())); }},
    {"frmOcumo", [](Programs& p) { return Own(new viewpoint::FrmOcumo(p.env, p.ocumo)); }},
    {"frmDoorSet", [](Programs& p) { return Own(new viewpoint::FrmDoorSet(p.env, p.ocumo, p.frmOcumo)); }},
};

// The widest texts the programs write into a control after its form has loaded. An index
// of kEveryElement stands for every element of a control array.
constexpr int kEveryElement = -2;
struct WidestTexts {
  std::string_view form;
  std::string_view control;
  int index;
  std::vector<std::string_view> texts;
};
const std::vector<WidestTexts>& Widest() {
  static const std::vector<WidestTexts> table = {
      // The cabin strip: its clocks, the time to the scheduled arrival, the route progress.
      {"frmCabin", "tbx現在地時計", -1, {"23：59：59", "00：00：00"}},
      {"frmCabin", "tbx出発地時計", -1, {"23：59：59", "00：00：00"}},
      {"frmCabin", "tbxTime差", -1, {"差 -23：59：59", "差 23：59：59"}},
      {"frmCabin", "tbxTime", -1, {"[GMT] 予定 23：59：00 / 現在 23：59：59"}},
      {"frmCabin", "tbxDest", -1,
       {"距離 20,038Km / あと 99：59：59", "距離 20,038Km / 出発 23：59：00", "距離 20,038Km / 到着 23：59：00",
        "オートポーズまであと 20,038 Km"}},
      {"frmCabin", "tbxCockpit", -1, {"Cockpit", "Cabin"}},
      // The flight window: group captions, music and the quiet-sound state.
      {"frmSound", "tbx処理内容", -1, {"Ａ５：１時間前放送２", "Ｇ１：ＴＯＢ１－１４", "「A-A」 回転視点"}},
      {"frmSound", "tbxBGM番号", -1, {"No.99/99"}},
      {"frmSound", "tbxBGM音量", -1, {"BGM音量 10"}},
      {"frmSound", "tbxKey", -1, {"音大", "音小"}},
      // The call-out window: flight values and the pushback's own texts.
      {"frmExp", "tbx1", -1, {"対到着Alt：45000", "対出発Alt：-1500", "距離 99m 右回転"}},
      {"frmExp", "tbx2", -1, {"TAS：999", "方角 359"}},
      {"frmExp", "tbx3", -1, {"GS：1234 km/h", "999m 359度"}},
      {"frmExp", "tbxAltWind", -1, {"-56℃ 風：360/99"}},
      {"frmExp", "tbxGroundWind", -1, {"地上：雪/暴　風：360/99", "地上：--/--　風：360/99"}},
      // The viewpoint window: the key panel's two captions and a preset's values.
      {"frmOcumo", "Frame1", -1, {"キー操作　＜カメラ移動＞", "キー操作　＜外視点回転設定＞"}},
      {"frmOcumo", "tbx高度", kEveryElement, {"99999"}},
      {"frmOcumo", "tbx距離", kEveryElement, {"-32768"}},
      {"frmOcumo", "tbxズーム", kEveryElement, {"99999"}},
      {"frmOcumo", "tbx角度", kEveryElement, {"-32768"}},
      {"frmOcumo", "tbx移動量", -1, {"大", "小"}},
      // Prompts and settings filled at load.
      {"frmArvGate", "tbx到着Gate", -1, {"32767"}},
      {"frmマイル達成", "Label1", -1, {"VexlorPro　殿"}},
      {"frmマイル達成", "Label2", -1, {"1,990,000", "5,000"}},
      {"frmキー設定", "tbxSpace", -1, {"255"}},
      {"frmキー設定", "tbxA", -1, {"255"}},
      {"frmキー設定", "tbxB", -1, {"255"}},
      {"frmキー設定", "tbxC", -1, {"255"}},
      {"frmTOB", "tbx機長名", -1, {"機長：　VexlorPro"}},
      // Airport and airline names as the registration editors' examples give them.
      {"frmTOB", "tbx空港名", kEveryElement, {"札幌　新千歳国際空港"}},
      {"frmTOB", "tbx航空会社", -1, {"JAS  日本エアシステム"}},
      {"frmTSet", "tbx出発空港名", -1, {"札幌　新千歳国際空港"}},
      {"frmTSet", "tbx到着空港名", -1, {"札幌　新千歳国際空港"}},
      {"frmTSet", "tbx出発空港高度", -1, {"-32768"}},
      {"frmTSet", "tbx到着空港高度", -1, {"-32768"}},
      {"frmTOB2", "tbx空港名", kEveryElement, {"札幌　新千歳国際空港"}},
      {"frmTOB2", "tbx航空会社", -1, {"JAS  日本エアシステム"}},
      // The pickers' buttons: "+ " for a slot with its own voice, the airport's ICAO code, and
      // a button name of 4 full-width or 9 half-width characters.
      {"frm国内線", "button空港", kEveryElement, {"+ RJCC   新千歳空", "+ RJCC   ｼﾝﾁﾄｾｸｳｺｳ"}},
      {"frm国際線", "button空港", kEveryElement, {"+ KLAX   ロサンゼ", "+ KLAX   ﾛｻﾝｾﾞﾙｽｸｳ"}},
      {"frm会社国内線", "button会社", kEveryElement, {"+ 日本航空", "+ ｽｶｲﾏｰｸｴｱ"}},
      {"frm会社国際線", "button会社", kEveryElement, {"+ 日本航空", "+ ｽｶｲﾏｰｸｴｱ"}},
      // The briefing card: times, runway, route and wind as the sheet gives them.
      {"frmTOB2", "tbxHour", kEveryElement, {"23"}},
      {"frmTOB2", "tbxMinutes", kEveryElement, {"59"}},
      {"frmTOB2", "tbxICAO", kEveryElement, {"RJTT"}},
      {"frmTOB2", "tbxRWY3", -1, {"ライト(R)", "レフト(L)", "センター(C)"}},
      {"frmTOB2", "tbx風向", -1, {"360"}},
      {"frmTOB2", "tbxKm", -1, {"20,038"}},
      {"frmTOB2", "tbxMiles", -1, {"10,820"}},
  };
  return table;
}

// Controls the user never sees: focus sinks that the load step puts outside the window.
struct HiddenControl {
  std::string_view form, control;
};
constexpr HiddenControl kNeverShown[] = {{"frmCabin", "キャレット消用"}};

bool NeverShown(const ui::Form& form, const ui::Control& c) {
  return std::any_of(std::begin(kNeverShown), std::end(kNeverShown),
                     [&](const HiddenControl& h) { return h.form == form.Name() && h.control == c.Name(); });
}

// The room a widget leaves for one line of text: its contents rect less its frame and the
// margins it keeps around the text. Width -1: the widget shows no text.
QSize TextRoom(QWidget* w) {
  constexpr int kAnyHeight = INT_MAX / 2;
  QStyle* style = w->style();
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    QStyleOptionFrame opt;
    opt.initFrom(edit);
    opt.rect = edit->contentsRect();
    opt.lineWidth = edit->hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, edit) : 0;
    const QRect r = style->subElementRect(QStyle::SE_LineEditContents, &opt, edit).marginsRemoved(edit->textMargins());
    constexpr int kLineEditInnerMargin = 2;  // QLineEdit's own, each side
    return {r.width() - 2 * kLineEditInnerMargin, r.height()};
  }
  if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) {
    // Scrolls: only the width counts.
    return {edit->viewport()->width() - 2 * static_cast<int>(edit->document()->documentMargin()), kAnyHeight};
  }
  if (auto* label = qobject_cast<QLabel*>(w)) {
    int indent = label->indent();
    if (indent < 0) indent = label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    const QRect r = label->contentsRect();
    return {r.width() - 2 * label->margin() - indent, r.height() - 2 * label->margin()};
  }
  if (auto* button = qobject_cast<QPushButton*>(w)) {
    QStyleOptionButton opt;
    opt.initFrom(button);
    opt.rect = button->contentsRect();
    if (button->autoDefault()) opt.features |= QStyleOptionButton::AutoDefaultButton;
    return style->subElementRect(QStyle::SE_PushButtonContents, &opt, button).size();
  }
  if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
    QStyleOptionButton opt;
    opt.initFrom(w);
    opt.rect = w->contentsRect();
    const auto element = qobject_cast<QCheckBox*>(w) ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents;
    return style->subElementRect(element, &opt, w).size();
  }
  if (auto* combo = qobject_cast<QComboBox*>(w)) {
    if (QLineEdit* edit = combo->lineEdit()) return TextRoom(edit);
    QStyleOptionComboBox opt;
    opt.initFrom(combo);
    opt.rect = combo->contentsRect();
    opt.editable = false;
    opt.frame = combo->hasFrame();
    constexpr int kLabelInset = 1;  // the label is drawn one pixel in from each side of its field
    const QRect r = style->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, combo);
    return {r.width() - 2 * kLabelInset, r.height()};
  }
  if (auto* group = qobject_cast<QGroupBox*>(w)) {
    QStyleOptionGroupBox opt;
    opt.initFrom(group);
    opt.rect = group->contentsRect();
    opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    opt.lineWidth = 1;
    const QRect label = style->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, group);
    return {group->contentsRect().width() - 2 * (label.left() - group->contentsRect().left()), kAnyHeight};
  }
  return {-1, -1};
}

// The texts a widget shows as built: its text or caption, and a list's items.
std::vector<QString> ShownTexts(QWidget* w) {
  if (auto* edit = qobject_cast<QLineEdit*>(w)) return {edit->text()};
  if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) return {edit->toPlainText()};
  if (auto* label = qobject_cast<QLabel*>(w)) return {label->text()};
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return {button->text()};
  if (auto* group = qobject_cast<QGroupBox*>(w)) return {group->title()};
  if (auto* combo = qobject_cast<QComboBox*>(w)) {
    std::vector<QString> texts{combo->currentText()};
    for (int i = 0; i < combo->count(); ++i) texts.push_back(combo->itemText(i));
    return texts;
  }
  return {};
}

// Labels and text areas break their lines; a text fits when each line fits the width and
// the lines fit the height (one line always may be shown, however low the label).
bool Wraps(QWidget* w) {
  if (auto* label = qobject_cast<QLabel*>(w)) return label->wordWrap();
  return qobject_cast<QPlainTextEdit*>(w) != nullptr;
}

std::string Describe(const ui::Control& c) {
  return c.Index() >= 0 ? c.Name() + "(" + std::to_string(c.Index()) + ")" : c.Name();
}

// One text that does not fit, as a line of the failure report. A line of text needs the
// font's height; labels may be lower than one line (they show that line all the same).
std::string Misfit(QWidget* w, const QString& text, QSize room) {
  const QFontMetrics fm(w->font());
  std::ostringstream s;
  if (Wraps(w)) {
    const int height = qobject_cast<QLabel*>(w) ? std::max(room.height(), fm.height()) : room.height();
    const QRect need = fm.boundingRect(QRect(0, 0, room.width(), INT_MAX / 2), Qt::TextWordWrap, text);
    if (need.width() <= room.width() && need.height() <= height) return {};
    s << "needs " << need.width() << "x" << need.height() << " px, has " << room.width() << "x" << height;
    return s.str();
  }
  int widest = 0;
  const QStringList lines = text.split(QLatin1Char('\n'));
  for (const QString& line : lines) widest = std::max(widest, fm.horizontalAdvance(line));
  const int tall = static_cast<int>(lines.size()) * fm.height();
  if (widest <= room.width() && tall <= room.height()) return {};
  s << "needs " << widest << "x" << tall << " px, has " << room.width() << "x" << room.height();
  return s.str();
}

void Walk(const ui::Container& container, const std::function<void(ui::Control&)>& visit) {
  for (ui::Control* c : container.Children()) {
    visit(*c);
    if (auto* inner = dynamic_cast<ui::Container*>(c)) Walk(*inner, visit);
  }
}

class FormTextFitTest : public ::testing::TestWithParam<FormEntry> {};

TEST_P(FormTextFitTest, EveryTextFitsItsControl) {
  Programs programs;
  std::unique_ptr<ui::Form> form = GetParam().make(programs);
  // The design alone: the run-time texts come from the table above.
  form->onLoad = nullptr;
  form->onQueryUnload = nullptr;
  form->onUnload = nullptr;
  ASSERT_EQ(form->Name(), GetParam().name);
  form->Load();
  ASSERT_TRUE(form->Loaded());
  int measured = 0;
  std::vector<const WidestTexts*> used;
  Walk(*form, [&](ui::Control& c) {
    QWidget* w = c.Widget();
    if (!w || NeverShown(*form, c)) return;
    const QSize room = TextRoom(w);
    if (room.width() < 0) return;
    std::vector<QString> texts = ShownTexts(w);
    for (const WidestTexts& row : Widest()) {
      if (row.form == form->Name() && row.control == c.Name() && (row.index == c.Index() || row.index == kEveryElement)) {
        used.push_back(&row);
        for (std::string_view t : row.texts) texts.push_back(QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())));
      }
    }
    for (const QString& text : texts) {
      if (text.isEmpty()) continue;
      ++measured;
      const std::string misfit = Misfit(w, text, room);
      EXPECT_TRUE(misfit.empty()) << form->Name() << "." << Describe(c) << " \"" << text.toStdString() << "\" "
                                  << misfit << " (" << w->font().family().toStdString() << " "
                                  << w->font().pixelSize() << " px)";
    }
  });
  EXPECT_GT(measured, 0);
  for (const WidestTexts& row : Widest()) {
    if (row.form == form->Name()) {
      EXPECT_NE(std::find(used.begin(), used.end(), &row), used.end()) << "no control " << row.control << " on " << row.form;
    }
  }
  form->Unload();
}

// Test names take the Latin letters of the form's name and its place in the table.
std::string TestName(const ::testing::TestParamInfo<FormEntry>& info) {
  std::string name;
  for (char ch : info.param.name) {
    if (std::isalnum(static_cast<unsigned char>(ch)) != 0) name += ch;
  }
  return name + "_" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(AllForms, FormTextFitTest, ::testing::ValuesIn(kForms), TestName);

// The faces the forms name are installed: a missing font package would silently fall back
// to another face of other widths. The rooms above are those of the programs' style.
TEST(ProgramFonts, TheFormsFacesAreInstalled) {
  EXPECT_EQ(QApplication::style()->name().toStdString(), "fusion");
  for (std::string_view face : {ui::kProportionalGothic, ui::kFixedGothic}) {
    const QFont font = ui::ProgramFont(face);
    EXPECT_EQ(QFontInfo(font).family().toStdString(), ui::InstalledFace(face));
    EXPECT_EQ(QFontInfo(font).pixelSize(), 12);
  }
}

}  // namespace
}  // namespace vx
