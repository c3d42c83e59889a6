#pragma once
// Fields of the settings windows. The typed numbers of a settings window, taken into their stored values when the window
// closes. A field whose text is not a number of the value's range keeps the stored value;
// the window then shows one box, titled with its caption, that names the fields kept.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vx::ui {
class ComboBox;
class MessageBoxes;
}

namespace vx::briefing {

class TypedNumbers {
 public:
  explicit TypedNumbers(std::string caption) : caption_(std::move(caption)) {}

  // The text as the runtime converts it into a 16-bit or 32-bit integer (blanks, a sign,
  // thousands separators, decimals rounded halves to even).
  void Take(std::string_view text, std::int16_t& stored, std::string_view label);
  void Take(std::string_view text, std::int32_t& stored, std::string_view label);
  // A whole number from `low` to `high`, nothing else.
  void TakeWhole(std::string_view text, std::int16_t& stored, std::string_view label, int low, int high);

  const std::vector<std::string>& Kept() const { return kept_; }
  // One box naming the kept fields, when there are any.
  void ReportKept(ui::MessageBoxes* boxes) const;

 private:
  std::string caption_;
  std::vector<std::string> kept_;
};

// A list-only combo shows a stored text: its item, or the text added as an item of its
// own, so that a value the window did not offer goes back unchanged.
void ShowComboValue(ui::ComboBox& combo, const std::string& text);

// The text of the box that names the kept fields.
std::string KeptFieldsText(const std::vector<std::string>& labels);

}  // namespace vx::briefing
