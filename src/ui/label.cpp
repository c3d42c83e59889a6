#include "ui/label.h"

#include <QLabel>

namespace vx::ui {

void Label::ResetProperties() {
  Control::ResetProperties();
  caption_.clear();
  alignment_ = Alignment::Left;
  borderStyle_ = 0;
}

QWidget* Label::CreateWidget(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  widget_ = label;
  Push();
  return label;
}

void Label::Push() {
  auto* label = qobject_cast<QLabel*>(widget_);
  if (!label) return;
  // Captions break their lines with CR LF, as the system's texts do.
  label->setText(QString::fromStdString(caption_).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  Qt::Alignment a = Qt::AlignTop;
  switch (alignment_) {
    case Alignment::Left: a |= Qt::AlignLeft; break;
    case Alignment::Right: a |= Qt::AlignRight; break;
    case Alignment::Center: a |= Qt::AlignHCenter; break;
  }
  label->setAlignment(a);
  label->setFrameShape(borderStyle_ ? QFrame::Box : QFrame::NoFrame);
}

void Label::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Push();
}

void Label::SetAlignment(Alignment alignment) {
  alignment_ = alignment;
  Push();
}

void Label::SetBorderStyle(int style) {
  borderStyle_ = style;
  Push();
}

}  // namespace vx::ui
