#include "form_text_fit_forms.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>
#include <cctype>
#include <iterator>

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
#include "viewpoint/frm_door_set.h"

namespace vx::form_text {
namespace {

std::unique_ptr<ui::Form> Own(ui::Form* form) { return std::unique_ptr<ui::Form>(form); }

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

}  // namespace

std::span<const FormEntry> AllForms() { return kForms; }

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

namespace {

struct HiddenControl {
  std::string_view form, control;
};
constexpr HiddenControl kNeverShown[] = {{"frmCabin", "キャレット消用"}};

}  // namespace

bool NeverShown(const ui::Form& form, const ui::Control& c) {
  return std::any_of(std::begin(kNeverShown), std::end(kNeverShown),
                     [&](const HiddenControl& h) { return h.form == form.Name() && h.control == c.Name(); });
}

std::unique_ptr<ui::Form> LoadDesign(Programs& programs, const FormEntry& entry) {
  std::unique_ptr<ui::Form> form = entry.make(programs);
  form->onLoad = nullptr;
  form->onQueryUnload = nullptr;
  form->onUnload = nullptr;
  form->Load();
  return form;
}

namespace {

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

}  // namespace

std::vector<QString> TextsOf(const ui::Form& form, const ui::Control& c, std::vector<const WidestTexts*>& used) {
  std::vector<QString> texts = ShownTexts(c.Widget());
  for (const WidestTexts& row : Widest()) {
    if (row.form == form.Name() && row.control == c.Name() && (row.index == c.Index() || row.index == kEveryElement)) {
      used.push_back(&row);
      for (std::string_view t : row.texts) {
        texts.push_back(QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())));
      }
    }
  }
  std::erase_if(texts, [](const QString& t) { return t.isEmpty(); });
  return texts;
}

void Walk(const ui::Container& container, const std::function<void(ui::Control&)>& visit) {
  for (ui::Control* c : container.Children()) {
    visit(*c);
    if (auto* inner = dynamic_cast<ui::Container*>(c)) Walk(*inner, visit);
  }
}

std::string Describe(const ui::Control& c) {
  return c.Index() >= 0 ? c.Name() + "(" + std::to_string(c.Index()) + ")" : c.Name();
}

std::string TestName(const ::testing::TestParamInfo<FormEntry>& info) {
  std::string name;
  for (char ch : info.param.name) {
    if (std::isalnum(static_cast<unsigned char>(ch)) != 0) name += ch;
  }
  return name + "_" + std::to_string(info.index);
}

}  // namespace vx::form_text
