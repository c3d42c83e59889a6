#include "briefing/frm_picker.h"

#include <array>
#include <chrono>
#include <string>

#include "datafiles/airport_airline_tables.h"
#include "mainfiles/tables.h"
#include "platform/event_pump.h"
#include "runtime/numbers.h"
#include "runtime/runtime_error.h"
#include "state/pro_context.h"
#include "ui/colour.h"
#include "ui/message_box.h"
#include "ui/ui_env.h"

namespace vx::briefing {
namespace {

using ui::ControlKind;
using ui::ControlRow;

constexpr int kGridColumns = 10;
constexpr double kButtonWidth = 1725;
constexpr double kButtonHeight = 420;
constexpr double kColumnStep = 1740;
constexpr double kRowStep = 480;
constexpr double kGridTop = 840;
constexpr double kRowLabelLeft = 120;
constexpr double kRowLabelWidth = 1335;
constexpr double kAirportGridLeft = 1560;
constexpr double kAirlineGridLeft = 240;
constexpr double kMargin = 105;
constexpr double kExitWidth = 1215;
constexpr double kExitHeight = 435;
constexpr double kFrameWidth = 90;
constexpr double kFrameHeight = 405;

struct PickerConfig {
  std::string_view form;
  std::string_view caption;
  std::string_view buttonName;
  std::string_view titleLabelName;
  std::string_view titleText;  // fixed title of the airline pickers
  std::string_view boxTitle;
  std::string_view deleteCaption;
  std::string_view departureTitle, arrivalTitle;  // airport pickers
  int slotBase;
  int buttonCount;
  bool airports;
  std::array<std::string_view, 10> rowLabels;
};

constexpr std::array<PickerConfig, 4> kConfigs = {{
    {"frm国内線", "空港選択　国内線", "button空港", "labelTitle", "", "国内空港登録", "登録の削除",
     "出発　空港選択　国内線", "到着　空港選択　国内線", 0, 100, true,
     {"関東・中部", "近畿・北陸", "中国", "四国", "九州", "沖縄（１）", "沖縄（２）", "東北", "北海道（１）",
      "北海道（２）"}},
    {"frm国際線", "空港選択　国際線", "button空港", "labelTitle", "", "国際空港登録", "登録を削除",
     "出発　空港選択　国際線", "到着　空港選択　国際線", 100, 100, true,
     {"Ｕ．Ｓ．Ａ", "南海の島々", "ヨーロッパ", "ｵｰｽﾄﾗﾘｱ", "アジア　１", "アジア　２", "アジア　３", "アジア　４",
      "ロシア", "帰国便"}},
    {"frm会社国内線", "航空会社選択　国内線", "button会社", "Label11", "航空会社選択　国内線", "国内会社登録",
     "登録の削除", "", "", 0, 50, false, {}},
    {"frm会社国際線", "航空会社選択　国際線", "button会社", "Label11", "航空会社選択　国際線", "国際会社登録",
     "登録の削除", "", "", 100, 50, false, {}},
}};

constexpr const PickerConfig& Config(PickerKind kind) { return kConfigs[static_cast<std::size_t>(kind)]; }

constexpr std::array<std::string_view, 10> kRowLabelNames = {"Label1", "Label2", "Label3", "Label4", "Label5",
                                                            "Label6", "Label7", "Label8", "Label9", "Label10"};

constexpr std::size_t kMaxRows = 3 + 10 + 100;

struct PickerDesign {
  std::array<ControlRow, kMaxRows> rows{};
  std::size_t count = 0;
  double width = 0, height = 0;
};

constexpr PickerDesign BuildDesign(const PickerConfig& c) {
  PickerDesign d;
  const double gridLeft = c.airports ? kAirportGridLeft : kAirlineGridLeft;
  const int gridRows = c.buttonCount / kGridColumns;
  d.width = gridLeft + kGridColumns * kColumnStep + kMargin;
  const double exitTop = kGridTop + gridRows * kRowStep + 120;
  d.height = exitTop + kExitHeight + 120;
  d.rows[d.count++] = {c.titleLabelName, ControlKind::Label, 240, 120, 6000, 495, c.titleText, 14, true};
  d.rows[d.count++] = {"Label登録", ControlKind::Label, d.width - 4800, 300, 4560, 255,
                       "ボタンを右クリックで変更ができます。"};
  d.rows[d.count++] = {"buttonExit", ControlKind::CommandButton, d.width - kMargin - kExitWidth, exitTop, kExitWidth,
                       kExitHeight, "Exit"};
  if (c.airports) {
    for (int r = 0; r < gridRows; ++r) {
      d.rows[d.count++] = {kRowLabelNames[r], ControlKind::Label, kRowLabelLeft, kGridTop + r * kRowStep + 90,
                           kRowLabelWidth, 255, c.rowLabels[r]};
    }
  }
  for (int k = 0; k < c.buttonCount; ++k) {
    d.rows[d.count++] = {c.buttonName, ControlKind::CommandButton, gridLeft + (k % kGridColumns) * kColumnStep,
                         kGridTop + (k / kGridColumns) * kRowStep, kButtonWidth, kButtonHeight, {}, 0, false, k};
  }
  return d;
}

constexpr std::array<PickerDesign, 4> kDesigns = {BuildDesign(kConfigs[0]), BuildDesign(kConfigs[1]),
                                                  BuildDesign(kConfigs[2]), BuildDesign(kConfigs[3])};

constexpr ui::FormLayout LayoutOf(std::size_t i) {
  return {kConfigs[i].form, kDesigns[i].width, kDesigns[i].height,
          std::span<const ControlRow>(kDesigns[i].rows.data(), kDesigns[i].count)};
}
constexpr std::array<ui::FormLayout, 4> kLayouts = {LayoutOf(0), LayoutOf(1), LayoutOf(2), LayoutOf(3)};

constexpr ui::Colour kDepartureTitle = ui::Colour::Rgb(0, 0, 255);    // palette colour 9
constexpr ui::Colour kArrivalTitle = ui::Colour::Rgb(255, 0, 255);    // palette colour 13

}  // namespace

const ui::FormLayout& FrmPicker::Layout(PickerKind kind) { return kLayouts[static_cast<std::size_t>(kind)]; }

FrmPicker::FrmPicker(ui::UiEnv& env, state::ProContext& pro, const TobSheetCalls& sheet, PickerKind kind)
    : Form(env, std::string(Config(kind).form)),
      pro_(pro),
      sheet_(sheet),
      kind_(kind),
      buttons_(*this, std::string(Config(kind).buttonName), 0, Config(kind).buttonCount - 1) {
  const PickerConfig& c = Config(kind);
  title_ = std::make_unique<ui::Label>(*this, std::string(c.titleLabelName));
  if (c.airports) {
    for (std::string_view name : kRowLabelNames) rowLabels_.push_back(std::make_unique<ui::Label>(*this, std::string(name)));
    airportEditor_ = std::make_unique<Frm空港登録>(env, pro);
  } else {
    airlineEditor_ = std::make_unique<Frm会社登録>(env, pro);
  }

  onLoad = [this] { Form_Load(); };
  onUnload = [this] { Form_Unload(); };
  // The editor is modal to the picker: nothing closes the picker while an edit is pending.
  onQueryUnload = [this](bool& cancel, ui::UnloadMode) {
    if (editing_) cancel = true;
  };
  buttons_.onClick = [this](int k) { Button_Click(k); };
  buttons_.onMouseDown = [this](int k, const ui::MouseArgs& a) { Button_MouseDown(k, a); };
  mnuPopup変更.onClick = [this] { mnuPopup変更_Click(); };
  mnuPopup削除.onClick = [this] { mnuPopup削除_Click(); };
  buttonExit.onClick = [this] { buttonExit_Click(); };
}

FrmPicker::~FrmPicker() = default;

bool FrmPicker::ForAirports() const { return Config(kind_).airports; }
int FrmPicker::SlotOf(int k) const { return Config(kind_).slotBase + k; }
std::string_view FrmPicker::BoxTitle() const { return Config(kind_).boxTitle; }

ui::Form& FrmPicker::Editor() const {
  if (airportEditor_) return *airportEditor_;
  return *airlineEditor_;
}

void FrmPicker::Design() {
  const PickerConfig& c = Config(kind_);
  const ui::FormLayout& layout = Layout(kind_);
  SetCaption(std::string(c.caption));
  SetBorderStyle(ui::BorderStyle::FixedSingle);
  Move(0, 0, layout.width + kFrameWidth, layout.height + kFrameHeight);
  ui::ApplyLayout(*this, layout.rows);
  mnuPopup.SetVisible(false);
  mnuPopup削除.SetCaption(std::string(c.deleteCaption));
}

void FrmPicker::OpenFromSheet(int airportSide) {
  if (ForAirports()) pro_.briefing.Pickers.AirportSide = static_cast<std::int16_t>(airportSide);
  const bool wasLoaded = Loaded();
  SetTopmost(true);
  Show();
  if (wasLoaded && ForAirports()) ApplyTitle();
  pro_.svc.pump->Pump();
}

// frm国内線_Form_Load and its twins. The changed flag is left as it is: only a successful
// save clears it, so an edit not yet saved survives the other picker of the same table.
void FrmPicker::Form_Load() {
  if (ForAirports()) ApplyTitle();
  RefreshButtons();
}

void FrmPicker::ApplyTitle() {
  const PickerConfig& c = Config(kind_);
  const bool departure = pro_.briefing.Pickers.AirportSide == 0;
  title_->SetBackColor(departure ? kDepartureTitle : kArrivalTitle);
  title_->SetCaption(std::string(departure ? c.departureTitle : c.arrivalTitle));
  pro_.svc.pump->Pump();
}

void FrmPicker::RefreshButtons() {
  for (int k = 0; k < Config(kind_).buttonCount; ++k) {
    const int s = SlotOf(k);
    ui::CommandButton& b = buttons_(k);
    if (ForAirports()) {
      const state::AirportRecord& r = pro_.files.AirportTable[s];
      b.SetCaption((r.音声 == 1 ? "+ " : "  ") + r.ICAO + "   " + r.選択ボタン);
      b.SetToolTipText(r.ICAO + " " + r.空港名詳細);
    } else {
      const state::AirlineRecord& r = pro_.files.AirlineTable[s];
      b.SetCaption((r.音声 == 1 ? "+ " : "") + r.選択ボタン);
      b.SetToolTipText(r.会社名詳細);
    }
  }
  pro_.svc.pump->Pump();
}

bool FrmPicker::Registered(int slot) const {
  return ForAirports() ? !pro_.files.AirportTable[slot].選択ボタン.empty()
                       : !pro_.files.AirlineTable[slot].選択ボタン.empty();
}

bool FrmPicker::HasVoices(int slot) const {
  return (ForAirports() ? pro_.files.AirportTable[slot].音声 : pro_.files.AirlineTable[slot].音声) == 1;
}

std::int16_t& FrmPicker::ChangedFlag() const {
  return ForAirports() ? pro_.briefing.Pickers.AirportTableChanged : pro_.briefing.Pickers.AirlineTableChanged;
}

std::int16_t& FrmPicker::EditSlot() const {
  return ForAirports() ? pro_.briefing.Pickers.AirportEditSlot : pro_.briefing.Pickers.AirlineEditSlot;
}

void FrmPicker::Button_Click(int index) {
  if (editing_) return;
  const int s = SlotOf(index);
  pro_.briefing.Pickers.PickerSlot = static_cast<std::int16_t>(s);
  if (!Registered(s)) return;
  if (ForAirports()) {
    const int side = pro_.briefing.Pickers.AirportSide == 0 ? 0 : 1;
    pro_.files.RouteAirports[side].slot = runtime::IntText(s);
  } else {
    pro_.briefing.SelectedAirlineIndex = runtime::IntText(s);
  }
  pro_.svc.pump->Pump();
  Unload();
  pro_.svc.pump->Pump();
}

void FrmPicker::Button_MouseDown(int index, const ui::MouseArgs& args) {
  if (editing_) return;
  pro_.briefing.Pickers.PickerSlot = static_cast<std::int16_t>(SlotOf(index));
  if (args.button == ui::kRightButton) PopupMenu(mnuPopup);
}

void FrmPicker::mnuPopup変更_Click() {
  if (editing_) return;
  // An edit of this table is open elsewhere: it is finished first, so that each editor
  // stores into its own slot and the table's slot variable names one edit only.
  if (EditSlot() != state::kNoSlot) {
    if (sibling_ && sibling_->Editor().Loaded()) sibling_->Editor().Activate();
    return;
  }
  const int s = pro_.briefing.Pickers.PickerSlot;
  if (s < 0 || s >= state::kTableSlots) return;
  std::string text;
  ui::Icon icon = ui::Icon::Information;
  if (Registered(s) && HasVoices(s)) {
    text = std::string(ForAirports() ? "音声付きのデフォルト空港です" : "音声付きのデフォルト航空会社です") +
           "\r\n\r\nそれでも変更しますか？";
    icon = ui::Icon::Exclamation;
  } else if (Registered(s)) {
    text = "このボタンはすでに登録されています\r\n\r\n登録を変更しますか？";
    icon = ui::Icon::Question;
  } else {
    text = "新規登録を行います";
  }
  if (Env().boxes.Show(text, ui::Buttons::YesNo, icon, BoxTitle()) != ui::Answer::Yes) return;

  // Marked changed even when the edit is then cancelled, so the file is rewritten at close.
  ChangedFlag() = -1;
  EditSlot() = static_cast<std::int16_t>(s);
  ui::Form& editor = Editor();
  // The editor is modal to the picker until it sets its slot to 999. However this ends,
  // an editor that is not open leaves no edit of the table pending.
  editing_ = true;
  SetEnabled(false);
  struct Resume {
    FrmPicker& picker;
    ui::Form& editor;
    ~Resume() {
      picker.editing_ = false;
      if (!editor.Loaded()) picker.EditSlot() = state::kNoSlot;
      if (picker.Loaded()) picker.SetEnabled(true);
    }
  } resume{*this, editor};
  editor.SetTopmost(true);
  editor.Show();
  pro_.svc.pump->Pump();
  while (EditSlot() != state::kNoSlot) {
    if (!editor.Loaded()) EditSlot() = state::kNoSlot;  // gone without a word: as Cancel
    else pro_.svc.pump->Idle(std::chrono::milliseconds(50));
  }
  // The other picker of the table may have saved and cleared the mark meanwhile: this
  // edit is still to be written.
  ChangedFlag() = -1;
  RefreshButtons();
}

void FrmPicker::mnuPopup削除_Click() {
  if (editing_) return;
  const int s = pro_.briefing.Pickers.PickerSlot;
  if (s < 0 || s >= state::kTableSlots || !Registered(s)) return;
  if (Env().boxes.Show("このボタンの登録を削除します\r\n\r\nよろしいですか？", ui::Buttons::YesNo, ui::Icon::Question,
                       BoxTitle()) != ui::Answer::Yes) {
    return;
  }
  ChangedFlag() = -1;
  if (ForAirports()) {
    pro_.files.AirportTable[s] = state::AirportRecord{};
  } else {
    pro_.files.AirlineTable[s] = state::AirlineRecord{};
  }
  RefreshButtons();
}

void FrmPicker::buttonExit_Click() {
  if (editing_) return;
  Unload();
  pro_.svc.pump->Pump();
}

// frm国内線_Form_Unload and its twins: after a choice, Exit or the frame.
void FrmPicker::Form_Unload() {
  if (ForAirports()) {
    if (sheet_.FillTobRoute) sheet_.FillTobRoute(0);
  } else {
    if (sheet_.FillTobHeader) sheet_.FillTobHeader();
  }
  if (ChangedFlag() == -1) SaveTable();
}

// A table that cannot be written is reported under the picker's title; it stays marked
// changed, so the next close of a picker of that table tries again.
void FrmPicker::SaveTable() {
  const std::string_view file = ForAirports() ? datafiles::kAirportTableFile : datafiles::kAirlineTableFile;
  try {
    if (ForAirports()) {
      mainfiles::SaveAirportTable(pro_);
    } else {
      mainfiles::SaveAirlineTable(pro_);
    }
    ChangedFlag() = 0;
  } catch (const runtime::RuntimeError& e) {
    Env().boxes.Show(std::string(file) + " に書き込めませんでした。\r\n\r\n" + e.Text(), ui::Buttons::Ok,
                     ui::Icon::Exclamation, BoxTitle());
  }
}

}  // namespace vx::briefing
