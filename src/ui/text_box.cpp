#include "ui/text_box.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>

namespace vx::ui {
namespace {

QString ToWidgetText(const std::string& text, bool multiLine) {
  QString s = QString::fromStdString(text);
  if (multiLine) s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return s;
}

std::string FromWidgetText(const QString& text, bool multiLine) {
  QString s = text;
  if (multiLine) s.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return s.toStdString();
}

Qt::Alignment ToQt(Alignment a) {
  switch (a) {
    case Alignment::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case Alignment::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
    case Alignment::Left: break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

void TextBox::ResetProperties() {
  Control::ResetProperties();
  text_.clear();
  locked_ = false;
  multiLine_ = false;
  alignment_ = Alignment::Left;
  borderStyle_ = 1;
}

QWidget* TextBox::CreateWidget(QWidget* parent) {
  if (multiLine_) {
    auto* edit = new QPlainTextEdit(parent);
    QObject::connect(edit, &QPlainTextEdit::textChanged, Session(), [this, edit] {
      if (widget_ == edit) TextEdited(FromWidgetText(edit->toPlainText(), true));
    });
    widget_ = edit;
  } else {
    auto* edit = new QLineEdit(parent);
    QObject::connect(edit, &QLineEdit::textEdited, Session(), [this, edit](const QString& t) {
      if (widget_ == edit) TextEdited(t.toStdString());
    });
    widget_ = edit;
  }
  PushText();
  PushLook();
  return widget_;
}

std::vector<QWidget*> TextBox::ExtraEventWidgets() const {
  if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_)) return {edit->viewport()};
  return {};
}

void TextBox::TextEdited(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  RaiseFromUser(onChange);
}

void TextBox::SelectAll() {
  if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_)) {
    edit->selectAll();
  } else if (auto* line = qobject_cast<QLineEdit*>(widget_)) {
    line->selectAll();
  }
}

void TextBox::PushText() {
  if (!widget_) return;
  const QSignalBlocker block(widget_);
  if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_)) {
    edit->setPlainText(ToWidgetText(text_, true));
  } else if (auto* line = qobject_cast<QLineEdit*>(widget_)) {
    line->setText(ToWidgetText(text_, false));
    line->setCursorPosition(0);
  }
}

void TextBox::PushLook() {
  if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_)) {
    edit->setReadOnly(locked_);
    edit->setFrameShape(borderStyle_ ? QFrame::StyledPanel : QFrame::NoFrame);
  } else if (auto* line = qobject_cast<QLineEdit*>(widget_)) {
    line->setReadOnly(locked_);
    line->setAlignment(ToQt(alignment_));
    line->setFrame(borderStyle_ != 0);
  }
}

void TextBox::SetText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  PushText();
  RaiseFromCode(onChange);
}

void TextBox::SetSelection(int start, int length) {
  if (auto* line = qobject_cast<QLineEdit*>(widget_)) {
    line->setSelection(start, length);
    if (length == 0) line->setCursorPosition(start);
  } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_)) {
    QTextCursor c = edit->textCursor();
    c.setPosition(start);
    c.setPosition(start + length, QTextCursor::KeepAnchor);
    edit->setTextCursor(c);
  }
}

void TextBox::CaretToEnd() {
  if (auto* line = qobject_cast<QLineEdit*>(widget_)) {
    line->setCursorPosition(static_cast<int>(line->text().size()));
  } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_)) {
    edit->moveCursor(QTextCursor::End);
  }
}

int TextBox::SelStart() const {
  if (auto* line = qobject_cast<QLineEdit*>(widget_)) {
    return line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
  }
  if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_)) return edit->textCursor().selectionStart();
  return 0;
}

int TextBox::SelLength() const {
  if (auto* line = qobject_cast<QLineEdit*>(widget_)) return static_cast<int>(line->selectedText().size());
  if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_)) {
    return edit->textCursor().selectionEnd() - edit->textCursor().selectionStart();
  }
  return 0;
}

void TextBox::SetLocked(bool locked) {
  locked_ = locked;
  PushLook();
}

void TextBox::SetAlignment(Alignment alignment) {
  alignment_ = alignment;
  PushLook();
}

void TextBox::SetBorderStyle(int style) {
  borderStyle_ = style;
  PushLook();
}

}  // namespace vx::ui
