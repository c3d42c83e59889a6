#pragma once
// frmTOB: the take-off briefing sheet. It opens at the start of every flight and holds
// every value the announcements of the flight speak: airline, ship, type, flight number,
// route, gate, times, runway, weather, fuel, weights, flaps, thrust, V-speeds, heights and
// minimums. While open it re-reads the simulator every 2000 ms and keeps the live boxes
// current. Each button commits the whole sheet first and does nothing more when a field
// cannot be read; "Captain Signature" hands the briefing to the call-out program and
// closes the sheet.
#include <cstdint>
#include <functional>
#include <string>

#include "briefing/tob_commit.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/command_button.h"
#include "ui/control_array.h"
#include "ui/form.h"
#include "ui/form_layout.h"
#include "ui/frame.h"
#include "ui/label.h"
#include "ui/option_button.h"
#include "ui/text_box.h"
#include "ui/timer_control.h"

namespace vx::state {
struct ProContext;
}

namespace vx::briefing {

// The windows the sheet's buttons open (each commits the sheet first). A null entry
// opens nothing. The program puts its windows in; the airport pickers read
// `Pickers.AirportSide`.
struct TobDialogs {
  ui::Form* frmCA = nullptr;          // buttonCA
  ui::Form* frmPB = nullptr;          // buttonPB設定
  ui::Form* frmTSet = nullptr;        // buttonTiming
  ui::Form* frmFuelTank = nullptr;    // button給油
  ui::Form* frm会社国内線 = nullptr;  // button会社国内
  ui::Form* frm会社国際線 = nullptr;  // button会社国際
  ui::Form* frm国内線 = nullptr;      // button国内(i), after AirportSide := i
  ui::Form* frm国際線 = nullptr;      // button国際(i), after AirportSide := i
  // Airport pickers that open in their own way with the end of the route (0 departure,
  // 1 arrival): when set, these are called in place of showing frm国内線 or frm国際線.
  std::function<void(int side)> openDomesticAirports;
  std::function<void(int side)> openInternationalAirports;
};

// The sheet's design: one row per control.
const ui::FormLayout& FrmTobLayout();

class FrmTOB final : public ui::Form {
 public:
  FrmTOB(ui::UiEnv& env, state::ProContext& pro);

  // The sheet's design (as FrmTobLayout()).
  static const ui::FormLayout& Layout() { return FrmTobLayout(); }

  TobDialogs dialogs;

