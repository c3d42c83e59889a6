#include "briefing/dialog_fields.h"

#include <cmath>

#include "runtime/numbers.h"
#include "runtime/runtime_error.h"
#include "ui/combo_box.h"
#include "ui/message_box.h"

namespace vx::briefing {

void TypedNumbers::Take(std::string_view text, std::int16_t& stored, std::string_view label) {
  try {
    stored = runtime::CInt(text);
  } catch (const runtime::RuntimeError&) {
    kept_.emplace_back(label);
  }
}

void TypedNumbers::Take(std::string_view text, std::int32_t& stored, std::string_view label) {
  try {
    stored = runtime::CLng(text);
  } catch (const runtime::RuntimeError&) {
    kept_.emplace_back(label);
  }
}

void TypedNumbers::TakeWhole(std::string_view text, std::int16_t& stored, std::string_view label, int low,
                             int high) {
  try {
    const double value = runtime::CDbl(text);
    if (value == std::floor(value) && value >= low && value <= high) {
      stored = static_cast<std::int16_t>(value);
      return;
    }
  } catch (const runtime::RuntimeError&) {
  }
  kept_.emplace_back(label);
}

void ShowComboValue(ui::ComboBox& combo, const std::string& text) {
  for (int i = 0; i < combo.ListCount(); ++i) {
    if (combo.List(i) == text) {
      combo.SetListIndex(i);
      return;
    }
  }
  combo.AddItem(text);
  combo.SetListIndex(combo.ListCount() - 1);
}

std::string KeptFieldsText(const std::vector<std::string>& labels) {
  std::string text = "次の入力は数値として正しくないため、前の値のままです。\n";
  for (const std::string& label : labels) text += "\n" + label;
  return text;
}

void TypedNumbers::ReportKept(ui::MessageBoxes* boxes) const {
  if (kept_.empty() || !boxes) return;
  boxes->Show(KeptFieldsText(kept_), ui::Buttons::Ok, ui::Icon::Exclamation, caption_);
}

}  // namespace vx::briefing
