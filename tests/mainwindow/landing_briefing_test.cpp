// The landing briefing prompt: filled from the stored briefing and the add-on's Vref,
// read back field by field, the flap 30 call, the call-out program's file after OK, its
// answers to the waiting briefing (close box included), and the end of the flight closing
// the prompts that still ask.
#include "mainwindow/frm_prompts.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QWidget>
#include <fstream>
#include <sstream>
#include <tuple>

#include "announce/flight_form_set.h"
#include "announce/flight_lifecycle.h"
#include "mainwindow/pro_program.h"
#include "platform/addon_link.h"
#include "runtime/cp932.h"

namespace vx::mainwindow {
namespace {

class LandingBriefingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    p.ui.boxes.onUnexpected = [](const std::string& box) { ADD_FAILURE() << box; };
    p.pro.svc.addon = &addon;
  }

  // vexlorSD.cfg as lines, numbered from 1; empty when there is no file.
  std::vector<std::string> SoundSettingsLines() {
    std::ifstream in(p.dir.Path() / "vexlorSD.cfg", std::ios::binary);
    if (!in) return {};
    std::stringstream bytes;
    bytes << in.rdbuf();
    const std::string text = runtime::Cp932ToUtf8(bytes.str());
    std::vector<std::string> lines{""};
    for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2) {
      lines.push_back(text.substr(at, end - at));
    }
    return lines;
  }

  test::ProProgram p;
  platform::ScriptedAddonLink addon;
  state::LandingBriefingValues& landing = p.pro.flight.LandingBriefing;
  state::TobBriefingValues& tob = p.pro.briefing.TobBriefing;
};

TEST_F(LandingBriefingTest, OpensOnTheStoredBriefing) {
  struct Case {
    const char* runway;
    const char* digit1;
    const char* digit2;
    const char* side;
  };
  // A character the digit lists do not hold leaves the design digit there.
  const Case cases[] = {{"08C", "0", "8", "センター(C)"}, {"34L", "3", "4", "レフト(L)"},
                        {"27N", "2", "7", ""},             {"A5R", "1", "5", "ライト(R)"},
                        {"", "1", "6", ""}};
  FrmLDB form{p.ui.env, p.pro};
  landing.ApproachType = "VOR/DME";
  landing.ApproachVariant = " Nr.2";
  landing.LandingFlap = 25;
  landing.GoAroundAltitude = 3000;
  landing.GoAroundFlap = 20;
  tob.MinimumAltitude = 250;
  tob.ApproachingMinimumAltitude = 400;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.runway);
    landing.LandingRunway = c.runway;
    form.Show();
    EXPECT_EQ(form.Caption(), "Landing Briefing");
    EXPECT_EQ(form.comboRWY1.Text(), c.digit1);
    EXPECT_EQ(form.comboRWY2.Text(), c.digit2);
    EXPECT_EQ(form.comboRWY3.Text(), c.side);
    EXPECT_EQ(form.comboアプローチ方式1.Text(), "VOR/DME");
    EXPECT_EQ(form.comboアプローチ方式2.Text(), " Nr.2");
    EXPECT_EQ(form.combo着陸Flap.Text(), "25");
    EXPECT_EQ(form.tbxGA高度.Text(), "3000");
    EXPECT_EQ(form.comboGAFlap.Text(), "20");
    EXPECT_EQ(form.tbxMinimum.Text(), "250");
    EXPECT_EQ(form.tbxAprMinimum.Text(), "400");
    EXPECT_EQ(form.tbxVref30.Text(), "170");
    form.Unload();
  }
}

// The runway digits are chosen from their lists: a typed text is refused, so that the
// call-out program always gets a number.
TEST_F(LandingBriefingTest, RunwayDigitsAreOnlyChosenFromTheirLists) {
  FrmLDB form{p.ui.env, p.pro};
  form.Show();
  for (ui::ComboBox* digit : {&form.comboRWY1, &form.comboRWY2}) {
    EXPECT_EQ(digit->Style(), ui::ComboStyle::ListOnly);
    EXPECT_THROW(digit->SetText("X"), runtime::RuntimeError);
  }
  EXPECT_EQ(form.comboRWY3.Style(), ui::ComboStyle::Editable);
  // The lists: count, first and last item.
  const std::tuple<ui::ComboBox*, int, const char*, const char*> lists[] = {
      {&form.comboRWY1, 4, "0", "3"},
      {&form.comboRWY2, 10, "0", "9"},
      {&form.comboRWY3, 4, "", "センター(C)"},
      {&form.comboアプローチ方式1, 20, "ビジュアル・アプローチ", "ADF/LLZ/DME"},
      {&form.comboアプローチ方式2, 21, "", " ５"},
      {&form.combo着陸Flap, 2, "25", "30"},
      {&form.comboGAFlap, 7, "1", "30"},
  };
  for (const auto& [combo, count, first, last] : lists) {
    SCOPED_TRACE(combo->Name());
    ASSERT_EQ(combo->ListCount(), count);
    EXPECT_EQ(combo->List(0), first);
    EXPECT_EQ(combo->List(count - 1), last);
  }
}

