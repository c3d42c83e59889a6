// The main program's procedures over its tables and route: the tables through the base
// folder and the start's check, and the random-flight import (a whole, checked file
// reaches the briefing, the tables and the route; anything else is reported and leaves
// everything as it was).
#include <gtest/gtest.h>

#include "datafiles/pro_fixture.h"
#include "datafiles/random_flight_sample.h"
#include "mainfiles/random_flight.h"
#include "mainfiles/tables.h"
#include "platform/text_file.h"
#include "runtime/runtime_error.h"

namespace vx::mainfiles::test {
using namespace datafiles;
using namespace datafiles::test;
namespace {

class TablesTest : public TablesFixture {};

TEST_F(TablesTest, TheProgramsTablesLoadAndSaveThroughTheBaseFolder) {
  WriteCsv("空港db.csv", std::string(kAirportHeader) + "80,1,c.wav,RJCC,新千歳,千歳,新千歳国際空港,4760000,1700000000,82,-540,-540\r\n");
  WriteCsv("会社db.csv", std::string(kAirlineHeader) + "0,1,JAL,日本航空,\r\n");
  const auto pumps = pump.PumpCount();
  LoadAirportTable(ctx);
  LoadAirlineTable(ctx);
  EXPECT_EQ(pump.PumpCount(), pumps + 2);
  EXPECT_EQ(ctx.files.AirportTable[80].ICAO, "RJCC");
  EXPECT_EQ(ctx.files.AirlineTable[0].会社名詳細, "日本航空");
  ctx.files.AirlineTable[1] = {0, "ANA", "全日空", ""};
  SaveAirlineTable(ctx);
  EXPECT_EQ(platform::ReadTextLines(Base("会社db.csv"))[2], "1,0,ANA,全日空,");
}

TEST_F(TablesTest, AMissingTableFileRefusesTheStartNamingTheFile) {
  EXPECT_EQ(ErrorOf([&] { LoadAirportTable(ctx); }), runtime::kFileNotFound);

  boxes.Expect("Start", ui::Answer::Ok, "空港db.csv が見つかりません");
  EXPECT_FALSE(CheckTableFilesForStart(ctx));
  WriteCsv("空港db.csv", kAirportHeader);
  boxes.Expect("Start", ui::Answer::Ok, "会社db.csv が見つかりません");
  EXPECT_FALSE(CheckTableFilesForStart(ctx));
  WriteCsv("会社db.csv", kAirlineHeader);
  EXPECT_TRUE(CheckTableFilesForStart(ctx));
  EXPECT_EQ(boxes.PendingExpectations(), 0u);
  EXPECT_EQ(boxes.shown.size(), 2u);
}

struct BadFileCase {
  const char* what;
  std::size_t item;  // 1-based; 0: cut the file short
  const char* text;
  const char* message;
};

class RandomFlightTest : public ProFixture {
 protected:
  void WriteFile(const std::vector<std::string>& items) { dir.WriteBytes("RandomFlight.cfg", FileBytes(items)); }
};

TEST_F(RandomFlightTest, ImportsTheFlight) {
  WriteFile(SampleItems());
  ASSERT_TRUE(LoadRandomFlight(ctx));
  const auto& tob = ctx.briefing.TobBriefing;
  EXPECT_EQ(tob.FsYear, 2007);
  EXPECT_EQ(tob.FsMonth, 3);
  EXPECT_EQ(tob.FsDay, 15);
  EXPECT_EQ(ctx.briefing.BriefingTimes.events[0].localHour, 9);
  EXPECT_EQ(ctx.briefing.BriefingTimes.events[0].localMinute, 30);
  EXPECT_EQ(ctx.briefing.SelectedAirlineIndex, "139");
  EXPECT_EQ(ctx.files.AirlineTable[139].選択ボタン, "MYA");
  EXPECT_EQ(ctx.files.AirlineTable[139].会社名詳細, "My Airline");
  EXPECT_EQ(tob.ShipName, "B767-300 テスト");

  const auto& departure = ctx.files.AirportTable[198];
  EXPECT_EQ(departure.ICAO, "RJTT");
  EXPECT_EQ(departure.選択ボタン, "羽田");
  EXPECT_EQ(departure.空港名パタパタ, "東京");
  EXPECT_EQ(departure.空港名詳細, "東京国際空港　羽田");
  EXPECT_EQ(departure.緯度, 3951057);
  EXPECT_EQ(departure.経度, 1667653481);
  EXPECT_EQ(departure.高度, 21);
  EXPECT_EQ(ctx.files.AirportTable[199].ICAO, "RJCC");

  const auto& route = ctx.files.RouteAirports;
  EXPECT_EQ(route[0].slot, "198");
  EXPECT_EQ(route[1].slot, "199");
  EXPECT_EQ(route[0].name, "東京国際空港　羽田");
  EXPECT_EQ(route[1].icao, "RJCC");
  EXPECT_EQ(route[1].elevation, 82);
  EXPECT_NEAR(ctx.files.RouteDistance, 819.15, 0.5);
  EXPECT_GE(pump.PumpCount(), 1);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(RandomFlightTest, AnotherAirlineSlotLeavesTheAirlineTable) {
  auto items = SampleItems();
  items[11] = "=7";
  WriteFile(items);
  ctx.files.AirlineTable[139].選択ボタン = "mine";
  ASSERT_TRUE(LoadRandomFlight(ctx));
  EXPECT_EQ(ctx.briefing.SelectedAirlineIndex, "7");
  EXPECT_EQ(ctx.files.AirlineTable[139].選択ボタン, "mine");
  EXPECT_EQ(ctx.briefing.TobBriefing.ShipName, "B767-300 テスト");  // items 13 and 14 are skipped, not shifted
}

TEST_F(RandomFlightTest, AirportsAlreadyInTheTableKeepTheirFirstSlot) {
  ctx.files.AirportTable[120].ICAO = "RJTT";
  ctx.files.AirportTable[7].ICAO = "RJTT";
  ctx.files.AirportTable[150].ICAO = "RJCC";
  WriteFile(SampleItems());
  ASSERT_TRUE(LoadRandomFlight(ctx));
  EXPECT_EQ(ctx.files.RouteAirports[0].slot, "7");
  EXPECT_EQ(ctx.files.RouteAirports[1].slot, "150");
}

TEST_F(RandomFlightTest, AnEmptyIcaoCodeNeverMatchesAFreeSlot) {
  auto items = SampleItems();
  items[17] = "=";
  items[25] = "=";
  WriteFile(items);
  ASSERT_TRUE(LoadRandomFlight(ctx));  // every slot of the fresh table has an empty code
  EXPECT_EQ(ctx.files.RouteAirports[0].slot, "198");
  EXPECT_EQ(ctx.files.RouteAirports[1].slot, "199");
  EXPECT_EQ(ctx.files.RouteAirports[1].name, "新千歳空港");
}

TEST_F(RandomFlightTest, ABadFileIsReportedAndNothingIsImported) {
  const BadFileCase cases[] = {
      {"too few items", 0, "", "項目数が正しくありません"},
      {"year not a number", 8, "=20O7", "年が正しくありません"},
      {"month beyond 16 bits", 9, "=70000", "月が正しくありません"},
      {"time of three digits", 11, "=930", "出発時刻が正しくありません"},
      {"time of five digits", 11, "=09300", "出発時刻が正しくありません"},
      {"time not digits", 11, "=9:30", "出発時刻が正しくありません"},
      {"hour 24", 11, "=2400", "出発時刻が正しくありません"},
      {"minute 60", 11, "=1260", "出発時刻が正しくありません"},
      {"airline slot not a number", 12, "=ANA", "航空会社番号が正しくありません"},
      {"airline slot outside the table", 12, "=201", "航空会社番号が正しくありません"},
      {"latitude beyond 32 bits", 22, "=99999999999", "出発空港の緯度が正しくありません"},
      {"longitude not a number", 31, "=east", "到着空港の経度が正しくありません"},
      {"elevation empty", 32, "=", "到着空港の高度が正しくありません"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto items = SampleItems();
    if (c.item == 0) {
      items.resize(31);
    } else {
      items[c.item - 1] = c.text;
    }
    WriteFile(items);
    const state::FilesState before = ctx.files;
    boxes.Expect("ランダムフライト読込", ui::Answer::Ok, c.message);
    EXPECT_FALSE(LoadRandomFlight(ctx));
    EXPECT_EQ(boxes.PendingExpectations(), 0u);
    EXPECT_EQ(ctx.files.AirportTable, before.AirportTable);
    EXPECT_EQ(ctx.files.AirlineTable, before.AirlineTable);
    EXPECT_EQ(ctx.files.RouteAirports, before.RouteAirports);
    EXPECT_EQ(ctx.briefing.TobBriefing.FsYear, 0);
    EXPECT_EQ(ctx.briefing.TobBriefing.ShipName, "");
    EXPECT_EQ(ctx.briefing.BriefingTimes.events[0].localHour, 0);
    EXPECT_EQ(ctx.briefing.SelectedAirlineIndex, "0");
  }
  ASSERT_FALSE(boxes.shown.empty());
  EXPECT_EQ(boxes.shown.back().icon, ui::Icon::Exclamation);
  EXPECT_NE(boxes.shown.back().text.find("ランダムフライトを取り込まずにフライトを開始します。"), std::string::npos);
}

// Written in UTF-8 by another tool, the flight would come in as other characters (a ship
// name the next save would write with "?"): it is refused, naming the line.
TEST_F(RandomFlightTest, AFileInUtf8IsRefusedNamingItsFirstLineThatDoesNotRead) {
  std::string utf8;
  for (const auto& item : SampleItems()) utf8 += item + "\r\n";
  dir.WriteBytes("RandomFlight.cfg", utf8);
  boxes.Expect("ランダムフライト読込", ui::Answer::Ok,
               "RandomFlight.cfg を読み込めません。\nファイル形式が不正です。\n"
               "UTF-8 で保存されています（15 行目から Shift-JIS (CP932) として読めません）。");
  EXPECT_FALSE(LoadRandomFlight(ctx));
  EXPECT_EQ(boxes.PendingExpectations(), 0u);
  EXPECT_EQ(ctx.briefing.TobBriefing.ShipName, "");
}

TEST_F(RandomFlightTest, AMissingFileIsReported) {
  boxes.Expect("ランダムフライト読込", ui::Answer::Ok, "RandomFlight.cfg を読み込めません。");
  EXPECT_FALSE(LoadRandomFlight(ctx));
  EXPECT_EQ(boxes.PendingExpectations(), 0u);
}

}  // namespace
}  // namespace vx::mainfiles::test
