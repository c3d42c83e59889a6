#pragma once
// The machine's own services for one program, composed once for the three programs and
// the tests that run a program for real: clock, timers and the Qt event pump, random
// draws, paths, processes, the simulator link and key injection through fs-standin, the
// text viewer and the window layer. Sound lives apart (system_sound.h), so a program
// without sound links no SDL.
#include <filesystem>
#include <optional>
#include <string>

#include "platform/clock.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/qt_event_pump.h"
#include "platform/random.h"
#include "platform/services.h"
#include "platform/standin_link.h"
#include "platform/timer_scheduler.h"
#include "ui/qt_text_viewer.h"
#include "ui/ui_env.h"

namespace vx::composition {

// The prefix of the shared memories' names from $VX_CHANNEL_PREFIX: "" (the programs' own
// names) when it is unset or holds anything but letters, digits, "_", "-" and ".". The
// programs started by the main program inherit it, so all of them meet under one prefix;
// tests that run the programs give each run a prefix of its own.
std::string ChannelPrefixFromEnvironment();

struct SystemOptions {
  std::string programName;  // the window layer's owner name
  // Where "\..." literals resolve; unset: the program sets `BaseFolder` itself later.
  std::optional<std::filesystem::path> baseFolder;
  // Where fs-standin registers its window class, and the prefix of its names.
  std::filesystem::path simulatorFolder = platform::DefaultStandinFolder();
  std::string simulatorPrefix;
  std::string sharedMemoryPrefix = ChannelPrefixFromEnvironment();
};

class SystemServices {
 public:
  SystemServices(const SystemOptions& options, ui::MessageBoxes& boxes, ui::FileDialogs& dialogs,
                 ui::PopupMenus& popups);
  SystemServices(const SystemServices&) = delete;
  SystemServices& operator=(const SystemServices&) = delete;

  // Puts every service held here into `svc`; the others stay as they are.
  void Fill(platform::Services& svc);

  platform::SystemClock clock;
  platform::TimerScheduler timers{clock};
  platform::QtEventPump pump{clock, timers};
  platform::SystemRandom random;
  platform::Paths paths;
  platform::PosixProcessLauncher processes;
  platform::StandinWindowFinder simWindows;
  platform::StandinSimIpcClient sim{simWindows};
  platform::StandinKeyInjector keys{sim};
  platform::StandinSimFocus simFocus{sim};
  ui::QtTextViewer textViewer;
  ui::UiEnv env;

 private:
  std::string sharedMemoryPrefix_;
};

}  // namespace vx::composition
