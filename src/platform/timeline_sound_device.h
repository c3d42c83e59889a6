#pragma once
// A sound device that writes what it plays into a timeline log: every buffer made
// ("load", with its file), started ("play", "loop"), stopped while playing ("stop"), and
// seen to have played to its end ("end"), then hands each call on to the real device.
#include <map>
#include <string>

#include "platform/sound_device.h"
#include "platform/timeline_log.h"

namespace vx::platform {

class TimelineSoundDevice final : public SoundDevice {
 public:
  TimelineSoundDevice(SoundDevice& device, TimelineLog& log) : device_(device), log_(log) {}

  bool Init() override { return device_.Init(); }
  void Quit() override;
  void SetGlobalFocus(bool on) override { device_.SetGlobalFocus(on); }
  std::int32_t CreateBuffer(std::span<const std::uint8_t> wavImage, std::int32_t flags,
                            std::string_view label = {}) override;
  void Play(std::int32_t buffer, int volume, int pan) override;
  void PlayLooping(std::int32_t buffer, int volume, int pan) override;
  bool IsPlaying(std::int32_t buffer) override;
  void Stop(std::int32_t buffer) override;
  void Free(std::int32_t buffer) override;
  void SetVolume(std::int32_t buffer, int volume) override { device_.SetVolume(buffer, volume); }

 private:
  struct Buffer {
    std::string file;
    bool started = false;  // started and not yet seen stopped or ended
  };
  void Start(std::int32_t buffer, int volume, int pan, bool loop);
  // Logs how a started buffer finished, before it is stopped or freed.
  void Finish(std::int32_t buffer);

  SoundDevice& device_;
  TimelineLog& log_;
  std::map<std::int32_t, Buffer> buffers_;
};

}  // namespace vx::platform
