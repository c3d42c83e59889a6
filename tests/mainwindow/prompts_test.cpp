// The small windows of the flight: typed gate and temperature, the greeting's answers
// (including the close box), the pause notice's one resume write and the mileage text.
#include "mainwindow/frm_prompts.h"

#include <gtest/gtest.h>

#include "mainwindow/pro_program.h"
#include "platform/sim_ipc_client.h"
#include "simlink/simulator_link.h"

namespace vx::mainwindow {
namespace {

class PromptsTest : public ::testing::Test {
 protected:
  void SetUp() override { p.ui.boxes.onUnexpected = [](const std::string& box) { ADD_FAILURE() << box; }; }
  test::ProProgram p;
};

TEST_F(PromptsTest, ArrivalGateTakesBlanksAroundTheNumberAndRefusesOtherTexts) {
  FrmArvGate gate{p.ui.env, p.pro};
  p.pro.main.ArrivalGate = 5;
  gate.Show();
  EXPECT_EQ(gate.tbx到着Gate.Text(), "5");

  gate.tbx到着Gate.SetText("A3");
  p.ui.boxes.Expect("到着ゲート 確定", ui::Answer::Ok, "\n\n到着ゲート番号が正しくありません\n入力を確認してください");
  gate.buttonOK.PerformClick();
  EXPECT_TRUE(gate.Loaded());
  EXPECT_EQ(p.pro.main.ArrivalGate, 5);
  EXPECT_EQ(p.ui.boxes.shown.back().icon, ui::Icon::Critical);

  gate.tbx到着Gate.SetText(" 7 ");
  gate.buttonOK.PerformClick();
  EXPECT_FALSE(gate.Loaded());
  EXPECT_EQ(p.pro.main.ArrivalGate, 7);
  EXPECT_EQ(p.ui.boxes.PendingExpectations(), 0u);
}

TEST_F(PromptsTest, GreetingPromptAnswersTheWaitingGroup) {
  state::FlightState& f = p.pro.flight;
  FrmCPAnounce prompt{p.ui.env, p.pro};

  // OK with a negative temperature and the choices made.
  prompt.Show();
  EXPECT_EQ(prompt.tbx気温.Text(), "20");
  prompt.selectAnounce3.SetValue(true);
  prompt.sel天候(5).SetValue(true);
  prompt.tbx気温.SetText("-5");
  prompt.buttonOK.PerformClick();
  EXPECT_FALSE(prompt.Loaded());
  EXPECT_EQ(f.CaptainAnnounceState, 1);
  EXPECT_EQ(f.CaptainAnnounceLanguage, 3);
  EXPECT_EQ(f.DestinationWeather, 5);
  EXPECT_EQ(f.DestinationTemperature, -5);

  // Every opening starts from the design values; a text that does not convert keeps the
  // prompt open and the group waiting.
  f.CaptainAnnounceState = 0;
  prompt.Show();
  EXPECT_TRUE(prompt.selectAnounce1.Value());
  EXPECT_TRUE(prompt.sel天候(0).Value());
  prompt.tbx気温.SetText("abc");
  p.ui.boxes.Expect("キャプテン・アナウンス 確定", ui::Answer::Ok, "気温が正しくありません");
  prompt.buttonOK.PerformClick();
  EXPECT_TRUE(prompt.Loaded());
  EXPECT_EQ(f.CaptainAnnounceState, 0);

  // Cancel asked and answered Cancel: nothing; answered OK: cancelled.
  p.ui.boxes.Expect("キャプテン・アナウンス", ui::Answer::Cancel, "「Ｃ－Ａ－２」");
  prompt.buttonCancel.PerformClick();
  EXPECT_TRUE(prompt.Loaded());
  EXPECT_EQ(f.CaptainAnnounceState, 0);
  p.ui.boxes.Expect("キャプテン・アナウンス", ui::Answer::Ok);
  prompt.buttonCancel.PerformClick();
  EXPECT_FALSE(prompt.Loaded());
  EXPECT_EQ(f.CaptainAnnounceState, 2);
  EXPECT_EQ(p.ui.boxes.PendingExpectations(), 0u);
}

TEST_F(PromptsTest, ClosingTheGreetingPromptByItsCloseBoxCancelsIt) {
  FrmCPAnounce prompt{p.ui.env, p.pro};
  p.pro.flight.CaptainAnnounceState = 0;
  prompt.Show();
  prompt.Unload(ui::UnloadMode::ControlMenu);
  EXPECT_EQ(p.pro.flight.CaptainAnnounceState, 2);

  // Unloaded by the program after a confirmed answer: the answer stands.
  p.pro.flight.CaptainAnnounceState = 1;
  prompt.Show();
  prompt.Unload();
  EXPECT_EQ(p.pro.flight.CaptainAnnounceState, 1);
}

TEST_F(PromptsTest, PauseNoticeResumesTheSimulatorOnceOnOk) {
  platform::SimVariableArea area;
  platform::InProcessSimIpcClient client{area};
  platform::InProcessSimWindowFinder finder;
  finder.windows["FS98MAIN"] = 1;
  p.pro.svc.sim = &client;
  p.pro.svc.simWindows = &finder;
  simlink::ConnectSimulator(p.pro);
  FrmAutoPause notice{p.ui.env, p.pro};
  notice.ShowTopmost();
  EXPECT_TRUE(notice.Loaded());
  EXPECT_TRUE(notice.Topmost());
  EXPECT_TRUE(client.writes.empty());
  notice.buttonOK.PerformClick();
  EXPECT_FALSE(notice.Loaded());
  EXPECT_EQ(client.writes, (std::vector<platform::InProcessSimIpcClient::Write>{{0x0262, 2, 0}}));
}

TEST_F(PromptsTest, MileageWindowNamesTheCaptainAndTheMilestone) {
  FrmMileage mileage{p.ui.env, p.pro};
  p.pro.main.CaptainName = "山田";
  for (const auto& [milestone, text] : {std::pair{25000, "25,000"}, {5000, "5,000"}, {500, "0,500"}}) {
    p.pro.files.MileageMilestone = milestone;
    mileage.Show();
    EXPECT_EQ(mileage.Label1.Caption(), "山田　殿");
    EXPECT_EQ(mileage.Label2.Caption(), text);
    mileage.buttonExit.PerformClick();
    EXPECT_FALSE(mileage.Loaded());
  }
}

}  // namespace
}  // namespace vx::mainwindow
