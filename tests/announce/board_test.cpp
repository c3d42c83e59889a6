// The groups' own flight on the board and the arrival's delay class: the board of the
// flight from the briefing and the route, its program's id kept and closed, and the class
// from the GMT times of the scheduled and actual arrival.
#include <gtest/gtest.h>

#include <cstdint>

#include "announce/arrival_delay.h"
#include "announce/board.h"
#include "datafiles/board_fixture.h"
#include "runtime/cp932.h"

namespace vx::announce::test {
using namespace datafiles;
using namespace datafiles::test;
namespace {

TEST(ArrivalDelayTest, TakesTheGmtTimesOfTheScheduledAndActualArrival) {
  state::ProContext ctx;
  auto& events = ctx.briefing.BriefingTimes.events;
  events[1] = {20, 0, 23, 50};  // local times are not used
  events[3] = {9, 5, 0, 5};
  ClassifyArrivalDelay(ctx);
  EXPECT_EQ(ctx.files.ArrivalDelayClass, 10);
}

TEST_F(BoardTest, TheMainProgramsBoardCopiesTheOtherAirportsNameAndKeepsTheProgramsId) {
  auto& tob = ctx.briefing.TobBriefing;
  tob.DepartureGate = 12;
  tob.FlightNumber = "1205";
  ctx.main.ArrivalGate = 3;
  ctx.briefing.SelectedAirlineIndex = "3";
  ctx.briefing.BriefingTimes.events[0] = {9, 35, 0, 35};
  ctx.briefing.BriefingTimes.events[1] = {11, 5, 2, 5};
  ctx.files.RouteAirports[0].slot = "1";
  ctx.files.RouteAirports[1].slot = "5";
  ctx.files.AirportTable = airports;
  ctx.files.ArrivalDelayClass = 10;

  BoardShown shown = ShowFlightBoard(ctx, "出発");
  ASSERT_TRUE(shown.Shown()) << shown.fault;
  EXPECT_EQ(ctx.files.BoardDestinationName, "札幌");
  EXPECT_EQ(ctx.files.BoardTaskId, shown.pid);
  const std::string departures = runtime::Cp932ToUtf8(Bytes("vovu030/出発.pdt"));
  EXPECT_NE(departures.find("\"0\",\"7\",\"1\",\"2\",\"0\",\"5\",\"10\",\"0\",\"1\",\"10\",\"093500\",\"1\""),
            std::string::npos);

  // An arrivals board while the first still runs: the first is closed, the origin named.
  shown = ShowFlightBoard(ctx, "到着");
  ASSERT_TRUE(shown.Shown());
  EXPECT_EQ(processes.closed, std::vector<int>{1000});
  EXPECT_EQ(ctx.files.BoardOriginName, "東京");
  EXPECT_EQ(ctx.files.BoardTaskId, 1001);
  const std::string arrivals = runtime::Cp932ToUtf8(Bytes("vovu030/到着.pdt"));
  EXPECT_NE(arrivals.find("\"0\",\"7\",\"1\",\"2\",\"0\",\"5\",\"10\",\"0\",\"6\",\"10\",\"110500\",\"1\""),
            std::string::npos);
  EXPECT_NE(runtime::Cp932ToUtf8(Bytes("vovu030/到着.ppl")).find("\"東京\",\"$FFFFFF\",\"$000000\"\r\n\r\n[ColumnDefine07]"),
            std::string::npos);

  // The main program's wait of a second, on virtual time, before the board closes.
  const std::int64_t before = clock.MonotonicNanos();
  CloseDepartureBoard(ctx);
  EXPECT_NEAR(static_cast<double>(clock.MonotonicNanos() - before), 1e9, 0.1e9);
  EXPECT_EQ(processes.closed, (std::vector<int>{1000, 1001}));
  EXPECT_EQ(ctx.files.BoardTaskId, 0);

  // The pickers' "no slot" 999 has no board name: no board, nothing started.
  ctx.files.RouteAirports[1].slot = "999";
  shown = ShowFlightBoard(ctx, "出発");
  EXPECT_EQ(shown.fault, "空港番号が正しくありません");
  EXPECT_EQ(processes.started.size(), 2u);
  EXPECT_EQ(ctx.files.BoardTaskId, 0);
}

}  // namespace
}  // namespace vx::announce::test