TEST_F(LandingBriefingTest, AddonAircraftShowsItsVref30) {
  struct Case {
    const char* name;
    bool sessionOpen;
    std::int16_t aircraftType;
    std::int32_t result;
    const char* vref30;
    const char* message;  // the add-on's failure box, or none
  };
  const Case cases[] = {
      {"read", true, 0, platform::kAddonOk, "142", nullptr},
      {"request error", true, 0, platform::kAddonRequestError, "170", "Level-D SDK リクエストエラー"},
      {"not running", true, 0, platform::kAddonNotRunning, "170", "FSが起動していません"},
      {"no session", false, 0, platform::kAddonOk, "170", nullptr},
      {"other aircraft", true, 3, platform::kAddonOk, "170", nullptr},
  };
  FrmLDB form{p.ui.env, p.pro};
  tob.MinimumAltitude = 200;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    p.pro.sim.AddonSessionOpen = c.sessionOpen;
    tob.AircraftTypeCode = c.aircraftType;
    platform::AddonDataRecord record;
    record.Set(platform::AddonDataRecord::kVref30, 142);
    addon.QueueRead(c.result, record);
    if (c.message) p.ui.boxes.Expect("VexlorPro", ui::Answer::Ok, c.message);
    form.Show();
    EXPECT_EQ(form.tbxVref30.Text(), c.vref30);
    EXPECT_EQ(form.tbxMinimum.Text(), "200");  // the other fields are filled all the same
    EXPECT_EQ(p.ui.boxes.PendingExpectations(), 0u);
    form.Unload();
  }
}

// Fields are read in the window's order; the first that does not convert is named, the
// ones before it are stored, the ones after it keep their values, and nothing is written.
TEST_F(LandingBriefingTest, AFieldThatDoesNotConvertStopsTheReading) {
  struct Case {
    int bad;  // 0 landing flap, 1 go-around altitude, 2 go-around flap, 3 minimum, 4 approaching minimum
    const char* label;
  };
  const Case cases[] = {{0, "着陸フラップが"},
                        {1, "ゴーアラウンド高度が"},
                        {2, "ゴーアラウンドフラップが"},
                        {3, "ミニマム高度が"},
                        {4, "アプローチング・ミニマム高度が"}};
  FrmLDB form{p.ui.env, p.pro};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    landing = {};
    tob.MinimumAltitude = 200;
    tob.ApproachingMinimumAltitude = 350;
    p.pro.flight.LandingBriefingState = 0;
    form.Show();
    form.comboRWY1.SetText("3");
    form.comboRWY2.SetText("4");
    form.comboRWY3.SetText("");
    form.comboアプローチ方式1.SetText("ILS");
    ui::Control* fields[] = {&form.combo着陸Flap, &form.tbxGA高度, &form.comboGAFlap, &form.tbxMinimum,
                             &form.tbxAprMinimum};
    const char* typed[] = {"25", "2500.5", "20", "180", "300"};
    for (int i = 0; i < 5; ++i) {
      const std::string text = i == c.bad ? "abc" : typed[i];
      if (auto* combo = dynamic_cast<ui::ComboBox*>(fields[i])) combo->SetText(text);
      if (auto* box = dynamic_cast<ui::TextBox*>(fields[i])) box->SetText(text);
    }
    p.ui.boxes.Expect("ＬＤＢ 確定", ui::Answer::Ok, std::string("\n\n") + c.label + "正しくありません\n入力を確認してください");
    form.buttonOK.PerformClick();
    EXPECT_EQ(p.ui.boxes.shown.back().icon, ui::Icon::Critical);
    EXPECT_TRUE(form.Loaded());
    EXPECT_EQ(p.pro.flight.LandingBriefingState, 0);
    EXPECT_TRUE(SoundSettingsLines().empty());
    // Runway and approach come first; an empty side is "N".
    EXPECT_EQ(landing.LandingRunway, "34N");
    EXPECT_EQ(landing.LandingRunwayParts, (std::array<std::string, 3>{"3", "4", ""}));
    EXPECT_EQ(landing.ApproachType, "ILS");
    EXPECT_EQ(landing.LandingFlap, c.bad > 0 ? 25 : 30);
    EXPECT_EQ(landing.GoAroundAltitude, c.bad > 1 ? 2500 : 4500);  // a half goes to the even neighbour
    EXPECT_EQ(landing.GoAroundFlap, c.bad > 2 ? 20 : 15);
    EXPECT_EQ(tob.MinimumAltitude, c.bad > 3 ? 180 : 200);
    EXPECT_EQ(tob.ApproachingMinimumAltitude, 350);
    form.Unload();
  }
  // Reopened: the side stays empty.
  form.Show();
  EXPECT_EQ(form.comboRWY3.Text(), "");
  EXPECT_EQ(form.comboRWY1.Text(), "3");
}

