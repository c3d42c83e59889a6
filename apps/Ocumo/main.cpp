// The viewpoint program as far as it is built: its window, its control file read (or
// written with the defaults when missing), and at its end, when the main program deletes
// that file, the values handed back in EyeRet.cfg.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "companion/companion_window.h"
#include "datafiles/ocumo_files.h"
#include "platform/paths.h"
#include "runtime/runtime_error.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const vx::platform::Paths paths(vx::companion::ProgramBaseFolder());
  const auto control = paths.Under("\\Ocumo.cfg");
  vx::datafiles::OcumoCfg values = vx::datafiles::DefaultOcumoCfg();
  if (!vx::platform::FileExists(control)) {
    vx::datafiles::WriteOcumoCfgFile(control, values);
  } else {
    try {
      vx::datafiles::ReadOcumoCfgFile(control, values);
    } catch (const vx::runtime::RuntimeError&) {
      values = vx::datafiles::DefaultOcumoCfg();
    }
  }

  QWidget window;
  window.setWindowTitle("Ocumo");
  QTimer poll;
  vx::companion::RunUntilControlFileGone(
      window, control, 50,
      [&] {
        vx::datafiles::EyeRetCfg back{values.ViewPresets, values.ApuSoundSettings};
        vx::datafiles::WriteEyeRetCfgFile(paths.Under("\\EyeRet.cfg"), back);
      },
      poll);
  return app.exec();
}
