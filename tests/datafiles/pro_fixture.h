#pragma once
// A fresh main program for one test: its base folder in a temporary folder, virtual time,
// scripted message boxes; and the golden files of the hand-over files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/paths.h"
#include "platform/virtual_time.h"
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

// A golden file (stored as UTF-8 with LF line ends) as the CP932 bytes with CR LF that
// the programs write.
std::string GoldenBytes(const std::string& name);
// The golden file's UTF-8 text as stored.
std::string GoldenText(const std::string& name);

}  // namespace vx::datafiles::test
