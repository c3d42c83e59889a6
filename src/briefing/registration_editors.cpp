#include "briefing/registration_editors.h"

#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/event_pump.h"
#include "platform/paths.h"
#include "runtime/cp932.h"
#include "runtime/numbers.h"
#include "runtime/runtime_error.h"
#include "simlink/route_progress.h"
#include "simlink/sim_derivations.h"
#include "state/pro_context.h"
#include "ui/file_dialog.h"
#include "ui/message_box.h"
#include "ui/ui_env.h"

namespace vx::briefing {
namespace {

using ui::ControlKind;
using ui::ControlRow;
using K = ControlKind;

constexpr double kTitleFont = 14;

constexpr ControlRow kAirportRows[] = {
    {"labelTitle", K::Label, 240, 120, 3000, 420, "空港登録", kTitleFont, true},
    {"lblLabels", K::Label, 240, 750, 1800, 255, "ICAO", 0, false, 0},
    {"tbxICAO", K::TextBox, 2160, 720, 1215, 315},
    {"Label1", K::Label, 3480, 750, 3000, 255, "例．RJCC"},
    {"lblLabels", K::Label, 240, 1170, 1800, 255, "選択ボタン", 0, false, 1},
    {"tbxボタン", K::TextBox, 2160, 1140, 2175, 315},
    {"Label2", K::Label, 2160, 1500, 6600, 255,
     "例．新千歳　　　　　選択ボタンには自動的に ICAO コードも表示されます。"},
    {"Label3", K::Label, 2160, 1740, 6600, 255, "最大全角で ４ 文字まで、半角で ９ 文字まで"},
    {"lblLabels", K::Label, 240, 2130, 1800, 255, "パタパタ時刻表", 0, false, 2},
    {"tbxパタパタ", K::TextBox, 2160, 2100, 3255, 315},
    {"Label4", K::Label, 2160, 2460, 6600, 255,
     "例．札　 幌　 新千歳　　全角スペース＋半角スペースで丁度全角１文字"},
    {"Label5", K::Label, 2160, 2700, 6600, 255, "最大全角で ７ 文字まで"},
    {"lblLabels", K::Label, 240, 3090, 1800, 255, "空港名　詳細", 0, false, 3},
    {"tbx詳細名", K::TextBox, 2160, 3060, 4335, 315},
    {"Label6", K::Label, 2160, 3420, 6600, 255, "例．札幌　新千歳国際空港　　TOB画面やフライトレポートに表示"},
    {"lblLabels", K::Label, 240, 3810, 1800, 255, "ロビーのチャイム", 0, false, 4},
    {"tbxチャイム", K::TextBox, 2160, 3780, 3255, 315},
    {"buttonファイル検索", K::CommandButton, 5520, 3780, 975, 315, "ファイル"},
    {"Label8", K::Label, 2160, 4140, 6600, 735,
     "　　　出発／到着のロビーアナウンスで使われるチャイムの音声ファイル\r\n"
     "　　　を指定します。指定しなかった場合はランダムで選択されます。\r\n"
     "　　　音声ファイルは　\\VexlorPro\\Wav\\Lob\\  フォルダーです。"},
    {"lblLabels", K::Label, 240, 5070, 1800, 255, "緯度", 0, false, 5},
    {"tbxLatHi", K::TextBox, 2160, 5040, 1695, 315},
    {"lblLabels", K::Label, 240, 5430, 1800, 255, "経度", 0, false, 6},
    {"tbxLonHi", K::TextBox, 2160, 5400, 1695, 315},
    {"lblLabels", K::Label, 240, 5790, 1800, 255, "高度 （ft）", 0, false, 7},
    {"tbxAlt", K::TextBox, 2160, 5760, 1695, 315},
    {"lblLabels", K::Label, 240, 6150, 1800, 255, "時差 （分）", 0, false, 8},
    {"tbx時差", K::TextBox, 2160, 6120, 1695, 315},
    {"button現在地登録", K::CommandButton, 4080, 5040, 1815, 435, "現在地を登録"},
    {"Label7", K::Label, 4080, 5580, 4680, 735,
     "  ＦＳ内部での計算された数値が入ります。\r\n　必ず目的空港に移動した後このボタンを押して登録してください。"},
    {"buttonOK", K::CommandButton, 5760, 6600, 1335, 435, "OK"},
    {"buttonCancel", K::CommandButton, 7260, 6600, 1335, 435, "ｷｬﾝｾﾙ"},
};
constexpr ui::FormLayout kAirportLayout{"frm空港登録", 8880, 7320, kAirportRows};

constexpr ControlRow kAirlineRows[] = {
    {"labelTitle", K::Label, 240, 120, 3000, 420, "航空会社登録", kTitleFont, true},
    {"lblLabels", K::Label, 240, 750, 1800, 255, "選択ボタン", 0, false, 0},
    {"tbxボタン", K::TextBox, 2160, 720, 2175, 315},
    {"Label2", K::Label, 2160, 1080, 6600, 255, "例．JAS　　     　　選択ボタンに表示されます。"},
    {"Label3", K::Label, 2160, 1320, 6600, 255, "最大全角で ４ 文字まで、半角で ９ 文字まで"},
    {"lblLabels", K::Label, 240, 1710, 1800, 255, "航空機名　詳細", 0, false, 1},
    {"tbx詳細名", K::TextBox, 2160, 1680, 4335, 315},
    {"Label6", K::Label, 2160, 2040, 6600, 255, "例．JAS  日本エアシステム　　　TOB画面やフライトレポートに表示"},
    {"lblLabels", K::Label, 240, 2430, 1800, 255, "安全放送ファイル", 0, false, 2},
    {"tbx安全放送", K::TextBox, 2160, 2400, 3255, 315},
    {"buttonファイル検索", K::CommandButton, 5520, 2400, 975, 315, "ファイル"},
    {"Label1", K::Label, 2160, 2760, 6600, 735,
     "　　　離陸前に放送する「安全放送」の音声ファイルを指定します。\r\n"
     "　　　指定しなかった場合はＣＡさんの「安全放送」が放送されます。\r\n"
     "　　　音声ファイルは　\\VexlorPro\\Wav\\Etc\\安全放送\\  フォルダーです。"},
    {"buttonOK", K::CommandButton, 5760, 3720, 1335, 435, "OK"},
    {"buttonCancel", K::CommandButton, 7260, 3720, 1335, 435, "ｷｬﾝｾﾙ"},
};
constexpr ui::FormLayout kAirlineLayout{"frm会社登録", 8880, 4440, kAirlineRows};

constexpr double kFrameWidth = 90;
constexpr double kFrameHeight = 405;

std::int32_t ClampedUnits(double units) {
  constexpr double kMax = std::numeric_limits<std::int32_t>::max();
  constexpr double kMin = std::numeric_limits<std::int32_t>::min();
  if (units >= kMax) return std::numeric_limits<std::int32_t>::max();
  if (units <= kMin) return std::numeric_limits<std::int32_t>::min();
  return runtime::CLng(units);
}

// The first of the boxes whose text the table file (CP932) cannot hold as it is: the
// message that names the box and the character.
struct NamedText {
  std::string_view label;
  const std::string& text;
};
std::optional<std::string> UnstorableText(std::initializer_list<NamedText> texts) {
  for (const NamedText& t : texts) {
    const std::vector<std::string> lost = runtime::Cp932LostCharacters(t.text);
    if (!lost.empty()) {
      return "「" + std::string(t.label) + "」に登録できない文字が含まれています\r\n\r\n文字：「" + lost.front() +
             "」（Shift-JIS (CP932) でそのまま保存できない文字）";
    }
  }
  return std::nullopt;
}

// The file name the open dialog hands back, without its folder; nothing when cancelled.
std::optional<std::string> ChooseFileName(ui::UiEnv& env, const platform::Paths& paths, std::string_view folder,
                                          std::string filter) {
  ui::FileDialogRequest request;
  request.title = "開く";
  request.filter = std::move(filter);
  request.initialFolder = paths.Under(folder).string();
  env.pump.Pump();
  const std::optional<std::string> chosen = env.fileDialogs.Open(request);
  if (!chosen || chosen->empty()) return std::nullopt;
  return std::filesystem::path(*chosen).filename().string();
}

}  // namespace

std::int32_t LatitudeUnits(double degrees) { return ClampedUnits(degrees / simlink::kLatitudeDegreesPerUnit); }
std::int32_t LongitudeUnits(double degrees) { return ClampedUnits(degrees / simlink::kLongitudeDegreesPerUnit); }

// ---- frm空港登録 ----

const ui::FormLayout& Frm空港登録::Layout() { return kAirportLayout; }

Frm空港登録::Frm空港登録(ui::UiEnv& env, state::ProContext& pro) : Form(env, "frm空港登録"), pro_(pro) {
  updateRouteProgress = [this] { simlink::UpdateRouteProgress(pro_); };
  onLoad = [this] { frm空港登録_Form_Load(); };
  // Closed other than by OK or Cancel: as Cancel, so the picker's wait ends.
  onUnload = [this] { pro_.briefing.Pickers.AirportEditSlot = state::kNoSlot; };
  buttonOK.onClick = [this] { frm空港登録_buttonOK_Click(); };
  buttonCancel.onClick = [this] { frm空港登録_buttonCancel_Click(); };
  buttonファイル検索.onClick = [this] { frm空港登録_buttonファイル検索_Click(); };
  button現在地登録.onClick = [this] { frm空港登録_button現在地登録_Click(); };
}

void Frm空港登録::Design() {
  SetCaption("空港登録");
  SetBorderStyle(ui::BorderStyle::FixedDialog);
  Move(0, 0, kAirportLayout.width + kFrameWidth, kAirportLayout.height + kFrameHeight);
  ui::ApplyLayout(*this, kAirportRows);
  for (ui::TextBox* b : {&tbxLatHi, &tbxLonHi, &tbxAlt, &tbx時差}) b->SetLocked(true);
}

void Frm空港登録::frm空港登録_Form_Load() {
  const int slot = pro_.briefing.Pickers.AirportEditSlot;
  slot_ = slot >= 0 && slot < state::kTableSlots ? slot : state::kNoSlot;
  if (slot_ != state::kNoSlot) {
    const state::AirportRecord& r = pro_.files.AirportTable[slot_];
    tbxチャイム.SetText(r.チャイム);
    tbxICAO.SetText(r.ICAO);
    tbxボタン.SetText(r.選択ボタン);
    tbxパタパタ.SetText(r.空港名パタパタ);
    tbx詳細名.SetText(r.空港名詳細);
    tbxLatHi.SetText(runtime::IntText(r.緯度));
    tbxLonHi.SetText(runtime::IntText(r.経度));
    tbxAlt.SetText(runtime::IntText(r.高度));
    tbx時差.SetText(runtime::IntText(pro_.main.TimeDiffCorrection == "OFF" ? r.DEF時差 : r.修正時差));
  }
  pro_.svc.pump->Pump();
}

void Frm空港登録::frm空港登録_buttonOK_Click() {
  const auto refuse = [this](const std::string& text) {
    Env().boxes.Show(text, ui::Buttons::Ok, ui::Icon::Exclamation, "空港登録");
  };
  if (tbxICAO.Text().empty()) return refuse("ICAO コードが入力されていません");
  if (tbxボタン.Text().empty()) return refuse("選択ボタン名が入力されていません");
  if (tbxパタパタ.Text().empty()) return refuse("パタパタ時刻表名が入力されていません");
  if (tbx詳細名.Text().empty()) return refuse("空港名　詳細が入力されていません");
  if (tbxLatHi.Text().empty() || tbxLonHi.Text().empty() || tbxAlt.Text().empty()) {
    return refuse("緯度、経度、高度が入力されていません\r\n\r\n「現在地を登録」ボタンを押してください");
  }
  if (auto bad = UnstorableText({{"ICAO", tbxICAO.Text()},
                                 {"選択ボタン", tbxボタン.Text()},
                                 {"パタパタ時刻表", tbxパタパタ.Text()},
                                 {"空港名　詳細", tbx詳細名.Text()},
                                 {"ロビーのチャイム", tbxチャイム.Text()}})) {
    return refuse(*bad);
  }
  // Every number first, so that the record is stored whole or not at all.
  std::int32_t latitude = 0, longitude = 0;
  std::int16_t elevation = 0, difference = 0;
  try {
    latitude = runtime::CLng(tbxLatHi.Text());
    longitude = runtime::CLng(tbxLonHi.Text());
    elevation = runtime::CInt(tbxAlt.Text());
    difference = runtime::CInt(tbx時差.Text());
  } catch (const runtime::RuntimeError& e) {
    return refuse(e.Text());
  }
  if (slot_ != state::kNoSlot) {
    state::AirportRecord& r = pro_.files.AirportTable[slot_];
    r.チャイム = tbxチャイム.Text();
    r.ICAO = tbxICAO.Text();
    r.選択ボタン = tbxボタン.Text();
    r.空港名パタパタ = tbxパタパタ.Text();
    r.空港名詳細 = tbx詳細名.Text();
    r.緯度 = latitude;
    r.経度 = longitude;
    r.高度 = elevation;
    (pro_.main.TimeDiffCorrection == "OFF" ? r.DEF時差 : r.修正時差) = difference;
  }
  EndEdit();
}

void Frm空港登録::frm空港登録_buttonCancel_Click() { EndEdit(); }

void Frm空港登録::EndEdit() {
  pro_.briefing.Pickers.AirportEditSlot = state::kNoSlot;
  Unload();
  pro_.svc.pump->Pump();
}

void Frm空港登録::frm空港登録_buttonファイル検索_Click() {
  try {
    const auto name =
        ChooseFileName(Env(), *pro_.svc.paths, "\\Wav\\Lob", "チャイム音声 (Type_*.wav)|Type_*.wav");
    if (!name) return;
    tbxチャイム.SetText(*name);
    pro_.svc.pump->Pump();
  } catch (const runtime::RuntimeError&) {
    // Any fault of the dialog ends the step quietly.
  }
}

void Frm空港登録::frm空港登録_button現在地登録_Click() {
  if (updateRouteProgress) updateRouteProgress();
  pro_.svc.pump->Pump();
  const state::SimState& s = pro_.sim;
  tbxLatHi.SetText(runtime::IntText(LatitudeUnits(s.AircraftPosition.latitude)));
  tbxLonHi.SetText(runtime::IntText(LongitudeUnits(s.AircraftPosition.longitude)));
  tbxAlt.SetText(runtime::IntText(static_cast<std::int64_t>(s.AircraftAltitudeFt) - s.HeightAboveGround));
  tbx時差.SetText(runtime::IntText(s.SimTimeOffset));
  pro_.svc.pump->Pump();
}

// ---- frm会社登録 ----

const ui::FormLayout& Frm会社登録::Layout() { return kAirlineLayout; }

Frm会社登録::Frm会社登録(ui::UiEnv& env, state::ProContext& pro) : Form(env, "frm会社登録"), pro_(pro) {
  onLoad = [this] { frm会社登録_Form_Load(); };
  onUnload = [this] { pro_.briefing.Pickers.AirlineEditSlot = state::kNoSlot; };
  buttonOK.onClick = [this] { frm会社登録_buttonOK_Click(); };
  buttonCancel.onClick = [this] { frm会社登録_buttonCancel_Click(); };
  buttonファイル検索.onClick = [this] { frm会社登録_buttonファイル検索_Click(); };
}

void Frm会社登録::Design() {
  SetCaption("航空会社登録");
  SetBorderStyle(ui::BorderStyle::FixedDialog);
  Move(0, 0, kAirlineLayout.width + kFrameWidth, kAirlineLayout.height + kFrameHeight);
  ui::ApplyLayout(*this, kAirlineRows);
}

void Frm会社登録::frm会社登録_Form_Load() {
  const int slot = pro_.briefing.Pickers.AirlineEditSlot;
  slot_ = slot >= 0 && slot < state::kTableSlots ? slot : state::kNoSlot;
  if (slot_ != state::kNoSlot) {
    const state::AirlineRecord& r = pro_.files.AirlineTable[slot_];
    tbxボタン.SetText(r.選択ボタン);
    tbx詳細名.SetText(r.会社名詳細);
    tbx安全放送.SetText(r.安全放送);
  }
  pro_.svc.pump->Pump();
}

void Frm会社登録::frm会社登録_buttonOK_Click() {
  const auto refuse = [this](const std::string& text) {
    Env().boxes.Show(text, ui::Buttons::Ok, ui::Icon::Exclamation, "会社登録");
  };
  if (tbxボタン.Text().empty()) return refuse("選択ボタン名が入力されていません");
  if (tbx詳細名.Text().empty()) return refuse("会社名　詳細が入力されていません");
  if (auto bad = UnstorableText({{"選択ボタン", tbxボタン.Text()},
                                 {"航空機名　詳細", tbx詳細名.Text()},
                                 {"安全放送ファイル", tbx安全放送.Text()}})) {
    return refuse(*bad);
  }
  if (slot_ != state::kNoSlot) {
    state::AirlineRecord& r = pro_.files.AirlineTable[slot_];
    r.選択ボタン = tbxボタン.Text();
    r.会社名詳細 = tbx詳細名.Text();
    r.安全放送 = tbx安全放送.Text();
  }
  EndEdit();
}

void Frm会社登録::frm会社登録_buttonCancel_Click() { EndEdit(); }

void Frm会社登録::EndEdit() {
  pro_.briefing.Pickers.AirlineEditSlot = state::kNoSlot;
  Unload();
  pro_.svc.pump->Pump();
}

void Frm会社登録::frm会社登録_buttonファイル検索_Click() {
  try {
    const auto name = ChooseFileName(Env(), *pro_.svc.paths, "\\Wav\\Etc\\安全放送", "音声ファイル (*.wav)|*.wav");
    if (!name) return;
    tbx安全放送.SetText(*name);
    pro_.svc.pump->Pump();
  } catch (const runtime::RuntimeError&) {
    // Any fault of the dialog ends the step quietly.
  }
}

}  // namespace vx::briefing
