#pragma once
// frmCabin: the cabin status strip, a small always-on-top strip flush with the top right
// of the screen for the whole flight. It shows the radio-chatter indicator, the
// Cockpit/Cabin switch that the announcement groups follow, the route progress, three
// clocks and the route's ICAO codes. The flight window shows it and unloads it; the
// progress tick and the announcement engine write into it.
#include <string>

#include "simlink/cabin_strip.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/form_layout.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/text_box.h"

namespace vx::state {
struct ProContext;
}

namespace vx::mainwindow {

inline constexpr int kCabinStripTwipsNarrow = 4950;
inline constexpr int kCabinStripTwipsWide = 14700;
// Screens at least this wide (twips) have the strip at the top edge, others 330 lower.
inline constexpr int kWideScreenTwips = 24000;

class FrmCabin final : public ui::Form, public simlink::CabinStrip {
 public:
  FrmCabin(ui::UiEnv& env, state::ProContext& pro);

  ui::Image Image1{*this, "Image1"};
  ui::TextBox tbxCockpit{*this, "tbxCockpit"};
  ui::CommandButton button切替{*this, "button切替"};
  ui::TextBox tbxATC{*this, "tbxATC"};
  ui::TextBox tbxDest{*this, "tbxDest"};
  ui::TextBox tbx現在地時計{*this, "tbx現在地時計"};
  ui::TextBox tbx出発地時計{*this, "tbx出発地時計"};
  ui::TextBox tbxTime差{*this, "tbxTime差"};
  ui::TextBox tbxTime{*this, "tbxTime"};
  ui::TextBox tbxICAO出発{*this, "tbxICAO出発"};
  ui::TextBox tbxICAO到着{*this, "tbxICAO到着"};
  ui::Label Label1{*this, "Label1"};
  ui::Label Label2{*this, "Label2"};
  ui::CommandButton キャレット消用{*this, "キャレット消用"};

  // CabinStrip.
  void SetText(simlink::CabinBox box, std::string_view text) override;
  std::string Text(simlink::CabinBox box) const override;
  void SetForeColour(simlink::CabinBox box, int paletteIndex) override;
  void SetBackColour(simlink::CabinBox box, int paletteIndex) override;
  int Width() const override { return static_cast<int>(Form::Width()); }
  void SetWidth(int twips) override { Form::SetWidth(twips); }
  void SetTop(int twips) override { Form::SetTop(twips); }
  void SetLeft(int twips) override { Form::SetLeft(twips); }
  int ScreenWidth() const override;

  // The window's controls as designed, for checks over every form.
  static ui::FormLayout Layout();

 protected:
  void Design() override;

 private:
  ui::TextBox& Box(simlink::CabinBox box);
  const ui::TextBox& Box(simlink::CabinBox box) const { return const_cast<FrmCabin*>(this)->Box(box); }
  void frmCabin_Form_Load();
  void frmCabin_button切替_Click();

  state::ProContext& pro_;
};

}  // namespace vx::mainwindow
