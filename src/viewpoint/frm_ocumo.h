#pragma once
// frmOcumo: the viewpoint program's window at the right screen edge: the six view presets
// in rows of boxes, the key panel with its help, the door-settings button and the
// instructions. Its 50 ms timer takes the keys the main program forwards through
// VEXLORPRO_EYE and moves the simulator's eye; its unload ends the program and hands the
// values back in EyeRet.cfg.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "state/ocumo_context.h"
#include "ui/command_button.h"
#include "ui/control_array.h"
#include "ui/form.h"
#include "ui/form_layout.h"
#include "ui/frame.h"
#include "ui/label.h"
#include "ui/text_box.h"
#include "ui/timer_control.h"

namespace vx::viewpoint {

class FrmDoorSet;

// The window's design, for checks that walk every form.
ui::FormLayout FrmOcumoLayout();

// What a forwarded key does.
enum class OcumoCommand {
  End,             // Esc: the program ends
  Next,            // Tab: the next preset
  DoorOrRotation,  // 0: the door keys, or the rotation menu at presets 0 and 3
  Height,          // 7, 1
  Position,        // 8, 2, 4, 6
  Zoom,            // 9, 3
  StepSwitch,      // 5
  SetRotation,     // 1 to 9 in the rotation menu
  CancelMenu,      // 0 in the rotation menu
};
struct OcumoKey {
  char key;  // "E" Esc, "T" Tab, "0" to "9" the keypad digits
  OcumoCommand command;
  std::string_view direction = {};  // "上", "下", "前", "後", "左", "右", "大", "小"
};
// Keys of mode 0 (camera keys) and of mode 3 (rotation menu).
extern const std::array<OcumoKey, 12> kCameraKeys;
extern const std::array<OcumoKey, 12> kRotationMenuKeys;

// The key of a key word's low 16 bits: 9 "T", 27 "E", 96 to 105 "0" to "9"; "x" for none.
char TranslateEyeKey(std::int32_t keyWord);

class FrmOcumo final : public ui::Form {
 public:
  FrmOcumo(ui::UiEnv& env, state::OcumoContext& ctx);
  ~FrmOcumo() override;

  ui::Label Label15{*this, "Label15"};
  ui::ControlArray<ui::Label> label視点{*this, "label視点", 0, 5};
  ui::ControlArray<ui::TextBox> tbx高度{*this, "tbx高度", 0, 5};
  ui::ControlArray<ui::TextBox> tbx距離{*this, "tbx距離", 0, 5};
  ui::ControlArray<ui::TextBox> tbxズーム{*this, "tbxズーム", 0, 5};
  ui::ControlArray<ui::TextBox> tbx角度{*this, "tbx角度", 0, 5};
  ui::ControlArray<ui::TextBox> tbx扉{*this, "tbx扉", 0, 5};
  ui::CommandButton Command1{*this, "Command1"};
  ui::Frame Frame1{*this, "Frame1"};
  ui::Label label移動{Frame1, "label移動"};
  ui::TextBox tbx移動量{Frame1, "tbx移動量"};
  ui::Label Label4{*this, "Label4"};
  ui::Timer Timer1{*this, "Timer1"};

  // One poll of the key channel.
  void PollEyeChannel();
  // Reads the key channel and answers a key found there with 88; the key ("E", "T", "0"
  // to "9"), or "x" when there was none or another was written meanwhile.
  char TakeEyeKey();
  void NextViewPreset();
  void HighlightViewPreset();
  void AdjustHeight(std::string_view direction, std::string_view step);
  void AdjustPosition(std::string_view direction, std::string_view step);
  void AdjustZoom(std::string_view direction, std::string_view step);
  void ShowMoveHelp();
  void ShowRotationMenu();
  void SetOcumoTopmost();

  // The preset values as the boxes show them.
  state::ViewTableArray BoxTexts() const;
  // The door window (created on the first click of Command1); null before.
  FrmDoorSet* DoorSet() { return doorSet_.get(); }
  // Run at the end of the load, before the window is shown.
  std::function<void()> onWindowLoaded;

 protected:
  void Design() override;

 private:
  void frmOcumo_Form_Load();
  void frmOcumo_Form_Unload();
  void frmOcumo_Command1_Click();
  void frmOcumo_Timer1_Timer();
  void RunKey(const OcumoKey& key);
  // Places or applies the current preset from ViewPresets; `mode` 1 also switches the view.
  void ApplyCurrentPreset(std::int16_t mode);
  void ShowRow(int preset);

  state::OcumoContext& ctx_;
  std::unique_ptr<FrmDoorSet> doorSet_;
};

}  // namespace vx::viewpoint
