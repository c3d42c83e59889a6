#pragma once
// frmCA: the choice of the cabin attendant who speaks the cabin announcements, or one of
// the four drawn at random for each announcement, with the chosen attendant's picture.
// The window reads `CabinAttendantChoice` when it loads and writes it back when it
// unloads, however it is closed.
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/form_layout.h"
#include "ui/frame.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/option_button.h"

namespace vx::state {
struct ProContext;
}

namespace vx::briefing {

class FrmCA final : public ui::Form {
 public:
  FrmCA(ui::UiEnv& env, state::ProContext& pro);

  ui::Frame Frame7{*this, "Frame7"};
  ui::OptionButton selectCA0{Frame7, "selectCA0"};
  ui::OptionButton selectCA1{Frame7, "selectCA1"};
  ui::OptionButton selectCA2{Frame7, "selectCA2"};
  ui::OptionButton selectCA3{Frame7, "selectCA3"};
  ui::OptionButton selectCA4{Frame7, "selectCA4"};
  ui::Image PictureDisplay{*this, "PictureDisplay"};
  // Holders of the loaded pictures.
  ui::Image PictureCA1{*this, "PictureCA1"};
  ui::Image PictureCA2{*this, "PictureCA2"};
  ui::Image PictureCA3{*this, "PictureCA3"};
  ui::Image PictureCA4{*this, "PictureCA4"};
  ui::Image PictureCA5{*this, "PictureCA5"};
  ui::Image PictureCAALL{*this, "PictureCAALL"};
  ui::Label Label1{*this, "Label1"};
  ui::Label Label2{*this, "Label2"};
  ui::Label Label3{*this, "Label3"};
  ui::CommandButton buttonOK{*this, "buttonOK"};

  // The window's controls as designed, for checks over every form.
  static ui::FormLayout Layout();

 protected:
  void Design() override;

 private:
  void frmCA_Form_Load();
  void frmCA_Form_Unload();
  void ShowPicture(const ui::Image& holder);

  state::ProContext& pro_;
};

}  // namespace vx::briefing
