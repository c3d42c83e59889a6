#pragma once
// What the forms of one program get from it: time, the event pump, the timers, message
// boxes, file dialogs, popup menus and the program's name. The program's start-up owns
// the implementations and passes them in; a test builds a fresh one with doubles.
#include <optional>
#include <string>

#include "ui/twips.h"
#include "ui/window_registry.h"

namespace vx::platform {
class Clock;
class EventPump;
class TimerScheduler;
}  // namespace vx::platform

namespace vx::ui {

class MessageBoxes;
class FileDialogs;
class PopupMenus;

struct UiEnv {
  UiEnv(platform::Clock& clock, platform::EventPump& pump, platform::TimerScheduler& timers, MessageBoxes& boxes,
        FileDialogs& fileDialogs, PopupMenus& popups, std::string programName)
      : clock(clock),
        pump(pump),
        timers(timers),
        boxes(boxes),
        fileDialogs(fileDialogs),
        popups(popups),
        programName(std::move(programName)) {}
  UiEnv(const UiEnv&) = delete;
  UiEnv& operator=(const UiEnv&) = delete;

  platform::Clock& clock;
  platform::EventPump& pump;
  platform::TimerScheduler& timers;
  MessageBoxes& boxes;
  FileDialogs& fileDialogs;
  PopupMenus& popups;
  // Title of message boxes that have none of their own.
  std::string programName;
  // Handles of the loaded forms.
  WindowRegistry windows;
  // Screen size in twips; when unset, the primary screen's.
  std::optional<TwipsSize> screenSize;

  TwipsSize Screen() const;
};

}  // namespace vx::ui
