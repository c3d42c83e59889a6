#pragma once
// MIDI segments on SDL_mixer's music stream, rendered by FluidSynth with the General
// MIDI soundfont. The mixer cannot tell a MIDI song's position or length, so the
// length comes from the file's tracks and tempo map and the position from the clock.
#include <map>

#include "platform/clock.h"
#include "platform/music_device.h"
#include "platform/sdl_audio.h"

struct _Mix_Music;

namespace vx::platform {

class SdlMusicDevice final : public MusicDevice {
 public:
  SdlMusicDevice(SdlAudio& audio, const Clock& clock);
  ~SdlMusicDevice() override;

  bool Init() override;
  void Quit() override;
  std::int32_t LoadSegment(const std::filesystem::path& file, std::int32_t flags) override;
  void PlaySegment(std::int32_t segment, std::int32_t startMs) override;
  void StopSegment(std::int32_t segment) override;
  void FreeSegment(std::int32_t segment) override;
  std::int32_t SegmentPosition(std::int32_t segment) override;
  std::int32_t SegmentLength(std::int32_t segment) override;
  void SetMasterVolume(int volume) override;

 private:
  struct Segment {
    _Mix_Music* music = nullptr;
    std::int32_t lengthMs = 0;
    std::int64_t startedNanos = 0;
    std::int32_t startMs = 0;
    bool running = false;      // started and not stopped
    std::int32_t heldMs = 0;   // position once stopped
  };
  bool OnStream(const Segment& s) const;
  std::int32_t Elapsed(const Segment& s) const;

  SdlAudio& audio_;
  const Clock& clock_;
  bool started_ = false;
  std::map<std::int32_t, Segment> segments_;
  std::int32_t current_ = 0;
  std::int32_t nextId_ = 1;
  int volume_ = 0;
};

}  // namespace vx::platform
