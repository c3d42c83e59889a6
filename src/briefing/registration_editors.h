#pragma once
// The registration editors of the pickers: frm空港登録 edits one slot of `AirportTable`,
// frm会社登録 one slot of `AirlineTable`. Each takes its slot from `AirportEditSlot` or
// `AirlineEditSlot` when it loads and keeps it: OK checks the entries and stores the record
// whole in that slot of the table in memory, whatever the shared slot says by then;
// Cancel stores nothing. However the window closes, the shared slot becomes 999 then,
// which ends the picker's wait. The table file is written by the picker.
#include <functional>

#include "state/tables.h"
#include "ui/command_button.h"
#include "ui/control_array.h"
#include "ui/form.h"
#include "ui/form_layout.h"
#include "ui/label.h"
#include "ui/text_box.h"

namespace vx::state {
struct ProContext;
}

namespace vx::briefing {

class Frm空港登録 final : public ui::Form {
 public:
  Frm空港登録(ui::UiEnv& env, state::ProContext& pro);

  static const ui::FormLayout& Layout();

  // Takes the newest flight data before "現在地を登録" reads the position; the program's
  // progress update unless a test puts its own here.
  std::function<void()> updateRouteProgress;

  ui::Label labelTitle{*this, "labelTitle"};
  ui::ControlArray<ui::Label> lblLabels{*this, "lblLabels", 0, 8};
  ui::Label Label1{*this, "Label1"};
  ui::Label Label2{*this, "Label2"};
  ui::Label Label3{*this, "Label3"};
  ui::Label Label4{*this, "Label4"};
  ui::Label Label5{*this, "Label5"};
  ui::Label Label6{*this, "Label6"};
  ui::Label Label7{*this, "Label7"};
  ui::Label Label8{*this, "Label8"};
  ui::TextBox tbxICAO{*this, "tbxICAO"};
  ui::TextBox tbxボタン{*this, "tbxボタン"};
  ui::TextBox tbxパタパタ{*this, "tbxパタパタ"};
  ui::TextBox tbx詳細名{*this, "tbx詳細名"};
  ui::TextBox tbxチャイム{*this, "tbxチャイム"};
  ui::CommandButton buttonファイル検索{*this, "buttonファイル検索"};
  ui::TextBox tbxLatHi{*this, "tbxLatHi"};
  ui::TextBox tbxLonHi{*this, "tbxLonHi"};
  ui::TextBox tbxAlt{*this, "tbxAlt"};
  ui::TextBox tbx時差{*this, "tbx時差"};
  ui::CommandButton button現在地登録{*this, "button現在地登録"};
  ui::CommandButton buttonOK{*this, "buttonOK"};
  ui::CommandButton buttonCancel{*this, "buttonCancel"};

 protected:
  void Design() override;

 private:
  void frm空港登録_Form_Load();
  void frm空港登録_buttonOK_Click();
  void frm空港登録_buttonCancel_Click();
  void frm空港登録_buttonファイル検索_Click();
  void frm空港登録_button現在地登録_Click();
  void EndEdit();

  state::ProContext& pro_;
  int slot_ = state::kNoSlot;  // the slot this window was opened for
};

class Frm会社登録 final : public ui::Form {
 public:
  Frm会社登録(ui::UiEnv& env, state::ProContext& pro);

  static const ui::FormLayout& Layout();

  ui::Label labelTitle{*this, "labelTitle"};
  ui::ControlArray<ui::Label> lblLabels{*this, "lblLabels", 0, 2};
  ui::Label Label1{*this, "Label1"};
  ui::Label Label2{*this, "Label2"};
  ui::Label Label3{*this, "Label3"};
  ui::Label Label6{*this, "Label6"};
  ui::TextBox tbxボタン{*this, "tbxボタン"};
  ui::TextBox tbx詳細名{*this, "tbx詳細名"};
  ui::TextBox tbx安全放送{*this, "tbx安全放送"};
  ui::CommandButton buttonファイル検索{*this, "buttonファイル検索"};
  ui::CommandButton buttonOK{*this, "buttonOK"};
  ui::CommandButton buttonCancel{*this, "buttonCancel"};

 protected:
  void Design() override;

 private:
  void frm会社登録_Form_Load();
  void frm会社登録_buttonOK_Click();
  void frm会社登録_buttonCancel_Click();
  void frm会社登録_buttonファイル検索_Click();
  void EndEdit();

  state::ProContext& pro_;
  int slot_ = state::kNoSlot;  // the slot this window was opened for
};

// A position in degrees as the table's simulator units, to the nearest unit; beyond the
// 32-bit range it stays at the range's end (a longitude at or beyond 180° east).
std::int32_t LatitudeUnits(double degrees);
std::int32_t LongitudeUnits(double degrees);

}  // namespace vx::briefing
