#include "ui/picture.h"

#include <QImage>
#include <QString>

#include "runtime/runtime_error.h"
#include "ui/ui_errors.h"

namespace vx::ui {

Picture Picture::Load(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) throw runtime::RuntimeError(runtime::kFileNotFound);
  auto image = std::make_shared<QImage>(QString::fromStdString(file.string()));
  if (image->isNull()) throw InvalidPicture();
  Picture p;
  p.image_ = std::move(image);
  return p;
}

Picture Picture::FromImage(const QImage& image) {
  Picture p;
  if (!image.isNull()) p.image_ = std::make_shared<QImage>(image);
  return p;
}

int Picture::WidthPixels() const { return image_ ? image_->width() : 0; }
int Picture::HeightPixels() const { return image_ ? image_->height() : 0; }

}  // namespace vx::ui
