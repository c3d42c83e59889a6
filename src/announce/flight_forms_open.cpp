#include "announce/flight_forms_open.h"

#include "announce/flight_windows.h"
#include "state/pro_context.h"

namespace vx::announce {

void OpenHelpForm(state::ProContext& pro) {
  pro.main.HelpFromFlight = -1;
  ShowFlightFormOnTop(pro, FlightForm::frmHelp);
}

void OpenPushbackForm(state::ProContext& pro) {
  pro.briefing.PushbackFormFromFlight = -1;
  ShowFlightFormOnTop(pro, FlightForm::frmPB);
}

void OpenSoundSettingsForm(state::ProContext& pro) {
  pro.briefing.VoiceFormFromFlight = -1;
  ShowFlightFormOnTop(pro, FlightForm::frm音声設定);
}

void OpenKeySettingsForm(state::ProContext& pro) {
  pro.main.KeyFormFromFlight = -1;
  ShowFlightFormOnTop(pro, FlightForm::frmキー設定);
}

}  // namespace vx::announce
