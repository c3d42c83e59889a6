#include "mainwindow/frm_cabin.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QWidget>

#include "mainwindow/pro_program.h"
#include "simlink/route_progress.h"
#include "ui/colour.h"

namespace vx::mainwindow {
namespace {

class FrmCabinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    p.pro.sim.cabinStrip = &cabin;
    simlink::OpenMainChannels(p.pro);
  }
  void LoadOnScreen(double screenWidth, int timeDisplay) {
    p.ui.env.screenSize = ui::TwipsSize{screenWidth, 18000};
    p.pro.briefing.TimeDisplayOption = static_cast<std::int16_t>(timeDisplay);
    cabin.Unload();
    cabin.Show();
  }
  test::ProProgram p;
  FrmCabin cabin{p.ui.env, p.pro};
};

TEST_F(FrmCabinTest, StripSitsFlushRightAtTheTopOrLowerOnNarrowScreens) {
  LoadOnScreen(24000, 0);
  EXPECT_EQ(cabin.Width(), 4950);
  EXPECT_EQ(cabin.Top(), 0);
  EXPECT_EQ(cabin.Left(), 24000 - 4950);
  LoadOnScreen(23999, 0);
  EXPECT_EQ(cabin.Top(), 330);
  EXPECT_EQ(cabin.Left(), 23999 - 4950);
  LoadOnScreen(28800, 1);
  EXPECT_EQ(cabin.Width(), 14700);
  EXPECT_EQ(cabin.Top(), 0);
  EXPECT_EQ(cabin.Left(), 28800 - 14700);
  EXPECT_EQ(cabin.Border(), ui::BorderStyle::None);
  EXPECT_EQ(cabin.キャレット消用.Left(), -2000);
}

TEST_F(FrmCabinTest, DesignLayoutAndTexts) {
  LoadOnScreen(28800, 1);
  struct Row {
    const ui::Control* control;
    double left, width;
  };
  const Row rows[] = {{&cabin.Image1, 0, 315},        {&cabin.tbxCockpit, 360, 735},   {&cabin.button切替, 1140, 375},
                      {&cabin.tbxATC, 1560, 435},     {&cabin.tbxDest, 2040, 2835},    {&cabin.tbx現在地時計, 5460, 975},
                      {&cabin.tbx出発地時計, 7020, 975}, {&cabin.tbxTime差, 8040, 1275}, {&cabin.tbxTime, 9300, 3255},
                      {&cabin.tbxICAO出発, 12960, 615}, {&cabin.tbxICAO到着, 13980, 615}};
  for (const Row& r : rows) {
    EXPECT_EQ(r.control->Left(), r.left) << r.control->Name();
    EXPECT_EQ(r.control->Width(), r.width) << r.control->Name();
    EXPECT_EQ(r.control->Top(), 0) << r.control->Name();
  }
  EXPECT_EQ(cabin.tbxCockpit.Text(), "Cockpit");
  EXPECT_EQ(cabin.tbxATC.Text(), "ATC");
  EXPECT_EQ(cabin.tbxTime.Text(), "[GMT] 予定 12：34：56 / 現在 12：34：56");
  EXPECT_EQ(cabin.button切替.Caption(), "替");
  EXPECT_EQ(cabin.Label1.Caption(), "出発           到着");
  EXPECT_EQ(cabin.Label2.Caption(), "現在地　　　 　　　　　出発地");
  EXPECT_EQ(cabin.Caption(), "");
}

TEST_F(FrmCabinTest, ToggleSwitchesCockpitAndCabinAndMendsOtherTexts) {
  LoadOnScreen(28800, 0);
  cabin.button切替.PerformClick();
  EXPECT_EQ(cabin.Text(simlink::CabinBox::tbxCockpit), "Cabin");
  cabin.button切替.PerformClick();
  EXPECT_EQ(cabin.Text(simlink::CabinBox::tbxCockpit), "Cockpit");
  cabin.tbxCockpit.SetText("cockpit");
  cabin.button切替.PerformClick();
  EXPECT_EQ(cabin.Text(simlink::CabinBox::tbxCockpit), "Cockpit");
  // Every flight starts on "Cockpit".
  cabin.button切替.PerformClick();
  cabin.Unload();
  cabin.Show();
  EXPECT_EQ(cabin.Text(simlink::CabinBox::tbxCockpit), "Cockpit");
}

TEST_F(FrmCabinTest, BoxesNeverKeepTheFocusNorTakeTyping) {
  LoadOnScreen(28800, 1);
  cabin.Activate();
  for (ui::TextBox* box : {&cabin.tbxATC, &cabin.tbxCockpit, &cabin.tbxDest, &cabin.tbxTime, &cabin.tbxTime差}) {
    box->SetFocus();
    ui::test::Settle();
    EXPECT_FALSE(box->HasFocus()) << box->Name();
    EXPECT_TRUE(cabin.キャレット消用.HasFocus()) << box->Name();
    auto* edit = qobject_cast<QLineEdit*>(box->Widget());
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->isReadOnly()) << box->Name();
  }
}

TEST_F(FrmCabinTest, ProgressTickResizesTheStripWhenTheTimeDisplayChanges) {
  LoadOnScreen(20000, 0);
  ASSERT_EQ(cabin.Width(), 4950);
  p.pro.briefing.TimeDisplayOption = 1;
  simlink::UpdateRouteProgress(p.pro);
  EXPECT_EQ(cabin.Width(), 14700);
  EXPECT_EQ(cabin.Left(), 20000 - 14700);
  EXPECT_EQ(cabin.Top(), 330);
  EXPECT_EQ(cabin.tbxICAO出発.Text(), p.pro.files.RouteAirports[0].icao);
  p.pro.briefing.TimeDisplayOption = 0;
  simlink::UpdateRouteProgress(p.pro);
  EXPECT_EQ(cabin.Width(), 4950);
  EXPECT_EQ(cabin.Left(), 20000 - 4950);
}

TEST_F(FrmCabinTest, EngineWritesProgressAndChatterColours) {
  LoadOnScreen(28800, 0);
  simlink::CabinStrip& strip = cabin;
  strip.SetText(simlink::CabinBox::tbxDest, "距離 12Km / あと 00：05：00");
  strip.SetForeColour(simlink::CabinBox::tbxDest, 12);
  strip.SetBackColour(simlink::CabinBox::tbxATC, 13);
  strip.SetForeColour(simlink::CabinBox::tbxATC, 15);
  EXPECT_EQ(cabin.tbxDest.Text(), "距離 12Km / あと 00：05：00");
  EXPECT_EQ(cabin.tbxDest.ForeColor(), ui::Colour::Palette(12));
  EXPECT_EQ(cabin.tbxATC.BackColor(), ui::Colour::Palette(13));
  EXPECT_EQ(cabin.tbxATC.ForeColor(), ui::Colour::Palette(15));
}

TEST_F(FrmCabinTest, WritingIntoTheStripNeverLoadsIt) {
  simlink::CabinStrip& strip = cabin;
  strip.SetText(simlink::CabinBox::tbxTime, "x");
  strip.SetWidth(14700);
  simlink::UpdateRouteProgress(p.pro);
  EXPECT_FALSE(cabin.Loaded());
}

}  // namespace
}  // namespace vx::mainwindow
