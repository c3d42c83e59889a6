#pragma once
// What one flight of the main program holds. The flight window's load replaces it whole
// before anything of the flight runs (a resumed flight then loads its saved values over
// it); nothing else resets it.
#include <array>
#include <cstdint>
#include <string>

namespace vx::state {

// The landing briefing, as the landing briefing window commits it.
struct LandingBriefingValues {
  // First digit, second digit and side word of the landing runway.
  std::array<std::string, 3> LandingRunwayParts{"1", "6", "ライト(R)"};
  std::string LandingRunway = "16R";
  std::string ApproachType = "ビジュアル・アプローチ";
  std::string ApproachVariant;
  std::int16_t LandingFlap = 30;
  std::int16_t GoAroundAltitude = 4500;  // feet
  std::int16_t GoAroundFlap = 15;
};

struct FlightState {
  // Flight steps: the group that "next" runs on the ground and in the air.
  std::int16_t GroundStep = 0;
  std::int16_t AirStep = 1;
  std::int16_t FlightStage = 0;  // 0 up to departure, 1 after arrival, 2 after the final announcement
  std::int16_t LandingCallState = 0;  // 0 not armed, 1 15 min or more, 2 under 15 min, 3 called

  // The announcement volume in use.
  std::int16_t CurrentVolumeIndex = 0;
  std::int16_t CurrentVolume = 0;  // attenuation, -3000 while QuietSound is on

  // Background music.
  bool BgmPlaying = false;   // while music plays
  bool BgmStarting = false;  // while a track change runs
  std::int16_t BgmVolume = 10;   // 0 to 10 in steps of 2
  bool BgmLowered = false;   // while an announcement holds the music down

  // Sound loops switched by the command keys, while they run.
  bool WiperOn = false;
  bool AirconOn = false;

  // Radio chatter: 0 off, 1 on, 2 switching off, 3 switching on.
  std::int16_t AtcChatterState = 2;
  std::int16_t AtcChatterChannel = 0;  // 0 del, 1 gnd, 2 twr, 3 dep, 4 ctr, 5 apr
  float AtcLastTime = 0;               // seconds since midnight it started or was last seen playing
  std::int16_t AtcGapSeconds = 5;      // the pause before the next recording

  // The rotating outside view (0 off) and the windows opened from the flight, while open.
  std::int16_t RotatingViewState = 0;
  bool HelpOpenFlag = false;
  bool PushbackFormOpenFlag = false;
  bool KeyFormOpenFlag = false;
  bool VoiceFormOpenFlag = false;
  bool TobOpenFlag = false;

  LandingBriefingValues LandingBriefing;
  // The landing briefing as its prompt (frmLDB) answered: 0 while asked, 1 confirmed,
  // 2 cancelled.
  std::int16_t LandingBriefingState = 0;

  // The captain's greeting as its prompt (frmCPAnounce) answered: 0 while asked,
  // 1 confirmed, 2 cancelled; the language 1 to 5, the destination's weather 0 to 6 and
  // temperature in degrees Celsius.
  std::int16_t CaptainAnnounceState = 0;
  std::int16_t CaptainAnnounceLanguage = 1;
  std::int16_t DestinationWeather = 0;
  std::int16_t DestinationTemperature = 20;
};

}  // namespace vx::state
