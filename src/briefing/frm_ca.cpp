#include "briefing/frm_ca.h"

#include "briefing/cabin_attendant_pictures.h"
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

void FrmCA::Design() {
  SetCaption("CAさん選択");
  SetBorderStyle(ui::BorderStyle::FixedDialog);
  Move(0, 0, 7740, 5400);

  Frame7.Move(120, 120, 2415, 2535);
  Frame7.SetCaption("CA さん選択");
  const char* captions[] = {"ランダム", "CAさん1", "CAさん2", "CAさん3", "CAさん4"};
  ui::OptionButton* options[] = {&selectCA0, &selectCA1, &selectCA2, &selectCA3, &selectCA4};
  for (int i = 0; i < 5; ++i) {
    options[i]->Move(240, 360 + 420.0 * i, 1935, 300);
    options[i]->SetCaption(captions[i]);
  }
  PictureDisplay.Move(2700, 120, 3480, 3480);  // square, as the pictures are
  PictureDisplay.SetStretch(true);
  ui::Image* holders[] = {&PictureCA1, &PictureCA2, &PictureCA3, &PictureCA4, &PictureCA5, &PictureCAALL};
  for (int i = 0; i < 6; ++i) {
    holders[i]->Move(120 + 400.0 * i, 4680, 375, 375);
    holders[i]->SetStretch(true);
    holders[i]->SetVisible(false);
  }
  Label1.Move(120, 2760, 2415, 840);
  Label1.SetCaption("ランダムを選択すると、アナウンス時に ４人のうちのだれかが（ランダムで）アナウンスを行います");
  Label2.Move(120, 3720, 4800, 420);
  Label2.SetCaption("ＣＡさん１～４を選択すると、アナウンス時にここで選択されたＣＡさんがアナウンスします");
  Label3.Move(120, 4200, 4800, 420);
  Label3.SetCaption("もし選択されたＣＡさんの音声が無い場合は他のＣＡさんがアナウンスを行います");
  buttonOK.Move(6120, 4320, 1335, 495);
  buttonOK.SetCaption("OK");
}

void FrmCA::frmCA_Form_Load() {
  const CabinAttendantPictureSet pictures = LoadCabinAttendantPictures(*pro_.svc.paths);
  PictureCA1.SetPicture(pictures[0]);
  PictureCA2.SetPicture(pictures[1]);
  PictureCA3.SetPicture(pictures[2]);
  PictureCA4.SetPicture(pictures[3]);
  PictureCA5.SetPicture(pictures[4]);
  PictureCAALL.SetPicture(pictures[4]);

  std::int16_t& choice = pro_.briefing.CabinAttendantChoice;
  if (choice < 0 || choice > 4) choice = 0;
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
