#pragma once
// Sound and music on SDL for a program that plays them, and the played timeline: with a
// timeline file named, every sound call is also written there as a JSON line.
#include <memory>
#include <optional>
#include <string>

#include "platform/sdl_audio.h"
#include "platform/sdl_mp3_player.h"
#include "platform/sdl_music_device.h"
#include "platform/sdl_sound_device.h"
#include "platform/services.h"
#include "platform/timeline_log.h"
#include "platform/timeline_sound_device.h"

namespace vx::composition {

class SystemSound {
 public:
  // `timelineFile` empty: no timeline.
  SystemSound(const platform::Clock& clock, platform::SdlAudio::Settings settings, const std::string& timelineFile);
  SystemSound(const SystemSound&) = delete;
  SystemSound& operator=(const SystemSound&) = delete;

  // The sound device the program plays through (the timeline's when there is one).
  platform::SoundDevice& Sound();
  // Puts the sound, music and MP3 players into `svc`.
  void Fill(platform::Services& svc);

  platform::SdlAudio audio;
  platform::SdlSoundDevice sdlSound{audio};
  platform::SdlMusicDevice music;
  platform::SdlMp3Player mp3{audio};
  std::unique_ptr<platform::TimelineLog> timeline;

 private:
  std::optional<platform::TimelineSoundDevice> timelineSound_;
};

}  // namespace vx::composition
