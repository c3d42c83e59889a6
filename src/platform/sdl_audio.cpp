#include "platform/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <filesystem>

namespace vx::platform {

SdlAudio::SdlAudio() : SdlAudio(Settings{}) {}
SdlAudio::SdlAudio(Settings settings) : settings_(std::move(settings)) {}

SdlAudio::~SdlAudio() {
  while (users_ > 0) Release();
}

bool SdlAudio::Acquire() {
  if (users_ > 0) {
    ++users_;
    return true;
  }
  // The programs end on SIGTERM (closed by another program); SDL must not take that signal over.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    lastError_ = SDL_GetError();
    return false;
  }
  Mix_Init(MIX_INIT_MID | MIX_INIT_MP3);
  std::error_code ec;
  if (!settings_.soundFont.empty() && std::filesystem::exists(settings_.soundFont, ec))
    Mix_SetSoundFonts(settings_.soundFont.c_str());
  if (Mix_OpenAudioDevice(settings_.rate, AUDIO_S16SYS, 2, settings_.chunkFrames, nullptr, 0) != 0) {
    lastError_ = Mix_GetError();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  int frequency = 0, channels = 0;
  Uint16 format = 0;
  Mix_QuerySpec(&frequency, &format, &channels);
  rate_ = frequency;
  stereo16_ = format == AUDIO_S16SYS && channels == 2;
  users_ = 1;
  musicOwner_ = nullptr;
  return true;
}

void SdlAudio::SetMusicOwner(const void* owner) {
  if (hookOwner_ && hookOwner_ != owner) {
    Mix_HookMusic(nullptr, nullptr);  // returns once the mixing thread is out of the feed
    hookOwner_ = nullptr;
  }
  musicOwner_ = owner;
}

void SdlAudio::HookMusic(const void* owner, MusicMix mix, void* data) {
  if (users_ == 0) return;
  SetMusicOwner(owner);
  Mix_HaltMusic();  // the mixer's own music would go on unheard
  Mix_HookMusic(mix, data);
  hookOwner_ = owner;
}

void SdlAudio::UnhookMusic(const void* owner) {
  if (hookOwner_ != owner || owner == nullptr) return;
  Mix_HookMusic(nullptr, nullptr);
  hookOwner_ = nullptr;
  if (musicOwner_ == owner) musicOwner_ = nullptr;
}

void SdlAudio::Release() {
  if (users_ == 0) return;
  if (--users_ > 0) return;
  if (hookOwner_) Mix_HookMusic(nullptr, nullptr);
  hookOwner_ = nullptr;
  Mix_HaltMusic();
  Mix_HaltChannel(-1);
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  musicOwner_ = nullptr;
}

}  // namespace vx::platform
