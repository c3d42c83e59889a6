#include "platform/sim_ipc_client.h"

#include <cstring>

namespace vx::platform {

bool ApplySimBatch(SimVariableArea& area, const std::vector<SimBatchEntry>& entries) {
  bool all = true;
  for (const SimBatchEntry& e : entries) {
    if (CheckSimEntry(e.offset, e.size) != SimEntryStatus::Ok) {
      all = false;
      continue;
    }
    if (e.write) {
      area.Write(e.offset, e.size, e.data);
    } else {
      area.Read(e.offset, e.size, e.destination);
    }
  }
  return all;
}

std::int16_t InProcessSimIpcClient::Start(std::int64_t window, std::int32_t, std::int32_t) {
  startedWindows.push_back(window);
  if (refuseStart || dead || window == 0) return 0;
  started_ = true;
  return 1;
}

void SimIpcClient::ReadStateData(std::int32_t offset, std::int32_t size, void* destination) {
  SimBatchEntry e;
  e.offset = offset;
  e.size = size;
  e.destination = destination;
  pending_.push_back(e);
}

void SimIpcClient::WriteStateData(std::int32_t offset, std::int32_t size, const void* source) {
  SimBatchEntry e;
  e.write = true;
  e.offset = offset;
  e.size = size;
  if (size > 0 && size <= 4) std::memcpy(e.data, source, static_cast<std::size_t>(size));
  pending_.push_back(e);
}

bool InProcessSimIpcClient::SendRequest() {
  std::vector<SimBatchEntry> batch;
  batch.swap(pending_);
  if (dead || !started_) return false;
  ++batches;
  sentBatches.push_back(batch);
  if (onSend) onSend();
  for (const SimBatchEntry& e : batch) {
    if (e.write && CheckSimEntry(e.offset, e.size) == SimEntryStatus::Ok && e.size > 0) {
      writes.push_back({e.offset, e.size, LittleEndianValue(e.data, e.size, e.size != 1)});
    }
  }
  return ApplySimBatch(area_, batch);
}

}  // namespace vx::platform
