#include "viewpoint/frm_ocumo.h"

#include <charconv>
#include <limits>
#include <optional>

#include "callout/eye_view.h"
#include "datafiles/ocumo_files.h"
#include "platform/event_pump.h"
#include "platform/foreign_windows.h"
#include "platform/paths.h"
#include "platform/sim_ipc_client.h"
#include "runtime/runtime_error.h"
#include "simlink/channels.h"
#include "simlink/eye_keys.h"
#include "ui/colour.h"
#include "ui/message_box.h"
#include "ui/scope_guard.h"
#include "ui/ui_env.h"
#include "viewpoint/frm_door_set.h"
#include "viewpoint/ocumo_program.h"

namespace vx::viewpoint {
namespace {

using ui::ControlKind;

constexpr double kFormWidth = 6030;
constexpr double kFormHeight = 11400;
constexpr double kTopTwips = 620;
constexpr double kRowTop = 330;
constexpr double kRowStep = 315;
constexpr double kRowHeight = 285;
constexpr double kBoxLeft = 1080;
constexpr double kBoxWidth = 900;
constexpr int kPollMs = 50;

constexpr double RowTop(int i) { return kRowTop + i * kRowStep; }
constexpr double BoxLeft(int column) { return kBoxLeft + column * kBoxWidth; }

#define OCUMO_ROW(i, name)                                                                            \
  {"label視点", ControlKind::Label, 60, RowTop(i), 1000, kRowHeight, name, 9, false, i},              \
      {"tbx高度", ControlKind::TextBox, BoxLeft(0), RowTop(i), kBoxWidth, kRowHeight, {}, 9, false, i}, \
      {"tbx距離", ControlKind::TextBox, BoxLeft(1), RowTop(i), kBoxWidth, kRowHeight, {}, 9, false, i}, \
      {"tbxズーム", ControlKind::TextBox, BoxLeft(2), RowTop(i), kBoxWidth, kRowHeight, {}, 9, false, i}, \
      {"tbx角度", ControlKind::TextBox, BoxLeft(3), RowTop(i), kBoxWidth, kRowHeight, {}, 9, false, i}, \
      {"tbx扉", ControlKind::TextBox, BoxLeft(4), RowTop(i), kBoxWidth, kRowHeight, {}, 9, false, i}

constexpr ui::ControlRow kRows[] = {
    {"Label15", ControlKind::Label, kBoxLeft, 60, 4500, 240, "高度・距離・ｽﾞｰﾑ・角度・扉", 9},
    OCUMO_ROW(0, "点検視"),
    OCUMO_ROW(1, "搭乗口"),
    OCUMO_ROW(2, "荷物室"),
    OCUMO_ROW(3, "外部視"),
    OCUMO_ROW(4, "タワー１"),
    OCUMO_ROW(5, "タワー２"),
    {"Command1", ControlKind::CommandButton, 60, 2280, 5880, 375, "搭乗口・荷物室　扉設定", 9},
    {"Frame1", ControlKind::Frame, 60, 2760, 5880, 3420, "キー操作", 9},
    {"label移動", ControlKind::Label, 120, 270, 4200, 3060, {}, 9},
    {"tbx移動量", ControlKind::TextBox, 4500, 720, 600, kRowHeight, "小", 9},
    {"Label4", ControlKind::Label, 60, 6300, 5940, 5000, {}, 8},
};
#undef OCUMO_ROW

constexpr std::string_view kPresetHelp[14] = {
    "数字キーはテンキー使用    ",
    "",
    "終了　　　　　　：Ｅｓｃ  ",
    "移動量変更　　　：５(    )",
    "",
    "カメラ移動                ",
    "　 　　近　　　　     　　",
    "　 　　８　　　　 ↑７　  ",
    "　左 ４＋６ 右 　 ＋　　  ",
    "　 　　２　　　　 ↓１    ",
    "　　 　遠　　　　   　　　",
    "",
    "ズーム変更　　　：３←→９",
    "扉の開閉　　　　：０      ",
};
constexpr std::string_view kOutsideHelp[14] = {
    "数字キーはテンキー使用",
    "",
    "終了　　　　　　：Ｅｓｃ  ",
    "移動量変更　　　：５(    )",
    "",
    "カメラ移動                ",
    "　 　　近　　　　 　　    ",
    "　 　　８　　　　 ↑７    ",
    "　左 ４＋６ 右 　 ＋　    ",
    "　 　　２　　　　 ↓１    ",
    "　　 　遠　　　　 　　　  ",
    "",
    "ズーム変更　　　：３←→９",
    "外視点回転速度　：０      ",
};
constexpr std::string_view kRotationHelp[14] = {
    "数字キーはテンキー使用",
    "",
    "終了　　　　　　：Ｅｓｃ",
    "カメラ移動　　　　：０",
    "",
    "回転10秒、停止30秒：１",
    "回転10秒、停止45秒：２",
    "回転10度、停止60秒：３",
    "回転20秒、停止30秒：４",
    "回転20秒、停止45秒：５",
    "回転20秒、停止60秒：６",
    "回転30秒、停止30秒：７",
    "回転30秒、停止45秒：８",
    "回転30秒、停止60秒：９",
};
constexpr std::string_view kInstructions[22] = {
    "＜視点設定の手順＞",
    "",
    "１．扉設定ボタンを押して扉設定画面   を開き搭乗口、荷物室の開閉キー入",
    "　力を設定して下さい。",
    "",
    "２．外から点検する視点位置をカメラ",
    "　の距離、高度、ズーム率を設定。",
    "",
    "３．Tab を押して搭乗口が良く見える",
    "　視点位置を設定。テンキーの０を押",
    "　して扉の開閉動作を確認。",
    "",
    "４．Tab を押して荷物室が良く見える",
    "　視点位置を設定。扉の開閉を確認。",
    "",
    "５．Tab を押して外部から眺める視点",
    "　位置を設定。テンキー０を押して",
    "　視点回転の設定をして下さい。",
    "",
    "６．Tab を押してタワー視点を設定。",
    "",
    "７．最後に Esc キーで視点設定から　抜けます。",
};

template <std::size_t N>
std::string JoinLines(const std::string_view (&lines)[N]) {
  std::string out;
  for (std::size_t i = 0; i < N; ++i) {
    if (i) out += "\r\n";
    out += lines[i];
  }
  return out;
}

bool IsTower(int preset) { return preset == 4 || preset == 5; }
bool IsOutside(int preset) { return preset == 0 || preset == 3; }

// A box's whole number ("12", " -3 "); nothing for any other text.
std::optional<std::int64_t> WholeNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

template <class T>
bool Fits(std::int64_t v) {
  return v >= std::numeric_limits<T>::min() && v <= std::numeric_limits<T>::max();
}

int StepOf(std::string_view step) { return step == "大" ? 10 : 1; }

}  // namespace

const std::array<OcumoKey, 12> kCameraKeys{{
    {'E', OcumoCommand::End},
    {'T', OcumoCommand::Next},
    {'0', OcumoCommand::DoorOrRotation},
    {'7', OcumoCommand::Height, "上"},
    {'1', OcumoCommand::Height, "下"},
    {'8', OcumoCommand::Position, "前"},
    {'2', OcumoCommand::Position, "後"},
    {'4', OcumoCommand::Position, "左"},
    {'6', OcumoCommand::Position, "右"},
    {'9', OcumoCommand::Zoom, "大"},
    {'3', OcumoCommand::Zoom, "小"},
    {'5', OcumoCommand::StepSwitch},
}};

const std::array<OcumoKey, 12> kRotationMenuKeys{{
    {'1', OcumoCommand::SetRotation},
    {'2', OcumoCommand::SetRotation},
    {'3', OcumoCommand::SetRotation},
    {'4', OcumoCommand::SetRotation},
    {'5', OcumoCommand::SetRotation},
    {'6', OcumoCommand::SetRotation},
    {'7', OcumoCommand::SetRotation},
    {'8', OcumoCommand::SetRotation},
    {'9', OcumoCommand::SetRotation},
    {'0', OcumoCommand::CancelMenu},
    {'T', OcumoCommand::Next},
    {'E', OcumoCommand::End},
}};

char TranslateEyeKey(std::int32_t keyWord) {
  const int code = simlink::EyeKeyOf(keyWord);
  if (code == simlink::kVkTab) return 'T';
  if (code == simlink::kVkEsc) return 'E';
  if (code >= simlink::kVkKeypad0 && code <= simlink::kVkKeypad9) return static_cast<char>('0' + code - simlink::kVkKeypad0);
  return 'x';
}

ui::FormLayout FrmOcumoLayout() { return {"frmOcumo", kFormWidth, kFormHeight, kRows}; }

FrmOcumo::FrmOcumo(ui::UiEnv& env, state::OcumoContext& ctx) : Form(env, "frmOcumo"), ctx_(ctx) {
  onLoad = [this] { frmOcumo_Form_Load(); };
  onUnload = [this] { frmOcumo_Form_Unload(); };
  Command1.onClick = [this] { frmOcumo_Command1_Click(); };
  Timer1.onTimer = [this] { frmOcumo_Timer1_Timer(); };
}

FrmOcumo::~FrmOcumo() = default;

void FrmOcumo::Design() {
  SetCaption("Ocumo  v2.25");
  Form::Move(0, 0, kFormWidth, kFormHeight);
  ui::ApplyLayout(*this, kRows);
  Label4.SetCaption(JoinLines(kInstructions));
  tbx移動量.SetLocked(true);
  Timer1.SetEnabled(false);
}

void FrmOcumo::frmOcumo_Form_Load() {
  // 1.
  SetTop(kTopTwips);
  SetLeft(ctx_.ui ? ctx_.ui->Screen().width - Width() : 0);
  // 2.
  callout::EyeView view = OcumoEyeView(ctx_);
  callout::ReadAircraftPositionBlock(view);
  ShowMoveHelp();
  // 3.
  for (int i = 0; i < state::kViewpointCount; ++i) ShowRow(i);
  // 4.
  ctx_.svc.pump->Pump();
  ctx_.view.CurrentViewPreset = 0;
  HighlightViewPreset();
  // 5.
  Timer1.SetInterval(kPollMs);
  Timer1.SetEnabled(true);
  ctx_.svc.pump->Pump();
  // 6. A key still in the channel was written for a viewpoint program that has ended
  //    before it took it: taken without acting on it, so that this one starts with an
  //    empty channel.
  simlink::OpenEyeChannel(ctx_.svc.sharedMemoryPrefix, ctx_.ocumo.eye);
  TakeEyeKey();
  if (onWindowLoaded) onWindowLoaded();
}

void FrmOcumo::ShowRow(int preset) {
  const auto& row = ctx_.view.ViewPresets[static_cast<std::size_t>(preset)];
  tbx高度(preset).SetText(row[0]);
  tbx距離(preset).SetText(row[1]);
  tbxズーム(preset).SetText(row[2]);
  tbx角度(preset).SetText(row[3]);
  tbx扉(preset).SetText(row[4]);
}

state::ViewTableArray FrmOcumo::BoxTexts() const {
  state::ViewTableArray out;
  for (int i = 0; i < state::kViewpointCount; ++i) {
    auto& row = out[static_cast<std::size_t>(i)];
    row = {tbx高度(i).Text(), tbx距離(i).Text(), tbxズーム(i).Text(), tbx角度(i).Text(), tbx扉(i).Text()};
  }
  return out;
}

void FrmOcumo::SetOcumoTopmost() {
  if (Loaded()) SetTopmost(true);
  ctx_.svc.pump->Pump();
}

void FrmOcumo::frmOcumo_Command1_Click() {
  if (!doorSet_) doorSet_ = std::make_unique<FrmDoorSet>(Env(), ctx_, *this);
  doorSet_->Show();
  ctx_.svc.pump->Pump();
}

void FrmOcumo::frmOcumo_Form_Unload() {
  // 1.
  Timer1.SetInterval(0);
  Timer1.SetEnabled(false);
  ctx_.svc.pump->Pump();
  // 2.
  if (ctx_.ocumo.ProWindowHandle != 0 && ctx_.svc.foreignWindows) {
    ctx_.svc.foreignWindows->BringToFront(ctx_.ocumo.ProWindowHandle);
    ctx_.svc.pump->Pump();
  }
  // 3.
  ctx_.svc.paths->DeleteIfExists("\\Ocumo.cfg");
  ctx_.svc.pump->Pump();
  // 4. A return file that cannot be written is told; the rest of the end still runs.
  try {
    WriteEyeReturnFile(ctx_, BoxTexts());
  } catch (const runtime::RuntimeError& e) {
    ctx_.boxes->Show(e.Text() + "\n\n視点の戻しファイル「 " + ctx_.svc.paths->Under("\\EyeRet.cfg").string() +
                         " 」を書き込めません。\nここで変えた視点と APU の値は VexlorPro に戻りません。",
                     ui::Buttons::Ok, ui::Icon::Critical, "Ocumo");
  }
  // 5.
  simlink::CloseSharedMapping(ctx_.ocumo.eye);
  // 6. The door window goes with the program.
  if (doorSet_ && doorSet_->Loaded()) doorSet_->Unload();
}

void FrmOcumo::frmOcumo_Timer1_Timer() {
  if (ctx_.ocumo.PollBusy == 0) PollEyeChannel();
  ctx_.svc.pump->Pump();
}

char FrmOcumo::TakeEyeKey() {
  // A channel that is not open has no key.
  std::int32_t word = 0;
  if (simlink::ReadLongFromChannel(word, ctx_.ocumo.eye) == 0) return 'x';
  const char key = TranslateEyeKey(word);
  if (key == 'x') return 'x';
  // Taken only while the word still holds what was read: a key written since stays for
  // the next poll.
  const auto taken = static_cast<std::int32_t>((static_cast<std::uint32_t>(word) & 0xFFFF0000u) |
                                                static_cast<std::uint32_t>(simlink::kChannelTaken));
  return simlink::CompareAndSwapLong(word, taken, ctx_.ocumo.eye) ? key : 'x';
}

void FrmOcumo::PollEyeChannel() {
  // 1.
  ctx_.ocumo.PollBusy = 1;
  ui::ScopeGuard idle([this] { ctx_.ocumo.PollBusy = 0; });
  // 2.
  if (!ctx_.svc.paths->Exists("\\Ocumo.cfg")) {
    Unload();
    return;
  }
  // 3 to 5.
  const char key = TakeEyeKey();
  if (key == 'x') return;
  // 6.
  const std::array<OcumoKey, 12>* table = nullptr;
  if (ctx_.ocumo.OcumoMode == 0) table = &kCameraKeys;
  if (ctx_.ocumo.OcumoMode == 3) table = &kRotationMenuKeys;
  if (!table) return;
  for (const OcumoKey& row : *table) {
    if (row.key == key) {
      RunKey(row);
      break;
    }
  }
}

void FrmOcumo::RunKey(const OcumoKey& key) {
  const int preset = ctx_.view.CurrentViewPreset;
  const std::string step = tbx移動量.Text();
  switch (key.command) {
    case OcumoCommand::End:
      Unload();
      break;
    case OcumoCommand::Next:
      NextViewPreset();
      break;
    case OcumoCommand::DoorOrRotation:
      if (IsOutside(preset)) {
        ctx_.ocumo.OcumoMode = 3;
        ShowRotationMenu();
      } else {
        callout::EyeView view = OcumoEyeView(ctx_);
        callout::PressNamedKeys(view, ctx_.view.ViewPresets[static_cast<std::size_t>(preset)][4]);
      }
      break;
    case OcumoCommand::Height:
      AdjustHeight(key.direction, step);
      break;
    case OcumoCommand::Position:
      AdjustPosition(key.direction, step);
      break;
    case OcumoCommand::Zoom:
      AdjustZoom(key.direction, step);
      break;
    case OcumoCommand::StepSwitch:
      tbx移動量.SetText(step == "大" ? "小" : "大");
      break;
    case OcumoCommand::SetRotation:
      tbx扉(preset).SetText(std::string(1, key.key));
      [[fallthrough]];
    case OcumoCommand::CancelMenu:
      ctx_.ocumo.OcumoMode = 0;
      ShowMoveHelp();
      break;
  }
}

void FrmOcumo::NextViewPreset() {
  ctx_.ocumo.OcumoMode = 0;
  ctx_.view.CurrentViewPreset = static_cast<std::int16_t>(ctx_.view.CurrentViewPreset >= 5 ? 0 : ctx_.view.CurrentViewPreset + 1);
  ShowMoveHelp();
  HighlightViewPreset();
  ApplyCurrentPreset(1);
}

void FrmOcumo::ApplyCurrentPreset(std::int16_t mode) {
  const int preset = ctx_.view.CurrentViewPreset;
  callout::EyeView view = OcumoEyeView(ctx_);
  if (!IsTower(preset)) {
    callout::ApplyViewPreset(view, preset, mode, 1);
    return;
  }
  const auto height = WholeNumber(tbx高度(preset).Text());
  const auto distance = WholeNumber(tbx距離(preset).Text());
  const auto angle = WholeNumber(tbx角度(preset).Text());
  const auto zoom = WholeNumber(tbxズーム(preset).Text());
  if (!height || !distance || !angle || !zoom || !Fits<std::int32_t>(*height) || !Fits<std::int16_t>(*zoom)) return;
  callout::PlaceEyePointAtLastPosition(view, static_cast<std::int32_t>(*height), static_cast<double>(*distance),
                                       static_cast<double>(*angle), static_cast<std::int16_t>(*zoom));
  callout::WriteEyePoint(view, mode);
}

void FrmOcumo::HighlightViewPreset() {
  callout::EyeView view = OcumoEyeView(ctx_);
  callout::ReadAircraftPositionBlock(view);
  for (int i = 0; i < state::kViewpointCount; ++i) {
    const bool current = i == ctx_.view.CurrentViewPreset;
    const ui::Colour back = ui::Colour::Palette(current ? 9 : 7);
    const ui::Colour fore = ui::Colour::Palette(current ? 15 : 9);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&label視点(i), &tbx高度(i), &tbx距離(i), &tbxズーム(i),
                                                               &tbx角度(i), &tbx扉(i)}) {
      c->SetBackColor(back);
      c->SetForeColor(fore);
    }
  }
}

