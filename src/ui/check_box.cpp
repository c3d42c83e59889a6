#include "ui/check_box.h"

#include <QCheckBox>
#include <QSignalBlocker>

#include "ui/ui_errors.h"

namespace vx::ui {

void CheckBox::ResetProperties() {
  Control::ResetProperties();
  caption_.clear();
  value_ = 0;
}

QWidget* CheckBox::CreateWidget(QWidget* parent) {
  auto* box = new QCheckBox(parent);
  QObject::connect(box, &QCheckBox::clicked, Session(), [this, box](bool checked) {
    if (widget_ != box) return;
    value_ = checked ? 1 : 0;
    Push();
    RaiseFromUser(onClick);
  });
  widget_ = box;
  Push();
  return box;
}

void CheckBox::Push() {
  auto* box = qobject_cast<QCheckBox*>(widget_);
  if (!box) return;
  const QSignalBlocker block(box);
  box->setText(QString::fromStdString(caption_));
  box->setTristate(value_ == 2);
  box->setCheckState(value_ == 2 ? Qt::PartiallyChecked : value_ == 1 ? Qt::Checked : Qt::Unchecked);
}

void CheckBox::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Push();
}

void CheckBox::SetValue(int value) {
  if (value < 0 || value > 2) throw InvalidPropertyValue();
  if (value == value_) return;
  value_ = value;
  Push();
  RaiseFromCode(onClick);
}

}  // namespace vx::ui
