// The split-flap board's three files against golden files written by hand, with the
// random draws scripted; the airline rows, invented flight numbers, the own flight's
// digits and gate; no airport to draw; the faults that keep the board from showing; and
// the close by process id.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "datafiles/board_fixture.h"
#include "datafiles/departure_board.h"
#include "platform/process.h"
#include "platform/random.h"
#include "runtime/cp932.h"

namespace vx::datafiles::test {
namespace {

// The fields of a timetable row without their double quotes.
std::vector<std::string> Fields(const std::string& row) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start <= row.size()) {
    const std::size_t comma = std::min(row.find(',', start), row.size());
    std::string field = row.substr(start, comma - start);
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"') field = field.substr(1, field.size() - 2);
    out.push_back(field);
    start = comma + 1;
  }
  return out;
}

TEST_F(BoardTest, ADomesticDeparturesBoardWritesItsThreeFilesAndStartsTheProgramOnTheTimetable) {
  // Nine destinations among 大阪, 福岡 and 那覇 (the route's own two are left out), then
  // per invented flight its airline and four digits.
  Script({0.0, 0.5, 0.9, 0.34, 0.67, 0.0, 0.99, 0.4, 0.7,  // destinations
          0.5, 0.1, 0.0, 0.5, 0.95,                       // flight 1: row 14, 2 0 6 0
          0.99, 0.6, 0.02, 0.3, 0.05,                     // flight 2: row 26, blank blank 3 1
          0.0, 0.125, 0.5, 0.0, 0.3});                    // flight 3: row 1, 2 6 0 3
  const BoardShown shown = ShowDepartureBoard(Services(), Departure(), airports);
  ASSERT_TRUE(shown.Shown()) << shown.fault;
  EXPECT_EQ(random.Pending(), 0u);
  ExpectGolden("Vovu.ini");
  ExpectGolden("出発.ppl");
  ExpectGolden("出発.pdt");
  EXPECT_EQ(pump.PumpCount(), 3) << "one pump after each file";
  ASSERT_EQ(processes.started.size(), 1u);
  const auto& started = processes.started[0];
  EXPECT_EQ(started.program, Base("vovu030") / "vovu");
  EXPECT_EQ(started.args, std::vector<std::string>{(Base("vovu030") / "出発.pdt").string()});
  EXPECT_TRUE(started.takeFocus);
  EXPECT_EQ(shown.pid, started.pid);
}

TEST_F(BoardTest, AnInternationalArrivalsBoardTakesTheOriginTheDelayAndTheWorldAirlines) {
  BoardFlight f;
  f.kind = "到着";
  f.gate = 5;
  f.airlineSlot = "144";
  f.flightNumber = "7";
  f.hour = 23;
  f.minute = 50;
  f.airportSlots = {"120", "5"};  // one slot from 100 up: international
  f.destinationName = "札幌";
  f.originName = "ソウル";
  f.arrivalDelayClass = 20;
  dir.WriteBytes("vovu030/vovu.EXE", "#!/bin/sh\n");
  Script({0.0, 0.5, 0.49, 0.99, 0.0, 0.0, 0.5, 0.5, 0.2,  // ロンドン and パリ; not ソウル, the route's
          0.0, 0.45, 0.0, 0.0, 0.0,                       // flight 1: row 1, 9 0 0 0
          0.999, 0.9, 0.5, 0.9, 0.1,                      // flight 2: row 19, blank 6 0 1
          0.5, 0.0, 0.0, 0.0, 0.0});                      // flight 3: row 10, blank blank blank 0
  const BoardShown shown = ShowDepartureBoard(Services(), f, airports);
  ASSERT_TRUE(shown.Shown()) << shown.fault;
  ExpectGolden("到着.ppl");
  ExpectGolden("到着.pdt");
  EXPECT_EQ(processes.started.at(0).program, Base("vovu030") / "vovu.EXE") << "the program with .exe first";
  EXPECT_EQ(processes.started.at(0).args.at(0), (Base("vovu030") / "到着.pdt").string());
}

TEST(BoardGoldens, HoldOnlyCharactersOfTheCodePage) {
  for (const char* name : {"Vovu.ini", "出発.ppl", "出発.pdt", "到着.ppl", "到着.pdt"}) {
    const std::string text = GoldenText(std::string("board/") + name);
    EXPECT_EQ(runtime::Cp932ToUtf8(runtime::Utf8ToCp932(text)), text) << name;
  }
}

