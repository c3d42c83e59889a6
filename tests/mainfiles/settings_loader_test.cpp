// Loading the main settings file: version line, defaults, presets, all-or-nothing
// conversion, and the round trip through the save.
#include <gtest/gtest.h>

#include "support/same_text.h"

#include <limits>

#include "datafiles/pro_fixture.h"
#include "mainfiles/settings_file.h"
#include "mainfiles/settings_known_state.h"
#include "mainfiles/settings_loader.h"
#include "runtime/cp932.h"
#include "ui/message_box.h"

namespace vx::mainfiles::test {
using namespace datafiles;
using namespace datafiles::test;
namespace {

class SettingsLoaderTest : public ProFixture {
 protected:
  // A settings file made of the version line and the given value texts.
  void WriteValues(const std::string& name, const std::vector<std::string>& values,
                   const std::string& firstLine = ";VexlorPro.cfg V1.11") {
    std::string text = firstLine + "\r\n;-------------- 設定ここから ------------------\r\n";
    for (const auto& v : values) text += ";\r\n=" + v + "\r\n";
    dir.WriteBytes(name, runtime::Utf8ToCp932(text));
  }
  // The value texts of the saved golden file.
  static std::vector<std::string> GoldenValues() {
    std::vector<std::string> values;
    for (const auto& line : SettingsGoldenLines("settings_saved.cfg")) {
      if (!line.empty() && line[0] == '=') values.push_back(line.substr(1));
    }
    return values;
  }
  // Every value of the program as a save would write it.
  std::vector<std::string> Snapshot(state::ProContext& c) {
    std::vector<std::string> texts;
    for (const auto& row : kSettingsTable) texts.push_back(SettingsValueText(row, c, SettingsForm::Save));
    return texts;
  }
  void ExpectCfgRead(const std::string& textPart) { boxes.Expect("CFG Read", ui::Answer::Ok, textPart); }
};

TEST_F(SettingsLoaderTest, LoadingTheSavedGoldenGivesTheKnownState) {
  dir.WriteBytes("VexlorPro.cfg", SettingsGoldenBytes("settings_saved.cfg"));
  ASSERT_TRUE(LoadSettingsFile(ctx, "VexlorPro.cfg"));

  state::ProContext expected;
  SetKnownSettingsState(expected);
  expected.briefing.VolumeSettings[7] = expected.briefing.VolumeSettings[8] = expected.briefing.VolumeSettings[10] = 10;
  EXPECT_EQ(Snapshot(ctx), Snapshot(expected));
  EXPECT_EQ(ctx.briefing.VolumeSettings, expected.briefing.VolumeSettings);
  EXPECT_EQ(ctx.files.SettingsFileName, "MyFlight.cfg");
  EXPECT_EQ(ctx.files.MileageTotal, 1234.5);
  EXPECT_EQ(ctx.briefing.BriefingTimes.events[0].gmtHour, 23);
  EXPECT_EQ(ctx.briefing.PushbackSettings.angle2, "南西");
  EXPECT_EQ(ctx.files.ViewTable[5][0], "120");
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SettingsLoaderTest, RoundTripOfJapaneseTextsAndIntegerLimits) {
  SetKnownSettingsState(ctx);
  auto& b = ctx.briefing;
  ctx.engine.SoundWindowPosition = {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(),
                                    -1, 0};
  ctx.main.VolumeKeyCode = std::numeric_limits<std::int16_t>::min();
  ctx.main.CommandKeyA = std::numeric_limits<std::int16_t>::max();
  b.TobBriefing.CruiseAltitude = std::numeric_limits<std::int32_t>::max();
  b.DepartureFuel[11] = std::numeric_limits<std::int32_t>::min();
  b.TobBriefing.AirlineName = "日本トランスオーシャン航空　ＪＴＡ";
  ctx.flight.LandingBriefing.ApproachVariant = " Nr.1";  // the dialog's items begin with a blank
  b.TobBriefing.FlightNumber = "";
  ctx.files.RouteAirports[1].name = "～ソウル（仁川）～";
  ctx.files.ViewTable[1][4] = "";
  ctx.files.MileageTotal = 987654.125;
  ASSERT_TRUE(SaveSettingsFile(ctx, "VexlorPro.cfg"));

  state::ProContext loaded;  // fresh values on the same services
  loaded.svc = ctx.svc;
  loaded.boxes = ctx.boxes;
  ASSERT_TRUE(LoadSettingsFile(loaded, "VexlorPro.cfg"));
  EXPECT_EQ(Snapshot(loaded), Snapshot(ctx));
  EXPECT_EQ(loaded.engine.SoundWindowPosition.top, std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(loaded.main.VolumeKeyCode, -32768);
  EXPECT_EQ(loaded.main.CommandKeyA, 32767);
  EXPECT_EQ(loaded.flight.LandingBriefing.ApproachVariant, " Nr.1");
  EXPECT_EQ(loaded.files.RouteAirports[1].name, "～ソウル（仁川）～");
  EXPECT_EQ(loaded.files.MileageTotal, 987654.125);
}

TEST_F(SettingsLoaderTest, MissingFileIsCreatedWithTheDefaultsAndLoadedWithoutAMessage) {
  SetKnownSettingsState(ctx);
  ctx.briefing.SpecialEngineSoundOn = 0;
  ASSERT_TRUE(LoadSettingsFile(ctx, "Fresh.cfg"));
  EXPECT_TRUE(vx::test::SameFileBytes(Bytes("Fresh.cfg"), SettingsGoldenBytes("settings_defaults.cfg")));
  EXPECT_EQ(ctx.files.SettingsFileName, "VexlorPro.cfg");
  EXPECT_EQ(ctx.main.MainWindow.tbxファイル名, "VexlorPro.cfg");
  EXPECT_EQ(ctx.briefing.TobBriefing.AirlineName, "JAL 日本航空");
  EXPECT_EQ(ctx.main.MainWindow.comboBGM繰返, "順次");
  EXPECT_EQ(ctx.files.MileageTotal, 1234.5);  // only "VexlorPro.cfg" brings the mileage
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SettingsLoaderTest, AnotherVersionOfVexlorProCfgIsReplacedByTheDefaults) {
  for (const std::string first : {";VexlorPro.cfg V1.10", ";vexlorpro.cfg v1.11", ";VexlorPro.cfg V1.11 ", "", "=x"}) {
    SetKnownSettingsState(ctx);
    ctx.briefing.SpecialEngineSoundOn = 0;
    WriteValues("VexlorPro.cfg", GoldenValues(), first);
    ExpectCfgRead("バージョンが異なります\n選択されているファイルを削除し、デフォルトに戻します");
    ASSERT_TRUE(LoadSettingsFile(ctx, "VexlorPro.cfg")) << first;
    EXPECT_TRUE(vx::test::SameFileBytes(Bytes("VexlorPro.cfg"), SettingsGoldenBytes("settings_defaults.cfg"))) << first;
    EXPECT_EQ(ctx.files.MileageTotal, 0) << first;
    EXPECT_EQ(ctx.files.SettingsFileName, "VexlorPro.cfg");
    EXPECT_EQ(ctx.briefing.TobBriefing.ShipName, "B747-400 ポケモンジェット");
    EXPECT_EQ(ctx.briefing.TobBriefing.CruiseAltitude, 28000);
  }
  EXPECT_EQ(boxes.PendingExpectations(), 0u);
}

TEST_F(SettingsLoaderTest, AnotherVersionUnderAnotherNameIsDeletedAndTheDefaultsComeBack) {
  SetKnownSettingsState(ctx);
  dir.WriteBytes("VexlorPro.cfg", "untouched");
  WriteValues("Old.cfg", GoldenValues(), ";VexlorPro.cfg V1.00");
  ExpectCfgRead("バージョンが異なります");
  ASSERT_TRUE(LoadSettingsFile(ctx, "Old.cfg"));
  EXPECT_FALSE(Exists("Old.cfg"));
  EXPECT_EQ(Bytes("VexlorPro.cfg"), "untouched");
  EXPECT_EQ(ctx.files.SettingsFileName, "VexlorPro.cfg");
  EXPECT_EQ(ctx.briefing.TobBriefing.AirlineName, "JAL 日本航空");
  EXPECT_EQ(ctx.briefing.VolumeSettings[0], 10);
  EXPECT_EQ(ctx.engine.AnnounceVolumeTable[0], 0);
  EXPECT_EQ(ctx.files.MileageTotal, 1234.5);
  EXPECT_EQ(ctx.briefing.SpecialEngineSoundOn, 1);
  EXPECT_EQ(boxes.PendingExpectations(), 0u);
}

TEST_F(SettingsLoaderTest, EmptyFileCountsAsAnotherVersion) {
  dir.WriteBytes("VexlorPro.cfg", "");
  ExpectCfgRead("バージョンが異なります");
  ASSERT_TRUE(LoadSettingsFile(ctx, "VexlorPro.cfg"));
  EXPECT_TRUE(vx::test::SameFileBytes(Bytes("VexlorPro.cfg"), SettingsGoldenBytes("settings_defaults.cfg")));
  EXPECT_EQ(boxes.PendingExpectations(), 0u);
}

// A file taken for another version (an empty or damaged one among them) is copied aside
// before it is deleted and the defaults come back; the box says where the copy is.
TEST_F(SettingsLoaderTest, AFileTakenForAnotherVersionIsKeptAsideBeforeTheDefaultsReplaceIt) {
  const std::string garbage("\x00\x81\x40 garbage\r\n=1\r\n", 17);  // CP932 text, but no settings
  std::string older = runtime::Utf8ToCp932(";VexlorPro.cfg V1.10\r\n");
  for (const auto& v : GoldenValues()) older += runtime::Utf8ToCp932("=" + v + "\r\n");
  for (const std::string name : {"VexlorPro.cfg", "Old.cfg"}) {
    for (const std::string& bytes : {std::string(), garbage, older}) {
      SetKnownSettingsState(ctx);
      ctx.briefing.SpecialEngineSoundOn = 0;
      std::filesystem::remove(Base(name + ".読込失敗"));
      dir.WriteBytes(name, bytes);
      ExpectCfgRead("読み込まれたＣＦＧファイルはバージョンが異なります\n選択されているファイルを削除し、デフォルトに戻します\n"
                    "元のファイルは「 " + name + ".読込失敗 」に残しました。");
      ASSERT_TRUE(LoadSettingsFile(ctx, name)) << name;
      EXPECT_EQ(Bytes(name + ".読込失敗"), bytes) << name;
      EXPECT_EQ(ctx.files.SettingsFileName, "VexlorPro.cfg");
      EXPECT_EQ(ctx.briefing.TobBriefing.CruiseAltitude, 28000) << name;
      if (name == "VexlorPro.cfg") {
        EXPECT_TRUE(vx::test::SameFileBytes(Bytes(name), SettingsGoldenBytes("settings_defaults.cfg")));
      } else {
        EXPECT_FALSE(Exists(name));
      }
    }
  }
  EXPECT_EQ(boxes.PendingExpectations(), 0u);
}

// Without its copy the file is neither deleted nor replaced: nothing is loaded and the
// exit does not write it.
TEST_F(SettingsLoaderTest, AnotherVersionThatCannotBeKeptAsideStaysAsItIs) {
  SetKnownSettingsState(ctx);
  const auto before = Snapshot(ctx);
  dir.WriteBytes("VexlorPro.cfg", "=old\r\n");
  std::filesystem::create_directories(Base("VexlorPro.cfg.読込失敗"));  // a folder in the copy's place
  ExpectCfgRead("「 VexlorPro.cfg 」はバージョンが異なるか、壊れています。");
  EXPECT_FALSE(LoadSettingsFile(ctx, "VexlorPro.cfg"));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_NE(boxes.shown[0].text.find("元のファイルを控えに残せませんでした。"), std::string::npos);
  EXPECT_EQ(Bytes("VexlorPro.cfg"), "=old\r\n");
  EXPECT_EQ(Snapshot(ctx), before);
  EXPECT_TRUE(SaveVexlorProCfgWithoutAsking(ctx));
  EXPECT_EQ(Bytes("VexlorPro.cfg"), "=old\r\n");
}

// A file that is not CP932 text (an editor's UTF-8, with or without the byte-order
// mark, or bytes CP932 does not define) is not read as other characters, nor taken for
// another version and replaced: it is refused as it is, naming the first line that does
// not read, with a copy beside it.
enum class NotCp932 { Utf8Bom, Utf8, UndefinedByte };

class NotCp932SettingsTest : public SettingsLoaderTest, public ::testing::WithParamInterface<NotCp932> {};

TEST_P(NotCp932SettingsTest, IsRefusedNamingItsFirstLineThatDoesNotReadAndKeptAside) {
  std::string utf8 = ";VexlorPro.cfg V1.11\r\n";
  std::string cp932 = utf8;
  std::size_t firstJapanese = 0;  // the line of the first value beyond ASCII
  const std::vector<std::string> values = GoldenValues();
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::string& v = values[i];
    if (!firstJapanese && runtime::Utf8ToCp932(v) != v) firstJapanese = 2 + i;
    utf8 += "=" + v + "\r\n";
    cp932 += runtime::Utf8ToCp932("=" + v + "\r\n");
  }
  std::string bytes, reason;
  switch (GetParam()) {
    case NotCp932::Utf8Bom:
      bytes = "\xEF\xBB\xBF" + utf8;
      reason = "UTF-8 で保存されています（1 行目から Shift-JIS (CP932) として読めません）。";
      break;
    case NotCp932::Utf8:
      bytes = utf8;
      reason = "UTF-8 で保存されています（" + std::to_string(firstJapanese) + " 行目から Shift-JIS (CP932) として読めません）。";
      break;
    case NotCp932::UndefinedByte:  // 0xFD begins no CP932 character
      bytes = cp932;
      bytes.insert(bytes.find("\r\n=", bytes.find("\r\n=") + 1) + 3, "\xFD");
      reason = "3 行目が Shift-JIS (CP932) として読めません。";
      break;
  }
  for (const std::string name : {"VexlorPro.cfg", "MyFlight.cfg"}) {
    SetKnownSettingsState(ctx);
    const auto before = Snapshot(ctx);
    dir.WriteBytes(name, bytes);
    ExpectCfgRead("設定ファイル「 " + name + " 」を読み込めません。\nファイル形式が不正です。\n" + reason +
                  "Shift-JIS (CP932) で保存し直してください。\n\n設定値は読み込む前のままです。\n"
                  "元のファイルは「 " + name + ".読込失敗 」に残しました。");
    EXPECT_FALSE(LoadSettingsFile(ctx, name)) << name;
    EXPECT_EQ(Bytes(name), bytes) << name;
    EXPECT_EQ(Bytes(name + ".読込失敗"), bytes) << name;
    EXPECT_EQ(Snapshot(ctx), before) << name;
    EXPECT_FALSE(SettingsFileInHand(ctx, name)) << name;
  }
  EXPECT_EQ(boxes.PendingExpectations(), 0u);
  // The same values in CP932 load.
  dir.WriteBytes("VexlorPro.cfg", cp932);
  EXPECT_TRUE(LoadSettingsFile(ctx, "VexlorPro.cfg"));
}

INSTANTIATE_TEST_SUITE_P(Files, NotCp932SettingsTest,
                         ::testing::Values(NotCp932::Utf8Bom, NotCp932::Utf8, NotCp932::UndefinedByte));

TEST_F(SettingsLoaderTest, MissingValuesKeepTheirFormerContentsAfterThePresets) {
  auto values = GoldenValues();
  values.resize(134);
  for (const std::string name : {"VexlorPro.cfg", "Short.cfg"}) {
    SetKnownSettingsState(ctx);
    ctx.briefing.AutoPauseDistance = 150;
    ctx.briefing.DepartureFuel[0] = 77;
    ctx.briefing.TobBriefing.AircraftHeight = 99;
    WriteValues(name, values);
    ASSERT_TRUE(LoadSettingsFile(ctx, name));
    EXPECT_EQ(ctx.main.TimeDiffCorrection, "OFF") << name;
    EXPECT_EQ(ctx.main.MainWindow.combo時差修正, "OFF") << name;
    EXPECT_EQ(ctx.briefing.TobBriefing.ShipName, "B747-400 ポケモンジェット") << name;
    EXPECT_EQ(ctx.briefing.TimeDisplayOption, 1) << name;
    EXPECT_EQ(ctx.files.MileageTotal, name == "VexlorPro.cfg" ? 0 : 1234.5) << name;
    EXPECT_EQ(ctx.briefing.AutoPauseDistance, 0) << name;
    EXPECT_EQ(ctx.briefing.DepartureFuel[0], 77) << name;
    EXPECT_EQ(ctx.briefing.TobBriefing.AircraftHeight, 99) << name;
    EXPECT_EQ(ctx.briefing.TimingSettings.reduceSpeedAltitudes[5], 3000) << name;  // value 133, the last one there
  }
}

TEST_F(SettingsLoaderTest, ValuesBeyond190ChangeNothing) {
  auto values = GoldenValues();
  for (int i = 191; i < 200; ++i) values.push_back("not a number " + std::to_string(i));
  WriteValues("VexlorPro.cfg", values);
  ASSERT_TRUE(LoadSettingsFile(ctx, "VexlorPro.cfg"));
  EXPECT_EQ(ctx.files.ViewTable[5][4], "1");
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SettingsLoaderTest, AValueThatDoesNotConvertLeavesEveryValueAsItWas) {
  struct Case {
    int index;
    std::string text;
  };
  for (const Case& c : {Case{60, "abc"}, Case{60, ""}, Case{10, "32768"}, Case{1, "2147483648"}, Case{93, "なし"},
                        Case{94, "x"}, Case{137, "1.2.3"}}) {
    SetKnownSettingsState(ctx);
    ctx.briefing.AutoPauseDistance = 150;
    ctx.engine.AnnounceVolumeTable.fill(-1);
    const auto before = Snapshot(ctx);
    auto values = GoldenValues();
    values[0] = "Changed.cfg";
    values[c.index] = c.text;
    WriteValues("VexlorPro.cfg", values);
    ExpectCfgRead("「 VexlorPro.cfg 」の設定値 " + std::to_string(c.index) + " を読み込めません");
    EXPECT_FALSE(LoadSettingsFile(ctx, "VexlorPro.cfg")) << c.index;
    EXPECT_EQ(Snapshot(ctx), before) << c.index;
    EXPECT_EQ(ctx.briefing.AutoPauseDistance, 150) << c.index;
    EXPECT_EQ(ctx.engine.AnnounceVolumeTable[0], -1) << c.index;
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_NE(boxes.shown.back().text.find("「" + c.text + "」"), std::string::npos) << boxes.shown.back().text;
  }
  EXPECT_EQ(boxes.PendingExpectations(), 0u);
}

// A value of a mebibyte is quoted in a box of readable length, cut where the mark shows.
TEST_F(SettingsLoaderTest, AHugeValueIsQuotedCutInItsBox) {
  auto values = GoldenValues();
  std::string huge;
  while (huge.size() < (1u << 20)) huge += "空港";
  values[60] = huge;
  WriteValues("VexlorPro.cfg", values);
  ExpectCfgRead("「 VexlorPro.cfg 」の設定値 60 を読み込めません");
  EXPECT_FALSE(LoadSettingsFile(ctx, "VexlorPro.cfg"));
  ASSERT_EQ(boxes.shown.size(), 1u);
  const std::string& text = boxes.shown[0].text;
  EXPECT_LE(text.size(), 2048u);
  const auto quoted = text.find("設定値：「空港");
  ASSERT_NE(quoted, std::string::npos) << text;
  EXPECT_NE(text.find(ui::kBoxCutMark, quoted), std::string::npos) << text;
  EXPECT_NE(text.find("空港」\n\n設定値は読み込む前のままです。"), std::string::npos) << text;
}

TEST_F(SettingsLoaderTest, ACommaCutsATextValueAndAnEqualsSignAfterItShiftsTheRest) {
  auto values = GoldenValues();
  values[48] = "ANA,全日空";
  WriteValues("A.cfg", values);
  ASSERT_TRUE(LoadSettingsFile(ctx, "A.cfg"));
  EXPECT_EQ(ctx.briefing.TobBriefing.AirlineName, "ANA");
  EXPECT_EQ(ctx.briefing.TobBriefing.AircraftTypeText, "05 B747-400 4 Engines");

  values[48] = "ANA,=全日空";
  WriteValues("A.cfg", values);
  ExpectCfgRead("設定値 54 を読み込めません");  // every value moved on by one: a name where an hour belongs
  EXPECT_FALSE(LoadSettingsFile(ctx, "A.cfg"));
}

TEST_F(SettingsLoaderTest, TheMainWindowShowsTheOptionValuesIncludingTheTimeDifferenceCorrection) {
  auto values = GoldenValues();
  values[5] = "ON";
  values[6] = "OFF";
  values[7] = "ON";
  values[8] = "OFF";
  values[9] = "繰返";
  values[134] = "OFF";
  WriteValues("VexlorPro.cfg", values);
  ASSERT_TRUE(LoadSettingsFile(ctx, "VexlorPro.cfg"));
  const auto& w = ctx.main.MainWindow;
  EXPECT_EQ(w.combo速度コール, "ON");
  EXPECT_EQ(w.combo高度コール, "OFF");
  EXPECT_EQ(w.combo視点切替, "ON");
  EXPECT_EQ(w.comboBGM, "OFF");
  EXPECT_EQ(w.comboBGM繰返, "繰返");
  EXPECT_EQ(w.combo時差修正, "OFF");
  EXPECT_EQ(ctx.main.TimeDiffCorrection, "OFF");
  EXPECT_EQ(ctx.engine.BgmRepeatMode, "繰返");
  EXPECT_EQ(w.tbxファイル名, "");  // the caller shows the name
}

TEST_F(SettingsLoaderTest, AFileNameWithAFolderInValueZeroBecomesVexlorProCfg) {
  for (const std::string name : {"../../etc/passwd", "C:\\x.cfg", "", "sub/x.cfg"}) {
    auto values = GoldenValues();
    values[0] = name;
    WriteValues("VexlorPro.cfg", values);
    ASSERT_TRUE(LoadSettingsFile(ctx, "VexlorPro.cfg"));
    EXPECT_EQ(ctx.files.SettingsFileName, "VexlorPro.cfg") << name;
  }
}

TEST_F(SettingsLoaderTest, OnlyVexlorProCfgBringsTheMileage) {
  WriteValues("FlightRestart.cfg", GoldenValues());
  ctx.files.MileageTotal = 42;
  ASSERT_TRUE(LoadSettingsFile(ctx, "FlightRestart.cfg"));
  EXPECT_EQ(ctx.files.MileageTotal, 42);
  EXPECT_EQ(ctx.files.SettingsFileName, "MyFlight.cfg");

  auto values = GoldenValues();
  values[137] = "not a number";  // skipped, so it cannot fail either
  WriteValues("vexlorpro.cfg", values);
  ASSERT_TRUE(LoadSettingsFile(ctx, "vexlorpro.cfg"));
  EXPECT_EQ(ctx.files.MileageTotal, 42);
}

TEST_F(SettingsLoaderTest, TheVolumeTableFollowsTheLoadedSettings) {
  auto values = GoldenValues();
  values[14] = "1";
  values[15] = "0";
  values[16] = "15";
  WriteValues("VexlorPro.cfg", values);
  ASSERT_TRUE(LoadSettingsFile(ctx, "VexlorPro.cfg"));
  EXPECT_EQ(ctx.briefing.VolumeSettings[2], 15);  // stored as it comes
  EXPECT_EQ(ctx.engine.AnnounceVolumeTable[0], -2700);
  EXPECT_EQ(ctx.engine.AnnounceVolumeTable[1], -3000);
  EXPECT_EQ(ctx.engine.AnnounceVolumeTable[2], 0);
  EXPECT_EQ(ctx.engine.AnnounceVolumeTable[9], 0);  // value 21, setting 10
}

TEST_F(SettingsLoaderTest, StartUpLoadsVexlorProCfgThenTheFileItNames) {
  auto values = GoldenValues();
  WriteValues("VexlorPro.cfg", values);
  values[0] = "MyFlight.cfg";
  values[48] = "スカイマーク";
  WriteValues("MyFlight.cfg", values);
  LoadSettingsAtStartup(ctx);
  EXPECT_EQ(ctx.main.MainWindow.tbxファイル名, "MyFlight.cfg");
  EXPECT_EQ(ctx.files.SettingsFileName, "MyFlight.cfg");
  EXPECT_EQ(ctx.briefing.TobBriefing.AirlineName, "スカイマーク");
  EXPECT_EQ(ctx.files.MileageTotal, 1234.5);
}

TEST_F(SettingsLoaderTest, StartUpWithABadValueKeepsTheDefaultsAndSaysSoOnce) {
  auto values = GoldenValues();
  values[80] = "13a";
  WriteValues("VexlorPro.cfg", values);
  ExpectCfgRead("設定値 80 を読み込めません");
  LoadSettingsAtStartup(ctx);
  EXPECT_EQ(Snapshot(ctx)[48], "JAL 日本航空");
  EXPECT_EQ(ctx.briefing.TobBriefing.TakeoffV1, 132);
  EXPECT_EQ(ctx.files.SettingsFileName, "VexlorPro.cfg");
  EXPECT_EQ(ctx.main.MainWindow.tbxファイル名, "VexlorPro.cfg");
  EXPECT_EQ(ctx.engine.AnnounceVolumeTable[27], -600);
  EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(SettingsLoaderTest, DefaultsThatCannotBeWrittenAreUsedFromMemory) {
  SetKnownSettingsState(ctx);
  std::filesystem::create_directories(Base("Blocked.cfg"));  // a folder: no file there, and none can be made
  ExpectCfgRead("を作成できません");
  ASSERT_TRUE(LoadSettingsFile(ctx, "Blocked.cfg"));
  EXPECT_EQ(ctx.briefing.TobBriefing.AirlineName, "JAL 日本航空");
  EXPECT_EQ(ctx.files.SettingsFileName, "VexlorPro.cfg");
  EXPECT_EQ(boxes.PendingExpectations(), 0u);
}

TEST_F(SettingsLoaderTest, AFileThatDoesNotLoadIsKeptAsideAndNotWrittenOverAtExit) {
  auto values = GoldenValues();
  values[80] = "13a";
  WriteValues("VexlorPro.cfg", values);
  const std::string userBytes = dir.ReadBytes("VexlorPro.cfg");
  ExpectCfgRead("元のファイルは「 VexlorPro.cfg.読込失敗 」に残しました。");
  LoadSettingsAtStartup(ctx);
  EXPECT_EQ(dir.ReadBytes("VexlorPro.cfg.読込失敗"), userBytes);
  EXPECT_FALSE(SettingsFileInHand(ctx, "VexlorPro.cfg"));

  ASSERT_TRUE(SaveVexlorProCfgWithoutAsking(ctx));
  EXPECT_EQ(dir.ReadBytes("VexlorPro.cfg"), userBytes);
  // Saved at the user's word, it is written; the copy stays.
  ASSERT_TRUE(SaveSettingsFile(ctx, "vexlorpro.CFG"));
  EXPECT_NE(dir.ReadBytes("VexlorPro.cfg"), userBytes);
  EXPECT_EQ(dir.ReadBytes("VexlorPro.cfg.読込失敗"), userBytes);
  EXPECT_TRUE(SettingsFileInHand(ctx, "VexlorPro.cfg"));
  EXPECT_EQ(boxes.PendingExpectations(), 0u);
}

// The saves over the current file at the user's word (File > Save, "Yes" at the exit)
// leave a file this run could not load as it is and say so; once nothing is there, or
// the file has loaded, they write it.
TEST_F(SettingsLoaderTest, AFileThatDidNotLoadIsNotWrittenOverAtTheUsersWord) {
  auto values = GoldenValues();
  values[80] = "13a";
  for (const std::string name : {"VexlorPro.cfg", "MyFlight.cfg"}) {
    WriteValues(name, values);
    const std::string userBytes = dir.ReadBytes(name);
    ExpectCfgRead("設定値 80 を読み込めません");
    ASSERT_FALSE(LoadSettingsFile(ctx, name));
    boxes.Expect("設定値の保存", ui::Answer::Ok,
                 "設定ファイル「 " + name + " 」は上書きしません。\nこの起動で読み込めていないファイルです。");
    EXPECT_FALSE(OverwriteSettingsFile(ctx, name)) << name;
    EXPECT_EQ(dir.ReadBytes(name), userBytes) << name;

    values[80] = "13";
    WriteValues(name, values);
    ASSERT_TRUE(LoadSettingsFile(ctx, name));
    ctx.briefing.TobBriefing.CruiseAltitude = 12000;
    ASSERT_TRUE(OverwriteSettingsFile(ctx, name)) << name;
    EXPECT_NE(dir.ReadBytes(name), userBytes) << name;
    values[80] = "13a";
  }
  // A file that is gone meanwhile loses nothing by being written.
  ctx.files.SettingsFilesInHand.clear();
  std::filesystem::remove(Base("MyFlight.cfg"));
  ASSERT_TRUE(OverwriteSettingsFile(ctx, "MyFlight.cfg"));
  EXPECT_TRUE(Exists("MyFlight.cfg"));
  EXPECT_EQ(boxes.PendingExpectations(), 0u);
}

TEST_F(SettingsLoaderTest, LoadedOrCreatedFilesAreWrittenAtExit) {
  LoadSettingsAtStartup(ctx);  // none there: created from the defaults
  EXPECT_TRUE(SettingsFileInHand(ctx, "VexlorPro.cfg"));
  ctx.files.MileageTotal = 77;
  ASSERT_TRUE(SaveVexlorProCfgWithoutAsking(ctx));
  state::ProContext loaded;
  loaded.svc = ctx.svc;
  loaded.boxes = ctx.boxes;
  ASSERT_TRUE(LoadSettingsFile(loaded, "VexlorPro.cfg"));
  EXPECT_EQ(loaded.files.MileageTotal, 77);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SettingsLoaderTest, AFolderNamedVexlorProCfgIsReportedOnceAtStartUp) {
  std::filesystem::create_directories(Base("VexlorPro.cfg"));
  ExpectCfgRead("を作成できません");
  LoadSettingsAtStartup(ctx);
  EXPECT_EQ(boxes.shown.size(), 1u);
  EXPECT_FALSE(SettingsFileInHand(ctx, "VexlorPro.cfg"));
  EXPECT_TRUE(SaveVexlorProCfgWithoutAsking(ctx));
  EXPECT_EQ(boxes.shown.size(), 1u);
}

}  // namespace
}  // namespace vx::mainfiles::test
