#pragma once
// The simulator's inter-process client: batched reads and writes of the simulator's
// variable area by (offset, size), and the look-up of the simulator's main window.
//
// A batch is collected with BeginRequest, ReadStateData and WriteStateData and performed
// by SendRequest, entries applied in queue order. When SendRequest returns, every read
// destination of the batch holds the simulator's bytes. A write's source bytes are taken
// when it is queued. A dead or missing simulator makes SendRequest return false within
// the start's timeout and leaves every destination unchanged; entries the simulator
// rejects (outside the area, a size other than 0, 1, 2, 4) leave their destination
// unchanged.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sim_variable_area.h"

namespace vx::platform {

// The entries of one batch as a client collects them.
struct SimBatchEntry {
  bool write = false;
  std::int32_t offset = 0;
  std::int32_t size = 0;
  void* destination = nullptr;    // reads
  std::uint8_t data[4] = {};      // writes: the source bytes (sizes 0 to 4)
};

class SimIpcClient {
 public:
  virtual ~SimIpcClient() = default;
  // Opens the link to the simulator owning `window`; 0 = failed, anything else = up.
  virtual std::int16_t Start(std::int64_t window, std::int32_t size, std::int32_t timeoutMs) = 0;
  virtual void Stop() = 0;
  // Collecting a batch is the same for every client.
  void BeginRequest() { pending_.clear(); }
  void ReadStateData(std::int32_t offset, std::int32_t size, void* destination);
  void WriteStateData(std::int32_t offset, std::int32_t size, const void* source);
  // True when the simulator performed the batch.
  virtual bool SendRequest() = 0;
  // Whether the link started last is still up: false before a Start and after Stop, and
  // from the moment the simulator is seen gone (without a request too, where the link can
  // tell) until a later Start succeeds. Sends nothing to the simulator.
  virtual bool Linked() = 0;

 protected:
  std::vector<SimBatchEntry> pending_;
};

// Finds a top-level window by its class name ("FS98MAIN", "FS6MAIN"); 0 when none exists.
class SimWindowFinder {
 public:
  virtual ~SimWindowFinder() = default;
  virtual std::int64_t FindTopLevelWindow(std::string_view className) = 0;
};

// Applies a batch to an area in order; returns whether every entry was accepted.
// Rejected entries change nothing.
bool ApplySimBatch(SimVariableArea& area, const std::vector<SimBatchEntry>& entries);

// Test double: the simulator's area in this process.
class InProcessSimIpcClient final : public SimIpcClient {
 public:
  struct Write {
    std::int32_t offset;
    std::int32_t size;
    std::int64_t value;  // little-endian, sign-extended for sizes 2 and 4
    bool operator==(const Write&) const = default;
  };

  explicit InProcessSimIpcClient(SimVariableArea& area) : area_(area) {}

  std::int16_t Start(std::int64_t window, std::int32_t size, std::int32_t timeoutMs) override;
  void Stop() override { started_ = false; ++stops; }
  bool SendRequest() override;
  // A simulator that has gone away (`dead`) is not linked; it is again when it comes back.
  bool Linked() override { return started_ && !dead; }

  SimVariableArea& Area() { return area_; }
  bool Started() const { return started_; }

  // Failure paths: refuse Start; behave as a simulator that has gone away (no batch and no
  // Start succeeds).
  bool refuseStart = false;
  bool dead = false;
  // Called inside SendRequest before the batch is applied (a test can check what holds then).
  std::function<void()> onSend;

  std::vector<Write> writes;          // every accepted write, in order
  std::vector<std::vector<SimBatchEntry>> sentBatches;  // every performed batch's entries
  std::vector<std::int64_t> startedWindows;
  int batches = 0;
  int stops = 0;

 private:
  SimVariableArea& area_;
  bool started_ = false;
};

// Test double: windows by class name.
class InProcessSimWindowFinder final : public SimWindowFinder {
 public:
  std::int64_t FindTopLevelWindow(std::string_view className) override {
    lookups.emplace_back(className);
    auto it = windows.find(std::string(className));
    return it == windows.end() ? 0 : it->second;
  }
  std::map<std::string, std::int64_t> windows;
  std::vector<std::string> lookups;
};

}  // namespace vx::platform
