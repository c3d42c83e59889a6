#pragma once
// A main program for the tests of the main window and the key control: virtual time and
// scripted boxes of a ui test, recording sound and music, a temporary `BaseFolder`, the
// shared-memory channels under a name of this test, recorded processes, and the key hook
// as a scripted source wired to the key handler.
#include <gtest/gtest.h>

#include "mainwindow/command_keys.h"
#include "platform/key_hook.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/random.h"
#include "platform/recording_music.h"
#include "platform/recording_sound_device.h"
#include "platform/shared_memory.h"
#include "simlink/channels.h"
#include "simlink/main_channels.h"
#include "state/pro_context.h"
#include "support/sound_program.h"
#include "support/temp_dir.h"
#include "ui/ui_test_env.h"

namespace vx::mainwindow::test {

// Removes what the channels of a test leave in the system.
inline void RemoveChannels(const std::string& prefix) {
  for (const char* name : {simlink::kEyeChannelName, simlink::kVolChannelName, simlink::kStabChannelName,
                           simlink::kDataChannelName})
    platform::SharedMemory::Remove(prefix, name);
}

struct ProProgram {
  ui::test::UiTestEnv ui;
  vx::test::TempDir dir;
  platform::Paths paths{dir.Path()};
  platform::ScriptedRandom random;
  platform::RecordingSoundDevice sound{ui.clock};
  platform::RecordingMusicDevice music{ui.clock};
  platform::RecordingMp3Player mp3{ui.clock};
  platform::RecordingProcessLauncher processes;
  platform::RecordingKeyHook hook;
  vx::test::RecordingFlightWindow flightWindow{ui.clock};
  state::ProContext pro;

  ProProgram() {
    pro.svc.clock = &ui.clock;
    pro.svc.pump = &ui.pump;
    pro.svc.timers = &ui.timers;
    pro.svc.random = &random;
    pro.svc.paths = &paths;
    pro.svc.processes = &processes;
    pro.svc.sound = &sound;
    pro.svc.music = &music;
    pro.svc.mp3 = &mp3;
    pro.svc.keyHook = &hook;
    pro.svc.sharedMemoryPrefix = vx::test::UniqueName("vxkeys") + "_";
    pro.boxes = &ui.boxes;
    pro.ui = &ui.env;
    pro.engine.flightWindow = &flightWindow;
    sound.Init();
    music.Init();
    mp3.Init();
    hook.SetHandler([this](const platform::KeyEvent& e) { return HandleDesktopKey(pro, e); });
    hook.Enable();
  }
  ~ProProgram() {
    simlink::CloseMainChannels(pro);
    RemoveChannels(pro.svc.sharedMemoryPrefix);
  }

  // Keys as the user types them, `gapMs` apart.
  void TypeKeys(std::initializer_list<int> keys, int gapMs = 300) {
    for (int k : keys) {
      ui.clock.Advance(std::chrono::milliseconds(gapMs));
      hook.Type(k);
    }
  }
  std::string FlightText(announce::FlightBox box) const { return flightWindow.Text(box); }
};

// A channel as the other programs open it.
inline std::int32_t ReadEyeChannel(const std::string& prefix) {
  state::Channel channel;
  simlink::OpenEyeChannel(prefix, channel);
  std::int32_t value = -1;
  simlink::ReadLongFromChannel(value, channel);
  return value;
}

inline state::VolChannelRecord ReadVolChannel(const std::string& prefix) {
  state::Channel channel;
  simlink::OpenVolChannel(prefix, channel);
  state::VolChannelRecord record;
  simlink::ReadVolChannel(record, channel);
  return record;
}

}  // namespace vx::mainwindow::test
