#pragma once
// Test double of the sound device on a Clock: a buffer plays for the duration its
// WAV header gives (looped: until stopped), and every call is kept with the time.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/sound_device.h"

namespace vx::platform {

class RecordingSoundDevice final : public SoundDevice {
 public:
  enum class Op { Init, Quit, CreateBuffer, Play, PlayLooping, IsPlaying, Stop, Free, SetVolume, SetGlobalFocus };
  struct Call {
    std::int64_t atNanos = 0;
    Op op = Op::Init;
    std::int32_t buffer = 0;  // the buffer called on; for CreateBuffer the id returned
    int volume = 0;
    int pan = 0;
    std::string label;  // the buffer's label
  };
  struct Buffer {
    std::string label;
    double durationSeconds = 0;
    std::int32_t flags = 0;
    bool freed = false;
    bool looping = false;
    bool stopped = true;
    int volume = 0;
    int pan = 0;
    std::int64_t startedNanos = 0;
    int plays = 0;
  };

  explicit RecordingSoundDevice(const Clock& clock) : clock_(clock) {}

  bool Init() override;
  void Quit() override;
  void SetGlobalFocus(bool on) override;
  std::int32_t CreateBuffer(std::span<const std::uint8_t> wavImage, std::int32_t flags,
                            std::string_view label = {}) override;
  void Play(std::int32_t buffer, int volume, int pan) override;
  void PlayLooping(std::int32_t buffer, int volume, int pan) override;
  bool IsPlaying(std::int32_t buffer) override;
  void Stop(std::int32_t buffer) override;
  void Free(std::int32_t buffer) override;
  void SetVolume(std::int32_t buffer, int volume) override;

  // Failures to inject: Init answers false; CreateBuffer answers 0 when this returns true.
  bool failInit = false;
  std::function<bool(std::string_view label)> failCreate;
  // IsPlaying is polled by every wait; it is logged only when asked, and always counted.
  bool logQueries = false;
  std::int64_t isPlayingQueries = 0;

  std::vector<Call> calls;
  // The calls of some kinds only, in order.
  std::vector<Call> CallsOf(std::initializer_list<Op> ops) const;
  // A buffer by id (freed ones included); nullptr for ids never handed out.
  const Buffer* Find(std::int32_t buffer) const;
  // Buffers created and not yet freed.
  int LiveBuffers() const;
  bool Started() const { return started_; }

 private:
  Buffer* Live(std::int32_t buffer);
  bool Playing(const Buffer& b) const;
  void Log(Op op, std::int32_t buffer, int volume = 0, int pan = 0);
  void StartPlay(Op op, std::int32_t buffer, int volume, int pan, bool loop);

  const Clock& clock_;
  bool started_ = false;
  std::map<std::int32_t, Buffer> buffers_;
  std::int32_t nextId_ = 1;
};

}  // namespace vx::platform