  // Header.
  ui::Label tbx機長名{*this, "tbx機長名"};
  ui::TextBox tbx年{*this, "tbx年"};
  ui::TextBox tbx月{*this, "tbx月"};
  ui::TextBox tbx日{*this, "tbx日"};
  ui::TextBox tbxシップ{*this, "tbxシップ"};
  ui::ComboBox combo機種{*this, "combo機種"};
  ui::TextBox tbx便名{*this, "tbx便名"};
  ui::TextBox tbx航空会社{*this, "tbx航空会社"};
  ui::CommandButton button会社国内{*this, "button会社国内"};
  ui::CommandButton button会社国際{*this, "button会社国際"};
  ui::CommandButton buttonCA{*this, "buttonCA"};
  // Options.
  ui::TextBox tbxAutoPauseKm{*this, "tbxAutoPauseKm"};
  ui::Frame FrameTime{*this, "FrameTime"};
  ui::OptionButton selTimeON{FrameTime, "selTimeON"};
  ui::OptionButton selTimeOFF{FrameTime, "selTimeOFF"};
  ui::CheckBox checkHimituON{*this, "checkHimituON"};
  ui::CheckBox checkパタパタ時刻表{*this, "checkパタパタ時刻表"};
  // Route: element 0 the departure, 1 the arrival.
  ui::ControlArray<ui::TextBox> tbxICAO{*this, "tbxICAO", 0, 1};
  ui::ControlArray<ui::TextBox> tbx空港名{*this, "tbx空港名", 0, 1};
  ui::ControlArray<ui::CommandButton> button国内{*this, "button国内", 0, 1};
  ui::ControlArray<ui::CommandButton> button国際{*this, "button国際", 0, 1};
  ui::CheckBox checkAES出発空港{*this, "checkAES出発空港"};
  ui::CheckBox checkAES到着空港{*this, "checkAES到着空港"};
  ui::Label Label1{*this, "Label1"};
  ui::Label Label2{*this, "Label2"};
  ui::ControlArray<ui::TextBox> tbxゲート番号{*this, "tbxゲート番号", 0, 0};
  // Element 0 the local departure time, 1 the flight time.
  ui::ControlArray<ui::TextBox> tbxHour{*this, "tbxHour", 0, 1};
  ui::ControlArray<ui::TextBox> tbxMinutes{*this, "tbxMinutes", 0, 1};
  ui::TextBox tbxKm{*this, "tbxKm"};
  ui::TextBox tbxMiles{*this, "tbxMiles"};
  // Runway.
  ui::ComboBox comboRWY1{*this, "comboRWY1"};
  ui::ComboBox comboRWY2{*this, "comboRWY2"};
  ui::ComboBox comboRWY3{*this, "comboRWY3"};
  // Weather.
  ui::TextBox tbx風向{*this, "tbx風向"};
  ui::TextBox tbx風速{*this, "tbx風速"};
  ui::TextBox tbx気温{*this, "tbx気温"};
  ui::TextBox tbx露点{*this, "tbx露点"};
  ui::TextBox tbxWindTurbulenceA{*this, "tbxWindTurbulenceA"};
  ui::TextBox tbxQNH1{*this, "tbxQNH1"};
  ui::TextBox tbxQNH2{*this, "tbxQNH2"};
  ui::TextBox tbx天候{*this, "tbx天候"};
  ui::TextBox tbxRainType{*this, "tbxRainType"};
  ui::TextBox tbxRainRate{*this, "tbxRainRate"};
  ui::TextBox tbx低雲上限{*this, "tbx低雲上限"};
  ui::TextBox tbx低雲下限{*this, "tbx低雲下限"};
  ui::TextBox tbx低雲量{*this, "tbx低雲量"};
  ui::TextBox tbx高雲上限{*this, "tbx高雲上限"};
  ui::TextBox tbx高雲下限{*this, "tbx高雲下限"};
  ui::TextBox tbx高雲量{*this, "tbx高雲量"};
  ui::TextBox tbx嵐上限{*this, "tbx嵐上限"};
  ui::TextBox tbx嵐下限{*this, "tbx嵐下限"};
  ui::TextBox tbx嵐量{*this, "tbx嵐量"};
  ui::TextBox tbxWindInfoG{*this, "tbxWindInfoG"};
  ui::TextBox tbxWindInfoDoG{*this, "tbxWindInfoDoG"};
  // Fuel and weights.
  ui::TextBox tbx左割合{*this, "tbx左割合"};
  ui::TextBox tbx左ポンド{*this, "tbx左ポンド"};
  ui::TextBox tbx左ガロン{*this, "tbx左ガロン"};
  ui::TextBox tbx右割合{*this, "tbx右割合"};
  ui::TextBox tbx右ポンド{*this, "tbx右ポンド"};
  ui::TextBox tbx右ガロン{*this, "tbx右ガロン"};
  ui::TextBox tbx中割合{*this, "tbx中割合"};
  ui::TextBox tbx中ポンド{*this, "tbx中ポンド"};
  ui::TextBox tbx中ガロン{*this, "tbx中ガロン"};
  ui::TextBox tbx合計割合{*this, "tbx合計割合"};
  ui::TextBox tbx合計ポンド{*this, "tbx合計ポンド"};
  ui::TextBox tbx合計ガロン{*this, "tbx合計ガロン"};
  ui::CommandButton button給油{*this, "button給油"};
  ui::TextBox tbxゼロフューエル{*this, "tbxゼロフューエル"};
  ui::TextBox tbxグロス{*this, "tbxグロス"};
  ui::TextBox tbxバランス{*this, "tbxバランス"};
  // Take-off.
  ui::ComboBox comboフラップ{*this, "comboフラップ"};
  ui::ComboBox comboスラスト1{*this, "comboスラスト1"};
  ui::ComboBox comboスラスト2{*this, "comboスラスト2"};
  ui::ComboBox combo上昇{*this, "combo上昇"};
  ui::TextBox tbxV1{*this, "tbxV1"};
  ui::TextBox tbxVr{*this, "tbxVr"};
  ui::TextBox tbxV2{*this, "tbxV2"};
  ui::CommandButton buttonV計算{*this, "buttonV計算"};
  ui::CommandButton buttonVreset{*this, "buttonVreset"};
  ui::TextBox tbx巡航高度{*this, "tbx巡航高度"};
  ui::TextBox tbxエンジンアウト{*this, "tbxエンジンアウト"};
  ui::TextBox tbxアクセラ{*this, "tbxアクセラ"};
  ui::TextBox tbxリダクション{*this, "tbxリダクション"};
  // Trouble return.
  ui::TextBox tbxBefV1{*this, "tbxBefV1"};
  ui::TextBox tbxAftV1{*this, "tbxAftV1"};
  ui::TextBox tbxAftV1高度{*this, "tbxAftV1高度"};
  ui::ComboBox combo方式1{*this, "combo方式1"};
  ui::ComboBox combo方式2{*this, "combo方式2"};
  // Minimums.
  ui::TextBox tbxMinimum{*this, "tbxMinimum"};
  ui::TextBox tbxAprMinimum{*this, "tbxAprMinimum"};
  // Other.
  ui::CommandButton buttonPB設定{*this, "buttonPB設定"};
  ui::CommandButton buttonTiming{*this, "buttonTiming"};
  ui::CommandButton button音声リスト{*this, "button音声リスト"};
  ui::CommandButton buttonOK{*this, "buttonOK"};
  ui::Timer Timer1{*this, "Timer1"};

