#include "ui/input_check.h"

#include "runtime/numbers.h"
#include "runtime/runtime_error.h"
#include "ui/message_box.h"

namespace vx::ui {

std::string InputErrorText(std::string_view errorText, std::string_view fieldLabel) {
  std::string text(errorText);
  text += "\n\n";
  text += fieldLabel;
  text += "正しくありません\n入力を確認してください";
  return text;
}

std::optional<std::int16_t> ReadTypedInt16(MessageBoxes* boxes, std::string_view text, std::string_view fieldLabel,
                                           std::string_view title) {
  try {
    return runtime::CInt(text);
  } catch (const runtime::RuntimeError& e) {
    if (boxes) boxes->Show(InputErrorText(e.Text(), fieldLabel), Buttons::Ok, Icon::Critical, title);
    return std::nullopt;
  }
}

}  // namespace vx::ui