TEST_F(LandingBriefingTest, LandingFlapSetsTheFlap30Call) {
  struct Case {
    const char* flap;
    std::int32_t before;
    std::int32_t after;
  };
  const Case cases[] = {{"25", 160, 0}, {"25", 0, 0}, {"30", 0, 185}, {"30", -10, 185}, {"30", 160, 160}};
  FrmLDB form{p.ui.env, p.pro};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.flap) + " " + std::to_string(c.before));
    p.pro.briefing.TimingSettings.approachFlapSpeeds[5] = c.before;
    p.pro.flight.LandingBriefingState = 0;
    form.Show();
    form.combo着陸Flap.SetText(c.flap);
    form.buttonOK.PerformClick();
    EXPECT_FALSE(form.Loaded());
    EXPECT_EQ(p.pro.flight.LandingBriefingState, 1);
    EXPECT_EQ(p.pro.briefing.TimingSettings.approachFlapSpeeds[5], c.after);
    EXPECT_EQ(p.pro.briefing.TimingSettings.approachFlapSpeeds[4], 170);
  }
}

// What the call-out program takes from the landing briefing: the minimums (values 18 and
// 19), the approach flap speeds (27 to 32), the go-around flap (41) and the runway (45).
TEST_F(LandingBriefingTest, OkHandsTheLandingValuesToTheCallOutProgram) {
  FrmLDB form{p.ui.env, p.pro};
  form.Show();
  form.comboRWY1.SetText("0");
  form.comboRWY2.SetText("9");
  form.comboRWY3.SetText("レフト(L)");
  form.combo着陸Flap.SetText("25");
  form.comboGAFlap.SetText("20");
  form.tbxMinimum.SetText("220");
  form.tbxAprMinimum.SetText("1,320");
  form.buttonOK.PerformClick();
  ASSERT_FALSE(form.Loaded());
  const std::vector<std::string> lines = SoundSettingsLines();
  ASSERT_EQ(lines.size(), 109u);  // 108 lines, numbered from 1
  const std::pair<int, const char*> golden[] = {
      {47, ";●● 速度コール＆ミニマム高度 ●●"},
      {51, "=1320"},
      {52, "=220"},
      {68, ";着陸時のフラップ"},
      {69, "=250"},
      {70, "=230"},
      {71, "=210"},
      {72, "=190"},
      {73, "=170"},
      {74, "=0"},
      {88, ";●● ゴーアラウンド・フラップ ●●"},
      {89, "=20"},
      {98, ";●● 着陸滑走路番号 ●●"},
      {99, "=09"},
  };
  for (const auto& [line, text] : golden) EXPECT_EQ(lines[line], text) << "line " << line;
  EXPECT_EQ(landing.LandingRunway, "09L");
}