  // Static labels of the sheet.
  ui::Label lbl年月日{*this, "lbl年月日"};
  ui::Label lblシップ{*this, "lblシップ"};
  ui::Label lbl便名{*this, "lbl便名"};
  ui::Label lbl航空会社{*this, "lbl航空会社"};
  ui::Label lblAutoPause{*this, "lblAutoPause"};
  ui::Label lbl出発{*this, "lbl出発"};
  ui::Label lbl到着{*this, "lbl到着"};
  ui::Label lblゲート{*this, "lblゲート"};
  ui::Label lbl出発時刻{*this, "lbl出発時刻"};
  ui::Label lbl飛行時間{*this, "lbl飛行時間"};
  ui::Label lbl距離{*this, "lbl距離"};
  ui::Label lblマイル{*this, "lblマイル"};
  ui::Label lbl滑走路{*this, "lbl滑走路"};
  ui::Label lbl風向{*this, "lbl風向"};
  ui::Label lbl風速{*this, "lbl風速"};
  ui::Label lbl気温{*this, "lbl気温"};
  ui::Label lbl露点{*this, "lbl露点"};
  ui::Label lbl乱気流{*this, "lbl乱気流"};
  ui::Label lblQNH{*this, "lblQNH"};
  ui::Label lbl天候{*this, "lbl天候"};
  ui::Label lbl降水{*this, "lbl降水"};
  ui::Label lbl低空の雲{*this, "lbl低空の雲"};
  ui::Label lbl高空の雲{*this, "lbl高空の雲"};
  ui::Label lblストーム{*this, "lblストーム"};
  ui::Label lbl滑走路の風{*this, "lbl滑走路の風"};
  ui::Label lbl割合{*this, "lbl割合"};
  ui::Label lblポンド{*this, "lblポンド"};
  ui::Label lblガロン{*this, "lblガロン"};
  ui::Label lbl左{*this, "lbl左"};
  ui::Label lbl右{*this, "lbl右"};
  ui::Label lbl中{*this, "lbl中"};
  ui::Label lbl合計{*this, "lbl合計"};
  ui::Label lbl給油設定{*this, "lbl給油設定"};
  ui::Label lblゼロフューエル{*this, "lblゼロフューエル"};
  ui::Label lblグロス{*this, "lblグロス"};
  ui::Label lblバランス{*this, "lblバランス"};
  ui::Label lblフラップ{*this, "lblフラップ"};
  ui::Label lblスラスト{*this, "lblスラスト"};
  ui::Label lbl上昇{*this, "lbl上昇"};
  ui::Label lblV1{*this, "lblV1"};
  ui::Label lblVr{*this, "lblVr"};
  ui::Label lblV2{*this, "lblV2"};
  ui::Label lbl巡航高度{*this, "lbl巡航高度"};
  ui::Label lblエンジンアウト{*this, "lblエンジンアウト"};
  ui::Label lblアクセラ{*this, "lblアクセラ"};
  ui::Label lblリダクション{*this, "lblリダクション"};
  ui::Label lblBefV1{*this, "lblBefV1"};
  ui::Label lblAftV1{*this, "lblAftV1"};
  ui::Label lblAftV1高度{*this, "lblAftV1高度"};
  ui::Label lbl方式{*this, "lbl方式"};
  ui::Label lblMinimum{*this, "lblMinimum"};
  ui::Label lblAprMinimum{*this, "lblAprMinimum"};

  // The sheet's commit: its texts into the briefing values; on a field that cannot be
  // read, the "TOB 確定" box and false.
  bool CommitTobForm();
  // What the sheet shows now, for the commit.
  TobSheetTexts SheetTexts() const;

  // Fills (also called by the pickers and the fuel window when they close).
  void FillTakeoffBriefingForm();
  void FillTobHeader();
  void FillTobRoute(int withRunway);
  void ShowTobWeather();
  void ShowTobFuel();
  void ShowTobWeights();
  void ShowTobTakeoffData();
  void ShowTobReturnData();
  void ShowTobMinimums();
  void ShowAirlineDetail();
  void ReadAddonVSpeeds();

  // Event handlers.
  void frmTOB_Form_Load();
  void frmTOB_Form_Unload();
  void frmTOB_Timer1_Timer();
  void frmTOB_buttonOK_Click();
  void frmTOB_buttonV計算_Click();
  void frmTOB_buttonVreset_Click();
  void frmTOB_buttonCA_Click();
  void frmTOB_buttonPB設定_Click();
  void frmTOB_buttonTiming_Click();
  void frmTOB_button給油_Click();
  void frmTOB_button会社国内_Click();
  void frmTOB_button会社国際_Click();
  void frmTOB_button国内_Click(int index);
  void frmTOB_button国際_Click(int index);
  void frmTOB_button音声リスト_Click();

 protected:
  void Design() override;

 private:
  // Commits, then shows the window above all others without waiting.
  void OpenDialog(ui::Form* dialog);

  state::ProContext& pro_;
  bool tickErrorReported_ = false;  // a failing tick is reported once per opening
};

}  // namespace vx::briefing
