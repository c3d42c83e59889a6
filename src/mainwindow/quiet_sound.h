#pragma once
// The quiet-sound key: every sound slot and the music down to the quiet level, or back to
// their levels; the call-out program is told through VEXLORPRO_VOL.
namespace vx::state {
struct ProContext;
}

namespace vx::mainwindow {

inline constexpr int kQuietSoundAttenuation = -3000;

void ToggleQuietSound(state::ProContext& pro);

}  // namespace vx::mainwindow
