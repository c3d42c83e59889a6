#pragma once
// The setting windows opened from the flight (requests 51 to 54): each is marked as
// opened from the flight, placed above all windows and shown without waiting.
namespace vx::state {
struct ProContext;
}

namespace vx::announce {

void OpenHelpForm(state::ProContext& pro);
void OpenPushbackForm(state::ProContext& pro);
void OpenSoundSettingsForm(state::ProContext& pro);
void OpenKeySettingsForm(state::ProContext& pro);

}  // namespace vx::announce
