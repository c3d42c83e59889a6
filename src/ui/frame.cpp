#include "ui/frame.h"

#include <QGroupBox>

namespace vx::ui {

void Frame::ResetProperties() {
  Control::ResetProperties();
  caption_.clear();
}

QWidget* Frame::CreateWidget(QWidget* parent) { return new QGroupBox(QString::fromStdString(caption_), parent); }

void Frame::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  if (auto* box = qobject_cast<QGroupBox*>(widget_)) box->setTitle(QString::fromStdString(caption_));
}

}  // namespace vx::ui
