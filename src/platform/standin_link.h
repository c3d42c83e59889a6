#pragma once
// The simulator client over the link to fs-standin: the stand-in registers its window class
// as a Unix-domain socket "<folder>/<prefix><class>.sock"; the finder asks it for its window
// handle, the client connects to the socket of that window and exchanges one message per
// batch (platform/sim_wire.h).
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/key_injector.h"
#include "platform/sim_focus.h"
#include "platform/sim_ipc_client.h"

namespace vx::platform {

// $XDG_RUNTIME_DIR/vexlor-sim, or /tmp/vexlor-sim-<uid> without it. Whoever registers or
// looks for a simulator there checks the folder first (platform/private_folder.h); the
// programs' single-copy locks live there too (platform/instance_lock.h).
std::filesystem::path DefaultStandinFolder();
std::filesystem::path StandinSocketPath(const std::filesystem::path& folder, std::string_view prefix,
                                        std::string_view className);

// Whether this process may run on more than one processor. Waiting for a reply by polling
// only pays when the other side runs on another processor at the same time.
bool SpinningHelps();

// One connection to a stand-in: a request and its reply, within a timeout.
class StandinConnection {
 public:
  StandinConnection() = default;
  ~StandinConnection() { Close(); }
  StandinConnection(const StandinConnection&) = delete;
  StandinConnection& operator=(const StandinConnection&) = delete;

  bool Connect(const std::filesystem::path& socketPath, int timeoutMs);
  void Close();
  bool Connected() const { return fd_ >= 0; }
  // Whether the stand-in has closed its end (it has ended); the connection is then
  // dropped. Waits for nothing and reads no message.
  bool PeerClosed();
  // The sequence number for the next request (requests carry it after their type byte).
  std::uint32_t NextSeq() { return ++seq_; }
  // Sends the request and waits for the reply carrying the same type and sequence number;
  // late replies of earlier requests are dropped. A closed peer or a broken message drops
  // the connection; a timeout keeps it. False when no reply came.
  bool Transact(const std::vector<std::uint8_t>& request, std::vector<std::uint8_t>& reply, int timeoutMs);
  // Microseconds to poll for the reply before sleeping in the kernel; 0 sleeps at once.
  // By default 60 when spinning helps, else 0.
  void SetSpinMicros(int micros) { spinMicros_ = micros; }

 private:
  int fd_ = -1;
  std::uint32_t seq_ = 0;
  int spinMicros_ = SpinningHelps() ? 60 : 0;
};

class StandinWindowFinder final : public SimWindowFinder {
 public:
  StandinWindowFinder(std::filesystem::path folder, std::string prefix)
      : folder_(std::move(folder)), prefix_(std::move(prefix)) {}
  // The stand-in's process id serves as the window handle.
  std::int64_t FindTopLevelWindow(std::string_view className) override;
  // The socket of a window this finder has found; empty when unknown.
  std::filesystem::path SocketOf(std::int64_t window) const;
  // Why the last look-up did not use the folder (not the user's own, or open to others;
  // said once on standard error); empty when it did.
  const std::string& FolderProblem() const { return problem_; }

 private:
  std::filesystem::path folder_;
  std::string prefix_;
  std::string problem_;
  std::map<std::int64_t, std::filesystem::path> found_;
};

class StandinSimIpcClient final : public SimIpcClient {
 public:
  explicit StandinSimIpcClient(const StandinWindowFinder& finder) : finder_(finder) {}

  std::int16_t Start(std::int64_t window, std::int32_t size, std::int32_t timeoutMs) override;
  void Stop() override;
  bool SendRequest() override;
  // Up from a successful Start until Stop, a later Start, or the stand-in's end.
  bool Linked() override { return link_.Connected() && !link_.PeerClosed(); }

  // A key press or release sent to the simulator over the link.
  bool SendKey(int virtualKey, bool down);
  // A Focus message (simwire::kFocusAsk, kFocusToFront, kFocusToBack); whether the
  // simulator's window is in front afterwards. False without a link.
  bool SendFocus(std::uint8_t what);
  bool Connected() const { return link_.Connected(); }
  // The window whose simulator the link was started for; 0 while it is down.
  std::int64_t Window() const { return link_.Connected() ? window_ : 0; }
  StandinConnection& Link() { return link_; }

 private:
  const StandinWindowFinder& finder_;
  StandinConnection link_;
  int timeoutMs_ = 2000;
  std::int64_t window_ = 0;
  std::vector<std::uint8_t> request_;
  std::vector<std::uint8_t> reply_;
};

// Key injection into the simulator through the stand-in link.
class StandinKeyInjector final : public KeyInjector {
 public:
  explicit StandinKeyInjector(StandinSimIpcClient& client) : client_(client) {}
  void KeyDown(int virtualKey) override { client_.SendKey(virtualKey, true); }
  void KeyUp(int virtualKey) override { client_.SendKey(virtualKey, false); }

 private:
  StandinSimIpcClient& client_;
};

// Foreground questions answered by the stand-in: its window is in front while its focus
// flag is on. Other windows are never in front.
class StandinSimFocus final : public SimFocus {
 public:
  explicit StandinSimFocus(StandinSimIpcClient& client) : client_(client) {}
  bool SimulatorInFront(std::int64_t simWindow) override;
  void BringSimulatorToFront(std::int64_t simWindow) override;

 private:
  StandinSimIpcClient& client_;
};

}  // namespace vx::platform
