#pragma once
// The quiet-sound key: every sound slot and the music down to the quiet level, or back to
// their levels; the call-out program is told through VEXLORPRO_VOL.
namespace vx::mainwindow {

struct ProContext;

inline constexpr int kQuietSoundAttenuation = -3000;

void ToggleQuietSound(ProContext& pro);

}  // namespace vx::mainwindow
