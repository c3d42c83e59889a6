#pragma once
// Text box: one line or several, editable or locked. onChange runs whenever the text
// changes, by typing or in code.
#include <string>

#include "ui/alignment.h"
#include "ui/control.h"

namespace vx::ui {

class TextBox final : public Control {
 public:
  using Control::Control;

  // Several lines use CR LF in the text.
  const std::string& Text() const { return text_; }
  void SetText(std::string text);
  // Selects the whole text (start 0, length of the text), so typing replaces it.
  void SelectAll();
  // Selects `length` characters from `start` (0 = before the first); the caret stands at
  // the selection's end. Nothing while the form is not loaded.
  void SetSelection(int start, int length);
  // Puts the caret after the last character.
  void CaretToEnd();
  // The selection while loaded (start, length), else (0, 0).
  int SelStart() const;
  int SelLength() const;
  // A locked box shows its text but takes no typing.
  bool Locked() const { return locked_; }
  void SetLocked(bool locked);
  // Takes effect at the next Load; set it in Design().
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool multiLine) { multiLine_ = multiLine; }
  Alignment TextAlignment() const { return alignment_; }
  void SetAlignment(Alignment alignment);
  // 0 no border, 1 a single line.
  int BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(int style);

 protected:
  QWidget* CreateWidget(QWidget* parent) override;
  void ResetProperties() override;
  Colour DefaultBackColor() const override { return Colour::Rgb(0xFF, 0xFF, 0xFF); }
  std::vector<QWidget*> ExtraEventWidgets() const override;

 private:
  void PushText();
  void PushLook();
  void TextEdited(std::string text);

  std::string text_;
  bool locked_ = false;
  bool multiLine_ = false;
  Alignment alignment_ = Alignment::Left;
  int borderStyle_ = 1;
};

}  // namespace vx::ui
