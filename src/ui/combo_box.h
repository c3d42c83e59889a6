#pragma once
// Combo box, either editable (a text field with a list) or list-only (the text is always
// one of the items). onClick runs when the chosen item changes, by the user or in code;
// onChange when the text of an editable box changes.
#include <string>
#include <vector>

#include "ui/control.h"

namespace vx::ui {

enum class ComboStyle { Editable = 0, ListOnly = 2 };

class ComboBox final : public Control {
 public:
  using Control::Control;

  // Takes effect at the next Load; set it in Design().
  ComboStyle Style() const { return style_; }
  void SetStyle(ComboStyle style) { style_ = style; }

  // Adds an item at the end, or before `index` (0 to ListCount; others raise the
  // invalid-call error).
  void AddItem(std::string item, int index = -1);
  void RemoveItem(int index);
  void Clear();
  int ListCount() const { return static_cast<int>(items_.size()); }
  const std::string& List(int index) const;

  // The chosen item, -1 for none; outside -1 to ListCount - 1 raises the invalid-property error.
  int ListIndex() const { return listIndex_; }
  void SetListIndex(int index);

  const std::string& Text() const { return text_; }
  // An editable box takes any text (the item with exactly that text becomes chosen, else
  // none); a list-only box chooses the item with that text and raises the runtime's
  // read-only error (383) for a text that is not an item.
  void SetText(std::string text);

 protected:
  QWidget* CreateWidget(QWidget* parent) override;
  void ResetProperties() override;
  Colour DefaultBackColor() const override { return Colour::Rgb(0xFF, 0xFF, 0xFF); }

 private:
  int FindExact(const std::string& text) const;
  void Push();
  void UserChose(int index);
  void UserTyped(std::string text);

  ComboStyle style_ = ComboStyle::Editable;
  std::vector<std::string> items_;
  int listIndex_ = -1;
  std::string text_;
};

}  // namespace vx::ui
