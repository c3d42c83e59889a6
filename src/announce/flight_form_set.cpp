#include "announce/flight_form_set.h"

#include "platform/event_pump.h"
#include "state/pro_context.h"
#include "ui/ui_env.h"

namespace vx::announce {

std::int64_t FlightFormSet::Handle(FlightForm form) {
  ui::Form* f = Get(form);
  if (!f) return 0;
  f->Load();
  return f->Handle();
}

void FlightFormSet::ShowModeless(FlightForm form) {
  if (ui::Form* f = Get(form)) f->Show();
}

void FlightFormSet::Unload(FlightForm form) {
  if (ui::Form* f = Get(form)) f->Unload();
}

StandInForm::StandInForm(ui::UiEnv& env, std::string name, std::string caption)
    : Form(env, std::move(name)), caption_(std::move(caption)) {
  buttonClose.onClick = [this] {
    Unload();
    Env().pump.Pump();
  };
}

namespace {

using K = ui::ControlKind;
constexpr double kStandInWidth = 3600, kStandInHeight = 1200;
constexpr ui::ControlRow kStandInRows[] = {
    {"Label1", K::Label, 120, 120, 3300, 420},
    {"buttonClose", K::CommandButton, 2280, 600, 1200, 420, "閉じる"},
};

}  // namespace

ui::FormLayout StandInForm::Layout() { return {"stand-in", kStandInWidth, kStandInHeight, kStandInRows}; }

void StandInForm::Design() {
  SetCaption(caption_);
  SetBorderStyle(ui::BorderStyle::FixedToolWindow);
  Move(0, 0, kStandInWidth, kStandInHeight);
  ui::ApplyLayout(*this, kStandInRows);
  Label1.SetCaption(caption_ + "（準備中）");
}

}  // namespace vx::announce
