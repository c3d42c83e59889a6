// `fs-standin ctl script` against a running stand-in: a file that cannot be a flight script
// (larger than one message carries, a folder, a named pipe, a device, an empty file) is
// refused with its reason and the running flight goes on; a script of the largest size
// loads. `--script` refuses a named pipe at start.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <sstream>
#include <string>

#include "flight_script.h"
#include "support/standin_process.h"
#include "support/temp_dir.h"

namespace vx::standin {
namespace {

using namespace std::chrono_literals;

// Long past any answer: a command still running then waits for something that never comes.
constexpr auto kLimit = 5000ms;

constexpr const char* kFlight = "at 0 lat=35.5 lon=139.7 hdg=337 gs=0\nat 60 gs=15\n";

// A script of `size` bytes: two keyframes and a comment that fills it up.
std::string ScriptOfSize(std::size_t size) {
  std::string text = "at 0 gs=1\nat 10 gs=2\n#";
  text.append(size - text.size() - 1, 'x');
  return text + "\n";
}

// How many scripts the stand-in has taken, by its log.
int ScriptsTaken(const test::StandinProcess& standin) {
  std::istringstream log(standin.Ctl({"log"}).out);
  int n = 0;
  for (std::string line; std::getline(log, line);) {
    n += line.find("\"kind\":\"script\"") != std::string::npos && line.find("\"keyframes\":") != std::string::npos;
  }
  return n;
}

TEST(CtlScriptTest, WhatCannotBeAFlightScriptIsRefusedAndTheFlightGoesOn) {
  test::TempDir dir;
  test::StandinProcess standin;
  ASSERT_EQ(standin.Ctl({"script", dir.WriteBytes("gate.txt", kFlight).string()}).exitCode, 0);
  ASSERT_EQ(ScriptsTaken(standin), 1);
  const std::string tooLarge = dir.WriteBytes("long.txt", ScriptOfSize(kMaxScriptBytes + 1)).string();
  const std::string beyondAMessage = dir.WriteBytes("longer.txt", ScriptOfSize(200 * 1024)).string();
  const std::string empty = dir.WriteBytes("empty.txt", "# nothing yet\n").string();
  const std::string pipe = dir.Str() + "/stage.fifo";  // no one ever writes to it
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const struct Case {
    std::string file;
    std::string message;
  } cases[] = {
      {tooLarge, tooLarge + ": too large for a flight script (at most 122880 bytes)"},
      {beyondAMessage, beyondAMessage + ": too large for a flight script (at most 122880 bytes)"},
      {dir.Str(), dir.Str() + ": a folder, not a flight script"},
      {pipe, pipe + ": a named pipe, not a flight script"},
      {"/dev/zero", "/dev/zero: a device, not a flight script"},
      {empty, empty + ": no keyframes: a script needs at least one \"at TIME\" line"},
  };
  for (const Case& c : cases) {
    const test::CommandResult r = standin.Ctl({"script", c.file}, kLimit);
    EXPECT_FALSE(r.timedOut) << c.file;
    EXPECT_EQ(r.exitCode, 1) << c.file;
    EXPECT_EQ(r.err, "fs-standin ctl: " + c.message + "\n");
    EXPECT_EQ(r.out, "");
  }
  EXPECT_EQ(ScriptsTaken(standin), 1) << "the running flight was replaced";

  const std::string largest = dir.WriteBytes("largest.txt", ScriptOfSize(kMaxScriptBytes)).string();
  const test::CommandResult r = standin.Ctl({"script", largest});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, largest + ": 2 keyframes, 10.000000 s\n");
  EXPECT_EQ(ScriptsTaken(standin), 2);
}

TEST(CtlScriptTest, AStandInStartedWithANamedPipeAsItsScriptEndsWithTheReason) {
  test::TempDir dir;
  const std::string pipe = dir.Str() + "/flight.fifo";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const test::CommandResult r = test::RunCommand(
      test::StandinBinary(), {"--folder", dir.Str() + "/sim", "--prefix", "p_", "--script", pipe}, kLimit);
  EXPECT_FALSE(r.timedOut);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, "fs-standin: " + pipe + ": a named pipe, not a flight script\n");
}

}  // namespace
}  // namespace vx::standin
