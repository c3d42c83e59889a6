#pragma once
// The program's one SDL_mixer output, opened by the first of the sound buffers, the
// music segments and the MP3 player that starts, and closed after the last one ends.
#include <cstdint>
#include <string>

namespace vx::platform {

class SdlAudio {
 public:
  struct Settings {
    int rate = 44100;        // the rate of the recordings' multiples: 11025, 22050, 44100
    int chunkFrames = 1024;  // mixing block
    // General MIDI soundfont for the MIDI segments (FluidSynth).
    std::string soundFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
  };

  SdlAudio();
  explicit SdlAudio(Settings settings);
  ~SdlAudio();
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  // Opens the output for one more user; false (and LastError) when it cannot be opened.
  bool Acquire();
  // One user less; the output closes with the last.
  void Release();
  bool IsOpen() const { return users_ > 0; }
  // The mixer's output format once open: rate, and whether it is signed 16-bit stereo.
  int Rate() const { return rate_; }
  bool Stereo16() const { return stereo16_; }
  const Settings& Config() const { return settings_; }
  const std::string& LastError() const { return lastError_; }

  // The one music stream: the device that last started music on it, so that a device
  // whose music was replaced reports itself stopped.
  const void* MusicOwner() const { return musicOwner_; }
  // Another owner taking the stream ends a feed that `HookMusic` set.
  void SetMusicOwner(const void* owner);
  // The stream fed by `mix` for `owner` in place of the mixer's own music: called on the
  // mixing thread with a block of signed 16-bit stereo to fill. It ends with UnhookMusic,
  // when another owner takes the stream, or when the output closes.
  using MusicMix = void (*)(void* data, std::uint8_t* stream, int length);
  void HookMusic(const void* owner, MusicMix mix, void* data);
  // Ends `owner`'s feed (nothing when the stream is another's); the stream is then no one's.
  void UnhookMusic(const void* owner);

 private:
  Settings settings_;
  int users_ = 0;
  int rate_ = 0;
  bool stereo16_ = false;
  std::string lastError_;
  const void* musicOwner_ = nullptr;
  const void* hookOwner_ = nullptr;
};

}  // namespace vx::platform
