#pragma once
// The stand-in's simulator inside the test process: a simulator IPC client, a window
// finder, a key injector and the foreground question over one standin::Simulator, whose clock and flight script run
// on the test's virtual clock (each batch and each key first brings the simulator to the
// clock's present).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/key_injector.h"
#include "platform/sim_focus.h"
#include "platform/sim_ipc_client.h"
#include "platform/virtual_time.h"
#include "simulator.h"

namespace vx::test {

class InProcessStandin {
 public:
  InProcessStandin(platform::VirtualClock& clock, const standin::SimulatorSettings& settings = {});

  // Runs the simulator on to the clock's present.
  void Catch();

  standin::Simulator simulator;

  // The client of the programs' link: batches go to the simulator in order, entry by entry.
  class Client final : public platform::SimIpcClient {
   public:
    explicit Client(InProcessStandin& owner) : owner_(owner) {}
    std::int16_t Start(std::int64_t window, std::int32_t size, std::int32_t timeoutMs) override;
    void Stop() override { started_ = false; }
    // Batches of a simulator that is not running fail, and its link stays down until the
    // next Start (a simulator started again is another process).
    bool SendRequest() override;
    bool Linked() override;
    int batches = 0;

   private:
    InProcessStandin& owner_;
    bool started_ = false;
  };

  class Finder final : public platform::SimWindowFinder {
   public:
    explicit Finder(InProcessStandin& owner) : owner_(owner) {}
    std::int64_t FindTopLevelWindow(std::string_view className) override;

   private:
    InProcessStandin& owner_;
  };

  class Keys final : public platform::KeyInjector {
   public:
    explicit Keys(InProcessStandin& owner) : owner_(owner) {}
    void KeyDown(int virtualKey) override;
    void KeyUp(int virtualKey) override;

   private:
    InProcessStandin& owner_;
  };

  // The simulator's window is in front while the simulator's focus flag is on.
  class Focus final : public platform::SimFocus {
   public:
    explicit Focus(InProcessStandin& owner) : owner_(owner) {}
    bool SimulatorInFront(std::int64_t simWindow) override;
    void BringSimulatorToFront(std::int64_t simWindow) override;

   private:
    InProcessStandin& owner_;
  };

  Client client{*this};
  Finder windows{*this};
  Keys keys{*this};
  Focus focus{*this};
  // The simulator's window handle as the finder gives it; false: no simulator running.
  std::int64_t windowHandle = 4242;
  bool running = true;
  // With keepEntries, every entry of every batch the simulator received, in order.
  bool keepEntries = false;
  std::vector<platform::SimBatchEntry> entries;

 private:
  platform::VirtualClock& clock_;
  std::int64_t startNanos_;
};

}  // namespace vx::test
