#include "announce/sound_commands.h"

#include <array>

#include "announce/background_music.h"
#include "announce/effect_loops.h"
#include "announce/flight_forms_open.h"
#include "platform/event_pump.h"
#include "state/pro_context.h"

namespace vx::announce {
namespace {

using Command = void (*)(state::ProContext&);

// Request 50 + index.
constexpr std::array<Command, 10> kCommands = {
    StartBgmByMode,       // 50
    OpenHelpForm,         // 51
    OpenPushbackForm,     // 52
    OpenSoundSettingsForm,  // 53
    OpenKeySettingsForm,  // 54
    ToggleWiperSound,     // 55
    ToggleAirconSound,    // 56
    LowerBgmVolume,       // 57
    StopBgmPlayback,      // 58
    RaiseBgmVolume,       // 59
};

}  // namespace

bool RunSoundCommand(state::ProContext& pro, std::int16_t request) {
  if (request < 50 || request > 59) return false;
  kCommands[static_cast<std::size_t>(request - 50)](pro);
  pro.svc.pump->Pump();
  return true;
}

}  // namespace vx::announce
