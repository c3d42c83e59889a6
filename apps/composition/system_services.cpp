#include "composition/system_services.h"

#include <cstdlib>

#include "ui/message_box.h"

namespace vx::composition {

std::string ChannelPrefixFromEnvironment() {
  const char* value = std::getenv("VX_CHANNEL_PREFIX");
  if (!value) return {};
  const std::string prefix(value);
  if (prefix.size() > 100) return {};
  for (const char c : prefix) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
                       c == '-' || c == '.';
    if (!plain) return {};
  }
  return prefix;
}

SystemServices::SystemServices(const SystemOptions& options, ui::MessageBoxes& boxes, ui::FileDialogs& dialogs,
                               ui::PopupMenus& popups)
    : paths(options.baseFolder ? platform::Paths(*options.baseFolder) : platform::Paths()),
      simWindows(options.simulatorFolder, options.simulatorPrefix),
      env(clock, pump, timers, boxes, dialogs, popups, options.programName),
      sharedMemoryPrefix_(options.sharedMemoryPrefix) {
  boxes.EndWith(pump);
}

void SystemServices::Fill(platform::Services& svc) {
  svc.clock = &clock;
  svc.pump = &pump;
  svc.timers = &timers;
  svc.random = &random;
  svc.paths = &paths;
  svc.processes = &processes;
  svc.keys = &keys;
  svc.simFocus = &simFocus;
  svc.textViewer = &textViewer;
  svc.sim = &sim;
  svc.simWindows = &simWindows;
  svc.sharedMemoryPrefix = sharedMemoryPrefix_;
}

}  // namespace vx::composition
