#pragma once
// Message boxes on the window system: modal, above the program's topmost windows, with
// the Japanese button texts.
#include <string>

#include "ui/message_box.h"

namespace vx::ui {

class QtMessageBoxes final : public MessageBoxes {
 public:
  explicit QtMessageBoxes(std::string programName) : programName_(std::move(programName)) {}

 protected:
  Answer ShowFitted(const std::string& text, Buttons buttons, Icon icon, const std::string& title) override;

 private:
  std::string programName_;
};

}  // namespace vx::ui
