#include "platform/sdl_mp3_player.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>

namespace vx::platform {

SdlMp3Player::~SdlMp3Player() { Free(); }

bool SdlMp3Player::Init() {
  if (started_) return true;
  if (!audio_.Acquire()) {
    lastError_ = kMp3NotInitialised;
    return false;
  }
  started_ = true;
  lastError_ = kMp3NoError;
  return true;
}

void SdlMp3Player::Free() {
  if (!started_) return;
  Close();
  started_ = false;
  audio_.Release();
}

bool SdlMp3Player::Open(const std::filesystem::path& file) {
  Close();
  if (!started_) {
    lastError_ = kMp3NotInitialised;
    return false;
  }
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) {
    lastError_ = kMp3FileNotFound;
    return false;
  }
  track_ = Mix_LoadMUS(file.c_str());
  if (!track_) {
    lastError_ = kMp3NotDecodable;
    return false;
  }
  lastError_ = kMp3NoError;
  return true;
}

void SdlMp3Player::Close() {
  if (!track_) return;
  if (OnStream()) {
    Mix_HaltMusic();
    audio_.SetMusicOwner(nullptr);
  }
  Mix_FreeMusic(track_);
  track_ = nullptr;
}

void SdlMp3Player::Play() {
  if (!track_) {
    lastError_ = kMp3NoTrack;
    return;
  }
  ApplyVolume();
  if (Mix_PlayMusic(track_, 0) != 0) {
    lastError_ = kMp3PlayFailed;
    return;
  }
  audio_.SetMusicOwner(this);
}

void SdlMp3Player::Stop() {
  if (OnStream()) Mix_HaltMusic();
}

void SdlMp3Player::Pause() {
  if (OnStream() && Mix_PlayingMusic()) Mix_PauseMusic();
}

void SdlMp3Player::Restart() {
  if (OnStream() && Mix_PausedMusic()) Mix_ResumeMusic();
}

std::int32_t SdlMp3Player::State() {
  if (!OnStream() || !Mix_PlayingMusic()) return kMp3Stopped;
  return Mix_PausedMusic() ? kMp3Paused : kMp3Playing;
}

void SdlMp3Player::SetVolume(int left, int right) {
  volume_ = std::clamp((left + right) / 2, 0, 100);
  if (OnStream()) ApplyVolume();
}

void SdlMp3Player::ApplyVolume() { Mix_VolumeMusic((volume_ * MIX_MAX_VOLUME + 50) / 100); }

}  // namespace vx::platform
