#include "ui/form_layout.h"

#include <stdexcept>
#include <string>
#include <utility>

#include <QWidget>

#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/line_control.h"
#include "ui/option_button.h"
#include "ui/text_box.h"

namespace vx::ui {

namespace {

Control* FindIn(const Container& container, std::string_view name, int index) {
  for (Control* c : container.Children()) {
    if (c->Name() == name && c->Index() == index) return c;
    if (auto* inner = dynamic_cast<Container*>(c)) {
      if (Control* found = FindIn(*inner, name, index)) return found;
    }
  }
  return nullptr;
}

bool IsKind(Control& c, ControlKind kind) {
  switch (kind) {
    case ControlKind::Label: return dynamic_cast<Label*>(&c) != nullptr;
    case ControlKind::TextBox: return dynamic_cast<TextBox*>(&c) != nullptr;
    case ControlKind::CommandButton: return dynamic_cast<CommandButton*>(&c) != nullptr;
    case ControlKind::CheckBox: return dynamic_cast<CheckBox*>(&c) != nullptr;
    case ControlKind::OptionButton: return dynamic_cast<OptionButton*>(&c) != nullptr;
    case ControlKind::Frame: return dynamic_cast<Frame*>(&c) != nullptr;
    case ControlKind::ComboBox: return dynamic_cast<ComboBox*>(&c) != nullptr;
    case ControlKind::Image: return dynamic_cast<Image*>(&c) != nullptr;
    case ControlKind::Line: return dynamic_cast<Line*>(&c) != nullptr;
  }
  return false;
}

// The kind is checked before this runs.
void SetCaptionOf(Control& c, ControlKind kind, std::string text) {
  switch (kind) {
    case ControlKind::Label: static_cast<Label&>(c).SetCaption(std::move(text)); break;
    case ControlKind::TextBox: static_cast<TextBox&>(c).SetText(std::move(text)); break;
    case ControlKind::CommandButton: static_cast<CommandButton&>(c).SetCaption(std::move(text)); break;
    case ControlKind::CheckBox: static_cast<CheckBox&>(c).SetCaption(std::move(text)); break;
    case ControlKind::OptionButton: static_cast<OptionButton&>(c).SetCaption(std::move(text)); break;
    case ControlKind::Frame: static_cast<Frame&>(c).SetCaption(std::move(text)); break;
    case ControlKind::ComboBox: static_cast<ComboBox&>(c).SetText(std::move(text)); break;
    case ControlKind::Image:
    case ControlKind::Line: break;
  }
}

void ApplyRow(Control& c, const ControlRow& row) {
  if (!IsKind(c, row.kind)) {
    throw std::logic_error("layout row " + std::string(row.name) + " is not a " + std::string(KindName(row.kind)));
  }
  if (row.kind == ControlKind::Line) {
    static_cast<Line&>(c).SetPoints(row.left, row.top, row.width, row.height);
  } else {
    c.Move(row.left, row.top, row.width, row.height);
  }
  if (!row.caption.empty()) SetCaptionOf(c, row.kind, std::string(row.caption));
  if (row.fontSize > 0) c.SetFontSize(row.fontSize);
  if (row.bold) c.SetFontBold(true);
}

}  // namespace

std::string_view KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label: return "Label";
    case ControlKind::TextBox: return "TextBox";
    case ControlKind::CommandButton: return "CommandButton";
    case ControlKind::CheckBox: return "CheckBox";
    case ControlKind::OptionButton: return "OptionButton";
    case ControlKind::Frame: return "Frame";
    case ControlKind::ComboBox: return "ComboBox";
    case ControlKind::Image: return "Image";
    case ControlKind::Line: return "Line";
  }
  return "?";
}

Control* FindControl(Form& form, std::string_view name, int index) { return FindIn(form, name, index); }

void ApplyLayout(Form& form, std::span<const ControlRow> rows) {
  for (const ControlRow& row : rows) {
    Control* c = FindControl(form, row.name, row.index);
    if (c == nullptr) {
      throw std::logic_error("form " + form.Name() + " has no control " + std::string(row.name) +
                             (row.index >= 0 ? "(" + std::to_string(row.index) + ")" : std::string()));
    }
    ApplyRow(*c, row);
  }
}

void SetTabOrder(std::span<Control* const> order) {
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget* before = order[i - 1]->Widget();
    QWidget* after = order[i]->Widget();
    if (before && after) QWidget::setTabOrder(before, after);
  }
}

}  // namespace vx::ui
