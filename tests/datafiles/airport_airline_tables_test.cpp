// Reading and writing 空港db.csv and 会社db.csv.
#include <gtest/gtest.h>

#include "datafiles/airport_airline_tables.h"
#include "datafiles/pro_fixture.h"
#include "platform/text_file.h"
#include "runtime/cp932.h"
#include "runtime/runtime_error.h"

namespace vx::datafiles::test {
namespace {

state::AirportRecord Haneda() {
  return {1, "chime1.wav", "RJTT", "羽田", "東京", "東京国際空港　羽田", 3977045, 1668541321, 21, -540, -540};
}

class TablesTest : public TablesFixture {};

TEST_F(TablesTest, FieldsAreTrimmedQuotedAndCountedAcrossLines) {
  const auto fields = SplitTableFields("a , b,\"c, d\" x,\"e\r\n  \r\n\tf\t\r\n,\n\"\"");
  EXPECT_EQ(fields, (std::vector<std::string>{"a", "b", "c, d", "e", "f", "", "", ""}));
}

TEST_F(TablesTest, RowsInAnyOrderFillTheirSlotsAndOthersKeepTheirContents) {
  state::AirportTableArray table;
  table[5].ICAO = "KEEP";
  ParseAirportTable(std::string(kAirportHeader) +
                        "200,0,,ZZZZ,末尾,,,1,2,3,4,5\r\n"
                        " 1 , 1 , chime1.wav , RJTT , 羽田 , 東京 , 東京国際空港　羽田 , 3977045 , 1668541321 , 21 , -540 , -540 \r\n"
                        "0,0,\"a,b\",\"QUOT\",,,,0,0,0,0,0\r\n",
                    table);
  EXPECT_EQ(table[1].ICAO, "RJTT");
  EXPECT_EQ(table[1].空港名詳細, "東京国際空港　羽田");
  EXPECT_EQ(table[1].経度, 1668541321);
  EXPECT_EQ(table[1].DEF時差, -540);
  EXPECT_EQ(table[0].チャイム, "a,b");
  EXPECT_EQ(table[0].ICAO, "QUOT");
  EXPECT_EQ(table[200].ICAO, "ZZZZ");
  EXPECT_EQ(table[5].ICAO, "KEEP");
}

TEST_F(TablesTest, OnlyTheNumberOfHeaderFieldsMatters) {
  state::AirlineTableArray table;
  ParseAirlineTable(" 番号 , a , b , c , d \r\n7,1,JAL,日本航空,jal.wav\r\n", table);
  EXPECT_EQ(table[7].会社名詳細, "日本航空");

  state::AirlineTableArray shifted;  // a header of 4 fields: every row moves on by one field
  EXPECT_EQ(ErrorOf([&] { ParseAirlineTable("No,音声,選択ボタン,会社名詳細\r\n7,1,JAL,日本航空,jal.wav\r\n", shifted); }),
            runtime::kInputPastEndOfFile);
  EXPECT_EQ(ErrorOf([&] {
              ParseAirlineTable("No,音声,選択ボタン,会社名詳細\r\n7,1,JAL,日本航空,jal.wav\r\n8,1,ANA,全日空,\r\n", shifted);
            }),
            runtime::kTypeMismatch);
  EXPECT_EQ(shifted[1].選択ボタン, "");
}

TEST_F(TablesTest, AFileThatDoesNotReadWholeChangesNothingAndNamesThePlace) {
  struct Case {
    std::string rows;
    int error;
    std::string place;
  };
  const Case cases[] = {
      {"201,0,,X,,,,0,0,0,0,0\r\n", runtime::kSubscriptOutOfRange, "No 201"},
      {"-1,0,,X,,,,0,0,0,0,0\r\n", runtime::kSubscriptOutOfRange, "No -1"},
      {"abc,0,,X,,,,0,0,0,0,0\r\n", runtime::kTypeMismatch, "No abc"},
      {"3,0,,X,,,,北緯35,0,0,0,0\r\n", runtime::kTypeMismatch, "緯度「北緯35」"},
      {"3,0,,X,,,,0,0,40000,0,0\r\n", runtime::kOverflow, "高度「40000」"},
      {"3,0,,X,,,,0,0,0,0,\r\n", runtime::kTypeMismatch, "修正時差「」"},
      {"3,0,,X,,,,0,0\r\n", runtime::kInputPastEndOfFile, "No 3"},
  };
  for (const Case& c : cases) {
    state::AirportTableArray table;
    table[2].ICAO = "OLD";
    std::string text = std::string(kAirportHeader) + "2,0,,NEW,,,,0,0,0,0,0\r\n" + c.rows;
    try {
      ParseAirportTable(text, table);
      ADD_FAILURE() << c.rows;
    } catch (const runtime::RuntimeError& e) {
      EXPECT_EQ(e.Number(), c.error) << c.rows;
      EXPECT_NE(e.Text().find("空港db.csv"), std::string::npos) << e.Text();
      EXPECT_NE(e.Text().find(c.place), std::string::npos) << e.Text();
    }
    EXPECT_EQ(table[2].ICAO, "OLD") << c.rows;
  }
}

TEST_F(TablesTest, EmptyFilesAndHeaderOnlyFilesChangeNothing) {
  for (const std::string& text : {std::string(), std::string("\r\n\r\n"), std::string(kAirlineHeader), std::string(kAirlineHeader) + "   \r\n"}) {
    state::AirlineTableArray table;
    table[3].選択ボタン = "ANA";
    ParseAirlineTable(text, table);
    EXPECT_EQ(table[3].選択ボタン, "ANA");
  }
}

TEST_F(TablesTest, WritingAndReadingBackGivesTheSameTables) {
  state::AirportTableArray airports;
  airports[1] = Haneda();
  airports[150] = {0, "", "PHNL", "ホノルル", "HONOLULU", "ホノルル国際空港", 2381390, -1882745600, 13, 600, 600};
  airports[199] = {1, "x.wav", "ZZZZ", "A", "B", "C", std::numeric_limits<std::int32_t>::min(),
                   std::numeric_limits<std::int32_t>::max(), -32768, 32767, 0};
  state::AirlineTableArray airlines;
  airlines[0] = {1, "JAL", "日本航空", "jal_safety.wav"};
  airlines[149] = {0, "KAL", "大韓航空", ""};
  SaveAirportTable(paths, airports);
  SaveAirlineTable(paths, airlines);

  state::AirportTableArray airportsBack;
  state::AirlineTableArray airlinesBack;
  LoadAirportTable(paths, airportsBack);
  LoadAirlineTable(paths, airlinesBack);
  for (int slot = 0; slot < 200; ++slot) {
    EXPECT_EQ(airportsBack[slot].ICAO, airports[slot].ICAO) << slot;
    EXPECT_EQ(airportsBack[slot].空港名詳細, airports[slot].空港名詳細) << slot;
    EXPECT_EQ(airportsBack[slot].緯度, airports[slot].緯度) << slot;
    EXPECT_EQ(airportsBack[slot].経度, airports[slot].経度) << slot;
    EXPECT_EQ(airportsBack[slot].高度, airports[slot].高度) << slot;
    EXPECT_EQ(airportsBack[slot].DEF時差, airports[slot].DEF時差) << slot;
  }
  EXPECT_EQ(airlinesBack[0].安全放送, "jal_safety.wav");
  EXPECT_EQ(airlinesBack[149].会社名詳細, "大韓航空");
}

TEST_F(TablesTest, FilesHoldTheHeaderAndTheKeptSlotRangesOnly) {
  state::AirportTableArray airports;
  airports[1] = Haneda();
  airports[200].ICAO = "DROP";
  state::AirlineTableArray airlines;
  airlines[60] = {1, "SIXTY", "読むだけ", ""};
  SaveAirportTable(paths, airports);
  SaveAirlineTable(paths, airlines);

  const auto airportLines = platform::ReadTextLines(Base("空港db.csv"));
  ASSERT_EQ(airportLines.size(), 201u);
  EXPECT_EQ(airportLines[0] + "\r\n", kAirportHeader);
  EXPECT_EQ(airportLines[1], "0,0,,,,,,0,0,0,0,0");
  EXPECT_EQ(airportLines[2], "1,1,chime1.wav,RJTT,羽田,東京,東京国際空港　羽田,3977045,1668541321,21,-540,-540");
  EXPECT_EQ(airportLines[200].substr(0, 4), "199,");

  const auto airlineLines = platform::ReadTextLines(Base("会社db.csv"));
  ASSERT_EQ(airlineLines.size(), 101u);
  EXPECT_EQ(airlineLines[0] + "\r\n", kAirlineHeader);
  EXPECT_EQ(airlineLines[50], "49,0,,,");
  EXPECT_EQ(airlineLines[51], "100,0,,,");
  EXPECT_EQ(airlineLines[100], "149,0,,,");
  EXPECT_EQ(Bytes("会社db.csv").substr(Bytes("会社db.csv").size() - 2), "\r\n");
}

TEST_F(TablesTest, CommasQuotesAndLineBreaksInTextsDoNotShiftTheFields) {
  state::AirlineTableArray airlines;
  airlines[3] = {1, " \"Q\" Air", "Wings, Inc.\r\n", "a,b.wav"};
  SaveAirlineTable(paths, airlines);
  EXPECT_EQ(platform::ReadTextLines(Base("会社db.csv"))[4], "3,1,＂Q\" Air,Wings， Inc.,a，b.wav");
  state::AirlineTableArray back;
  back[4].選択ボタン = "unchanged";
  LoadAirlineTable(paths, back);
  EXPECT_EQ(back[3].会社名詳細, "Wings， Inc.");
  EXPECT_EQ(back[3].安全放送, "a，b.wav");
  EXPECT_EQ(back[4].選択ボタン, "");
}

TEST_F(TablesTest, ReversedRowsFillTheSameSlots) {
  state::AirportTableArray airports;
  airports[1] = Haneda();
  airports[2].ICAO = "RJBB";
  SaveAirportTable(paths, airports);
  auto lines = platform::ReadTextLines(Base("空港db.csv"));
  std::reverse(lines.begin() + 1, lines.end());
  platform::WriteTextLinesAtomic(Base("空港db.csv"), lines);
  state::AirportTableArray back;
  LoadAirportTable(paths, back);
  EXPECT_EQ(back[1].ICAO, "RJTT");
  EXPECT_EQ(back[2].ICAO, "RJBB");
}

}  // namespace
}  // namespace vx::datafiles::test
