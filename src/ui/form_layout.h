#pragma once
// A form's design as data: one row per control (name, kind, twips rectangle, caption or
// text, font), read by ApplyLayout from the form's Design(). Tables are plain constants, so
// a test can walk every form's rows without loading it (fit of captions at the system's
// fonts, overlaps).
//
//   constexpr ui::ControlRow kRows[] = {
//       {"tbxCockpit", ui::ControlKind::TextBox, 360, 0, 735, 315, "Cockpit"},
//       {"button切替", ui::ControlKind::CommandButton, 1140, 0, 375, 315, "替"},
//       {"Label1", ui::ControlKind::Label, 12960, 330, 1635, 150, "出発", 7},
//   };
//   void FrmCabin::Design() { ui::ApplyLayout(*this, kRows); }
//
// For a Line the rectangle is its two points: x1, y1, x2, y2.
#include <span>
#include <string_view>

namespace vx::ui {

class Container;
class Control;
class Form;

enum class ControlKind {
  Label,
  TextBox,
  CommandButton,
  CheckBox,
  OptionButton,
  Frame,
  ComboBox,
  Image,
  Line,
};

struct ControlRow {
  std::string_view name;
  ControlKind kind;
  double left = 0, top = 0, width = 0, height = 0;
  std::string_view caption = {};  // caption, or the text of a text or combo box; empty: none
  double fontSize = 0;            // points; 0: the control's default
  bool bold = false;
  int index = -1;                 // element of a control array, -1 for a control on its own
};

// The design of one form, for code that walks every form (tests, checks).
struct FormLayout {
  std::string_view form;
  double width = 0, height = 0;  // the form's design size in twips
  std::span<const ControlRow> rows;
};

std::string_view KindName(ControlKind kind);

// The control of `form` (at any depth of frames) with this name and index; null if none.
Control* FindControl(Form& form, std::string_view name, int index = -1);

// Moves each row's control to its rectangle and sets its caption (or text) and font.
// A row naming no control of the form, or a control of another kind, throws
// std::logic_error: a layout table that does not match its form is a programming fault.
void ApplyLayout(Form& form, std::span<const ControlRow> rows);

// The order in which Tab moves the focus through these controls (while the form is loaded;
// run it from the load handler).
void SetTabOrder(std::span<Control* const> order);

}  // namespace vx::ui
