// The call-out program as far as it is built: its window, its settings file written
// with the defaults when missing, and its end when the main program deletes that file.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "companion/companion_window.h"
#include "datafiles/exp_settings_file.h"
#include "platform/paths.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const vx::platform::Paths paths(vx::companion::ProgramBaseFolder());
  const auto settings = paths.Under("\\vexlorEXP.cfg");
  if (!vx::platform::FileExists(settings)) vx::datafiles::WriteDefaultVexlorExpCfgFile(settings);

  QWidget window;
  window.setWindowTitle("VexlorEXP");
  QTimer poll;
  vx::companion::RunUntilControlFileGone(window, settings, 1007, nullptr, poll);
  return app.exec();
}
