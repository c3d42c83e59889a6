#pragma once
// Open and save dialogs on the window system (Qt's own dialog, the same on every desktop).
#include "ui/file_dialog.h"

namespace vx::ui {

class QtFileDialogs final : public FileDialogs {
 public:
  std::optional<std::string> Show(FileDialogKind kind, const FileDialogRequest& request) override;
};

}  // namespace vx::ui
