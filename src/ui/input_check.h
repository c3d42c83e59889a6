#pragma once
// Typed numbers of the setting windows: a text that does not convert is refused with the
// box every window uses: the conversion error's text, an empty line, the field's label
// followed by "正しくありません", and "入力を確認してください" on the next line.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vx::ui {

class MessageBoxes;

std::string InputErrorText(std::string_view errorText, std::string_view fieldLabel);

// The text as a 16-bit integer by the runtime's rules (blanks and a sign allowed). When it
// does not convert, shows the box (critical icon, `title`) and returns nothing.
std::optional<std::int16_t> ReadTypedInt16(MessageBoxes* boxes, std::string_view text, std::string_view fieldLabel,
                                           std::string_view title);

}  // namespace vx::ui
