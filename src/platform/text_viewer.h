#pragma once
// Shows a text file to the user in a read-only window (where the original opened the
// system's text editor), optionally kept above the other windows.
#include <filesystem>
#include <vector>

namespace vx::platform {

class TextViewer {
 public:
  virtual ~TextViewer() = default;
  // Shows the CP932 text file without blocking; `onTop` keeps its window topmost.
  // A file that cannot be read raises the runtime's file error.
  virtual void Show(const std::filesystem::path& file, bool onTop) = 0;
};

// Test double: keeps every request in order.
class RecordingTextViewer final : public TextViewer {
 public:
  struct Shown {
    std::filesystem::path file;
    bool onTop;
    bool operator==(const Shown&) const = default;
  };
  void Show(const std::filesystem::path& file, bool onTop) override { shown.push_back({file, onTop}); }
  std::vector<Shown> shown;
};

}  // namespace vx::platform
