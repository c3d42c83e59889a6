#pragma once
// A call-out program for tests: virtual time, the simulator's area in this process, a
// base folder of its own, scripted message boxes, a recording sound device and display.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "callout/exp_display.h"
#include "platform/paths.h"
#include "platform/recording_sound_device.h"
#include "platform/sim_ipc_client.h"
#include "platform/virtual_time.h"
#include "state/exp_context.h"
#include "support/temp_dir.h"
#include "ui/message_box.h"

namespace vx::test {

class RecordingExpDisplay final : public callout::ExpDisplay {
 public:
  void SetText(callout::ExpBox box, std::string_view text) override { texts[box] = std::string(text); }
  std::string Text(callout::ExpBox box) const override {
    auto it = texts.find(box);
    return it == texts.end() ? std::string() : it->second;
  }
  std::map<callout::ExpBox, std::string> texts;
};

struct ExpProgram {
  TempDir base;
  platform::VirtualClock clock{{2026, 12, 10, 9, 30, 0, 0}};
  platform::TimerScheduler timers{clock};
  platform::VirtualEventPump pump{clock, timers};
  platform::Paths paths{base.Path()};
  platform::SimVariableArea area;
  platform::InProcessSimIpcClient client{area};
  platform::InProcessSimWindowFinder finder;
  platform::RecordingSoundDevice sound{clock};
  ui::ScriptedMessageBoxes boxes;
  RecordingExpDisplay display;
  state::ExpContext exp;

  ExpProgram() {
    exp.svc.clock = &clock;
    exp.svc.pump = &pump;
    exp.svc.timers = &timers;
    exp.svc.paths = &paths;
    exp.svc.sim = &client;
    exp.svc.simWindows = &finder;
    exp.svc.sound = &sound;
    exp.svc.sharedMemoryPrefix = UniqueName("exp");
    exp.boxes = &boxes;
    exp.display = &display;
    exp.frame.BaseFolder = base.Str();
    boxes.programName = "VexlorEXP";
    boxes.onUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
  }
  std::string Text(callout::ExpBox box) const { return display.Text(box); }
};

}  // namespace vx::test
