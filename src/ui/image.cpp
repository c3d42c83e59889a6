#include "ui/image.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>

#include "ui/twips.h"

namespace vx::ui {

void Image::ResetProperties() {
  Control::ResetProperties();
  picture_ = vx::ui::Picture();
  stretch_ = false;
}

QWidget* Image::CreateWidget(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  widget_ = label;
  Push();
  return label;
}

void Image::SetPicture(vx::ui::Picture picture) {
  picture_ = std::move(picture);
  if (!stretch_ && !picture_.Empty()) {
    SetWidth(PixelsToTwips(picture_.WidthPixels()));
    SetHeight(PixelsToTwips(picture_.HeightPixels()));
  }
  Push();
}

void Image::SetStretch(bool stretch) {
  stretch_ = stretch;
  Push();
}

void Image::ApplyGeometry() {
  Control::ApplyGeometry();
  Push();
}

void Image::Push() {
  auto* label = qobject_cast<QLabel*>(widget_);
  if (!label) return;
  if (picture_.Empty()) {
    label->clear();
    return;
  }
  QPixmap pixmap = QPixmap::fromImage(*picture_.Image());
  if (stretch_ && label->width() > 0 && label->height() > 0) {
    pixmap = pixmap.scaled(label->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  label->setPixmap(pixmap);
}

}  // namespace vx::ui
