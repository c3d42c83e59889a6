#include "announce/flight_forms_open.h"

#include "announce/flight_window_view.h"
#include "mainwindow/pro_context.h"
#include "simlink/window_topmost.h"

namespace vx::announce {
namespace {

void OpenOnTop(mainwindow::ProContext& pro, FlightForm form) {
  FlightForms* forms = pro.engine.flightForms;
  simlink::SetWindowTopmost(pro.sim.topmostWindows, *pro.svc.pump, forms ? forms->Handle(form) : 0);
  if (forms) forms->ShowModeless(form);
}

}  // namespace

void OpenHelpForm(mainwindow::ProContext& pro) {
  pro.main.HelpFromFlight = -1;
  OpenOnTop(pro, FlightForm::frmHelp);
}

void OpenPushbackForm(mainwindow::ProContext& pro) {
  pro.briefing.PushbackFormFromFlight = -1;
  OpenOnTop(pro, FlightForm::frmPB);
}

void OpenSoundSettingsForm(mainwindow::ProContext& pro) {
  pro.briefing.VoiceFormFromFlight = -1;
  OpenOnTop(pro, FlightForm::frm音声設定);
}

void OpenKeySettingsForm(mainwindow::ProContext& pro) {
  pro.main.KeyFormFromFlight = -1;
  OpenOnTop(pro, FlightForm::frmキー設定);
}

}  // namespace vx::announce
