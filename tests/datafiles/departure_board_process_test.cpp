// The board program started for real: the stand-in board program in the "\vovu030\"
// folder as "Vovu" records how it was started and the files it found, and ends when the
// board is closed by its process id.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "datafiles/departure_board.h"
#include "datafiles/pro_fixture.h"
#include "platform/process.h"
#include "platform/random.h"

namespace vx::datafiles::test {
namespace {

using namespace std::chrono_literals;

class BoardProcessTest : public ProFixture {
 protected:
  BoardProcessTest() {
    std::filesystem::create_directories(Base("vovu030"));
    std::filesystem::copy_file(VX_VOVU_STANDIN, Base("vovu030/Vovu"));
  }

  std::string Log() const {
    std::ifstream in(Base("vovu030/vovu-standin.log"), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }

  // Real time: the other process runs on its own.
  bool LogShows(const std::string& what) const {
    for (int i = 0; i < 500; ++i) {
      if (Log().find(what) != std::string::npos) return true;
      std::this_thread::sleep_for(10ms);
    }
    return false;
  }

  platform::ScriptedRandom random;
  platform::PosixProcessLauncher processes;
};

TEST_F(BoardProcessTest, TheBoardProgramFindsItsThreeFilesAndEndsWhenClosedByItsId) {
  state::AirportTableArray airports;
  airports[1].空港名パタパタ = "東京";
  airports[5].空港名パタパタ = "札幌";
  airports[7].空港名パタパタ = "大阪";
  BoardFlight flight;
  flight.gate = 12;
  flight.airlineSlot = "3";
  flight.flightNumber = "1205";
  flight.hour = 9;
  flight.minute = 35;
  flight.airportSlots = {"1", "5"};
  flight.destinationName = "札幌";

  const BoardShown shown = ShowDepartureBoard({paths, clock, pump, random, processes}, flight, airports);
  ASSERT_TRUE(shown.Shown()) << shown.fault;
  ASSERT_TRUE(LogShows("showing"));
  const std::string log = Log();
  EXPECT_NE(log.find("started pid=" + std::to_string(shown.pid) + " args=1\n"), std::string::npos) << log;
  EXPECT_NE(log.find("arg 1 " + Base("vovu030/出発.pdt").string() + "\n"), std::string::npos) << log;
  EXPECT_NE(log.find("file Vovu.ini bytes=" + std::to_string(std::filesystem::file_size(Base("vovu030/Vovu.ini"))) +
                     " lines=35\n"),
            std::string::npos)
      << log;
  EXPECT_NE(log.find("file 出発.ppl bytes="), std::string::npos) << log;
  EXPECT_NE(log.find("file 出発.pdt bytes="), std::string::npos) << log;
  EXPECT_NE(log.find("  | \"0\",\"7\",\"1\",\"2\",\"0\",\"5\",\"10\",\"0\",\"1\",\"10\",\"093500\",\"1\"\n"),
            std::string::npos)
      << log;
  EXPECT_TRUE(processes.IsRunning(shown.pid));

  int taskId = shown.pid;
  CloseDepartureBoard(processes, [this](float seconds) { pump.Idle(std::chrono::milliseconds(static_cast<int>(seconds * 1000))); }, taskId);
  EXPECT_EQ(taskId, 0);
  EXPECT_FALSE(processes.IsRunning(shown.pid));
  EXPECT_TRUE(LogShows("closed signal=15\n"));
}

}  // namespace
}  // namespace vx::datafiles::test
