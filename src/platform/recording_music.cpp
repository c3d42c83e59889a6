#include "platform/recording_music.h"

#include <algorithm>

namespace vx::platform {

bool RecordingMusicDevice::Init() {
  Log(Op::Init, 0, 0);
  if (failInit) return false;
  started_ = true;
  return true;
}

void RecordingMusicDevice::Quit() {
  Log(Op::Quit, 0, 0);
  for (auto& [id, s] : segments_) {
    s.freed = true;
    s.running = false;
  }
  current_ = 0;
  started_ = false;
}

std::int32_t RecordingMusicDevice::LoadSegment(const std::filesystem::path& file, std::int32_t flags) {
  const std::string name = file.string();
  std::int32_t id = 0;
  if (started_ && !(failLoad && failLoad(name))) {
    id = nextId_++;
    Segment s;
    s.file = name;
    auto it = lengthMs.find(name);
    s.lengthMs = it == lengthMs.end() ? defaultLengthMs : it->second;
    segments_[id] = s;
  }
  calls.push_back({clock_.MonotonicNanos(), Op::Load, id, flags, name});
  return id;
}

void RecordingMusicDevice::PlaySegment(std::int32_t segment, std::int32_t startMs) {
  Log(Op::Play, segment, startMs);
  Segment* s = Live(segment);
  if (!s) return;
  if (Segment* cur = Live(current_); cur && cur->running) {
    cur->heldMs = Position(*cur);
    cur->running = false;
  }
  s->running = true;
  s->startedNanos = clock_.MonotonicNanos() - static_cast<std::int64_t>(startMs) * 1000000;
  current_ = segment;
}

void RecordingMusicDevice::StopSegment(std::int32_t segment) {
  Log(Op::Stop, segment, 0);
  if (Segment* s = Live(segment); s && s->running) {
    s->heldMs = Position(*s);
    s->running = false;
  }
}

void RecordingMusicDevice::FreeSegment(std::int32_t segment) {
  Log(Op::Free, segment, 0);
  if (Segment* s = Live(segment)) {
    s->freed = true;
    s->running = false;
    if (current_ == segment) current_ = 0;
  }
}

std::int32_t RecordingMusicDevice::SegmentPosition(std::int32_t segment) {
  const Segment* s = Live(segment);
  return s ? Position(*s) : 0;
}

std::int32_t RecordingMusicDevice::SegmentLength(std::int32_t segment) {
  const Segment* s = Live(segment);
  return s ? s->lengthMs : 0;
}

void RecordingMusicDevice::SetMasterVolume(int volume) {
  Log(Op::MasterVolume, current_, volume);
  masterVolume = volume;
}

std::vector<RecordingMusicDevice::Call> RecordingMusicDevice::CallsOf(Op op) const {
  std::vector<Call> out;
  std::copy_if(calls.begin(), calls.end(), std::back_inserter(out), [op](const Call& c) { return c.op == op; });
  return out;
}

const RecordingMusicDevice::Segment* RecordingMusicDevice::Find(std::int32_t segment) const {
  auto it = segments_.find(segment);
  return it == segments_.end() ? nullptr : &it->second;
}

std::int32_t RecordingMusicDevice::Sounding() const {
  const Segment* s = Find(current_);
  return s && s->running && !s->freed && Position(*s) < s->lengthMs ? current_ : 0;
}

RecordingMusicDevice::Segment* RecordingMusicDevice::Live(std::int32_t segment) {
  auto it = segments_.find(segment);
  return it == segments_.end() || it->second.freed ? nullptr : &it->second;
}

std::int32_t RecordingMusicDevice::Position(const Segment& s) const {
  if (!s.running) return s.heldMs;
  const std::int64_t ms = (clock_.MonotonicNanos() - s.startedNanos) / 1000000;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(ms, 0, s.lengthMs));
}

void RecordingMusicDevice::Log(Op op, std::int32_t segment, std::int32_t value) {
  std::string file;
  if (const Segment* s = Find(segment)) file = s->file;
  calls.push_back({clock_.MonotonicNanos(), op, segment, value, std::move(file)});
}

bool RecordingMp3Player::Init() {
  Log(Op::Init);
  if (failInit) {
    lastError = kMp3NotInitialised;
    return false;
  }
  started_ = true;
  return true;
}

void RecordingMp3Player::Free() {
  Log(Op::Free);
  open_.clear();
  running_ = paused_ = false;
  started_ = false;
}

bool RecordingMp3Player::Open(const std::filesystem::path& file) {
  const std::string name = file.string();
  open_.clear();
  running_ = paused_ = false;
  bool ok = false;
  if (!started_) {
    lastError = kMp3NotInitialised;
  } else if (auto it = failOpen.find(name); it != failOpen.end()) {
    lastError = it->second;
  } else {
    open_ = name;
    lastError = kMp3NoError;
    ok = true;
  }
  Log(Op::Open, 0, 0, ok, name);
  return ok;
}

void RecordingMp3Player::Close() {
  Log(Op::Close);
  open_.clear();
  running_ = paused_ = false;
}

void RecordingMp3Player::Play() {
  Log(Op::Play);
  if (open_.empty()) {
    lastError = kMp3NoTrack;
    return;
  }
  running_ = true;
  paused_ = false;
  pausedTotalNanos_ = 0;
  startedNanos_ = clock_.MonotonicNanos();
}

void RecordingMp3Player::Stop() {
  Log(Op::Stop);
  running_ = paused_ = false;
}

void RecordingMp3Player::Pause() {
  Log(Op::Pause);
  if (State() == kMp3Playing) {
    paused_ = true;
    pausedAtNanos_ = clock_.MonotonicNanos();
  }
}

void RecordingMp3Player::Restart() {
  Log(Op::Restart);
  if (running_ && paused_) {
    paused_ = false;
    pausedTotalNanos_ += clock_.MonotonicNanos() - pausedAtNanos_;
  }
}

std::int32_t RecordingMp3Player::State() {
  ++stateQueries;
  if (!running_) return kMp3Stopped;
  if (paused_) return kMp3Paused;
  const std::int64_t sinceStart = (clock_.MonotonicNanos() - startedNanos_) / 1000000;
  if (startDelayMs < 0 || sinceStart < startDelayMs) return kMp3Stopped;
  return PlayedMs() >= Length() ? kMp3Stopped : kMp3Playing;
}

void RecordingMp3Player::SetVolume(int left, int right) {
  Log(Op::SetVolume, left, right);
  volumeLeft = left;
  volumeRight = right;
}

std::vector<RecordingMp3Player::Call> RecordingMp3Player::CallsOf(Op op) const {
  std::vector<Call> out;
  std::copy_if(calls.begin(), calls.end(), std::back_inserter(out), [op](const Call& c) { return c.op == op; });
  return out;
}

void RecordingMp3Player::Log(Op op, int left, int right, bool ok, std::string file) {
  if (file.empty()) file = open_;
  calls.push_back({clock_.MonotonicNanos(), op, std::move(file), left, right, ok});
}

std::int64_t RecordingMp3Player::Length() const {
  auto it = trackMs.find(open_);
  return (it == trackMs.end() ? defaultTrackMs : it->second) + std::max<std::int64_t>(startDelayMs, 0);
}

std::int64_t RecordingMp3Player::PlayedMs() const {
  return (clock_.MonotonicNanos() - startedNanos_ - pausedTotalNanos_) / 1000000;
}

}  // namespace vx::platform