void FrmOcumo::AdjustHeight(std::string_view direction, std::string_view step) {
  const int preset = ctx_.view.CurrentViewPreset;
  const auto old = WholeNumber(tbx高度(preset).Text());
  if (!old) return;
  const std::int64_t value = direction == "上" ? *old + StepOf(step) : *old - StepOf(step);
  if (!Fits<std::int32_t>(value)) return;
  tbx高度(preset).SetText(std::to_string(value));
  ctx_.view.ViewPresets[static_cast<std::size_t>(preset)][0] = tbx高度(preset).Text();
  ctx_.svc.pump->Pump();
  ApplyCurrentPreset(0);
}

void FrmOcumo::AdjustPosition(std::string_view direction, std::string_view step) {
  const int preset = ctx_.view.CurrentViewPreset;
  const int by = StepOf(step);
  const bool distance = direction == "前" || direction == "後";
  ui::TextBox& box = distance ? tbx距離(preset) : tbx角度(preset);
  const auto old = WholeNumber(box.Text());
  if (!old) return;
  std::int64_t value = *old;
  if (direction == "前") {
    if (by == 10 && value > 10) value = value - 10 <= 10 ? 10 : value - 10;
    if (by == 1 && value > 1) value -= 1;
  } else if (direction == "後") {
    value += by;
  } else if (direction == "左") {
    value += by;
    if (value > 360) value -= 360;
  } else {
    value -= by;
    if (value < 0) value += 360;
  }
  if (!Fits<std::int16_t>(value)) return;
  box.SetText(std::to_string(value));
  ctx_.view.ViewPresets[static_cast<std::size_t>(preset)][distance ? 1 : 3] = box.Text();
  ctx_.svc.pump->Pump();
  ApplyCurrentPreset(0);
}

