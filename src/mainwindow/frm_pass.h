#pragma once
// frmPass: the start-up window. It refuses a second running copy, fixes `BaseFolder`,
// presets the sound slots and asks for the captain's name, then shows the main window
// and closes.
#include <filesystem>

#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/form_layout.h"
#include "ui/label.h"
#include "ui/text_box.h"

namespace vx::platform {
class InstanceLock;
}

namespace vx::state {
struct ProContext;
}

namespace vx::mainwindow {

// The name taken when the box is left empty.
inline constexpr const char* kDefaultCaptainName = "VexlorPro";

class FrmPass final : public ui::Form {
 public:
  // `programFolder` is the folder the program runs from; `next` the main window.
  FrmPass(ui::UiEnv& env, state::ProContext& pro, ui::Form& next, platform::InstanceLock& instanceLock,
          std::filesystem::path programFolder);

  ui::TextBox tbxUserName{*this, "tbxUserName"};
  ui::Label Label3{*this, "Label3"};
  ui::Label Label4{*this, "Label4"};
  ui::CommandButton buttonStart{*this, "buttonStart"};
  ui::CommandButton buttonExit{*this, "buttonExit"};

  // The window's controls as designed, for checks over every form.
  static ui::FormLayout Layout();

 protected:
  void Design() override;

 private:
  void frmPass_Form_Load();
  void frmPass_buttonStart_Click();
  void frmPass_buttonExit_Click();

  state::ProContext& pro_;
  ui::Form& next_;
  platform::InstanceLock& instanceLock_;
  std::filesystem::path programFolder_;
};

}  // namespace vx::mainwindow
