#pragma once
// The window of a companion program as far as it is built: shown without taking the
// focus when its starter asks so, and ended when the main program deletes the
// program's control file.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/paths.h"

namespace vx::companion {

// `BaseFolder` of a program started from <base>/ExePro.
inline std::filesystem::path ProgramBaseFolder() {
  return platform::BaseFolderFromProgramFolder(QCoreApplication::applicationDirPath().toStdString());
}

// Shows `window` and polls every `pollMs` for `controlFile`; when it is gone, runs
// `atEnd` and quits the application.
inline void RunUntilControlFileGone(QWidget& window, const std::filesystem::path& controlFile, int pollMs,
                                    std::function<void()> atEnd, QTimer& poll) {
  const char* noFocus = std::getenv("VX_NO_FOCUS");
  if (noFocus && std::string(noFocus) == "1") window.setAttribute(Qt::WA_ShowWithoutActivating);
  window.show();
  QObject::connect(&poll, &QTimer::timeout, [controlFile, atEnd = std::move(atEnd)] {
    if (platform::FileExists(controlFile)) return;
    if (atEnd) atEnd();
    QCoreApplication::quit();
  });
  poll.start(pollMs);
}

}  // namespace vx::companion