TEST_F(LandingBriefingTest, CancelAndTheCloseBoxAnswerTheWaitingBriefing) {
  FrmLDB form{p.ui.env, p.pro};
  state::FlightState& f = p.pro.flight;
  f.LandingBriefingState = 0;
  form.Show();

  p.ui.boxes.Expect("ＬＤＢ", ui::Answer::Cancel,
                    "ランディング・ブリーフィングをキャンセルします\nランディング・ブリーフィングを行ないたい場合は\n"
                    "「Ｃ－Ａ－４」　をキーインしてください\n\nよろしいですか？");
  form.buttonCancel.PerformClick();
  EXPECT_EQ(p.ui.boxes.shown.back().icon, ui::Icon::Question);
  EXPECT_EQ(p.ui.boxes.shown.back().buttons, ui::Buttons::OkCancel);
  EXPECT_TRUE(form.Loaded());
  EXPECT_EQ(f.LandingBriefingState, 0);

  p.ui.boxes.Expect("ＬＤＢ", ui::Answer::Ok);
  form.buttonCancel.PerformClick();
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(f.LandingBriefingState, 2);

  // The close box cancels; unloaded by the program after an answer, the answer stands.
  f.LandingBriefingState = 0;
  form.Show();
  form.Unload(ui::UnloadMode::ControlMenu);
  EXPECT_EQ(f.LandingBriefingState, 2);
  f.LandingBriefingState = 1;
  form.Show();
  form.Unload();
  EXPECT_EQ(f.LandingBriefingState, 1);
  EXPECT_TRUE(SoundSettingsLines().empty());
  EXPECT_EQ(p.ui.boxes.PendingExpectations(), 0u);
}

// The prompts that still ask close with their flight: no answer comes after it.
TEST_F(LandingBriefingTest, TheEndOfTheFlightClosesThePromptsStillAsking) {
  FrmLDB landingPrompt{p.ui.env, p.pro};
  FrmCPAnounce greetingPrompt{p.ui.env, p.pro};
  announce::FlightFormSet forms;
  forms.Set(announce::FlightForm::frmLDB, landingPrompt);
  forms.Set(announce::FlightForm::frmCPAnounce, greetingPrompt);
  p.pro.engine.flightForms = &forms;
  forms.ShowModeless(announce::FlightForm::frmLDB);
  forms.ShowModeless(announce::FlightForm::frmCPAnounce);
  ASSERT_TRUE(landingPrompt.Loaded() && greetingPrompt.Loaded());

  announce::EndFlight(p.pro);
  EXPECT_FALSE(landingPrompt.Loaded());
  EXPECT_FALSE(greetingPrompt.Loaded());
  EXPECT_TRUE(SoundSettingsLines().empty());
}

// At the system's font every text fits its label, every control lies inside the window,
// and each box lies in the blank run of its label, between the field's name and its unit.
TEST_F(LandingBriefingTest, EachBoxLiesInTheBlankOfItsLabel) {
  FrmLDB form{p.ui.env, p.pro};
  form.Show();
  for (const ui::ControlRow& row : FrmLDB::Layout().rows) {
    const QWidget* w = ui::FindControl(form, row.name, row.index)->Widget();
    EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << row.name << "(" << row.index << ")";
    if (row.kind == ui::ControlKind::Label) {
      const int needed = w->fontMetrics().horizontalAdvance(QString::fromUtf8(row.caption.data(), row.caption.size()));
      EXPECT_LE(needed, w->width()) << row.name << "(" << row.index << ")";
    }
  }
  const std::pair<int, ui::Control*> boxes[] = {{2, &form.combo着陸Flap}, {6, &form.tbxGA高度},
                                                {7, &form.comboGAFlap},   {8, &form.tbxMinimum},
                                                {9, &form.tbxAprMinimum}, {10, &form.tbxVref30}};
  for (const auto& [index, box] : boxes) {
    const QWidget* label = form.Label_ブリーフィング(index).Widget();
    const QString text = QString::fromStdString(form.Label_ブリーフィング(index).Caption());
    // The longest run of blanks (ASCII or ideographic).
    int start = 0, length = 0;
    for (int i = 0; i < text.size();) {
      int j = i;
      while (j < text.size() && (text[j] == u' ' || text[j] == QChar(0x3000))) ++j;
      if (j - i > length) start = i, length = j - i;
      i = j + 1;
    }
    const QFontMetrics metrics = label->fontMetrics();
    const int from = label->x() + metrics.horizontalAdvance(text.left(start));
    const int to = label->x() + metrics.horizontalAdvance(text.left(start + length));
    const QWidget* b = box->Widget();
    SCOPED_TRACE(box->Name());
    EXPECT_GE(b->x(), from);
    EXPECT_LE(b->x() + b->width(), to);
    EXPECT_LE(b->y(), label->y() + label->height() / 2);
    EXPECT_GE(b->y() + b->height(), label->y() + label->height() / 2);
  }
}

}  // namespace
}  // namespace vx::mainwindow
