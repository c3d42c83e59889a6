#pragma once
// A picture loaded from a file, shared by the controls that show it.
#include <filesystem>
#include <memory>

class QImage;

namespace vx::ui {

class Picture {
 public:
  Picture() = default;  // no picture
  // Loads a picture file (JPEG, PNG, BMP, GIF). A missing file raises the runtime's
  // file-not-found error (53), a file that is no picture the invalid-picture error (481).
  static Picture Load(const std::filesystem::path& file);
  // A picture the program has drawn itself.
  static Picture FromImage(const QImage& image);

  bool Empty() const { return !image_; }
  int WidthPixels() const;
  int HeightPixels() const;
  const QImage* Image() const { return image_.get(); }
  // Same picture object (copies of one loaded picture).
  bool operator==(const Picture& other) const { return image_ == other.image_; }

 private:
  std::shared_ptr<const QImage> image_;
};

}  // namespace vx::ui
