#include "briefing/frm_fuel_tank.h"

#include <array>
#include <vector>

#include "platform/event_pump.h"
#include "simlink/simulator_link.h"
#include "state/pro_context.h"
#include "ui/colour.h"
#include "ui/fonts.h"
#include "ui/ui_env.h"

namespace vx::briefing {
namespace {

using ui::ControlKind;
using ui::ControlRow;

constexpr double kFormWidth = 8670;
constexpr double kFormHeight = 5775;
constexpr double kLabelLeft = 180;
constexpr double kLabelWidth = 8175;
constexpr double kLineHeight = 255;
constexpr double kBoxHeight = 270;
constexpr double kFontSize = 9;

constexpr std::array<double, kFuelRowCount> kRowTops = {1080, 1320, 1560, 2160, 2400, 2640,
                                                         3240, 3480, 3720, 4320, 4560, 5040};
constexpr std::array<std::string_view, kFuelRowCount> kRowCaptions = {
    "　　１）メインタンク", "　　２）Ａｕｘタンク", "　　３）Ｔｉｐタンク", "　　１）メインタンク",
    "　　２）Ａｕｘタンク", "　　３）Ｔｉｐタンク", "　　１）センター１",   "　　２）センター２",
    "　　３）センター３",   "　　１）Ｅxternal-１", "　　２）Ｅxternal-２", "　●　合計",
};

struct BoxColumn {
  std::string_view name;
  double left, width;
  bool entry;  // percent, pounds, gallons: raised 60 twips on the tank rows
};
constexpr std::array<BoxColumn, 5> kColumns = {{
    {"tbxPer", 2400, 675, true},
    {"tbxLbs", 3240, 975, true},
    {"tbxLbsMax", 4440, 900, false},
    {"tbxGall", 6180, 975, true},
    {"tbxGallMax", 7320, 900, false},
}};

constexpr std::size_t kRowCount = 4 + 4 + kFuelRowCount * 6;

constexpr std::array<ControlRow, kRowCount> BuildRows() {
  std::array<ControlRow, kRowCount> rows{};
  std::size_t n = 0;
  rows[n++] = {"buttonOK", ControlKind::CommandButton, 240, 120, 675, 315, "OK", kFontSize, true};
  // Ends just before tbxLbsGall, which follows it on the line.
  rows[n++] = {"Label_FuelTank", ControlKind::Label, 2100, 300, 2880, kLineHeight,
               "燃料重量　（ポンド／ガロン）　＝", kFontSize, true, 17};
  rows[n++] = {"tbxLbsGall", ControlKind::TextBox, 5040, 300 - 15, 975, kBoxHeight, {}, kFontSize, true};
  // Ends where the first tank heading begins: drawn after the heading, it would fill its
  // ground over the heading's top.
  rows[n++] = {"Label_FuelTank", ControlKind::Label, kLabelLeft, 600, kLabelWidth, 840 - 600,
               "　　　　　　　　　　　　　％　　　ポンド / 最大積載量　　　　US Gallons / 最大積載量", kFontSize, true,
               15};
  constexpr std::array<std::pair<int, double>, 4> headings = {{{1, 840}, {4, 1920}, {8, 3000}, {12, 4080}}};
  constexpr std::array<std::string_view, 4> headingCaptions = {"　１．レフトウィング", "　２．ライトウィング",
                                                               "　３．センタータンク", "　４．その他のタンク"};
  for (std::size_t h = 0; h < headings.size(); ++h) {
    rows[n++] = {"Label_FuelTank", ControlKind::Label, kLabelLeft, headings[h].second, kLabelWidth, kLineHeight,
                 headingCaptions[h], kFontSize, true, headings[h].first};
  }
  for (int r = 0; r < kFuelRowCount; ++r) {
    rows[n++] = {"Label_Fuel", ControlKind::Label, kLabelLeft, kRowTops[r], kLabelWidth, kLineHeight,
                 kRowCaptions[r], kFontSize, true, r};
  }
  for (int r = 0; r < kFuelRowCount; ++r) {
    for (const BoxColumn& c : kColumns) {
      const double top = kRowTops[r] - (c.entry && r != kFuelTotalRow ? 60 : 0);
      rows[n++] = {c.name, ControlKind::TextBox, c.left, top, c.width, kBoxHeight, {}, kFontSize, true, r};
    }
  }
  return rows;
}

constexpr std::array<ControlRow, kRowCount> kRows = BuildRows();
constexpr ui::FormLayout kLayout{"frmFuelTank", kFormWidth, kFormHeight, kRows};

// The system's menu-bar colour, the ground of the window and its display-only boxes.
constexpr ui::Colour kMenuBarColour = ui::Colour::Rgb(0xF0, 0xF0, 0xF0);
constexpr ui::Colour kDisplayText = ui::Colour::Rgb(0, 0, 255);
constexpr ui::Colour kDisabledGround = ui::Colour::Rgb(192, 192, 192);

int CharacterCount(const std::string& utf8) {
  int n = 0;
  for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
  return n;
}

}  // namespace

const ui::FormLayout& FrmFuelTank::Layout() { return kLayout; }

FrmFuelTank::FrmFuelTank(ui::UiEnv& env, state::ProContext& pro, const TobSheetCalls& sheet)
    : Form(env, "frmFuelTank"), pro_(pro), sheet_(sheet) {
  onLoad = [this] { frmFuelTank_Form_Load(); };
  onUnload = [this] { frmFuelTank_Form_Unload(); };
  buttonOK.onClick = [this] { frmFuelTank_buttonOK_Click(); };

  // frmFuelTank_tbxPer_Change, _tbxLbs_Change, _tbxGall_Change
  tbxPer.onChange = [this](int i) {
    if (fuel.FuelFormReady == 0) return;
    typedBox_ = &tbxPer(i);
    ApplyTankPercent(fuel, *this, Env().boxes, i);
  };
  tbxLbs.onChange = [this](int i) {
    if (fuel.FuelFormReady == 0) return;
    typedBox_ = &tbxLbs(i);
    ApplyTankPounds(fuel, *this, Env().boxes, i);
  };
  tbxGall.onChange = [this](int i) {
    if (fuel.FuelFormReady == 0) return;
    typedBox_ = &tbxGall(i);
    ApplyTankGallons(fuel, *this, Env().boxes, i);
  };
  // frmFuelTank_tbxPer_GotFocus
  tbxPer.onGotFocus = [this](int i) { tbxPer(i).SetSelection(0, CharacterCount(tbxPer(i).Text())); };
  // frmFuelTank_tbxPer_LostFocus, _tbxLbs_LostFocus, _tbxGall_LostFocus
  tbxPer.onLostFocus = [this](int i) { tbxPer(i).SetText(WholePercentText(tbxPer(i).Text())); };
  tbxLbs.onLostFocus = [this](int i) { tbxLbs(i).SetText(WholeAmountText(tbxLbs(i).Text())); };
  tbxGall.onLostFocus = [this](int i) { tbxGall(i).SetText(WholeAmountText(tbxGall(i).Text())); };
}

void FrmFuelTank::Design() {
  SetCaption("燃料　詳細設定");
  SetBorderStyle(ui::BorderStyle::FixedSingle);
  Move(0, 0, kFormWidth + 90, kFormHeight + 405);
  SetBackColor(kMenuBarColour);
  ui::ApplyLayout(*this, kRows);
  // The labels are in the fixed-pitch face: the column heads line up with the boxes by
  // their full-width spaces.
  for (ui::Label* l : Label_FuelTank.Elements()) {
    l->SetBackColor(kMenuBarColour);
    l->SetFontName(std::string(ui::kFixedGothic));
  }
  for (ui::Label* l : Label_Fuel.Elements()) {
    l->SetBackColor(kMenuBarColour);
    l->SetFontName(std::string(ui::kFixedGothic));
  }
  tbxLbsGall.SetAlignment(ui::Alignment::Center);
  tbxLbsGall.SetLocked(true);
  tbxLbsGall.SetBackColor(kMenuBarColour);
  tbxLbsGall.SetForeColor(kDisplayText);
  for (int r = 0; r < kFuelRowCount; ++r) {
    for (ui::TextBox* b : {&tbxPer(r), &tbxLbs(r), &tbxGall(r)}) b->SetAlignment(ui::Alignment::Center);
    for (ui::TextBox* b : {&tbxLbsMax(r), &tbxGallMax(r)}) {
      b->SetAlignment(ui::Alignment::Right);
      b->SetLocked(true);
    }
    std::vector<ui::TextBox*> display = {&tbxLbsMax(r), &tbxGallMax(r)};
    if (r == kFuelTotalRow) display.insert(display.end(), {&tbxPer(r), &tbxLbs(r), &tbxGall(r)});
    for (ui::TextBox* b : display) {
      b->SetBackColor(kMenuBarColour);
      b->SetForeColor(kDisplayText);
    }
  }
}

void FrmFuelTank::frmFuelTank_Form_Load() {
  // Tab: the percents of the tanks, then pounds and gallons row by row, OK after row 7.
  std::vector<ui::Control*> order;
  for (int r = 0; r < kFuelTankRows; ++r) order.push_back(&tbxPer(r));
  for (int r = 0; r < kFuelTankRows; ++r) {
    order.push_back(&tbxLbs(r));
    order.push_back(&tbxGall(r));
    if (r == 7) order.push_back(&buttonOK);
  }
  ui::SetTabOrder(order);

  fuel.FuelFormReady = 0;
  FillFuelTankForm();
  fuel.FuelFormReady = 1;
}

void FrmFuelTank::FillFuelTankForm() {
  tbxLbsGall.SetText(FuelWeightText(pro_.sim.FuelWeightPerGallon));
  FillFuelRows(pro_.sim, fuel, *this);
  PumpEvents();
  for (int r = 0; r < kFuelRowCount; ++r) {
    if (!FuelRowDisabled(*this, r)) continue;
    Label_Fuel(r).SetEnabled(false);
    for (ui::TextBox* b : {&tbxPer(r), &tbxLbs(r), &tbxLbsMax(r), &tbxGall(r), &tbxGallMax(r)}) b->SetEnabled(false);
    for (ui::TextBox* b : {&tbxPer(r), &tbxLbs(r), &tbxGall(r)}) b->SetBackColor(kDisabledGround);
  }
}

void FrmFuelTank::frmFuelTank_Form_Unload() {
  // One request for every changed tank, sent also when there is none.
  std::vector<state::SimVar> levels;
  for (const TankLevelWrite& w : ClosingLevelWrites(fuel, *this)) {
    pro_.sim.SimRawValues.Set(LevelVarOfRow(w.row), w.level);
    levels.push_back(LevelVarOfRow(w.row));
  }
  simlink::WriteSimVars(pro_, levels);
  PumpEvents();
  simlink::ReadSimulatorState(pro_);
  if (sheet_.ShowTobFuel) sheet_.ShowTobFuel();
  typedBox_ = nullptr;
}

void FrmFuelTank::frmFuelTank_buttonOK_Click() {
  Unload();
  PumpEvents();
}

ui::TextBox& FrmFuelTank::Box(int row, FuelColumn column) const {
  switch (column) {
    case FuelColumn::Per: return tbxPer(row);
    case FuelColumn::Lbs: return tbxLbs(row);
    case FuelColumn::LbsMax: return tbxLbsMax(row);
    case FuelColumn::Gall: return tbxGall(row);
    case FuelColumn::GallMax: break;
  }
  return tbxGallMax(row);
}

std::string FrmFuelTank::Text(int row, FuelColumn column) const { return Box(row, column).Text(); }

void FrmFuelTank::SetText(int row, FuelColumn column, std::string text) { Box(row, column).SetText(std::move(text)); }

// The typed box's own caret goes after its text; no key reaches the desktop.
void FrmFuelTank::CaretToEnd() {
  if (typedBox_) typedBox_->CaretToEnd();
}

void FrmFuelTank::PumpEvents() { pro_.svc.pump->Pump(); }

}  // namespace vx::briefing
