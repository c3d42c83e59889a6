#pragma once
// frmHelp: the panel of every command of the key sequences, each offered as a button.
// Opened from the flight, a button does what its key sequence does; opened from the main
// window, or once the flight it was opened from has ended, only the three settings
// buttons act. Every button but "B - 1" then closes the panel.
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/form_layout.h"
#include "ui/label.h"

namespace vx::state {
struct ProContext;
}

namespace vx::mainwindow {

// What a button of the panel does.
enum class HelpAction {
  Request,         // writes its request code (from the flight)
  AtcChatter,      // switches the radio chatter (from the flight)
  Briefing,        // opens the briefing sheet (from the flight)
  Cancel,          // cuts the running announcement, as C-B does (from the flight)
  OpenPushback,    // opens frmPB (from anywhere)
  OpenVoice,       // opens frm音声設定 (from anywhere)
  OpenKeys,        // opens frmキー設定 (from anywhere)
  None,            // "B - 1": the panel itself; stays open
  Close,           // "Exit"
};

struct HelpButton {
  std::string_view control;
  HelpAction action;
  std::int16_t request = 0;
};

// The 25 buttons of the panel.
std::span<const HelpButton> HelpButtons();

class FrmHelp final : public ui::Form {
 public:
  FrmHelp(ui::UiEnv& env, state::ProContext& pro);
  static ui::FormLayout Layout();

  // The button with this control name (buttonCA0 ... buttonExit); a name of no button
  // is a programming fault (std::out_of_range).
  ui::CommandButton& Button(std::string_view control) const;

 protected:
  void Design() override;

 private:
  void frmHelp_Form_Load();
  void frmHelp_Form_Unload();
  // The click of any button, by its row.
  void frmHelp_Button_Click(const HelpButton& button);
  // Opened from a flight that still runs.
  bool ActsOnFlight() const;
  void OpenSettingsWindow(HelpAction action);

  state::ProContext& pro_;
  std::vector<std::unique_ptr<ui::Label>> labels_;
  std::vector<std::unique_ptr<ui::CommandButton>> buttons_;
  std::uint32_t flightAtLoad_ = 0;
};

}  // namespace vx::mainwindow
