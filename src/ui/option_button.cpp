#include "ui/option_button.h"

#include <QRadioButton>
#include <QSignalBlocker>

namespace vx::ui {

void OptionButton::ResetProperties() {
  Control::ResetProperties();
  caption_.clear();
  value_ = false;
}

QWidget* OptionButton::CreateWidget(QWidget* parent) {
  auto* button = new QRadioButton(parent);
  // The group is kept here, per container, so that code and clicks agree.
  button->setAutoExclusive(false);
  QObject::connect(button, &QRadioButton::clicked, Session(), [this, button] {
    if (widget_ != button) return;
    const bool wasSelected = value_;
    Select();
    if (!wasSelected) RaiseFromUser(onClick);
  });
  widget_ = button;
  Push();
  return button;
}

void OptionButton::Push() {
  auto* button = qobject_cast<QRadioButton*>(widget_);
  if (!button) return;
  const QSignalBlocker block(button);
  button->setText(QString::fromStdString(caption_));
  button->setChecked(value_);
}

void OptionButton::Select() {
  for (Control* sibling : Parent().Children()) {
    auto* other = dynamic_cast<OptionButton*>(sibling);
    if (other && other != this && other->value_) {
      other->value_ = false;
      other->Push();
    }
  }
  value_ = true;
  Push();
}

void OptionButton::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Push();
}

void OptionButton::SetValue(bool value) {
  if (value == value_) return;
  if (!value) {
    value_ = false;
    Push();
    return;
  }
  Select();
  RaiseFromCode(onClick);
}

}  // namespace vx::ui
