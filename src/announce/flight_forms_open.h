#pragma once
// The setting windows opened from the flight (requests 51 to 54): each is marked as
// opened from the flight, placed above all windows and shown without waiting.
namespace vx::mainwindow {
struct ProContext;
}

namespace vx::announce {

void OpenHelpForm(mainwindow::ProContext& pro);
void OpenPushbackForm(mainwindow::ProContext& pro);
void OpenSoundSettingsForm(mainwindow::ProContext& pro);
void OpenKeySettingsForm(mainwindow::ProContext& pro);

}  // namespace vx::announce
