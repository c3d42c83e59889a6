// The pushback, voice volume and timing dialogs: what they show, their enable chains, and
// what their unload stores and hands over to the call-out program.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "briefing/frm_pb.h"
#include "briefing/frm_tset.h"
#include "briefing/frm_voice_settings.h"
#include "datafiles/positional_text.h"
#include "mainfiles/files.h"
#include "platform/paths.h"
#include "state/pro_context.h"
#include "support/temp_dir.h"
#include "ui/ui_test_env.h"

namespace vx::briefing {
namespace {

class SettingsDialogsTest : public ::testing::Test {
 protected:
  SettingsDialogsTest() {
    pro.svc.clock = &ui.clock;
    pro.svc.pump = &ui.pump;
    pro.svc.paths = &paths;
    pro.boxes = &ui.boxes;
    pro.ui = &ui.env;
  }
  // Values `first` to `last` of a hand-over file, as "=" lines carry them.
  std::vector<std::string> Values(const char* file, std::size_t first, std::size_t last) {
    const std::vector<std::string> all = datafiles::ReadPositionalFile(paths.Under(file));
    EXPECT_GT(all.size(), last);
    return {all.begin() + static_cast<long>(first), all.begin() + static_cast<long>(last) + 1};
  }

  ui::test::UiTestEnv ui;
  vx::test::TempDir dir;
  platform::Paths paths{dir.Path()};
  state::ProContext pro;
};

// The enable chains of the pushback dialog, after its load and after the user's choices.
TEST_F(SettingsDialogsTest, PushbackEnableChains) {
  struct Case {
    const char* what;
    bool aes;
    std::function<void(FrmPB&)> choose;
    std::map<std::string, bool> enabled;
  };
  const std::vector<Case> cases = {
      {"AES", true, [](FrmPB&) {},
       {{"radioPBON", false}, {"radioPBOFF", false}, {"comboPB速度", false}, {"tbxPB角度1", false},
        {"radioPB_FS2004", false}}},
      {"しない", false, [](FrmPB& f) { f.radioPBOFF.SetValue(true); },
       {{"radioPBON", true}, {"comboPB速度", false}, {"tbxPB距離", false}, {"selectPB2", false},
        {"comboPB角度2", false}}},
      {"する after しない, turn to a compass point", false,
       [](FrmPB& f) {
         f.radioPBOFF.SetValue(true);
         f.selectPB2.SetValue(true);
         f.radioPBON.SetValue(true);
       },
       {{"comboPB速度", true}, {"selectPB1", true}, {"tbxPB角度1", false}, {"comboPB角度2", true},
        {"tbxPB角度3", false}}},
      {"cockpit OFF", false, [](FrmPB& f) { f.radioCockpitOFF.SetValue(true); },
       {{"radioFileNew", true}, {"radioFileOld", true}, {"radioEngineSoundON", false},
        {"radioEngineSoundOFF", false}}},
      {"旧", false, [](FrmPB& f) { f.radioFileOld.SetValue(true); },
       {{"radioEngineSoundON", false}, {"radioEngineSoundOFF", false}, {"radioCockpitON", true}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    pro.briefing.PushbackSettings = {};
    pro.briefing.TobBriefing.DepartureAesFlag = c.aes ? 1 : 0;
    FrmPB form(ui.env, pro);
    form.Show();
    c.choose(form);
    for (const auto& [name, enabled] : c.enabled) EXPECT_EQ(ui::FindControl(form, name)->Enabled(), enabled) << name;
    form.Unload(ui::UnloadMode::ControlMenu);
    EXPECT_EQ(pro.briefing.PushbackSettings.pushbackOn, c.aes || c.what == std::string("しない") ? 0 : 1);
  }
}

TEST_F(SettingsDialogsTest, PushbackClosesIntoTheSettingsThatVexlorPbCfgCarries) {
  FrmPB form(ui.env, pro);
  form.Show();
  form.radioPB_FS2000.SetValue(true);
  form.comboPB速度.SetText("7");
  form.comboPB回転速度.SetText("4");
  form.comboPB回転バック速度.SetText("0");
  form.tbxPB距離.SetText("120");
  form.comboPB回転方向.SetText("右");
  form.selectPB2.SetValue(true);
  form.tbxPB角度1.SetText("45");
  form.comboPB角度2.SetText("南");
  form.tbxPB角度3.SetText("270");
  form.selectE_After.SetValue(true);
  form.buttonOK.PerformClick();
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(pro.briefing.PushbackSettings.engineStartTiming, 2);

  mainfiles::WriteVexlorPbCfg(pro);
  EXPECT_EQ(Values("\\vexlorPB.cfg", 0, 10),
            (std::vector<std::string>{"1", "0", "7", "4", "0", "120", "右", "2", "45", "南", "270"}));
}

// A typed field that is not a number keeps its value; one box titled with the window's
// caption names the fields kept.
TEST_F(SettingsDialogsTest, FieldsThatAreNotNumbersKeepTheirValuesAndAreNamedInOneBox) {
  FrmPB pb(ui.env, pro);
  pb.Show();
  pb.tbxPB距離.SetText("８０ｍ");
  pb.tbxPB角度3.SetText("");
  pb.tbxPB角度1.SetText("１８０");  // full-width digits are a number
  ui.boxes.Expect("プッシュバック", ui::Answer::Ok, "距離ｍ");
  pb.Unload(ui::UnloadMode::ControlMenu);
  EXPECT_EQ(ui.boxes.shown.back().text.find("度回転する"), std::string::npos);
  EXPECT_NE(ui.boxes.shown.back().text.find("度を向く"), std::string::npos);
  EXPECT_EQ(pro.briefing.PushbackSettings.distance, 80);
  EXPECT_EQ(pro.briefing.PushbackSettings.angle3, 340);
  EXPECT_EQ(pro.briefing.PushbackSettings.angle1, 180);

  pro.briefing.TimingSettings.approachFlapSpeeds[2] = 205;
  FrmTSet timing(ui.env, pro);
  timing.Show();
  timing.tbxAprFlap(2).SetText("x");
  timing.tbxAprFlap(5).SetText("0");
  ui.boxes.Expect("Timing Set", ui::Answer::Ok, "アプローチ・フラップ　フラップ　１０ or １５");
  timing.buttonOK.PerformClick();
  EXPECT_EQ(pro.briefing.TimingSettings.approachFlapSpeeds[2], 205);
  EXPECT_EQ(pro.briefing.TimingSettings.approachFlapSpeeds[5], 0);

  pro.briefing.GearWindIas = 95;
  Frm音声設定 voice(ui.env, pro);
  voice.Show();
  voice.tbx風切音IAS.SetText("速い");
  ui.boxes.Expect("音声設定", ui::Answer::Ok, "速度 IAS （ノット）");
  voice.buttonOK.PerformClick();
  EXPECT_EQ(pro.briefing.GearWindIas, 95);
  EXPECT_EQ(ui.boxes.PendingExpectations(), 0u);
}

// Default, then the close box: the Default column is stored, the volume table follows
// (setting × 300 − 3000) and vexlorSD.cfg carries the values.
TEST_F(SettingsDialogsTest, VoiceDefaultThenCloseBoxStoresTheDefaultColumn) {
  auto& volumes = pro.briefing.VolumeSettings;
  for (int i = 0; i < 31; ++i) volumes[i] = static_cast<std::int16_t>(1 + i % 9);
  volumes[0] = 0;  // a hand-edited file's level outside 1 to 10
  pro.briefing.LargeAircraftLanding = 1;
  pro.briefing.VnavCallOn = 0;
  pro.briefing.ClimbThrustCallOn = 0;
  Frm音声設定 form(ui.env, pro);
  form.Show();
  EXPECT_EQ(form.combo音量地上0.Text(), " 1");
  EXPECT_EQ(form.combo音量エアコン.Text(), " 4");
  EXPECT_TRUE(form.radioLand大型機.Value());
  form.buttonDefault.PerformClick();
  form.Unload(ui::UnloadMode::ControlMenu);

  for (int i = 0; i < 31; ++i) {
    const int expected = i == 7 || i == 8 || i == 10 ? 1 + i % 9 : i == 27 || i == 28 ? 8 : 10;
    EXPECT_EQ(volumes[i], expected) << i;
    EXPECT_EQ(pro.engine.AnnounceVolumeTable[i], expected * 300 - 3000) << i;
  }
  EXPECT_EQ(Values("\\vexlorSD.cfg", 0, 10),
            (std::vector<std::string>{"10", "8", "10", "8", "10", "10", "10", "80", "0", "1", "1"}));
}

TEST_F(SettingsDialogsTest, TimingDefaultThenCloseBoxStoresTheDefaultColumn) {
  pro.files.RouteAirports[0].name = "東京国際空港　羽田";
  pro.files.RouteAirports[0].elevation = 21;
  pro.files.RouteAirports[1].name = "新千歳空港";
  pro.files.RouteAirports[1].elevation = 82;
  FrmTSet form(ui.env, pro);
  form.Show();
  EXPECT_EQ(form.tbx出発空港名.Text(), "東京国際空港　羽田");
  EXPECT_EQ(form.tbx到着空港高度.Text(), "82");
  EXPECT_EQ(form.tbxReSpdAlt(1).Text(), "8000");
  form.buttonDefault.PerformClick();
  form.Unload(ui::UnloadMode::ControlMenu);

  EXPECT_EQ(Values("\\vexlorSD.cfg", 20, 38),
            (std::vector<std::string>{"25", "1500", "2500", "190", "210", "6000", "2000", "250", "240", "210",
                                      "190", "170", "160", "10000", "5000", "3000", "2000", "1500", "1000"}));
}

}  // namespace
}  // namespace vx::briefing
