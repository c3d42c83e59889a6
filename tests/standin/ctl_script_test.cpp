// `fs-standin ctl script` against a running stand-in: a file that cannot be a flight script
// (larger than one message carries, a folder, an endless device, an empty file) is refused
// with its reason and the running flight goes on; a script of the largest size loads.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "flight_script.h"
#include "support/standin_process.h"
#include "support/temp_dir.h"

namespace vx::standin {
namespace {

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
  const struct Case {
    std::string file;
    std::string message;
  } cases[] = {
      {tooLarge, tooLarge + ": too large for a flight script (at most 122880 bytes)"},
      {beyondAMessage, beyondAMessage + ": too large for a flight script (at most 122880 bytes)"},
      {dir.Str(), dir.Str() + ": a folder, not a flight script"},
      {"/dev/zero", "/dev/zero: too large for a flight script (at most 122880 bytes)"},
      {empty, empty + ": no keyframes: a script needs at least one \"at TIME\" line"},
  };
  for (const Case& c : cases) {
    const test::CommandResult r = standin.Ctl({"script", c.file});
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

}  // namespace
}  // namespace vx::standin
