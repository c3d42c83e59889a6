#pragma once
// The text viewer of the programs (where the original opened the system's text editor):
// a read-only window showing a CP932 text file, optionally kept above other windows.
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/text_viewer.h"

class QWidget;

namespace vx::ui {

class QtTextViewer final : public platform::TextViewer {
 public:
  QtTextViewer();
  ~QtTextViewer() override;  // closes the windows still open
  QtTextViewer(const QtTextViewer&) = delete;
  QtTextViewer& operator=(const QtTextViewer&) = delete;

  // Opens one more window; the user closes it. A file that cannot be read raises the
  // runtime's file error and opens nothing.
  void Show(const std::filesystem::path& file, bool onTop) override;
  // The viewer windows open now.
  std::vector<QWidget*> OpenWindows() const;

 private:
  struct Windows;
  std::unique_ptr<Windows> windows_;
};

}  // namespace vx::ui
