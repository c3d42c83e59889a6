#include "briefing/frm_ca.h"

#include "briefing/cabin_attendant_pictures.h"
#include "datafiles/table_entries.h"
#include "platform/event_pump.h"
#include "state/pro_context.h"

namespace vx::briefing {

FrmCA::FrmCA(ui::UiEnv& env, state::ProContext& pro) : Form(env, "frmCA"), pro_(pro) {
  onLoad = [this] { frmCA_Form_Load(); };
  onUnload = [this] { frmCA_Form_Unload(); };
  selectCA0.onClick = [this] { ShowPicture(PictureCAALL); };
  selectCA1.onClick = [this] { ShowPicture(PictureCA1); };
  selectCA2.onClick = [this] { ShowPicture(PictureCA2); };
  selectCA3.onClick = [this] { ShowPicture(PictureCA3); };
  selectCA4.onClick = [this] { ShowPicture(PictureCA4); };
  buttonOK.onClick = [this] {
    Unload();
    pro_.svc.pump->Pump();
  };
}

namespace {

using K = ui::ControlKind;
constexpr double kFormWidth = 7740, kFormHeight = 5400;
constexpr ui::ControlRow kRows[] = {
    {"Frame7", K::Frame, 120, 120, 2415, 2535, "CA さん選択"},
    {"selectCA0", K::OptionButton, 240, 360, 1935, 300, "ランダム"},
    {"selectCA1", K::OptionButton, 240, 780, 1935, 300, "CAさん1"},
    {"selectCA2", K::OptionButton, 240, 1200, 1935, 300, "CAさん2"},
    {"selectCA3", K::OptionButton, 240, 1620, 1935, 300, "CAさん3"},
    {"selectCA4", K::OptionButton, 240, 2040, 1935, 300, "CAさん4"},
    {"PictureDisplay", K::Image, 2700, 120, 3480, 3480},  // square, as the pictures are
    {"PictureCA1", K::Image, 120, 4680, 375, 375},
    {"PictureCA2", K::Image, 520, 4680, 375, 375},
    {"PictureCA3", K::Image, 920, 4680, 375, 375},
    {"PictureCA4", K::Image, 1320, 4680, 375, 375},
    {"PictureCA5", K::Image, 1720, 4680, 375, 375},
    {"PictureCAALL", K::Image, 2120, 4680, 375, 375},
    {"Label1", K::Label, 120, 2760, 2415, 840,
     "ランダムを選択すると、アナウンス時に ４人のうちのだれかが（ランダムで）アナウンスを行います"},
    {"Label2", K::Label, 120, 3720, 4800, 420,
     "ＣＡさん１～４を選択すると、アナウンス時にここで選択されたＣＡさんがアナウンスします"},
    {"Label3", K::Label, 120, 4200, 4800, 420,
     "もし選択されたＣＡさんの音声が無い場合は他のＣＡさんがアナウンスを行います"},
    {"buttonOK", K::CommandButton, 6120, 4320, 1335, 495, "OK"},
};

}  // namespace

ui::FormLayout FrmCA::Layout() { return {"frmCA", kFormWidth, kFormHeight, kRows}; }

void FrmCA::Design() {
  SetCaption("CAさん選択");
  SetBorderStyle(ui::BorderStyle::FixedDialog);
  Move(0, 0, kFormWidth, kFormHeight);
  ui::ApplyLayout(*this, kRows);
  PictureDisplay.SetStretch(true);
  for (ui::Image* holder : {&PictureCA1, &PictureCA2, &PictureCA3, &PictureCA4, &PictureCA5, &PictureCAALL}) {
    holder->SetStretch(true);
    holder->SetVisible(false);
  }
}

void FrmCA::frmCA_Form_Load() {
  const CabinAttendantPictureSet pictures = LoadCabinAttendantPictures(*pro_.svc.paths);
  PictureCA1.SetPicture(pictures[0]);
  PictureCA2.SetPicture(pictures[1]);
  PictureCA3.SetPicture(pictures[2]);
  PictureCA4.SetPicture(pictures[3]);
  PictureCA5.SetPicture(pictures[4]);
  PictureCAALL.SetPicture(pictures[4]);

  // Any value but a fixed attendant selects the random choice.
  std::int16_t& choice = pro_.briefing.CabinAttendantChoice;
  choice = static_cast<std::int16_t>(datafiles::FixedCabinAttendant(choice).value_or(0));
  ui::OptionButton* options[] = {&selectCA0, &selectCA1, &selectCA2, &selectCA3, &selectCA4};
  options[choice]->SetValue(true);  // its click shows the picture
  pro_.svc.pump->Pump();
}

void FrmCA::frmCA_Form_Unload() {
  std::int16_t choice = 0;
  const ui::OptionButton* options[] = {&selectCA1, &selectCA2, &selectCA3, &selectCA4};
  for (int i = 0; i < 4; ++i) {
    if (options[i]->Value()) {
      choice = static_cast<std::int16_t>(i + 1);
      break;
    }
  }
  pro_.briefing.CabinAttendantChoice = choice;
}

void FrmCA::ShowPicture(const ui::Image& holder) {
  PictureDisplay.SetPicture(holder.Picture());
  pro_.svc.pump->Pump();
}

}  // namespace vx::briefing
