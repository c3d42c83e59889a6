#include "mainfiles/settings_table.h"

#include "state/pro_context.h"

namespace vx::mainfiles {
namespace {

using state::MainWindowTexts;
using state::ProContext;

constexpr auto kText = SettingsKind::Text;
constexpr auto kInteger = SettingsKind::Integer;
constexpr auto kLong = SettingsKind::Long;
constexpr auto kDouble = SettingsKind::Double;
constexpr auto kNone = SettingsRule::None;
constexpr std::nullopt_t kSame = std::nullopt;
constexpr bool kDefaultWhenMissing = true;

}  // namespace

// The variable of a value, and the main window control that shows it.
#define VX_FIELD(expr) [](ProContext & c) -> SettingsField { return &c.expr; }
#define VX_NO_FIELD [](ProContext&) -> SettingsField { return std::monostate{}; }
#define VX_CONTROL(name) [](MainWindowTexts & t) { return &t.name; }

constexpr std::array<std::string_view, 19> kSettingsHeaderLines = {
    kSettingsVersionLine,
    ";-------------------------------------------------",
    ";  VEXLOR-PRO 用　速度、高度コール　パラメータ",
    ";        VEXLOR-PRO  定義ファイル",
    ";-------------------------------------------------",
    ";",
    ";ここではＶＥＸＬＯＲ－ＰＲＯの設定に関する初期値を設定します",
    ";ＶＥＸＬＯＲ－ＰＲＯにより自動的に作成され、起動時に読み込まれます",
    ";",
    ";このファイルが存在しない時はデフォルト値で作成されます",
    ";設定がわからなくなってしまった場合、元に戻したい場合はこのファイルを",
    ";削除またはファイル名を変更して下さい。新たに作られます",
    ";",
    ";行の先頭に半角のセミコロン「；」でコメント行になります",
    ";半角のセミコロンも入っていない空白行は入れないで下さい",
    ";",
    ";行の先頭に半角の等号「=」が設定値です",
    ";",
    ";-------------- 設定ここから ------------------",
};

// clang-format off
constexpr std::array<SettingsRow, kSettingsValueCount> kSettingsTable = {{
    {0, "; ファイル名; ", kSame, kText, "VexlorPro.cfg", SettingsRule::FileName, VX_FIELD(files.SettingsFileName)},
    // The flight window's place, and the call-out program's window beside it (twips).
    {1, ";\n;Sound 画面表示位置\n;上端", kSame, kLong, "0", kNone, VX_FIELD(engine.SoundWindowPosition.top)},
    {2, ";左端", kSame, kLong, "0", kNone, VX_FIELD(engine.SoundWindowPosition.left)},
    {3, ";\n;EXP 画面表示位置\n;上端", kSame, kLong, "0", kNone, VX_FIELD(engine.SoundWindowPosition.expTop)},
    {4, ";左端", kSame, kLong, "0", kNone, VX_FIELD(engine.SoundWindowPosition.expLeft)},
    // The main window's options.
    {5, ";\n;速度コール", kSame, kText, "ON", kNone, VX_FIELD(main.SpeedCallOption), VX_CONTROL(combo速度コール)},
    {6, ";\n;高度コール", kSame, kText, "ON", kNone, VX_FIELD(main.AltitudeCallOption), VX_CONTROL(combo高度コール)},
    {7, ";視点切替", ";\n;視点切替", kText, "ON", kNone, VX_FIELD(main.ViewSwitchOption), VX_CONTROL(combo視点切替)},
    {8, ";\n;ＢＧＭ", kSame, kText, "MP3", kNone, VX_FIELD(engine.BgmMode), VX_CONTROL(comboBGM)},
    {9, "", kSame, kText, "順次", kNone, VX_FIELD(engine.BgmRepeatMode), VX_CONTROL(comboBGM繰返)},
    // Key codes.
    {10, ";\n;音量　大／小　キーコード", kSame, kInteger, "32", kNone, VX_FIELD(main.VolumeKeyCode)},
    {11, ";\n;コマンドキー「Ａ」キーコード", kSame, kInteger, "65", kNone, VX_FIELD(main.CommandKeyA)},
    {12, ";\n;コマンドキー「Ｂ」キーコード", kSame, kInteger, "66", kNone, VX_FIELD(main.CommandKeyB)},
    {13, ";\n;コマンドキー「Ｃ」キーコード", kSame, kInteger, "67", kNone, VX_FIELD(main.CommandKeyC)},
    // Volume settings 1 to 10; entries 7, 8 and 10 are not kept.
    {14, ";\n;音量　１～１０\n;－地上－", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[0])},
    {15, "", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[1])},
    {16, "", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[2])},
    {17, "", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[3])},
    {18, "", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[4])},
    {19, "", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[5])},
    {20, "", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[6])},
    {21, "", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[9])},
    {22, ";\n;－上空－", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[11])},
    {23, "", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[12])},
    {24, "", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[13])},
    {25, "", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[14])},
    {26, "", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[15])},
    {27, "", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[16])},
    {28, "", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[17])},
    {29, "", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[18])},
    {30, "", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[19])},
    {31, ";\n;－環境－", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[20])},
    {32, "", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[21])},
    {33, "", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[22])},
    {34, ";", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[23])},
    {35, "", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[24])},
    {36, "", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[25])},
    {37, ";", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[26])},
    {38, "", kSame, kInteger, "8", kNone, VX_FIELD(briefing.VolumeSettings[27])},
    {39, ";", kSame, kInteger, "8", kNone, VX_FIELD(briefing.VolumeSettings[28])},
    {40, "", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[29])},
    {41, "", kSame, kInteger, "10", kNone, VX_FIELD(briefing.VolumeSettings[30])},
    // Voice options of the volume window.
    {42, ";\n;ギア風切り音　速度ＩＡＳ", kSame, kInteger, "80", kNone, VX_FIELD(briefing.GearWindIas)},
    {43, ";\n;着地音　０：小型機　１：大型機", kSame, kInteger, "0", kNone, VX_FIELD(briefing.LargeAircraftLanding)},
    {44, ";\n;ＶＮＡＶキャプチャ音声　０：ＯＦＦ　１：ＯＮ", ";\n;ＶＮＡＶ　０：ＯＦＦ　１：ＯＮ", kInteger, "1", kNone, VX_FIELD(briefing.VnavCallOn)},
    {45, ";\n;クライムスラスト音声　０：ＯＦＦ　１：ＯＮ", kSame, kInteger, "1", kNone, VX_FIELD(briefing.ClimbThrustCallOn)},
    // The take-off briefing.
    {46, ";\n;---------- ＴＯＢ設定　----------\n;１．シップ\n;ＣＡさんの選択　１～４、０：ランダム", kSame, kInteger, "0", kNone, VX_FIELD(briefing.CabinAttendantChoice)},
    {47, ";\n;航空会社", kSame, kText, "0", kNone, VX_FIELD(briefing.SelectedAirlineIndex)},
    {48, "", kSame, kText, "JAL 日本航空", kNone, VX_FIELD(briefing.TobBriefing.AirlineName)},
    {49, ";\n;機種", kSame, kText, "04 B75/76 2 Engines", kNone, VX_FIELD(briefing.TobBriefing.AircraftTypeText)},
    {50, ";\n;便名", kSame, kText, "1234", kNone, VX_FIELD(briefing.TobBriefing.FlightNumber)},
    {51, ";\n;２．空港情報\n;パタパタ時刻表", kSame, kInteger, "1", kNone, VX_FIELD(briefing.TobBriefing.FlipBoardOn)},
    {52, ";\n;出発空港", kSame, kText, "1", kNone, VX_FIELD(files.RouteAirports[0].slot)},
    {53, "", kSame, kText, "東京国際空港　羽田", kNone, VX_FIELD(files.RouteAirports[0].name)},
    {54, ";出発時刻", kSame, kInteger, "10", kNone, VX_FIELD(briefing.BriefingTimes.events[0].localHour)},
    {55, "", kSame, kInteger, "30", kNone, VX_FIELD(briefing.BriefingTimes.events[0].localMinute)},
    {56, ";ゲート番号", kSame, kInteger, "5", kNone, VX_FIELD(briefing.TobBriefing.DepartureGate)},
    {57, ";\n;到着空港", kSame, kText, "80", kNone, VX_FIELD(files.RouteAirports[1].slot)},
    {58, "", kSame, kText, "新千歳国際空港　札幌", kNone, VX_FIELD(files.RouteAirports[1].name)},
    {59, ";到着時刻", kSame, kInteger, "12", kNone, VX_FIELD(briefing.BriefingTimes.events[1].localHour)},
    {60, "", kSame, kInteger, "10", kNone, VX_FIELD(briefing.BriefingTimes.events[1].localMinute)},
    {61, ";ゲート番号", kSame, kInteger, "6", kNone, VX_FIELD(main.ArrivalGate)},
    {62, ";\n;テイクオフ・ランウェイ　例．16R", kSame, kText, "16R", kNone, VX_FIELD(briefing.TobBriefing.TakeoffRunway)},
    // Pushback.
    {63, ";\n;プッシュバック\n;エンジンスタート　０:プッシュバック前　１：中　２：後", ";\n;プッシュバック\n;０:プッシュバック前　１：中　２：後", kInteger, "1", kNone, VX_FIELD(briefing.PushbackSettings.engineStartTiming)},
    {64, ";\n;--- プッシュバック動作 ---", kSame, kInteger, "1", kNone, VX_FIELD(briefing.PushbackSettings.pushbackOn)},
    {65, "", kSame, kInteger, "1", kNone, VX_FIELD(briefing.PushbackSettings.method)},
    {66, "", kSame, kInteger, "5", kNone, VX_FIELD(briefing.PushbackSettings.speed)},
    {67, "", kSame, kInteger, "3", kNone, VX_FIELD(briefing.PushbackSettings.turnRate)},
    {68, "", kSame, kInteger, "2", kNone, VX_FIELD(briefing.PushbackSettings.turnBackSpeed)},
    {69, "", kSame, kInteger, "80", kNone, VX_FIELD(briefing.PushbackSettings.distance)},
    {70, "", kSame, kText, "左", kNone, VX_FIELD(briefing.PushbackSettings.turnDirection)},
    {71, "", kSame, kInteger, "1", kNone, VX_FIELD(briefing.PushbackSettings.angleMode)},
    {72, "", kSame, kInteger, "90", kNone, VX_FIELD(briefing.PushbackSettings.angle1)},
    {73, "", kSame, kText, "北", kNone, VX_FIELD(briefing.PushbackSettings.angle2)},
    {74, "", kSame, kInteger, "340", kNone, VX_FIELD(briefing.PushbackSettings.angle3)},
    // Take-off.
    {75, ";\n;６．テイクオフ", kSame, kInteger, "15", kNone, VX_FIELD(briefing.TobBriefing.TakeoffFlap)},
    {76, "", kSame, kText, "Take1", kNone, VX_FIELD(briefing.TobBriefing.TakeoffThrust)},
    {77, "", kSame, kText, "Climb1", kNone, VX_FIELD(briefing.TobBriefing.ClimbThrust)},
    {78, "", kSame, kText, "LNAV/VNAV", kNone, VX_FIELD(briefing.TobBriefing.ClimbMode)},
    {79, "", kSame, kLong, "28000", kNone, VX_FIELD(briefing.TobBriefing.CruiseAltitude)},
    {80, "", kSame, kInteger, "132", kNone, VX_FIELD(briefing.TobBriefing.TakeoffV1)},
    {81, "", kSame, kInteger, "140", kNone, VX_FIELD(briefing.TobBriefing.TakeoffVr)},
    {82, "", kSame, kInteger, "156", kNone, VX_FIELD(briefing.TobBriefing.TakeoffV2)},
    {83, "", kSame, kInteger, "1500", kNone, VX_FIELD(briefing.TobBriefing.EngineOutAccelerationHeight)},
    {84, "", kSame, kInteger, "3000", kNone, VX_FIELD(briefing.TobBriefing.AccelerationHeight)},
    {85, "", kSame, kInteger, "1500", kNone, VX_FIELD(briefing.TobBriefing.ReductionHeight)},
    {86, ";\n;７．ローリング中のエンジンアウト", kSame, kText, "リジェクト", kNone, VX_FIELD(briefing.TobBriefing.BeforeV1Action)},
    {87, "", kSame, kText, "ＳＩＤフォロー／リターン", kNone, VX_FIELD(briefing.TobBriefing.AfterV1Action)},
    {88, "", kSame, kInteger, "4000", kNone, VX_FIELD(briefing.TobBriefing.TroubleReturnAltitude)},
    {89, "", kSame, kText, "ワイドパターン", kNone, VX_FIELD(briefing.TobBriefing.ReturnPattern)},
    {90, "", kSame, kText, "レーダーベクター", kNone, VX_FIELD(briefing.TobBriefing.ReturnApproach)},
    {91, ";\n;８．アプローチ", kSame, kInteger, "200", kNone, VX_FIELD(briefing.TobBriefing.MinimumAltitude)},
    {92, "", kSame, kInteger, "350", kNone, VX_FIELD(briefing.TobBriefing.ApproachingMinimumAltitude)},
    // The altitude restriction: written fixed, not taken.
    {93, ";\n;高度制限フラグ　0:制限無し　1：有り", kSame, kInteger, "0", SettingsRule::Fixed, VX_NO_FIELD},
    {94, ";制限高度（フィート）", kSame, kLong, "10000", SettingsRule::Fixed, VX_NO_FIELD},
    // Viewpoints 0 to 3: eye height, distance, zoom, angle, door keys.
    {95, ";\n;●視点設定●\n;＜＜点検視点＞＞", kSame, kText, "0", kNone, VX_FIELD(files.ViewTable[0][0])},
    {96, "", kSame, kText, "100", kNone, VX_FIELD(files.ViewTable[0][1])},
    {97, "", kSame, kText, "80", kNone, VX_FIELD(files.ViewTable[0][2])},
    {98, "", kSame, kText, "190", kNone, VX_FIELD(files.ViewTable[0][3])},
    {99, "", kSame, kText, "0", kNone, VX_FIELD(files.ViewTable[0][4])},
    {100, ";＜＜搭乗口視点＞＞", kSame, kText, "0", kNone, VX_FIELD(files.ViewTable[1][0])},
    {101, "", kSame, kText, "100", kNone, VX_FIELD(files.ViewTable[1][1])},
    {102, "", kSame, kText, "80", kNone, VX_FIELD(files.ViewTable[1][2])},
    {103, "", kSame, kText, "340", kNone, VX_FIELD(files.ViewTable[1][3])},
    {104, "", kSame, kText, "1", kNone, VX_FIELD(files.ViewTable[1][4])},
    {105, ";＜＜荷物室視点＞＞", kSame, kText, "0", kNone, VX_FIELD(files.ViewTable[2][0])},
    {106, "", kSame, kText, "100", kNone, VX_FIELD(files.ViewTable[2][1])},
    {107, "", kSame, kText, "80", kNone, VX_FIELD(files.ViewTable[2][2])},
    {108, "", kSame, kText, "170", kNone, VX_FIELD(files.ViewTable[2][3])},
    {109, "", kSame, kText, "2", kNone, VX_FIELD(files.ViewTable[2][4])},
    {110, ";＜＜外部視点＞＞", kSame, kText, "30", kNone, VX_FIELD(files.ViewTable[3][0])},
    {111, "", kSame, kText, "300", kNone, VX_FIELD(files.ViewTable[3][1])},
    {112, "", kSame, kText, "80", kNone, VX_FIELD(files.ViewTable[3][2])},
    {113, "", kSame, kText, "170", kNone, VX_FIELD(files.ViewTable[3][3])},
    {114, "", kSame, kText, "0", kNone, VX_FIELD(files.ViewTable[3][4])},
    // Timing of the call-outs.
    {115, ";\n;●● Timing 設定値 ●●\n;離陸時の高度", kSame, kLong, "25", kNone, VX_FIELD(briefing.TimingSettings.takeoffAltitudes[0])},
    {116, "", kSame, kLong, "1500", kNone, VX_FIELD(briefing.TimingSettings.takeoffAltitudes[1])},
    {117, "", kSame, kLong, "2500", kNone, VX_FIELD(briefing.TimingSettings.takeoffAltitudes[2])},
    {118, ";\n;離陸時のフラップ", kSame, kLong, "180", kNone, VX_FIELD(briefing.TimingSettings.takeoffFlapSpeeds[0])},
    {119, "", kSame, kLong, "200", kNone, VX_FIELD(briefing.TimingSettings.takeoffFlapSpeeds[1])},
    {120, ";\n;アプローチ・チェック", kSame, kLong, "6000", kNone, VX_FIELD(briefing.TimingSettings.approachCheckAltitude)},
    {121, "", kSame, kLong, "1500", kNone, VX_FIELD(briefing.TimingSettings.landingCheckAltitude)},
    {122, ";\n;着陸時のフラップ", kSame, kLong, "250", kNone, VX_FIELD(briefing.TimingSettings.approachFlapSpeeds[0])},
    {123, "", kSame, kLong, "230", kNone, VX_FIELD(briefing.TimingSettings.approachFlapSpeeds[1])},
    {124, "", kSame, kLong, "210", kNone, VX_FIELD(briefing.TimingSettings.approachFlapSpeeds[2])},
    {125, "", kSame, kLong, "190", kNone, VX_FIELD(briefing.TimingSettings.approachFlapSpeeds[3])},
    {126, "", kSame, kLong, "170", kNone, VX_FIELD(briefing.TimingSettings.approachFlapSpeeds[4])},
    {127, "", kSame, kLong, "160", kNone, VX_FIELD(briefing.TimingSettings.approachFlapSpeeds[5])},
    {128, ";\n;アプローチ・リデュース・スピード", kSame, kLong, "10000", kNone, VX_FIELD(briefing.TimingSettings.reduceSpeedAltitudes[0])},
    {129, "", kSame, kLong, "8000", kNone, VX_FIELD(briefing.TimingSettings.reduceSpeedAltitudes[1])},
    {130, "", kSame, kLong, "6000", kNone, VX_FIELD(briefing.TimingSettings.reduceSpeedAltitudes[2])},
    {131, "", kSame, kLong, "4500", kNone, VX_FIELD(briefing.TimingSettings.reduceSpeedAltitudes[3])},
    {132, "", kSame, kLong, "3500", kNone, VX_FIELD(briefing.TimingSettings.reduceSpeedAltitudes[4])},
    {133, "", kSame, kLong, "2500", kNone, VX_FIELD(briefing.TimingSettings.reduceSpeedAltitudes[5])},
    // Added settings.
    {134, ";\n;●●　追加設定　●●\n;時差修正", kSame, kText, "OFF", kNone, VX_FIELD(main.TimeDiffCorrection), VX_CONTROL(combo時差修正), kDefaultWhenMissing},
    {135, ";\n;シップ", kSame, kText, "B747-400 ポケモンジェット", kNone, VX_FIELD(briefing.TobBriefing.ShipName), nullptr, kDefaultWhenMissing},
    {136, ";\n;予定／現在時刻表示 0:OFF 1:ON", kSame, kInteger, "1", kNone, VX_FIELD(briefing.TimeDisplayOption), nullptr, kDefaultWhenMissing},
    {137, ";\n;マイル", kSame, kDouble, "0", SettingsRule::DefaultFileOnly, VX_FIELD(files.MileageTotal), nullptr, kDefaultWhenMissing},
    // Times of the flight: actual departure local, then GMT of the scheduled and actual events.
    {138, ";\n;出発時刻途中経過", kSame, kInteger, "10", kNone, VX_FIELD(briefing.BriefingTimes.events[2].localHour)},
    {139, "", kSame, kInteger, "32", kNone, VX_FIELD(briefing.BriefingTimes.events[2].localMinute)},
    {140, ";出発定刻", kSame, kInteger, "1", kNone, VX_FIELD(briefing.BriefingTimes.events[0].gmtHour)},
    {141, "", kSame, kInteger, "2", kNone, VX_FIELD(briefing.BriefingTimes.events[0].gmtMinute)},
    {142, ";到着定刻", kSame, kInteger, "3", kNone, VX_FIELD(briefing.BriefingTimes.events[1].gmtHour)},
    {143, "", kSame, kInteger, "4", kNone, VX_FIELD(briefing.BriefingTimes.events[1].gmtMinute)},
    {144, ";出発実時刻", kSame, kInteger, "5", kNone, VX_FIELD(briefing.BriefingTimes.events[2].gmtHour)},
    {145, "", kSame, kInteger, "6", kNone, VX_FIELD(briefing.BriefingTimes.events[2].gmtMinute)},
    // Fuel at departure: left, right, centre, all tanks; each percent, pounds, gallons.
    {146, ";\n;燃料データ", kSame, kLong, "50", kNone, VX_FIELD(briefing.DepartureFuel[0])},
    {147, "", kSame, kLong, "50", kNone, VX_FIELD(briefing.DepartureFuel[1])},
    {148, "", kSame, kLong, "50", kNone, VX_FIELD(briefing.DepartureFuel[2])},
    {149, "", kSame, kLong, "50", kNone, VX_FIELD(briefing.DepartureFuel[3])},
    {150, "", kSame, kLong, "50", kNone, VX_FIELD(briefing.DepartureFuel[4])},
    {151, "", kSame, kLong, "50", kNone, VX_FIELD(briefing.DepartureFuel[5])},
    {152, "", kSame, kLong, "50", kNone, VX_FIELD(briefing.DepartureFuel[6])},
    {153, "", kSame, kLong, "50", kNone, VX_FIELD(briefing.DepartureFuel[7])},
    {154, "", kSame, kLong, "50", kNone, VX_FIELD(briefing.DepartureFuel[8])},
    {155, "", kSame, kLong, "50", kNone, VX_FIELD(briefing.DepartureFuel[9])},
    {156, "", kSame, kLong, "50", kNone, VX_FIELD(briefing.DepartureFuel[10])},
    {157, "", kSame, kLong, "50", kNone, VX_FIELD(briefing.DepartureFuel[11])},
    {158, ";\n;年月日", kSame, kInteger, "2006", kNone, VX_FIELD(briefing.TobBriefing.FsYear)},
    {159, "", kSame, kInteger, "8", kNone, VX_FIELD(briefing.TobBriefing.FsMonth)},
    {160, "", kSame, kInteger, "12", kNone, VX_FIELD(briefing.TobBriefing.FsDay)},
    {161, ";飛行時間：分", kSame, kInteger, "1", kNone, VX_FIELD(briefing.PlannedFlightTime.hours)},
    {162, "", kSame, kInteger, "10", kNone, VX_FIELD(briefing.PlannedFlightTime.minutes)},
    {163, ";到着時刻０時補正", kSame, kInteger, "3", kNone, VX_FIELD(briefing.ArrivalHourUnwrapped)},
    {164, ";\n;秘密の音声", kSame, kInteger, "0", SettingsRule::CurrentInDefaults, VX_FIELD(briefing.SpecialEngineSoundOn)},
    // APU sound: positions and volumes of the boarding-door and cargo-door views.
    {165, ";\n;ＡＰＵ音声　位置・音量", kSame, kText, "右", kNone, VX_FIELD(main.ApuSoundSettings.positions[0])},
    {166, "", kSame, kText, "左", kNone, VX_FIELD(main.ApuSoundSettings.positions[1])},
    {167, "", kSame, kText, "7", kNone, VX_FIELD(main.ApuSoundSettings.volumes[0])},
    {168, "", kSame, kText, "10", kNone, VX_FIELD(main.ApuSoundSettings.volumes[1])},
    {169, ";\n;エンジンスタート時のコクピット会話、エンジン始動音", kSame, kInteger, "1", kNone, VX_FIELD(briefing.PushbackSettings.cockpitConversation)},
    {170, "", kSame, kInteger, "1", kNone, VX_FIELD(briefing.PushbackSettings.voiceFileSet)},
    {171, "", kSame, kInteger, "1", kNone, VX_FIELD(briefing.PushbackSettings.engineStartSound)},
    // The landing briefing.
    {172, ";\n;ランディングブリーフィング内容\n;１．ランディングランウェイ", kSame, kText, "16R", kNone, VX_FIELD(flight.LandingBriefing.LandingRunway)},
    {173, ";２．アプローチ方式", kSame, kText, "ビジュアル・アプローチ", kNone, VX_FIELD(flight.LandingBriefing.ApproachType)},
    {174, "", kSame, kText, "A", kNone, VX_FIELD(flight.LandingBriefing.ApproachVariant)},
    {175, ";３．着陸フラップ", kSame, kInteger, "30", kNone, VX_FIELD(flight.LandingBriefing.LandingFlap)},
    {176, ";４．ゴーアラウンド", kSame, kInteger, "4500", kNone, VX_FIELD(flight.LandingBriefing.GoAroundAltitude)},
    {177, "", kSame, kInteger, "15", kNone, VX_FIELD(flight.LandingBriefing.GoAroundFlap)},
    {178, ";\n;AES対応", kSame, kInteger, "0", kNone, VX_FIELD(briefing.TobBriefing.DepartureAesFlag)},
    {179, "", kSame, kInteger, "0", kNone, VX_FIELD(briefing.TobBriefing.ArrivalAesFlag)},
    {180, ";機体高度", kSame, kInteger, "0", kNone, VX_FIELD(briefing.TobBriefing.AircraftHeight)},
    // Viewpoints 4 and 5 (the towers).
    {181, ";\n;＜＜タワー１視点＞＞", kSame, kText, "30", kNone, VX_FIELD(files.ViewTable[4][0])},
    {182, "", kSame, kText, "300", kNone, VX_FIELD(files.ViewTable[4][1])},
    {183, "", kSame, kText, "80", kNone, VX_FIELD(files.ViewTable[4][2])},
    {184, "", kSame, kText, "170", kNone, VX_FIELD(files.ViewTable[4][3])},
    {185, "", kSame, kText, "0", kNone, VX_FIELD(files.ViewTable[4][4])},
    {186, ";＜＜タワー２部視点＞＞", ";＜＜タワー２視点＞＞", kText, "30", kNone, VX_FIELD(files.ViewTable[5][0])},
    {187, "", kSame, kText, "300", kNone, VX_FIELD(files.ViewTable[5][1])},
    {188, "", kSame, kText, "80", kNone, VX_FIELD(files.ViewTable[5][2])},
    {189, "", kSame, kText, "170", kNone, VX_FIELD(files.ViewTable[5][3])},
    {190, "", kSame, kText, "0", kNone, VX_FIELD(files.ViewTable[5][4])},
}};
// clang-format on

#undef VX_FIELD
#undef VX_NO_FIELD
#undef VX_CONTROL

namespace {

constexpr bool RowsInOrder() {
  for (int i = 0; i < kSettingsValueCount; ++i) {
    if (kSettingsTable[static_cast<std::size_t>(i)].index != i) return false;
  }
  return true;
}
static_assert(RowsInOrder(), "each row sits at its value's index");

}  // namespace

}  // namespace vx::mainfiles
