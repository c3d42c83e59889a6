#pragma once
// The airport and airline pickers: one window class in four configurations (frm国内線,
// frm国際線, frm会社国内線, frm会社国際線). A button per table slot; a left click on a
// registered one hands the slot to the briefing values and closes the picker; a right
// click offers registering, changing or deleting the slot's record through the
// registration editor, which is modal to the picker while it is open. One edit of a table
// at a time: while the editor of one picker is open, the other picker of the same table
// starts no edit of its own and brings that editor to the front instead. Closing refills the
// briefing sheet and rewrites the table file when a record changed; a table that cannot
// be written stays marked changed and is tried again at the next close.
#include <memory>
#include <string_view>
#include <vector>

#include "briefing/registration_editors.h"
#include "briefing/sheet_calls.h"
#include "ui/command_button.h"
#include "ui/control_array.h"
#include "ui/form.h"
#include "ui/form_layout.h"
#include "ui/label.h"
#include "ui/menu.h"

namespace vx::state {
struct ProContext;
}

namespace vx::briefing {

enum class PickerKind { DomesticAirports, InternationalAirports, DomesticAirlines, InternationalAirlines };

class FrmPicker final : public ui::Form {
 public:
  FrmPicker(ui::UiEnv& env, state::ProContext& pro, const TobSheetCalls& sheet, PickerKind kind);
  ~FrmPicker() override;

  static const ui::FormLayout& Layout(PickerKind kind);

  PickerKind Kind() const { return kind_; }
  bool ForAirports() const;
  // The table slot of button k.
  int SlotOf(int k) const;
  // Title of the window's message boxes ("国内空港登録").
  std::string_view BoxTitle() const;

  // How the sheet opens the picker: airport pickers take the end of the route first. A
  // picker that is already open shows the title of that end again.
  void OpenFromSheet(int airportSide = 0);

  ui::CommandButton& Button(int k) const { return buttons_(k); }
  ui::ControlArray<ui::CommandButton>& Buttons() { return buttons_; }
  // labelTitle on the airport pickers, Label11 on the airline pickers.
  ui::Label& TitleLabel() const { return *title_; }
  // Label1 to Label10 of the airport pickers' rows (row 0 to 9); none on the others.
  ui::Label& RowLabel(int row) const { return *rowLabels_.at(static_cast<std::size_t>(row)); }

  ui::Label Label登録{*this, "Label登録"};
  ui::CommandButton buttonExit{*this, "buttonExit"};
  ui::Menu mnuPopup{*this, "mnuPopup", "ポップアップ"};
  ui::Menu mnuPopupキャンセル{mnuPopup, "mnuPopupキャンセル", "キャンセル"};
  ui::Menu mnuPopupBar0{mnuPopup, "mnuPopupBar0", "-"};
  ui::Menu mnuPopup変更{mnuPopup, "mnuPopup変更", "設定の変更"};
  ui::Menu mnuPopup削除{mnuPopup, "mnuPopup削除", "登録の削除"};

  // The editor of this picker's table (frm空港登録 or frm会社登録).
  ui::Form& Editor() const;
  Frm空港登録* AirportEditor() const { return airportEditor_.get(); }
  Frm会社登録* AirlineEditor() const { return airlineEditor_.get(); }
  // True while an edit is pending: the picker takes no other command.
  bool Editing() const { return editing_; }
  // The other picker of the same table, whose pending edit this one waits for.
  void PairWith(FrmPicker& other) {
    sibling_ = &other;
    other.sibling_ = this;
  }

 protected:
  void Design() override;

 private:
  // The handlers of every configuration (frm国内線_Form_Load, frm会社国際線_button会社_Click …).
  void Form_Load();
  void Form_Unload();
  void Button_Click(int index);
  void Button_MouseDown(int index, const ui::MouseArgs& args);
  void mnuPopup変更_Click();
  void mnuPopup削除_Click();
  void buttonExit_Click();

  void ApplyTitle();
  // RefreshDomesticAirportButtons, RefreshInternationalAirportButtons,
  // RefreshDomesticAirlineButtons, RefreshInternationalAirlineButtons.
  void RefreshButtons();
  bool Registered(int slot) const;
  bool HasVoices(int slot) const;
  std::int16_t& ChangedFlag() const;
  std::int16_t& EditSlot() const;
  void SaveTable();

  state::ProContext& pro_;
  const TobSheetCalls& sheet_;
  PickerKind kind_;
  ui::ControlArray<ui::CommandButton> buttons_;
  std::unique_ptr<ui::Label> title_;
  std::vector<std::unique_ptr<ui::Label>> rowLabels_;
  std::unique_ptr<Frm空港登録> airportEditor_;
  std::unique_ptr<Frm会社登録> airlineEditor_;
  FrmPicker* sibling_ = nullptr;
  bool editing_ = false;
};

// The four pickers of the briefing sheet.
struct PickerSet {
  PickerSet(ui::UiEnv& env, state::ProContext& pro, const TobSheetCalls& sheet)
      : frm国内線(env, pro, sheet, PickerKind::DomesticAirports),
        frm国際線(env, pro, sheet, PickerKind::InternationalAirports),
        frm会社国内線(env, pro, sheet, PickerKind::DomesticAirlines),
        frm会社国際線(env, pro, sheet, PickerKind::InternationalAirlines) {
    frm国内線.PairWith(frm国際線);
    frm会社国内線.PairWith(frm会社国際線);
  }
  FrmPicker frm国内線;
  FrmPicker frm国際線;
  FrmPicker frm会社国内線;
  FrmPicker frm会社国際線;
};

}  // namespace vx::briefing
