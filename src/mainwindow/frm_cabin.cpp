#include "mainwindow/frm_cabin.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include "announce/flight_windows.h"
#include "platform/event_pump.h"
#include "state/pro_context.h"
#include "ui/colour.h"
#include "ui/ui_env.h"
#include "ui/window_handles.h"

namespace vx::mainwindow {
namespace {

constexpr double kRowHeight = 315;
constexpr double kLabelTop = 330;
constexpr double kLabelHeight = 210;

// The drag handle: a grip of dots on grey.
ui::Picture DragHandlePicture() {
  QImage image(21, 21, QImage::Format_RGB32);
  image.fill(QColor(0xC0, 0xC0, 0xC0));
  QPainter painter(&image);
  painter.setPen(QColor(0x80, 0x80, 0x80));
  for (int y = 4; y <= 16; y += 4)
    for (int x = 4; x <= 16; x += 4) painter.drawPoint(x, y);
  painter.end();
  return ui::Picture::FromImage(image);
}

}  // namespace

FrmCabin::FrmCabin(ui::UiEnv& env, state::ProContext& pro) : Form(env, "frmCabin"), pro_(pro) {
  onLoad = [this] { frmCabin_Form_Load(); };
  button切替.onClick = [this] { frmCabin_button切替_Click(); };
  // No box of the strip shows a caret or takes typing; pressing on the strip drags it.
  for (ui::TextBox* box : {&tbxCockpit, &tbxATC, &tbxDest, &tbx現在地時計, &tbx出発地時計, &tbxTime差, &tbxTime,
                           &tbxICAO出発, &tbxICAO到着}) {
    box->onGotFocus = [this] { キャレット消用.SetFocus(); };
  }
  for (ui::Control* c : std::initializer_list<ui::Control*>{&tbxATC, &tbxCockpit, &tbxDest, &tbxTime, &Image1}) {
    c->onMouseDown = [this](const ui::MouseArgs&) { StartWindowDrag(); };
  }
}

namespace {

using K = ui::ControlKind;
constexpr ui::ControlRow kRows[] = {
    {"Image1", K::Image, 0, 0, 315, 315},
    {"tbxCockpit", K::TextBox, 360, 0, 735, kRowHeight, "Cockpit"},
    {"tbxATC", K::TextBox, 1560, 0, 435, kRowHeight, "ATC"},
    {"tbxDest", K::TextBox, 2040, 0, 2835, kRowHeight, "距離 123456Km / 時計 12：34：56"},
    {"tbx現在地時計", K::TextBox, 5460, 0, 975, kRowHeight, "12：34：56"},
    {"tbx出発地時計", K::TextBox, 7020, 0, 975, kRowHeight, "12：34：56"},
    {"tbxTime差", K::TextBox, 8040, 0, 1275, kRowHeight, "差 -12：34：56"},
    {"tbxTime", K::TextBox, 9300, 0, 3255, kRowHeight, "[GMT] 予定 12：34：56 / 現在 12：34：56"},
    {"tbxICAO出発", K::TextBox, 12960, 0, 615, kRowHeight, "RJTT"},
    {"tbxICAO到着", K::TextBox, 13980, 0, 615, kRowHeight, "RJTT"},
    {"button切替", K::CommandButton, 1140, 0, 375, kRowHeight, "替"},
    {"Label2", K::Label, 5460, kLabelTop, 2535, kLabelHeight, "現在地　　　 　　　　　出発地", 7},
    {"Label1", K::Label, 12960, kLabelTop, 1635, kLabelHeight, "出発           到着", 7},
    {"キャレット消用", K::CommandButton, 0, 0, 255, 255, "Command1"},
};

}  // namespace

ui::FormLayout FrmCabin::Layout() { return {"frmCabin", kCabinStripTwipsNarrow, kLabelTop + kLabelHeight, kRows}; }

void FrmCabin::Design() {
  SetBorderStyle(ui::BorderStyle::None);
  SetCaption("");
  SetBackColor(ui::Colour::Palette(0));
  Form::Move(0, 0, kCabinStripTwipsNarrow, kLabelTop + kLabelHeight);
  ui::ApplyLayout(*this, kRows);

  Image1.SetStretch(true);
  Image1.SetPicture(DragHandlePicture());
  for (ui::TextBox* box : {&tbxCockpit, &tbxATC, &tbxDest, &tbx現在地時計, &tbx出発地時計, &tbxTime差, &tbxTime,
                           &tbxICAO出発, &tbxICAO到着}) {
    box->SetLocked(true);
  }
  for (ui::Label* l : {&Label1, &Label2}) {
    l->SetForeColor(ui::Colour::Palette(15));
    l->SetBackColor(ui::Colour::Palette(0));
  }
}

void FrmCabin::frmCabin_Form_Load() {
  auto& pump = *pro_.svc.pump;
  Form::SetWidth(pro_.briefing.TimeDisplayOption == 1 ? kCabinStripTwipsWide : kCabinStripTwipsNarrow);
  pump.Pump();
  const int screen = ScreenWidth();
  Form::SetTop(screen >= kWideScreenTwips ? 0 : 330);
  Form::SetLeft(screen - Form::Width());
  キャレット消用.SetLeft(-2000);
  pump.Pump();
}

void FrmCabin::frmCabin_button切替_Click() {
  tbxCockpit.SetText(tbxCockpit.Text() != "Cockpit" ? "Cockpit" : "Cabin");
  pro_.svc.pump->Pump();
  announce::BringSimulatorToFront(pro_);
}

ui::TextBox& FrmCabin::Box(simlink::CabinBox box) {
  using simlink::CabinBox;
  switch (box) {
    case CabinBox::tbxTime:
      return tbxTime;
    case CabinBox::tbx現在地時計:
      return tbx現在地時計;
    case CabinBox::tbx出発地時計:
      return tbx出発地時計;
    case CabinBox::tbxTime差:
      return tbxTime差;
    case CabinBox::tbxICAO出発:
      return tbxICAO出発;
    case CabinBox::tbxICAO到着:
      return tbxICAO到着;
    case CabinBox::tbxDest:
      return tbxDest;
    case CabinBox::tbxATC:
      return tbxATC;
    case CabinBox::tbxCockpit:
      return tbxCockpit;
  }
  return tbxDest;
}

void FrmCabin::SetText(simlink::CabinBox box, std::string_view text) { Box(box).SetText(std::string(text)); }

std::string FrmCabin::Text(simlink::CabinBox box) const { return Box(box).Text(); }

void FrmCabin::SetForeColour(simlink::CabinBox box, int paletteIndex) {
  Box(box).SetForeColor(ui::Colour::Palette(paletteIndex));
}

void FrmCabin::SetBackColour(simlink::CabinBox box, int paletteIndex) {
  Box(box).SetBackColor(ui::Colour::Palette(paletteIndex));
}

int FrmCabin::ScreenWidth() const { return static_cast<int>(Env().Screen().width); }

}  // namespace vx::mainwindow