TEST(BoardRows, AirlineSlotsMapToTheirBoardRowsAndEveryOtherSlotToTheBlankBoard) {
  const std::pair<int, const char*> domestic[] = {{0, "4"},   {1, "5"},   {9, "13"},  {16, "20"}, {17, "0"},
                                                  {20, "21"}, {21, "22"}, {22, "1"},  {23, "23"}, {24, "0"},
                                                  {25, "24"}, {27, "26"}, {28, "0"},  {100, "0"}, {-1, "0"}};
  for (auto [slot, row] : domestic) EXPECT_EQ(DomesticBoardAirlineRow(slot), row) << slot;
  const std::pair<int, const char*> international[] = {{100, "12"}, {103, "15"}, {104, "0"}, {115, "16"},
                                                       {120, "18"}, {122, "1"},  {123, "19"}, {140, "7"},
                                                       {144, "2"},  {149, "4"},  {150, "0"},  {0, "0"}};
  for (auto [slot, row] : international) EXPECT_EQ(InternationalBoardAirlineRow(slot), row) << slot;
}

TEST(BoardRows, InventedFlightNumbersHaveNoLeadingZerosAndNeverEndBlank) {
  struct Case {
    std::array<double, 4> draws;
    std::array<std::string, 4> rows;
  };
  const Case cases[] = {
      {{0.45, 0.0, 0.0, 0.0}, {"9", "0", "0", "0"}},      // zeros after a digit
      {{0.5, 0.0, 0.0, 0.0}, {"10", "10", "10", "0"}},    // 10 and more: blank; the last is never blank
      {{0.0, 0.5, 0.9, 0.1}, {"10", "6", "0", "1"}},      // 0 is blank before the first digit
      {{0.125, 0.045, 0.955, 0.95}, {"2", "0", "0", "0"}},  // 2.5 rounds to 2, 0.495 to 0, 10.505 to 11
      {{0.375, 0.0, 0.0, 0.045}, {"8", "0", "0", "0"}},     // 7.5 rounds to 8 (halves to even)
  };
  for (const Case& c : cases) {
    platform::ScriptedRandom random;
    for (double d : c.draws) random.Push(d);
    EXPECT_EQ(DrawFillerFlightNumber(random), c.rows) << c.draws[0] << " " << c.draws[1];
  }
}

TEST_F(BoardTest, TheOwnFlightNumberByItsLengthAndTheGateFilledToThreeCharacters) {
  const std::pair<const char*, std::array<const char*, 4>> numbers[] = {
      {"1205", {"1", "2", "0", "5"}}, {"123", {"10", "1", "2", "3"}}, {"12", {"10", "10", "1", "2"}},
      {"7", {"10", "10", "10", "7"}}, {"12345", {"10", "10", "10", "1"}}, {"", {"10", "10", "10", ""}}};
  for (auto [number, rows] : numbers) {
    BoardFlight f = Departure();
    f.flightNumber = number;
    const auto lines = BoardTimetableLines(f, ReadBoardNumbers(f), true, random);
    const std::string expected = std::string("\"0\",\"7\",\"") + rows[0] + "\",\"" + rows[1] + "\",\"" + rows[2] +
                                 "\",\"" + rows[3] + "\",\"10\",\"0\",\"1\",\"10\",\"093500\",\"1\"";
    EXPECT_EQ(lines.at(9), expected) << number;
  }
  const std::pair<int, const char*> gates[] = {{5, "\"  5\""}, {12, "\" 12\""}, {123, "\"123\""}, {1234, "\"1234\""}};
  for (auto [gate, text] : gates) {
    BoardFlight f = Departure();
    f.gate = static_cast<std::int16_t>(gate);
    const auto lines = BoardPlanLines(f, ReadBoardNumbers(f), {});
    const auto data = std::find(lines.begin(), lines.end(), "[ColumnData09]");
    ASSERT_NE(data, lines.end());
    EXPECT_EQ(*(data + 11), std::string(text) + ",\"$FFFFFF\",\"$000000\"") << gate;
  }
}

TEST_F(BoardTest, ArrivalRemarksFollowTheDelayClass) {
  const std::pair<int, const char*> classes[] = {{-1, "5"}, {0, "4"}, {10, "6"}, {20, "7"}, {30, "8"},
                                                 {40, "9"}, {50, "10"}, {60, "11"}, {15, "11"}};
  for (auto [delay, remark] : classes) {
    BoardFlight f = Departure();
    f.kind = "到着";
    f.arrivalDelayClass = static_cast<std::int16_t>(delay);
    const auto lines = BoardTimetableLines(f, ReadBoardNumbers(f), true, random);
    EXPECT_EQ(Fields(lines.at(9)).at(8), remark) << delay;
    EXPECT_EQ(Fields(lines.at(10)).at(8), "6") << "invented flights on an arrivals board";
    EXPECT_EQ(Fields(lines.at(11)).at(8), "4");
    EXPECT_EQ(Fields(lines.at(12)).at(8), "4");
  }
}

