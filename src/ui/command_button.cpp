#include "ui/command_button.h"

#include <QPushButton>

namespace vx::ui {

void CommandButton::ResetProperties() {
  Control::ResetProperties();
  caption_.clear();
}

QWidget* CommandButton::CreateWidget(QWidget* parent) {
  auto* button = new QPushButton(QString::fromStdString(caption_), parent);
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, Session(), [this, button] {
    if (widget_ == button) RaiseFromUser(onClick);
  });
  return button;
}

void CommandButton::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  if (auto* button = qobject_cast<QPushButton*>(widget_)) button->setText(QString::fromStdString(caption_));
}

void CommandButton::PerformClick() { RaiseFromCode(onClick); }

}  // namespace vx::ui
