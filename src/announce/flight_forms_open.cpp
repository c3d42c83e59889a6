#include "announce/flight_forms_open.h"

#include "announce/flight_windows.h"
#include "state/pro_context.h"

namespace vx::announce {

void OpenHelpForm(state::ProContext& pro) {
  pro.main.HelpFromFlight = true;
  ShowFlightFormOnTop(pro, FlightForm::frmHelp);
}

void OpenPushbackForm(state::ProContext& pro) {
  pro.briefing.PushbackFormFromFlight = true;
  ShowFlightFormOnTop(pro, FlightForm::frmPB);
}

void OpenSoundSettingsForm(state::ProContext& pro) {
  pro.briefing.VoiceFormFromFlight = true;
  ShowFlightFormOnTop(pro, FlightForm::frm音声設定);
}

void OpenKeySettingsForm(state::ProContext& pro) {
  pro.main.KeyFormFromFlight = true;
  ShowFlightFormOnTop(pro, FlightForm::frmキー設定);
}

}  // namespace vx::announce