TEST_F(BoardTest, WithNoAirportToDrawTheDestinationsStayEmptyAndNoDrawIsMade) {
  // Only the route's own airports have board names in the domestic half.
  for (int slot : {7, 12, 40}) airports[static_cast<std::size_t>(slot)].空港名パタパタ.clear();
  Script({0.5, 0.1, 0.0, 0.5, 0.95, 0.99, 0.6, 0.02, 0.3, 0.05, 0.0, 0.125, 0.5, 0.0, 0.3});
  ASSERT_TRUE(ShowDepartureBoard(Services(), Departure(), airports).Shown());
  EXPECT_EQ(random.Pending(), 0u) << "only the invented flights drew";
  const std::string plan = runtime::Cp932ToUtf8(Bytes("vovu030/出発.ppl"));
  const std::string empty = "\"\",\"$FFFFFF\",\"$000000\"\r\n";
  std::string rows;
  for (int i = 0; i < 10; ++i) rows += empty;
  EXPECT_NE(plan.find("[ColumnData06]\r\n" + rows + "\"札幌\""), std::string::npos);
  const std::string timetable = runtime::Cp932ToUtf8(Bytes("vovu030/出発.pdt"));
  EXPECT_NE(timetable.find("\"0\",\"14\",\"2\",\"0\",\"6\",\"0\",\"0\",\"0\",\"2\",\"1\",\"095000\",\"1\"\r\n"),
            std::string::npos);
  EXPECT_NE(timetable.find("\"0\",\"1\",\"2\",\"6\",\"0\",\"3\",\"0\",\"0\",\"3\",\"3\",\"102000\",\"1\"\r\n"),
            std::string::npos);
}

TEST_F(BoardTest, ABoardThatCannotBeShownSaysWhyWritesNothingAndStartsNothing) {
  struct Case {
    const char* what;
    std::function<void(BoardFlight&)> setUp;
    const char* fault;
    bool written;
  };
  const Case cases[] = {
      {"no folder", [&](BoardFlight&) { std::filesystem::remove_all(Base("vovu030")); }, "vovu030 フォルダがありません",
       false},
      {"no program", [&](BoardFlight&) { std::filesystem::remove(Base("vovu030/vovu")); }, "Vovu がありません", false},
      {"program is a folder",
       [&](BoardFlight&) {
         std::filesystem::remove(Base("vovu030/vovu"));
         std::filesystem::create_directories(Base("vovu030/Vovu.exe"));
       },
       "Vovu がありません", false},
      {"airline slot", [](BoardFlight& f) { f.airlineSlot = "ANA"; }, "航空会社番号が正しくありません", false},
      {"airport slot", [](BoardFlight& f) { f.airportSlots[1] = ""; }, "空港番号が正しくありません", false},
      {"airport slot beyond 16 bits", [](BoardFlight& f) { f.airportSlots[0] = "70000"; }, "空港番号が正しくありません",
       false},
      {"program does not start", [&](BoardFlight&) { processes.failStart = true; }, "Vovu を起動できません", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all(Base("vovu030"));
    std::filesystem::create_directories(Base("vovu030"));
    dir.WriteBytes("vovu030/vovu", "#!/bin/sh\n");
    processes.failStart = false;
    BoardFlight f = Departure();
    c.setUp(f);
    const BoardShown shown = ShowDepartureBoard(Services(), f, airports);
    EXPECT_FALSE(shown.Shown());
    EXPECT_EQ(shown.pid, 0);
    EXPECT_EQ(shown.fault, c.fault);
    EXPECT_EQ(Exists("vovu030/出発.pdt"), c.written);
    EXPECT_TRUE(processes.started.empty());
  }
}

TEST_F(BoardTest, TheBoardClosesByItsProcessIdAfterASecondAndOnlyWhileItRuns) {
  const auto wait = [this](float seconds) { pump.RunFor(std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::duration<float>(seconds))); };
  int taskId = 0;
  CloseDepartureBoard(processes, wait, taskId);  // none started
  EXPECT_TRUE(processes.closed.empty());

  taskId = *processes.Start("/x/Vovu", {}, true);
  const auto before = clock.MonotonicNanos();
  CloseDepartureBoard(processes, wait, taskId);
  EXPECT_NEAR(static_cast<double>(clock.MonotonicNanos() - before) / 1e9, 1.0, 0.02);
  EXPECT_EQ(processes.closed, std::vector<int>{1000});
  EXPECT_EQ(taskId, 0);

  // A board the user has closed already: no wait, no close.
  taskId = *processes.Start("/x/Vovu", {}, true);
  processes.started.back().running = false;
  const auto later = clock.MonotonicNanos();
  CloseDepartureBoard(processes, wait, taskId);
  EXPECT_EQ(clock.MonotonicNanos(), later);
  EXPECT_EQ(processes.closed.size(), 1u);
  EXPECT_EQ(taskId, 0);
}

}  // namespace
}  // namespace vx::datafiles::test
