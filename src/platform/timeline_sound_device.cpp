#include "platform/timeline_sound_device.h"

namespace vx::platform {

void TimelineSoundDevice::Quit() {
  for (auto& [id, buffer] : buffers_) Finish(id);
  buffers_.clear();
  device_.Quit();
}

std::int32_t TimelineSoundDevice::CreateBuffer(std::span<const std::uint8_t> wavImage, std::int32_t flags,
                                               std::string_view label) {
  const std::int32_t id = device_.CreateBuffer(wavImage, flags, label);
  log_.Add("load", {{"buffer", id}, {"file", label}});
  if (id != 0) buffers_[id] = Buffer{std::string(label), false};
  return id;
}

// A buffer that plays again restarts: its earlier play is logged as stopped (or ended)
// first.
void TimelineSoundDevice::Start(std::int32_t buffer, int volume, int pan, bool loop) {
  Finish(buffer);
  if (loop) {
    device_.PlayLooping(buffer, volume, pan);
  } else {
    device_.Play(buffer, volume, pan);
  }
  const auto it = buffers_.find(buffer);
  if (it == buffers_.end()) return;
  log_.Add(loop ? "loop" : "play", {{"buffer", buffer}, {"file", it->second.file}, {"volume", volume}, {"pan", pan}});
  it->second.started = true;
}

void TimelineSoundDevice::Play(std::int32_t buffer, int volume, int pan) { Start(buffer, volume, pan, false); }

void TimelineSoundDevice::PlayLooping(std::int32_t buffer, int volume, int pan) { Start(buffer, volume, pan, true); }

bool TimelineSoundDevice::IsPlaying(std::int32_t buffer) {
  const bool playing = device_.IsPlaying(buffer);
  if (!playing) Finish(buffer);
  return playing;
}

void TimelineSoundDevice::Finish(std::int32_t buffer) {
  const auto it = buffers_.find(buffer);
  if (it == buffers_.end() || !it->second.started) return;
  it->second.started = false;
  log_.Add(device_.IsPlaying(buffer) ? "stop" : "end", {{"buffer", buffer}, {"file", it->second.file}});
}

void TimelineSoundDevice::Stop(std::int32_t buffer) {
  Finish(buffer);
  device_.Stop(buffer);
}

void TimelineSoundDevice::Free(std::int32_t buffer) {
  Finish(buffer);
  device_.Free(buffer);
  buffers_.erase(buffer);
}

}  // namespace vx::platform
