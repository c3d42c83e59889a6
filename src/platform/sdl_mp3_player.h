#pragma once
// MP3 tracks on SDL_mixer's music stream (mpg123).
#include "platform/mp3_player.h"
#include "platform/sdl_audio.h"

struct _Mix_Music;

namespace vx::platform {

class SdlMp3Player final : public Mp3Player {
 public:
  explicit SdlMp3Player(SdlAudio& audio) : audio_(audio) {}
  ~SdlMp3Player() override;

  bool Init() override;
  void Free() override;
  bool Open(const std::filesystem::path& file) override;
  void Close() override;
  void Play() override;
  void Stop() override;
  void Pause() override;
  void Restart() override;
  std::int32_t State() override;
  void SetVolume(int left, int right) override;
  std::int32_t LastErrorNo() override { return lastError_; }

 private:
  bool OnStream() const { return track_ && audio_.MusicOwner() == this; }
  void ApplyVolume();

  SdlAudio& audio_;
  bool started_ = false;
  _Mix_Music* track_ = nullptr;
  int volume_ = 100;
  std::int32_t lastError_ = kMp3NoError;
};

}  // namespace vx::platform
