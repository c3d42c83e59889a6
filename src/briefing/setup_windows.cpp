#include "briefing/setup_windows.h"

namespace vx::briefing {

SetupWindows::SetupWindows(ui::UiEnv& env, state::ProContext& pro, FrmTOB& sheet)
    : frmFuelTank(env, pro, sheetCalls), pickers(env, pro, sheetCalls) {
  sheetCalls.ShowTobFuel = [&sheet] {
    if (sheet.Loaded()) sheet.ShowTobFuel();
  };
  sheetCalls.FillTobRoute = [&sheet](int withRunway) {
    if (sheet.Loaded()) sheet.FillTobRoute(withRunway);
  };
  sheetCalls.FillTobHeader = [&sheet] {
    if (sheet.Loaded()) sheet.FillTobHeader();
  };
  sheet.dialogs.frmFuelTank = &frmFuelTank;
  sheet.dialogs.frm国内線 = &pickers.frm国内線;
  sheet.dialogs.frm国際線 = &pickers.frm国際線;
  sheet.dialogs.frm会社国内線 = &pickers.frm会社国内線;
  sheet.dialogs.frm会社国際線 = &pickers.frm会社国際線;
  sheet.dialogs.shown = [this](ui::Form& shownForm) {
    for (FrmPicker* p : {&pickers.frm国内線, &pickers.frm国際線}) {
      if (&shownForm == p) p->ShowAirportSide();
    }
  };
}

}  // namespace vx::briefing
