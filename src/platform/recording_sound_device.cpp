#include "platform/recording_sound_device.h"

#include <cmath>

#include "platform/wav_image.h"

namespace vx::platform {

bool RecordingSoundDevice::Init() {
  Log(Op::Init, 0);
  if (failInit) return false;
  started_ = true;
  return true;
}

void RecordingSoundDevice::Quit() {
  Log(Op::Quit, 0);
  for (auto& [id, b] : buffers_) {
    b.freed = true;
    b.stopped = true;
  }
  started_ = false;
}

void RecordingSoundDevice::SetGlobalFocus(bool on) { Log(Op::SetGlobalFocus, 0, on ? -1 : 0); }

std::int32_t RecordingSoundDevice::CreateBuffer(std::span<const std::uint8_t> wavImage, std::int32_t flags,
                                                std::string_view label) {
  std::int32_t id = 0;
  const auto format = ParseWav(wavImage);
  if (started_ && format && !(failCreate && failCreate(label))) {
    id = nextId_++;
    Buffer b;
    b.label = std::string(label);
    b.durationSeconds = format->DurationSeconds();
    b.flags = flags;
    buffers_[id] = std::move(b);
  }
  calls.push_back({clock_.MonotonicNanos(), Op::CreateBuffer, id, 0, 0, std::string(label)});
  return id;
}

void RecordingSoundDevice::StartPlay(Op op, std::int32_t buffer, int volume, int pan, bool loop) {
  Log(op, buffer, volume, pan);
  if (Buffer* b = Live(buffer)) {
    b->looping = loop;
    b->stopped = false;
    b->volume = volume;
    b->pan = pan;
    b->startedNanos = clock_.MonotonicNanos();
    ++b->plays;
  }
}

void RecordingSoundDevice::Play(std::int32_t buffer, int volume, int pan) {
  StartPlay(Op::Play, buffer, volume, pan, false);
}

void RecordingSoundDevice::PlayLooping(std::int32_t buffer, int volume, int pan) {
  StartPlay(Op::PlayLooping, buffer, volume, pan, true);
}

bool RecordingSoundDevice::IsPlaying(std::int32_t buffer) {
  ++isPlayingQueries;
  if (logQueries) Log(Op::IsPlaying, buffer);
  const Buffer* b = Live(buffer);
  return b && Playing(*b);
}

void RecordingSoundDevice::Stop(std::int32_t buffer) {
  Log(Op::Stop, buffer);
  if (Buffer* b = Live(buffer)) b->stopped = true;
}

void RecordingSoundDevice::Free(std::int32_t buffer) {
  Log(Op::Free, buffer);
  if (Buffer* b = Live(buffer)) {
    b->stopped = true;
    b->freed = true;
  }
}

void RecordingSoundDevice::SetVolume(std::int32_t buffer, int volume) {
  Log(Op::SetVolume, buffer, volume);
  if (Buffer* b = Live(buffer)) b->volume = volume;
}

std::vector<RecordingSoundDevice::Call> RecordingSoundDevice::CallsOf(std::initializer_list<Op> ops) const {
  std::vector<Call> out;
  for (const Call& c : calls)
    for (Op op : ops)
      if (c.op == op) out.push_back(c);
  return out;
}

const RecordingSoundDevice::Buffer* RecordingSoundDevice::Find(std::int32_t buffer) const {
  auto it = buffers_.find(buffer);
  return it == buffers_.end() ? nullptr : &it->second;
}

int RecordingSoundDevice::LiveBuffers() const {
  int n = 0;
  for (const auto& [id, b] : buffers_) n += b.freed ? 0 : 1;
  return n;
}

RecordingSoundDevice::Buffer* RecordingSoundDevice::Live(std::int32_t buffer) {
  auto it = buffers_.find(buffer);
  if (it == buffers_.end() || it->second.freed) return nullptr;
  return &it->second;
}

bool RecordingSoundDevice::Playing(const Buffer& b) const {
  if (b.stopped || b.freed) return false;
  if (b.looping) return true;
  const auto durationNanos = static_cast<std::int64_t>(std::llround(b.durationSeconds * 1e9));
  return clock_.MonotonicNanos() < b.startedNanos + durationNanos;
}

void RecordingSoundDevice::Log(Op op, std::int32_t buffer, int volume, int pan) {
  std::string label;
  if (auto it = buffers_.find(buffer); it != buffers_.end()) label = it->second.label;
  calls.push_back({clock_.MonotonicNanos(), op, buffer, volume, pan, std::move(label)});
}

}  // namespace vx::platform
