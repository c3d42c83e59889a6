#include "composition/system_services.h"

#include "platform/shared_memory.h"

namespace vx::composition {

SystemServices::SystemServices(const SystemOptions& options, ui::MessageBoxes& boxes, ui::FileDialogs& dialogs,
                               ui::PopupMenus& popups)
    : paths(options.baseFolder ? platform::Paths(*options.baseFolder) : platform::Paths()),
      simWindows(options.simulatorFolder, options.simulatorPrefix),
      env(clock, pump, timers, boxes, dialogs, popups, options.programName) {}

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
  svc.sharedMemoryPrefix = platform::SessionSharedMemoryPrefix();
}

}  // namespace vx::composition
