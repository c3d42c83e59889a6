#pragma once
// A main program whose base folder holds the board program, with scripted draws, a
// recording process launcher, a fixed wall clock, named airports, and the board's golden
// files.
#include <gtest/gtest.h>

#include "support/same_text.h"

#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>

#include "datafiles/departure_board.h"
#include "datafiles/pro_fixture.h"
#include "platform/process.h"
#include "platform/random.h"
#include "runtime/cp932.h"

namespace vx::datafiles::test {

class BoardTest : public ProFixture {
 protected:
  BoardTest() {
    ctx.svc.random = &random;
    ctx.svc.processes = &processes;
    clock.SetWallClock({2004, 7, 1, 14, 30, 12, 0});
    std::filesystem::create_directories(Base("vovu030"));
    dir.WriteBytes("vovu030/vovu", "#!/bin/sh\n");  // the program, in another letter case
    for (auto [slot, name] : std::initializer_list<std::pair<int, const char*>>{
             {1, "東京"}, {5, "札幌"}, {7, "大阪"}, {12, "福岡"}, {40, "那覇"},
             {101, "ロンドン"}, {120, "ソウル"}, {150, "パリ"}})
      airports[static_cast<std::size_t>(slot)].空港名パタパタ = name;
  }

  BoardServices Services() { return {paths, clock, pump, random, processes}; }

  void Script(std::initializer_list<double> values) {
    for (double v : values) random.Push(v);
  }

  // The golden file with BaseFolder put in, as the CP932 bytes with CR LF.
  std::string Golden(const std::string& name) const {
    std::string text = GoldenText("board/" + name);
    const std::string mark = "<BaseFolder>";
    if (auto at = text.find(mark); at != std::string::npos) text.replace(at, mark.size(), paths.BaseText());
    std::string crlf;
    for (char c : text) {
      if (c == '\n') crlf += '\r';
      crlf += c;
    }
    return runtime::Utf8ToCp932(crlf);
  }

  void ExpectGolden(const std::string& name) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(vx::test::SameFileBytes(Bytes("vovu030/" + name), Golden(name)));
  }

  // A domestic departure: airline slot 3, flight 1205 at 9:35 from gate 12, slot 1 to 5.
  static BoardFlight Departure() {
    BoardFlight f;
    f.kind = "出発";
    f.gate = 12;
    f.airlineSlot = "3";
    f.flightNumber = "1205";
    f.hour = 9;
    f.minute = 35;
    f.airportSlots = {"1", "5"};
    f.destinationName = "札幌";
    f.originName = "東京";
    return f;
  }

  platform::ScriptedRandom random;
  platform::RecordingProcessLauncher processes;
  state::AirportTableArray airports;
};

}  // namespace vx::datafiles::test
