#include "viewpoint/frm_door_set.h"

#include <array>
#include <string>
#include <string_view>

#include "platform/event_pump.h"
#include "platform/sim_focus.h"
#include "viewpoint/frm_ocumo.h"
#include "viewpoint/ocumo_program.h"

namespace vx::viewpoint {
namespace {

using ui::ControlKind;

constexpr double kFormWidth = 7560;
constexpr double kFormHeight = 7500;

constexpr ui::ControlRow kRows[] = {
    {"Label5", ControlKind::Label, 4560, 120, 2700, 240, "APU音　位置　　　音量", 9},
    {"Label1", ControlKind::Label, 120, 450, 4380, 240, "搭乗口　　　　　　　　　　　　　＋　　　　・・・", 9},
    {"Label3", ControlKind::Label, 120, 900, 4380, 240, "荷物室　　　　　　　　　　　　　＋　　　　・・・", 9},
    // The three key boxes of a row lie in the blank runs of its label's text: the modifier
    // before "＋", the first key between "＋" and "・・・", the second key after it.
    {"comboSubKey", ControlKind::ComboBox, 960, 405, 1200, 300, "Shift", 9, false, 0},
    {"comboSubKey", ControlKind::ComboBox, 960, 855, 1200, 300, "Shift", 9, false, 1},
    {"tbxKey2", ControlKind::TextBox, 2430, 405, 420, 300, "E", 9, false, 0},
    {"tbxKey2", ControlKind::TextBox, 2430, 855, 420, 300, "E", 9, false, 1},
    {"tbxKey3", ControlKind::TextBox, 3270, 405, 480, 300, "1", 9, false, 0},
    {"tbxKey3", ControlKind::TextBox, 3270, 855, 480, 300, "2", 9, false, 1},
    {"comboAPU位置", ControlKind::ComboBox, 4560, 405, 1200, 300, "無", 9, false, 0},
    {"comboAPU位置", ControlKind::ComboBox, 4560, 855, 1200, 300, "無", 9, false, 1},
    {"comboAPU音量", ControlKind::ComboBox, 5880, 405, 900, 300, "1", 9, false, 0},
    {"comboAPU音量", ControlKind::ComboBox, 5880, 855, 900, 300, "1", 9, false, 1},
    {"Label2", ControlKind::Label, 120, 1380, 7320, 480,
     "「Shift」キーと「E」キーを同時押しのあと「１」キーを押す場合は　「Shift＋E・・・１」と設定してください。　", 9},
    {"Label4", ControlKind::Label, 120, 1950, 7320, 4600, {}, 9},
    {"OKButton", ControlKind::CommandButton, 6120, 6720, 1200, 420, "OK", 9},
};

struct Modifier {
  std::string_view text;
  std::string_view letter;
};
constexpr Modifier kModifiers[] = {{"Shift", "S"}, {"Ctrl", "C"}, {"Shift+Ctrl", "D"}, {"None", "N"}};
constexpr std::string_view kApuPositions[] = {"無", "右", "左", "中央"};
constexpr std::string_view kApuVolumes[] = {"10", "9", "8", "7", "6", "5", "4", "3", "2", "1"};

constexpr std::string_view kNotes[19] = {
    "< 注意 >",
    " １番目の入力・・・▼ボタンを押して選択して下さい。",
    "２番目の入力・・・半角英数字１文字を入力。",
    "３番目の入力・・・半角英数字１文字を入力。",
    "",
    "Shift+K のように３番目のキー入力が必要ない場合",
    "「Shift」＋「K」・・・「-」　と３番目に半角「-」を入力。",
    "",
    "扉の開閉確認",
    "　「OK」ボタンを押した後　「搭乗口」、「荷物室」　のそれぞれの視点",
    "　にてテンキーの　「０」　を押すことで扉が開閉するかどうか確認して",
    "　ください。",
    "",
    "APU 音",
    "　登場口、荷物室の開閉時に APU 音を鳴らせたい場合、APU 音の",
    "　聞こえる方向および音量を設定してください。",
    "　登場口、荷物室の開閉時の視点から APU の位置が遠い場合は",
    "　音量を小さく、近い場合は音量を大きくすれば効果的です。",
    "　",
};

// One character of a text by position (UTF-8), empty past its end.
std::string CharacterAt(const std::string& s, std::size_t n) {
  std::size_t i = 0;
  for (std::size_t k = 0; i < s.size(); ++k) {
    std::size_t len = 1;
    while (i + len < s.size() && (static_cast<unsigned char>(s[i + len]) & 0xC0) == 0x80) ++len;
    if (k == n) return s.substr(i, len);
    i += len;
  }
  return {};
}

}  // namespace

ui::FormLayout FrmDoorSetLayout() { return {"frmDoorSet", kFormWidth, kFormHeight, kRows}; }

FrmDoorSet::FrmDoorSet(ui::UiEnv& env, state::OcumoContext& ctx, FrmOcumo& ocumo)
    : Form(env, "frmDoorSet"), ctx_(ctx), ocumo_(ocumo) {
  onLoad = [this] { frmDoorSet_Form_Load(); };
  OKButton.onClick = [this] { frmDoorSet_OKButton_Click(); };
}

void FrmDoorSet::Design() {
  SetCaption("扉の開閉キー設定");
  Form::Move(0, 0, kFormWidth, kFormHeight);
  for (int row = 0; row < 2; ++row) {
    for (const Modifier& m : kModifiers) comboSubKey(row).AddItem(std::string(m.text));
    for (std::string_view p : kApuPositions) comboAPU位置(row).AddItem(std::string(p));
    for (std::string_view v : kApuVolumes) comboAPU音量(row).AddItem(std::string(v));
  }
  ui::ApplyLayout(*this, kRows);
  std::string notes;
  for (std::size_t i = 0; i < std::size(kNotes); ++i) {
    if (i) notes += "\r\n";
    notes += kNotes[i];
  }
  Label4.SetCaption(notes);
}

void FrmDoorSet::frmDoorSet_Form_Load() {
  for (int row = 0; row < 2; ++row) {
    const std::string& field = ctx_.view.ViewPresets[static_cast<std::size_t>(row + 1)][4];
    const std::string first = CharacterAt(field, 0);
    for (const Modifier& m : kModifiers) {
      if (first == m.letter) comboSubKey(row).SetText(std::string(m.text));
    }
    tbxKey2(row).SetText(CharacterAt(field, 1));
    tbxKey3(row).SetText(CharacterAt(field, 2));
    comboAPU位置(row).SetText(ctx_.ocumo.ApuSoundSettings.positions[static_cast<std::size_t>(row)]);
    comboAPU音量(row).SetText(ctx_.ocumo.ApuSoundSettings.volumes[static_cast<std::size_t>(row)]);
  }
  ctx_.svc.pump->Pump();
}

void FrmDoorSet::frmDoorSet_OKButton_Click() {
  // 1.
  for (int row = 0; row < 2; ++row) {
    std::string letter;
    for (const Modifier& m : kModifiers) {
      if (comboSubKey(row).Text() == m.text) letter = m.letter;
    }
    const auto i = static_cast<std::size_t>(row);
    ctx_.view.ViewPresets[i + 1][4] = letter + tbxKey2(row).Text() + tbxKey3(row).Text();
    ctx_.ocumo.ApuSoundSettings.positions[i] = comboAPU位置(row).Text();
    ctx_.ocumo.ApuSoundSettings.volumes[i] = comboAPU音量(row).Text();
  }
  // 2.
  ocumo_.tbx扉(1).SetText(ctx_.view.ViewPresets[1][4]);
  ocumo_.tbx扉(2).SetText(ctx_.view.ViewPresets[2][4]);
  // 3. The next click loads the window afresh from the values.
  Unload();
  ctx_.svc.pump->Pump();
  // 4.
  if (ctx_.view.SimWindow != 0) {
    ctx_.svc.simFocus->BringSimulatorToFront(ctx_.view.SimWindow);
    ctx_.svc.pump->Pump();
  }
  // 5.
  OcumoWaitSeconds(ctx_, 0.5f);
  ctx_.svc.pump->Pump();
}

}  // namespace vx::viewpoint
