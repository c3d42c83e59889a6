#pragma once
// MIDI segments on SDL_mixer's music stream, rendered by one FluidSynth synthesiser with
// the General MIDI soundfont. The soundfont is loaded once for the life of the device
// (it takes most of a second), on a worker thread from the first Init on, so that a
// track change only hands the next file to a new MIDI player. The length of a segment
// comes from the file's tracks and tempo map and the position from the clock.
// Segments play from their start (the callers never ask for another position).
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "platform/clock.h"
#include "platform/music_device.h"
#include "platform/sdl_audio.h"

namespace vx::platform {

class SdlMusicDevice final : public MusicDevice {
 public:
  SdlMusicDevice(SdlAudio& audio, const Clock& clock);
  ~SdlMusicDevice() override;
  SdlMusicDevice(const SdlMusicDevice&) = delete;
  SdlMusicDevice& operator=(const SdlMusicDevice&) = delete;

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
    std::vector<std::uint8_t> file;  // the MIDI file, handed to the player when it plays
    std::int32_t lengthMs = 0;
    std::int64_t startedNanos = 0;
    bool running = false;     // started and not stopped
    std::int32_t heldMs = 0;  // position once stopped
  };
  class Synthesiser;

  bool OnStream(std::int32_t segment) const;
  std::int32_t Elapsed(const Segment& s) const;
  // Ends the player of the segment on the stream and takes the stream back.
  void Silence();

  SdlAudio& audio_;
  const Clock& clock_;
  bool started_ = false;
  std::unique_ptr<Synthesiser> synth_;
  std::map<std::int32_t, Segment> segments_;
  std::int32_t current_ = 0;  // the segment the player plays (or played to its end)
  std::int32_t nextId_ = 1;
  int volume_ = 0;
};

}  // namespace vx::platform
