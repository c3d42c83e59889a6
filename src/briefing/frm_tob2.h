#pragma once
// frmTOB2: the take-off briefing card, shown while the crew read the briefing. Its labels
// show the committed briefing values over a picture of a card; the take-off briefing
// group marks the row being read with a red line (Line1) and reveals the row's tick
// (Image1), rows 0 to 30. Each showing loads it afresh with every marker hidden.
#include "announce/flight_window_view.h"
#include "ui/control_array.h"
#include "ui/form.h"
#include "ui/form_layout.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/line_control.h"

namespace vx::state {
struct ProContext;
}

namespace vx::briefing {

// The card's design: one row per control.
const ui::FormLayout& FrmTob2Layout();

class FrmTOB2 final : public ui::Form, public announce::BriefingCard {
 public:
  FrmTOB2(ui::UiEnv& env, state::ProContext& pro);

  // The engine's moves (announce::BriefingCard).
  void ShowTopmost() override;
  void SetVisible(bool visible) override;
  void Mark(int row, bool on) override;
  void Reveal(int row) override;
  void Unload() override;

  // Fills the labels from the committed briefing, the route's distance still to fly and
  // the fuel now (taken as the departure fuel). With the add-on 767 its V-speeds and
  // cruise altitude come first; an add-on that cannot be read leaves the card as designed.
  void ShowTobCard();

  // Header.
  ui::Label tbx航空会社{*this, "tbx航空会社"};
  ui::Label tbx便名{*this, "tbx便名"};
  ui::Label tbxシップ{*this, "tbxシップ"};
  ui::Label tbx機種{*this, "tbx機種"};
  // Route: element 0 the departure, 1 the arrival (times: departure, flight time).
  ui::ControlArray<ui::Label> tbxICAO{*this, "tbxICAO", 0, 1};
  ui::ControlArray<ui::Label> tbx空港名{*this, "tbx空港名", 0, 1};
  ui::ControlArray<ui::Label> tbxHour{*this, "tbxHour", 0, 1};
  ui::ControlArray<ui::Label> tbxMinutes{*this, "tbxMinutes", 0, 1};
  ui::ControlArray<ui::Label> tbxゲート番号{*this, "tbxゲート番号", 0, 0};
  ui::Label tbxKm{*this, "tbxKm"};
  ui::Label tbxMiles{*this, "tbxMiles"};
  // Runway and wind.
  ui::Label tbxRWY1{*this, "tbxRWY1"};
  ui::Label tbxRWY2{*this, "tbxRWY2"};
  ui::Label tbxRWY3{*this, "tbxRWY3"};
  ui::Label tbx風向{*this, "tbx風向"};
  ui::Label tbx風速{*this, "tbx風速"};
  ui::Label tbxWindInfoG{*this, "tbxWindInfoG"};
  ui::Label tbxWindInfoDoG{*this, "tbxWindInfoDoG"};
  // Weather.
  ui::Label tbx天候{*this, "tbx天候"};
  ui::Label tbx気温{*this, "tbx気温"};
  ui::Label tbx露点{*this, "tbx露点"};
  ui::Label tbxQNH1{*this, "tbxQNH1"};
  ui::Label tbxQNH2{*this, "tbxQNH2"};
  ui::Label tbxWindTurbulenceA{*this, "tbxWindTurbulenceA"};
  ui::Label tbxRainType{*this, "tbxRainType"};
  ui::Label tbxRainRate{*this, "tbxRainRate"};
  ui::Label tbx低雲上限{*this, "tbx低雲上限"};
  ui::Label tbx低雲下限{*this, "tbx低雲下限"};
  ui::Label tbx低雲量{*this, "tbx低雲量"};
  ui::Label tbx高雲上限{*this, "tbx高雲上限"};
  ui::Label tbx高雲下限{*this, "tbx高雲下限"};
  ui::Label tbx高雲量{*this, "tbx高雲量"};
  ui::Label tbx嵐上限{*this, "tbx嵐上限"};
  ui::Label tbx嵐下限{*this, "tbx嵐下限"};
  ui::Label tbx嵐量{*this, "tbx嵐量"};
  // Fuel and weights.
  ui::Label tbx左割合{*this, "tbx左割合"};
  ui::Label tbx右割合{*this, "tbx右割合"};
  ui::Label tbx中割合{*this, "tbx中割合"};
  ui::Label tbx合計割合{*this, "tbx合計割合"};
  ui::Label tbx左ポンド{*this, "tbx左ポンド"};
  ui::Label tbx右ポンド{*this, "tbx右ポンド"};
  ui::Label tbx中ポンド{*this, "tbx中ポンド"};
  ui::Label tbx合計ポンド{*this, "tbx合計ポンド"};
  ui::Label tbx左ガロン{*this, "tbx左ガロン"};
  ui::Label tbx右ガロン{*this, "tbx右ガロン"};
  ui::Label tbx中ガロン{*this, "tbx中ガロン"};
  ui::Label tbx合計ガロン{*this, "tbx合計ガロン"};
  ui::Label tbxゼロフューエル{*this, "tbxゼロフューエル"};
  ui::Label tbxグロス{*this, "tbxグロス"};
  ui::Label tbxバランス{*this, "tbxバランス"};
  // Take-off data.
  ui::Label tbxフラップ{*this, "tbxフラップ"};
  ui::Label tbxスラスト1{*this, "tbxスラスト1"};
  ui::Label tbxスラスト2{*this, "tbxスラスト2"};
  ui::Label tbx上昇{*this, "tbx上昇"};
  ui::Label tbxV1{*this, "tbxV1"};
  ui::Label tbxVr{*this, "tbxVr"};
  ui::Label tbxV2{*this, "tbxV2"};
  ui::Label tbx巡航高度{*this, "tbx巡航高度"};
  ui::Label tbxエンジンアウト{*this, "tbxエンジンアウト"};
  ui::Label tbxアクセラ{*this, "tbxアクセラ"};
  ui::Label tbxリダクション{*this, "tbxリダクション"};
  ui::Label tbxBefV1{*this, "tbxBefV1"};
  ui::Label tbxAftV1{*this, "tbxAftV1"};
  ui::Label tbxAftV1高度{*this, "tbxAftV1高度"};
  ui::Label tbxMinimum{*this, "tbxMinimum"};
  ui::Label tbxAprMinimum{*this, "tbxAprMinimum"};
  ui::Label tbx方式1{*this, "tbx方式1"};
  ui::Label tbx方式2{*this, "tbx方式2"};
  // Headings printed on the card.
  ui::ControlArray<ui::Label> lblCard{*this, "lblCard", 0, 30};
  // The markers of rows 0 to 30.
  ui::ControlArray<ui::Image> Image1{*this, "Image1", 0, 30};
  ui::ControlArray<ui::Line> Line1{*this, "Line1", 0, 30};

 protected:
  void Design() override;

 private:
  void frmTOB2_Form_Load();
  void frmTOB2_Form_Unload();

  state::ProContext& pro_;
};

}  // namespace vx::briefing
