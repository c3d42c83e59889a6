#include "composition/system_sound.h"

namespace vx::composition {

SystemSound::SystemSound(const platform::Clock& clock, platform::SdlAudio::Settings settings,
                         const std::string& timelineFile)
    : audio(settings), music(audio, clock) {
  if (!timelineFile.empty()) timeline = platform::TimelineLog::Open(timelineFile, clock);
  if (timeline) timelineSound_.emplace(sdlSound, *timeline);
}

platform::SoundDevice& SystemSound::Sound() {
  if (timelineSound_) return *timelineSound_;
  return sdlSound;
}

void SystemSound::Fill(platform::Services& svc) {
  svc.sound = &Sound();
  svc.music = &music;
  svc.mp3 = &mp3;
}

}  // namespace vx::composition
