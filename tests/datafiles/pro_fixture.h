#pragma once
// A fresh main program for one test: its base folder in a temporary folder, virtual time,
// scripted message boxes; and the golden files of the hand-over files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/paths.h"
#include "platform/virtual_time.h"
#include "runtime/cp932.h"
#include "runtime/runtime_error.h"
#include "state/pro_context.h"
#include "support/temp_dir.h"
#include "ui/message_box.h"

namespace vx::datafiles::test {

class ProFixture : public ::testing::Test {
 protected:
  ProFixture() {
    ctx.svc.clock = &clock;
    ctx.svc.pump = &pump;
    ctx.svc.timers = &timers;
    ctx.svc.paths = &paths;
    ctx.boxes = &boxes;
    boxes.onUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
  }

  std::filesystem::path Base(const std::string& name) const { return dir.Path() / name; }
  // The bytes of a file in the base folder ("" when missing).
  std::string Bytes(const std::string& name) const { return dir.ReadBytes(name); }
  bool Exists(const std::string& name) const { return std::filesystem::exists(Base(name)); }

  vx::test::TempDir dir;
  platform::Paths paths{dir.Path()};
  platform::VirtualClock clock;
  platform::TimerScheduler timers{clock};
  platform::VirtualEventPump pump{clock, timers};
  ui::ScriptedMessageBoxes boxes;
  state::ProContext ctx;
};

// The airport and airline tables' files, written in CP932 into the base folder.
class TablesFixture : public ProFixture {
 protected:
  static constexpr std::string_view kAirportHeader =
      "No,音声,チャイム,ICAO,選択ボタン,空港名パタパタ,空港名詳細,緯度,経度,高度,DEF時差,修正時差\r\n";
  static constexpr std::string_view kAirlineHeader = "No,音声,選択ボタン,会社名詳細,安全放送\r\n";

  void WriteCsv(std::string_view file, std::string_view text) { dir.WriteBytes(std::string(file), runtime::Utf8ToCp932(text)); }
  // Runs `fn` and returns the runtime error number it raised (0 for none).
  template <class Fn>
  static int ErrorOf(Fn fn) {
    try {
      fn();
    } catch (const runtime::RuntimeError& e) {
      return e.Number();
    }
    return 0;
  }
};

// A golden file (stored as UTF-8 with LF line ends) as the CP932 bytes with CR LF that
// the programs write.
std::string GoldenBytes(const std::string& name);
// The golden file's UTF-8 text as stored.
std::string GoldenText(const std::string& name);

}  // namespace vx::datafiles::test
