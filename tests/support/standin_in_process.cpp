#include "support/standin_in_process.h"

#include <cstring>
#include <span>
#include <vector>

namespace vx::test {

namespace {
constexpr std::string_view kFrom = "test";
}

InProcessStandin::InProcessStandin(platform::VirtualClock& clock, const standin::SimulatorSettings& settings)
    : simulator(settings), clock_(clock), startNanos_(clock.MonotonicNanos()) {
  simulator.Update(0);
}

void InProcessStandin::Catch() { simulator.Update(static_cast<double>(clock_.MonotonicNanos() - startNanos_) / 1e9); }

std::int16_t InProcessStandin::Client::Start(std::int64_t window, std::int32_t size, std::int32_t) {
  started_ = false;
  if (!owner_.running || window != owner_.windowHandle) return 0;
  started_ = owner_.simulator.StartLink(kFrom, size);
  return started_ ? 1 : 0;
}

bool InProcessStandin::Client::SendRequest() {
  std::vector<platform::SimBatchEntry> batch;
  batch.swap(pending_);
  if (!owner_.running) started_ = false;
  if (!started_) return false;
  ++batches;
  owner_.Catch();
  for (const platform::SimBatchEntry& e : batch) {
    if (owner_.keepEntries) owner_.entries.push_back(e);
    if (e.write) {
      owner_.simulator.Write(kFrom, e.offset, e.size, std::span<const std::uint8_t>(e.data, e.size > 0 ? e.size : 0));
    } else {
      std::uint8_t bytes[4] = {};
      if (owner_.simulator.Read(kFrom, e.offset, e.size, bytes) == platform::SimEntryStatus::Ok && e.size > 0) {
        std::memcpy(e.destination, bytes, static_cast<std::size_t>(e.size));
      }
    }
  }
  owner_.simulator.NoteViewChange();
  return true;
}

bool InProcessStandin::Client::Linked() {
  if (!owner_.running) started_ = false;
  return started_;
}

std::int64_t InProcessStandin::Finder::FindTopLevelWindow(std::string_view className) {
  return owner_.running && className == owner_.simulator.WindowClass() ? owner_.windowHandle : 0;
}

void InProcessStandin::Keys::KeyDown(int virtualKey) {
  owner_.Catch();
  owner_.simulator.Key(kFrom, virtualKey, true);
}

void InProcessStandin::Keys::KeyUp(int virtualKey) {
  owner_.Catch();
  owner_.simulator.Key(kFrom, virtualKey, false);
}

bool InProcessStandin::Focus::SimulatorInFront(std::int64_t simWindow) {
  return owner_.running && simWindow == owner_.windowHandle && owner_.simulator.InFront();
}

void InProcessStandin::Focus::BringSimulatorToFront(std::int64_t simWindow) {
  if (!owner_.running || simWindow != owner_.windowHandle) return;
  owner_.Catch();
  owner_.simulator.SetInFront(kFrom, true);
}

}  // namespace vx::test