void FrmOcumo::AdjustZoom(std::string_view direction, std::string_view step) {
  const int preset = ctx_.view.CurrentViewPreset;
  const auto old = WholeNumber(tbxズーム(preset).Text());
  if (!old) return;
  std::int64_t value = direction == "大" ? *old + StepOf(step) : *old - StepOf(step);
  if (value < 5) value = 5;
  if (!Fits<std::int32_t>(value) || !Fits<std::int16_t>(value * 64 / 100)) return;
  tbxズーム(preset).SetText(std::to_string(value));
  ctx_.view.ViewPresets[static_cast<std::size_t>(preset)][2] = tbxズーム(preset).Text();
  ctx_.svc.pump->Pump();
  const std::int16_t zoom = callout::ZoomValue(static_cast<double>(value));
  ctx_.svc.sim->BeginRequest();
  callout::WriteEyeVar(*ctx_.svc.sim, ctx_.view, IsTower(preset) ? state::EyeVar::TowerZoom : state::EyeVar::PresetZoom,
                       &zoom);
  ctx_.svc.sim->SendRequest();
}

void FrmOcumo::ShowMoveHelp() {
  Frame1.SetCaption("キー操作　＜カメラ移動＞");
  tbx移動量.SetVisible(true);
  label移動.SetCaption(IsOutside(ctx_.view.CurrentViewPreset) ? JoinLines(kOutsideHelp) : JoinLines(kPresetHelp));
  ctx_.svc.pump->Pump();
}

void FrmOcumo::ShowRotationMenu() {
  label移動.SetCaption(JoinLines(kRotationHelp));
  tbx移動量.SetVisible(false);
  Frame1.SetCaption("キー操作　＜外視点回転設定＞");
  ctx_.svc.pump->Pump();
}

}  // namespace vx::viewpoint
